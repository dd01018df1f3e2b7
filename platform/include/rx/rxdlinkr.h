// The dynamic linker: loads modules (shared libraries exporting acrxEntryPoint) by path, sends
// them the host's messages, and finds what they export by module file name.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "adesk.h"
#include "rx/rxdefs.h"

class AcApDocument;

class AcRxDynamicLinker {
 public:
  static AcRxDynamicLinker& instance();
  ~AcRxDynamicLinker();
  AcRxDynamicLinker(const AcRxDynamicLinker&) = delete;
  AcRxDynamicLinker& operator=(const AcRxDynamicLinker&) = delete;

  // Loads the module and sends it kInitAppMsg, then kLoadDwgMsg for every open document. A module
  // already loaded (same file name) is not loaded twice and the call succeeds. Fails when the
  // file cannot be loaded, exports no entry point, or answers kInitAppMsg with kRetError (the
  // module is then unloaded again). The reason is in lastError().
  bool loadModule(const ACHAR* fileName, bool printit = false, bool asCmd = false);
  // Sends kUnloadAppMsg and unloads. Refused (false, lastError() says why) when the module was not
  // loaded or is still locked because it never called unlockApplication.
  bool unloadModule(const ACHAR* fileName, bool printit = false, bool asCmd = false);

  // appId is the pointer the module received with its messages.
  bool unlockApplication(void* appId);
  bool lockApplication(void* appId);
  bool isApplicationLocked(const ACHAR* fileName) const;
  bool registerAppMDIAware(void* appId);
  bool registerAppNotMDIAware(void* appId);

  // An exported symbol of a loaded module, found by the module's file name ("x.so", "x.arx"): the
  // folder is ignored and the name compared without regard to case. Null when either is missing.
  void* getSymbolAddress(const ACHAR* moduleFileName, const char* symbolName) const;
  bool isModuleLoaded(const ACHAR* moduleFileName) const;
  // Full paths of the loaded modules, in load order.
  std::vector<std::wstring> loadedModules() const;

  // Why the last load or unload failed, in the host's words; empty after a success.
  const std::wstring& lastError() const { return lastError_; }

  // Host side: sends a message to every loaded module, in load order, for one document (made the
  // messages' document so that acedDefun registers there). Used by the document manager.
  void broadcast(AcRx::AppMsgCode msg, AcApDocument* document);
  // Sends one message to the module that owns appId. Returns kRetError for an unknown id.
  AcRx::AppRetCode sendMessage(void* appId, AcRx::AppMsgCode msg, AcApDocument* document);

  // The module receiving a message now (its appId), or null outside a message.
  void* currentAppId() const;
  // The document the message in progress concerns; null outside a message.
  AcApDocument* messageDocument() const;

  // Unloads every module without asking (host shutdown and test teardown); sends kUnloadAppMsg.
  void unloadAll();

  class Module;

  // Code of a module run by the host outside a message (its command, a function it registered
  // with acedRegFunc) runs on the module's behalf: for the scope's lifetime currentAppId() is the
  // module's and messageDocument() the given document, so acedDefun and acedUndef work there. An
  // appId that is no loaded module leaves everything as it was.
  class AppScope {
   public:
    AppScope(void* appId, AcApDocument* document);
    ~AppScope();
    AppScope(const AppScope&) = delete;
    AppScope& operator=(const AppScope&) = delete;

   private:
    bool entered_ = false;
    Module* outerModule_ = nullptr;
    AcApDocument* outerDocument_ = nullptr;
  };

 private:
  AcRxDynamicLinker();
  Module* find(const ACHAR* fileName) const;
  Module* findById(void* appId) const;
  AcRx::AppRetCode deliver(Module& module, AcRx::AppMsgCode msg, AcApDocument* document);

  std::vector<std::unique_ptr<Module>> modules_;
  std::wstring lastError_;
  struct Delivery {
    Module* module = nullptr;
    AcApDocument* document = nullptr;
  };
  Delivery current_;
};

AcRxDynamicLinker* acrxDynamicLinkerPtr();
#define acrxDynamicLinker acrxDynamicLinkerPtr()

// Module file names compare by their last path component, case-insensitively ("\" or "/").
bool acrxSameModuleName(const std::wstring& a, const std::wstring& b);
