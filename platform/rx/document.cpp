#include <utility>

#include "db/dbdatabase.h"
#include "db/dbundo.h"
#include "ed/editor.h"
#include "lisp/interpreter.h"
#include "rx/acaxdoc.h"
#include "rx/acdocman.h"
#include "rx/document_functions.h"

AcApDocument::AcApDocument(std::unique_ptr<AcDbDatabase> database, std::wstring fileName,
                           std::wstring title)
    : database_(std::move(database)),
      fileName_(std::move(fileName)),
      title_(std::move(title)),
      interpreter_(std::make_unique<lisp::Interpreter>()),
      functions_(std::make_unique<DocumentFunctions>(this)),
      automation_(std::make_unique<AcAxDocument>(this)) {
  interpreter_->setDatabase(database_.get());
  interpreter_->setExternalHandler(functions_.get());
  // What LISP prints goes where the command line prints.
  interpreter_->setOutput(&ed::Editor::instance().transcript());
  // Undo marks group the drawing's journal steps; a caller may hook something else instead.
  AcDbDatabase* db = database_.get();
  if (db != nullptr) {
    setUndoMarkHooks([db] { db->undoJournal().startUndoMark(); },
                     [db] { db->undoJournal().endUndoMark(); });
  }
}

// The interpreter goes before the function table it points to, and both before the database
// their values may refer to.
AcApDocument::~AcApDocument() {
  interpreter_.reset();
  functions_.reset();
  automation_.reset();
  database_.reset();
}

const ACHAR* AcApDocument::fileName() const {
  return fileName_.empty() ? title_.c_str() : fileName_.c_str();
}

AcAp::DocLockMode AcApDocument::lockMode(bool /*bIncludeMyLocks*/) const {
  return lockStack_.empty() ? AcAp::kNotLocked : lockStack_.back();
}

void AcApDocument::setFileName(const std::wstring& fileName) {
  fileName_ = fileName;
  size_t slash = fileName.find_last_of(L"/\\");
  title_ = slash == std::wstring::npos ? fileName : fileName.substr(slash + 1);
}

void AcApDocument::setUndoMarkHooks(std::function<void()> onStart, std::function<void()> onEnd) {
  onStartUndo_ = std::move(onStart);
  onEndUndo_ = std::move(onEnd);
}

// Marks nest, but the journal sees one group: the outermost start and the matching end, so that a
// routine that brackets its work inside a caller's bracket is undone with the caller's work.
void AcApDocument::startUndoMark() {
  if (undoDepth_++ == 0 && onStartUndo_) onStartUndo_();
}

bool AcApDocument::endUndoMark() {
  if (undoDepth_ == 0) return false;
  if (--undoDepth_ == 0 && onEndUndo_) onEndUndo_();
  return true;
}
