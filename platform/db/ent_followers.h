// EntityFollowers: the entities an entity owns and that follow it in files (the vertices of an
// old-style polyline, the attributes of a block reference), and the SEQEND that closes them.
//
// While the owner is not in a database its followers live here; once the owner is in a database
// they are added to it (owned by the owner) and only their ids are kept.
#pragma once
#include <functional>
#include <memory>
#include <vector>

#include "db/acadstrc.h"
#include "db/dbid.h"
#include "db/dbobject.h"

class AcDbEntity;
class AcDbObjectIterator;
class AcGeMatrix3d;

class EntityFollowers {
 public:
  // sequenceEndAlways: polylines always close their vertices with a SEQEND; block references only
  // when they hold attributes.
  EntityFollowers(AcDbEntity* owner, bool sequenceEndAlways);
  ~EntityFollowers();
  EntityFollowers(const EntityFollowers&) = delete;
  EntityFollowers& operator=(const EntityFollowers&) = delete;

  // Takes the follower. For an owner in a database the follower is added to it and left open for
  // write (the caller closes it), and id receives its id. Inserted after the follower `after`
  // (null: at the end; the owner itself: at the start).
  Acad::ErrorStatus append(AcDbEntity* follower, AcDbObjectId* id);
  Acad::ErrorStatus insertAfter(const AcDbEntity* after, AcDbEntity* follower, AcDbObjectId* id);
  // The same after the follower of that id (a null id: at the start); eInvalidInput when the id is
  // none of the followers'.
  Acad::ErrorStatus insertAfterId(AcDbObjectId afterId, AcDbEntity* follower, AcDbObjectId* id);

  // Brings followers kept while the owner was not in a database into the owner's database, and
  // makes the SEQEND when one is due. Called when the owner gets its owner, and before any use.
  void sync() const;

  // Followers in order, erased ones left out: the entities themselves (not opened).
  std::vector<AcDbEntity*> live() const;
  int count() const { return static_cast<int>(live().size()); }
  void ids(AcDbObjectIdArray& out) const;  // erased ones left out
  bool contains(AcDbObjectId id) const;
  AcDbObjectIterator* iterator() const;
  // Opens one of the followers by id (eInvalidInput for any other id; null on failure).
  template <class T>
  Acad::ErrorStatus open(T*& follower, AcDbObjectId id, AcDb::OpenMode mode,
                         bool openErased) const {
    follower = nullptr;
    if (!contains(id)) return Acad::eInvalidInput;
    return acdbOpenObject(follower, id, mode, openErased);
  }

  // For readers: a follower already in the owner's database.
  bool adopt(AcDbObjectId id);
  AcDbObjectId sequenceEnd() const;
  // A SEQEND made before the reader gave the file's own is dropped.
  void setSequenceEnd(AcDbObjectId id);

  // Erases (or unerases) the followers and the SEQEND with the owner.
  void setErased(bool erased);
  // Applies a change to every follower, opened for write when in a database (a follower that
  // cannot be opened is left as it is, and its status returned).
  Acad::ErrorStatus modifyEach(const std::function<void(AcDbEntity*)>& change);
  // Applies a transform to every follower.
  Acad::ErrorStatus transformAll(const AcGeMatrix3d& transform);
  // Copies of the followers of another owner (for clones of the owner).
  void copyFrom(const EntityFollowers& source);

 private:
  AcDbEntity* owner_;
  bool sequenceEndAlways_;
  mutable std::vector<AcDbObjectId> ids_;
  mutable std::vector<std::unique_ptr<AcDbEntity>> kept_;  // while the owner is not in a database
  mutable AcDbObjectId sequenceEnd_;
};

// The followers of an entity that has some (polylines, block references), or null.
EntityFollowers* followersOf(const AcDbEntity* entity);
