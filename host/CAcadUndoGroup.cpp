#include "host/CAcadUndoGroup.h"

#include "db/dbapserv.h"
#include "rx/acaxdoc.h"
#include "rx/acdocman.h"

CAcadUndoGroup::CAcadUndoGroup(AcDbDatabase* database) {
  if (database == nullptr) database = acdbHostApplicationServices()->workingDatabase();
  if (database == nullptr) return;
  AcApDocument* document = acDocManager->document(database);
  AcAxDocument* automation = document ? document->acadDocument() : nullptr;
  if (automation == nullptr || FAILED(automation->invoke(L"StartUndoMark"))) return;
  document_ = automation;
  database_ = database;
}

CAcadUndoGroup::~CAcadUndoGroup() {
  // The drawing may have been closed meanwhile: its automation object went with it.
  if (document_ != nullptr && acDocManager->document(database_) != nullptr) {
    document_->invoke(L"EndUndoMark");
  }
}
