// What changed in a drawing since the view last looked, as the database tells it: the view then
// draws again the entities of model space that changed, or the whole drawing when a change
// touches what many entities are drawn with (a layer, a text style, a block definition).
#pragma once
#include <unordered_set>
#include <vector>

#include "db/dbid.h"
#include "db/dbreactor.h"

namespace gui {

struct ChangeBatch {
  bool everything = false;              // draw the whole drawing again
  std::vector<AcDbObjectId> entities;   // else these entities of model space, oldest change first
};

class ChangeTracker : public AcDbDatabaseReactor {
 public:
  ChangeTracker() = default;
  ~ChangeTracker() override;
  ChangeTracker(const ChangeTracker&) = delete;
  ChangeTracker& operator=(const ChangeTracker&) = delete;

  // Listens to a database (null: none); what was noted for the previous one is dropped.
  void attach(AcDbDatabase* database);
  AcDbDatabase* database() const { return database_; }
  bool hasChanges() const { return everything_ || !changed_.empty(); }

  // Drops what was noted (the view is built from scratch).
  void forget();
  // What changed since the last call. An object still open for write is left out: it is noted
  // again when it is closed.
  ChangeBatch take();

  void objectAppended(const AcDbDatabase* database, const AcDbObject* object) override;
  void objectModified(const AcDbDatabase* database, const AcDbObject* object) override;
  void objectErased(const AcDbDatabase* database, const AcDbObject* object, bool erased) override;
  void goodbye(const AcDbDatabase* database) override;

 private:
  void note(const AcDbObject* object, bool appended);
  void clear();
  // Where a changed entity shows. In model space, shown is the entity drawn again: itself, or
  // the reference that holds its attribute, or the polyline of its vertex.
  enum class Place { kModelSpace, kElsewhere, kBlockDefinition };
  Place placeOf(AcDbObjectId id, AcDbObjectId& shown) const;

  AcDbDatabase* database_ = nullptr;
  bool everything_ = false;
  std::vector<AcDbObjectId> changed_;
  std::unordered_set<AcDbObjectId> noted_;
  // Objects new since the last call: a block definition or a layer made now is used by nothing
  // drawn before, so its changes do not call for drawing everything again.
  std::unordered_set<AcDbObjectId> appended_;
};

}  // namespace gui
