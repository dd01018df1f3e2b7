#include <algorithm>
#include <exception>
#include <map>
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbundo.h"
#include "lisp/interpreter.h"
#include "lisp/value.h"
#include "os/case_map.h"
#include "os/codepage.h"
#include "rx/accmd.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"
#include "rx/document_functions.h"
#include "rx/rxdlinkr.h"

const wchar_t* const kUndoGroupName = L"GROUPE";

namespace {

// The document may have been closed (and freed) meanwhile: it is only compared, never read.
bool isOpen(AcApDocManager& docs, AcApDocument* document) {
  if (document == nullptr) return false;
  for (auto it = docs.newAcApDocumentIterator(); !it->done(); it->step()) {
    if (it->document() == document) return true;
  }
  return false;
}

// What the command layer remembers of each open document: the names of its undoable steps (the
// journal keeps states, not names) and whether it changed since it was last saved.
struct DocumentRecord {
  std::vector<std::wstring> stepNames;  // one per finished step of the journal, oldest first
  bool modified = false;
};

class DocumentRecords : public AcApDocManagerReactor {
 public:
  static DocumentRecords& instance() {
    // Never destroyed: the document manager may call its reactors during static destruction.
    static DocumentRecords* records = [] {
      auto* created = new DocumentRecords;
      acDocManager->addReactor(created);
      return created;
    }();
    return *records;
  }
  DocumentRecord& of(AcApDocument* document) { return records_[document]; }
  void documentToBeDestroyed(AcApDocument* document) override { records_.erase(document); }

  // Matches the names to the journal's steps: names of steps that are gone are dropped, new steps
  // take the given name.
  void sync(AcApDocument* document, const std::wstring& name) {
    std::vector<std::wstring>& names = of(document).stepNames;
    size_t count = static_cast<size_t>(document->database()->undoJournal().stepCount());
    if (names.size() > count) names.resize(count);
    while (names.size() < count) names.push_back(name);
  }

 private:
  std::map<AcApDocument*, DocumentRecord> records_;
};

// Commands the host runs without a drawing: they open, create or leave drawings themselves.
bool runsWithoutDrawing(const AcEdCommand& command) {
  return (command.commandFlags() & ACRX_CMD_SESSION) != 0;
}

void runRegistered(AcEdCommand& command, AcEdCommandOutcome& outcome) {
  AcApDocManager& docs = *acDocManager;
  AcApDocument* document = docs.curDocument();
  Adesk::Int32 flags = command.commandFlags();
  if (document == nullptr && !runsWithoutDrawing(command)) {
    outcome.needsDrawing = true;
    return;
  }
  // Commands lock their document unless they say they manage locks themselves.
  bool lock = document != nullptr && (flags & (ACRX_CMD_NOINTERNALLOCK | ACRX_CMD_SESSION)) == 0;
  if (lock) {
    AcAp::DocLockMode mode = (flags & ACRX_CMD_DOCREADLOCK) ? AcAp::kRead
                             : (flags & ACRX_CMD_DOCEXCLUSIVELOCK) ? AcAp::kXWrite
                                                                   : AcAp::kAutoWrite;
    docs.lockDocument(document, mode, command.globalName(), command.localName());
  }
  {
    AcEdCommandStep step(command.localName());
    // A module's command acts for the module: acedDefun and acedUndef work inside it.
    AcRxDynamicLinker::AppScope onBehalf(command.commandApp(), document);
    try {
      command.functionAddr()();
    } catch (const std::exception& e) {
      // A command's exception stops the command, never the host.
      outcome.error = utf8ToWide(e.what());
    } catch (...) {
      outcome.error = L"exception";
    }
  }
  // The command may have closed its own document.
  if (lock && isOpen(docs, document)) docs.unlockDocument(document);
}

// "C:NAME" defined in LISP or by a module, run as the command NAME.
bool runLispCommand(const std::wstring& name, AcEdCommandOutcome& outcome) {
  AcApDocument* document = acDocManager->curDocument();
  if (document == nullptr || name.empty()) return false;
  std::wstring symbol = L"C:";
  for (wchar_t c : name) symbol.push_back(toUpperLatin(c));
  lisp::Interpreter& interp = document->interpreter();
  lisp::ValuePtr value = interp.symbolValue(symbol);
  bool defined = value && (value->type == lisp::Type::kUsubr || value->type == lisp::Type::kSubr);
  DocumentFunctions* functions = documentFunctions(document);
  if (!defined && (functions == nullptr || !functions->isDefined(symbol))) return false;
  AcEdCommandStep step(symbol.substr(2));
  lisp::EvalResult result = interp.evaluate(L"(" + symbol + L")");
  if (!result.ok) outcome.error = result.error;
  return true;
}

}  // namespace

AcEdCommandStep::AcEdCommandStep(std::wstring name)
    : name_(std::move(name)), document_(acDocManager->curDocument()) {
  if (document_ == nullptr) return;
  UndoJournal& journal = document_->database()->undoJournal();
  stepsBefore_ = journal.stepCount();
  inGroup_ = journal.undoMarkDepth() > 0;
  journal.beginStep();
}

AcEdCommandStep::~AcEdCommandStep() {
  if (document_ == nullptr || !isOpen(*acDocManager, document_)) return;
  UndoJournal& journal = document_->database()->undoJournal();
  journal.endStep();
  // Inside an undo mark group the steps close with the group: that is the group's name.
  bool grouped = inGroup_ || journal.undoMarkDepth() > 0;
  DocumentRecords::instance().sync(document_, grouped ? kUndoGroupName : name_);
  if (journal.stepCount() != stepsBefore_) acedSetDocumentModified(document_, true);
}

std::wstring acedLastUndoStepName(AcApDocument* document) {
  if (document == nullptr) return {};
  DocumentRecords& records = DocumentRecords::instance();
  records.sync(document, kUndoGroupName);
  const std::vector<std::wstring>& names = records.of(document).stepNames;
  return names.empty() ? std::wstring() : names.back();
}

void acedUndoStepsChanged(AcApDocument* document) {
  if (document != nullptr) DocumentRecords::instance().sync(document, kUndoGroupName);
}

bool acedIsDocumentModified(AcApDocument* document) {
  return document != nullptr && DocumentRecords::instance().of(document).modified;
}

void acedSetDocumentModified(AcApDocument* document, bool modified) {
  if (document != nullptr) DocumentRecords::instance().of(document).modified = modified;
}

AcEdCommandOutcome acedRunCommand(const ACHAR* typed) {
  AcEdCommandOutcome outcome;
  AcApDocManager& docs = *acDocManager;
  size_t depth = docs.resourceDepth();
  AcApDocument* document = docs.curDocument();
  const int openBefore = document ? document->database()->openObjectCount() : 0;
  if (AcEdCommand* command = acedRegCmds()->resolve(typed)) {
    outcome.found = true;
    runRegistered(*command, outcome);
  } else {
    std::wstring name = typed ? typed : L"";
    while (!name.empty() && (name[0] == L'.' || name[0] == L'_')) name.erase(0, 1);
    outcome.found = runLispCommand(name, outcome);
  }
  outcome.resourceImbalance = !docs.checkResourceBalance(depth);
  // Every object a command opens must be closed by the end of it.
  if (isOpen(docs, document)) {
    outcome.objectsLeftOpen = std::max(0, document->database()->openObjectCount() - openBefore);
  }
  return outcome;
}
