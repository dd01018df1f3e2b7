#include "db/block_nesting.h"

#include <set>
#include <vector>

#include "db/dbblkref.h"
#include "db/dbsymtb.h"
#include "db/symbol_util.h"

bool blockReaches(AcDbObjectId block, AcDbObjectId target) {
  // Each definition is looked at once, so that blocks shared by many others cost nothing more.
  std::set<AcDbObjectId> seen = {block};
  std::vector<AcDbObjectId> pending = {block};
  while (!pending.empty()) {
    auto* record = peekObject<AcDbBlockTableRecord>(pending.back());
    pending.pop_back();
    if (record == nullptr) continue;
    for (const AcDbObjectId& id : record->entityIds()) {
      if (!isLiveId(id)) continue;
      auto* reference = AcDbBlockReference::cast(peekObject<AcDbEntity>(id));
      if (reference == nullptr) continue;
      AcDbObjectId inserted = reference->blockTableRecord();
      if (inserted == target) return true;
      if (seen.insert(inserted).second) pending.push_back(inserted);
    }
  }
  return false;
}
