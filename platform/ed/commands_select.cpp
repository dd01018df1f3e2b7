// The host's commands that work on a selection: ERASE (EFFACER) and LIST (LISTE).
#include <vector>

#include "db/dbentity.h"
#include "ed/acedsel.h"
#include "ed/host_command_families.h"
#include "ed/selection_listing.h"

namespace ed {

namespace {

// Asks for the objects; empty when nothing was chosen or the user cancelled.
std::vector<AcDbObjectId> askObjects() {
  ads_name ss;
  std::vector<AcDbObjectId> ids;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, ss) != RTNORM) return ids;
  selectionSetIds(ss, ids);
  acedSSFree(ss);
  return ids;
}

void eraseCommand() {
  for (const AcDbObjectId& id : askObjects()) {
    AcDbEntity* entity = nullptr;
    if (acdbOpenObject(entity, id, AcDb::kForWrite) != Acad::eOk) continue;
    entity->erase();
    entity->close();
  }
}

void listCommand() {
  for (const AcDbObjectId& id : askObjects()) listEntity(id);
}

}  // namespace

void addSelectionCommands(AcEdCommandStack& stack) {
  addHostCommand(stack, L"ERASE", L"EFFACER", eraseCommand);
  addHostCommand(stack, L"LIST", L"LISTE", listCommand);
}

}  // namespace ed
