// AcDbGroup: a named, ordered set of entities, held in the group dictionary. Each member has the
// group as a persistent reactor, as drawings written by the host show.
#pragma once
#include <string>
#include <vector>

#include "db/dbobject.h"

class AcDbEntity;

class AcDbGroup : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbGroup);
  AcDbGroup();
  explicit AcDbGroup(const ACHAR* description, bool selectable = true);
  ~AcDbGroup() override;

  // A new copy the caller frees with acutDelString.
  ACHAR* description() const;
  Acad::ErrorStatus setDescription(const ACHAR* description);
  bool isSelectable() const { return selectable_; }
  Acad::ErrorStatus setSelectable(bool selectable);
  // The group's key in the group dictionary (a new copy), and renaming it there.
  Acad::ErrorStatus getName(ACHAR*& name) const;
  Acad::ErrorStatus setName(const ACHAR* name);
  bool isAnonymous() const { return anonymous_; }
  Acad::ErrorStatus setAnonymous();
  bool isNotAccessible() const { return false; }

  // Members: entities of the group's database, each once, in order.
  Acad::ErrorStatus append(AcDbObjectId id);
  Acad::ErrorStatus append(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus prepend(AcDbObjectId id);
  Acad::ErrorStatus prepend(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus insertAt(Adesk::UInt32 index, AcDbObjectId id);
  Acad::ErrorStatus insertAt(Adesk::UInt32 index, const AcDbObjectIdArray& ids);
  Acad::ErrorStatus remove(AcDbObjectId id);
  Acad::ErrorStatus remove(const AcDbObjectIdArray& ids);
  Acad::ErrorStatus removeAt(Adesk::UInt32 index);
  Acad::ErrorStatus replace(AcDbObjectId oldId, AcDbObjectId newId);
  Acad::ErrorStatus clear();
  Acad::ErrorStatus getIndex(AcDbObjectId id, Adesk::UInt32& index) const;
  Acad::ErrorStatus reverse();
  bool has(const AcDbEntity* entity) const;
  bool has(AcDbObjectId id) const;
  // Members not erased.
  Adesk::UInt32 numEntities() const;
  Adesk::UInt32 allEntityIds(AcDbObjectIdArray& ids) const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  Acad::ErrorStatus insertMembers(size_t index, const std::vector<AcDbObjectId>& ids);
  void linkMember(AcDbObjectId id, bool link) const;
  std::wstring description_;
  std::vector<AcDbObjectId> members_;
  bool selectable_ = true;
  bool anonymous_ = false;
};
