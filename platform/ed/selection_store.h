// Internal: the selection sets alive in the session. A set is kept while the C side holds it (until
// acedSSFree) or while a LISP value refers to it.
#pragma once
#include <map>
#include <memory>
#include <vector>

#include "db/adsdef.h"
#include "db/dbid.h"
#include "lisp/resbuf_convert.h"

namespace ed {

class SelectionSetStore {
 public:
  static SelectionSetStore& instance();

  // A new set, held by the C side.
  void create(const std::vector<AcDbObjectId>& ids, ads_name name);
  // The members of a live set (erased entities removed first), or null.
  std::vector<AcDbObjectId>* find(const ads_name name);
  // acedSSFree: the C side lets go; false when name is no live set held by it.
  bool release(const ads_name name);
  // A LISP value's hold on the set numbered number; the set goes when the last hold and the C
  // side have let go. Null when there is no such set.
  std::shared_ptr<void> pin(Adesk::LongPtr number);
  size_t liveCount() const { return sets_.size(); }

  std::vector<AcDbObjectId>& previous() { return previous_; }

 private:
  SelectionSetStore() = default;
  struct Entry {
    std::vector<AcDbObjectId> ids;
    bool heldByC = true;
    int pins = 0;
  };
  void unpin(Adesk::LongPtr number);
  Entry* entry(const ads_name name);

  std::map<Adesk::LongPtr, Entry> sets_;
  Adesk::LongPtr next_ = 1;
  std::vector<AcDbObjectId> previous_;
};

// The second word of every set name; entity names have 0 there.
constexpr Adesk::LongPtr kSelectionSetTag = lisp::kPicksetNameTag;

}  // namespace ed
