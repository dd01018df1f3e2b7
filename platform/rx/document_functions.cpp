#include "rx/document_functions.h"

#include <algorithm>
#include <map>
#include <vector>

#include "db/adsdef.h"
#include "os/case_map.h"
#include "rx/acdocman.h"
#include "rx/acedfunc.h"
#include "rx/rxdlinkr.h"

namespace {

std::vector<DocumentFunctions*>& allTables() {
  // Never destroyed: documents may outlive the static objects of this file at exit.
  static auto* tables = new std::vector<DocumentFunctions*>;
  return *tables;
}

std::map<AcApDocument*, DocumentFunctions*>& tableOfDocument() {
  static auto* tables = new std::map<AcApDocument*, DocumentFunctions*>;
  return *tables;
}

// Functions a module registered with acedRegFunc, by module and code.
std::map<std::pair<void*, int>, AcEdFunction>& directFunctions() {
  static std::map<std::pair<void*, int>, AcEdFunction> functions;
  return functions;
}

int g_funCode = -1;

std::wstring upper(const std::wstring& name) { return toUpperLatin(name); }

// The document a module's acedDefun speaks of: the one its message concerns, else the current.
AcApDocument* definingDocument() {
  AcApDocument* document = acrxDynamicLinker->messageDocument();
  return document != nullptr ? document : acDocManager->curDocument();
}

}  // namespace

DocumentFunctions::DocumentFunctions(AcApDocument* document) : document_(document) {
  allTables().push_back(this);
  tableOfDocument()[document] = this;
}

DocumentFunctions::~DocumentFunctions() {
  auto& tables = allTables();
  tables.erase(std::remove(tables.begin(), tables.end(), this), tables.end());
  tableOfDocument().erase(document_);
}

bool DocumentFunctions::isDefined(const std::wstring& upperName) const {
  return definitions_.count(upperName) != 0;
}

int DocumentFunctions::invoke(const std::wstring& upperName, lisp::Interpreter& /*interp*/) {
  auto it = definitions_.find(upperName);
  if (it == definitions_.end()) return RTERROR;
  Definition definition = it->second;
  int outerCode = g_funCode;
  g_funCode = definition.code;
  int status = RTERROR;
  auto direct = directFunctions().find({definition.appId, definition.code});
  if (direct != directFunctions().end()) {
    AcRxDynamicLinker::AppScope onBehalf(definition.appId, document_);
    status = direct->second();
  } else {
    AcRx::AppRetCode code =
        acrxDynamicLinker->sendMessage(definition.appId, AcRx::kInvkSubrMsg, document_);
    status = code == AcRx::kRetOK ? RTNORM : RTERROR;
  }
  g_funCode = outerCode;
  return status;
}

int DocumentFunctions::define(const std::wstring& name, int code, void* appId) {
  if (name.empty()) return RTERROR;
  definitions_[upper(name)] = Definition{appId, code};
  return RTNORM;
}

int DocumentFunctions::undefine(const std::wstring& name, int code, void* appId) {
  auto it = definitions_.find(upper(name));
  if (it == definitions_.end() || it->second.appId != appId || it->second.code != code) {
    return RTERROR;
  }
  definitions_.erase(it);
  return RTNORM;
}

void DocumentFunctions::forget(void* appId) {
  std::erase_if(definitions_, [appId](const auto& entry) { return entry.second.appId == appId; });
}

void moduleRegistryForget(void* appId) {
  for (DocumentFunctions* table : allTables()) table->forget(appId);
  std::erase_if(directFunctions(), [appId](const auto& entry) { return entry.first.first == appId; });
}

DocumentFunctions* documentFunctions(AcApDocument* document) {
  auto it = tableOfDocument().find(document);
  return it == tableOfDocument().end() ? nullptr : it->second;
}

int acedDefun(const ACHAR* name, int funcode) {
  void* appId = acrxDynamicLinker->currentAppId();
  DocumentFunctions* table = documentFunctions(definingDocument());
  if (appId == nullptr || table == nullptr || name == nullptr) return RTERROR;
  return table->define(name, funcode, appId);
}

int acedUndef(const ACHAR* name, int funcode) {
  void* appId = acrxDynamicLinker->currentAppId();
  DocumentFunctions* table = documentFunctions(definingDocument());
  if (appId == nullptr || table == nullptr || name == nullptr) return RTERROR;
  return table->undefine(name, funcode, appId);
}

int acedGetFunCode() { return g_funCode; }

int acedRegFunc(AcEdFunction function, int funcode) {
  void* appId = acrxDynamicLinker->currentAppId();
  if (appId == nullptr) return RTERROR;
  if (function == nullptr) {
    directFunctions().erase({appId, funcode});
  } else {
    directFunctions()[{appId, funcode}] = function;
  }
  return RTNORM;
}
