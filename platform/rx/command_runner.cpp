#include <exception>
#include <string>

#include "lisp/interpreter.h"
#include "lisp/value.h"
#include "os/case_map.h"
#include "os/codepage.h"
#include "rx/accmd.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"
#include "rx/document_functions.h"

namespace {

bool isOpen(AcApDocManager& docs, AcApDocument* document) {
  return document != nullptr && docs.document(document->database()) == document;
}

void runRegistered(AcEdCommand& command, AcEdCommandOutcome& outcome) {
  AcApDocManager& docs = *acDocManager;
  AcApDocument* document = docs.curDocument();
  Adesk::Int32 flags = command.commandFlags();
  // Commands lock their document unless they say they manage locks themselves.
  bool lock = document != nullptr && (flags & (ACRX_CMD_NOINTERNALLOCK | ACRX_CMD_SESSION)) == 0;
  if (lock) {
    AcAp::DocLockMode mode = (flags & ACRX_CMD_DOCREADLOCK) ? AcAp::kRead
                             : (flags & ACRX_CMD_DOCEXCLUSIVELOCK) ? AcAp::kXWrite
                                                                   : AcAp::kAutoWrite;
    docs.lockDocument(document, mode, command.globalName(), command.localName());
  }
  try {
    command.functionAddr()();
  } catch (const std::exception& e) {
    // A command's exception stops the command, never the host.
    outcome.error = utf8ToWide(e.what());
  } catch (...) {
    outcome.error = L"exception";
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
  lisp::EvalResult result = interp.evaluate(L"(" + symbol + L")");
  if (!result.ok) outcome.error = result.error;
  return true;
}

}  // namespace

AcEdCommandOutcome acedRunCommand(const ACHAR* typed) {
  AcEdCommandOutcome outcome;
  AcApDocManager& docs = *acDocManager;
  size_t depth = docs.resourceDepth();
  if (AcEdCommand* command = acedRegCmds()->resolve(typed)) {
    outcome.found = true;
    runRegistered(*command, outcome);
  } else {
    std::wstring name = typed ? typed : L"";
    while (!name.empty() && (name[0] == L'.' || name[0] == L'_')) name.erase(0, 1);
    outcome.found = runLispCommand(name, outcome);
  }
  outcome.resourceImbalance = !docs.checkResourceBalance(depth);
  return outcome;
}
