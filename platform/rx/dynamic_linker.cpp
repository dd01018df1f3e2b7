#include <dlfcn.h>

#include <algorithm>
#include <string>

#include "os/paths.h"
#include "rx/acdocman.h"
#include "rx/accmd.h"
#include "rx/rxdlinkr.h"
#include "rx/document_functions.h"

// What the host says when loading or unloading fails.
namespace {
namespace text {
const wchar_t* const kCannotLoad = L"Impossible de charger ";
const wchar_t* const kNoEntryPoint = L"Point d'entrée acrxEntryPoint introuvable dans ";
const wchar_t* const kInitRefused = L"Initialisation refusée par ";
const wchar_t* const kNotLoaded = L"Application non chargée : ";
const wchar_t* const kLocked = L"Application verrouillée, impossible de la décharger : ";
}  // namespace text
}  // namespace

class AcRxDynamicLinker::Module {
 public:
  Module(std::wstring filePath, void* library, AcRxEntryPointFn entryPoint)
      : path_(std::move(filePath)), handle_(library), entry_(entryPoint) {}
  ~Module() {
    if (handle_ != nullptr) dlclose(handle_);
  }
  Module(const Module&) = delete;
  Module& operator=(const Module&) = delete;

  const std::wstring& path() const { return path_; }
  void* handle() const { return handle_; }
  AcRxEntryPointFn entry() const { return entry_; }
  // The appId given to the module: stable for the module's lifetime and unique per module.
  void* appId() { return this; }
  bool locked() const { return locked_; }
  void setLocked(bool locked) { locked_ = locked; }
  void setMdiAware(bool aware) { mdiAware_ = aware; }

 private:
  bool locked_ = true;  // a module stays loaded until it calls unlockApplication
  bool mdiAware_ = false;
  std::wstring path_;
  void* handle_;
  AcRxEntryPointFn entry_;
};

AcRxDynamicLinker& AcRxDynamicLinker::instance() {
  static AcRxDynamicLinker linker;
  return linker;
}

AcRxDynamicLinker* acrxDynamicLinkerPtr() { return &AcRxDynamicLinker::instance(); }

AcRxDynamicLinker::AcRxDynamicLinker() = default;

// Modules are not sent kUnloadAppMsg at process exit: their code may already be gone by the time
// static destructors run, so only the handles are released.
AcRxDynamicLinker::~AcRxDynamicLinker() = default;

AcRxDynamicLinker::Module* AcRxDynamicLinker::find(const ACHAR* fileName) const {
  if (fileName == nullptr) return nullptr;
  for (const auto& module : modules_) {
    if (acrxSameModuleName(module->path(), fileName)) return module.get();
  }
  return nullptr;
}

AcRxDynamicLinker::Module* AcRxDynamicLinker::findById(void* appId) const {
  for (const auto& module : modules_) {
    if (module->appId() == appId) return module.get();
  }
  return nullptr;
}

AcRx::AppRetCode AcRxDynamicLinker::deliver(Module& module, AcRx::AppMsgCode msg,
                                            AcApDocument* document) {
  Delivery outer = current_;
  current_ = {&module, document};
  AcRx::AppRetCode code = AcRx::kRetError;
  try {
    code = module.entry()(msg, module.appId());
  } catch (...) {
    // An exception from a module never crosses into the host.
    code = AcRx::kRetError;
  }
  current_ = outer;
  return code;
}

bool AcRxDynamicLinker::loadModule(const ACHAR* fileName, bool /*printit*/, bool /*asCmd*/) {
  lastError_.clear();
  if (fileName == nullptr || *fileName == 0) {
    lastError_ = text::kCannotLoad;
    return false;
  }
  if (find(fileName) != nullptr) return true;
  std::string native = nativePath(fileName);
  // RTLD_GLOBAL: a module may look up symbols of modules loaded before it, as on the host.
  void* handle = dlopen(native.c_str(), RTLD_NOW | RTLD_GLOBAL);
  if (handle == nullptr) {
    lastError_ = std::wstring(text::kCannotLoad) + fileName;
    return false;
  }
  auto entry = reinterpret_cast<AcRxEntryPointFn>(dlsym(handle, "acrxEntryPoint"));
  if (entry == nullptr) {
    dlclose(handle);
    lastError_ = std::wstring(text::kNoEntryPoint) + fileName;
    return false;
  }
  modules_.push_back(std::make_unique<Module>(fileName, handle, entry));
  Module& module = *modules_.back();
  AcApDocManager& docs = AcApDocManager::instance();
  if (deliver(module, AcRx::kInitAppMsg, docs.curDocument()) != AcRx::kRetOK) {
    moduleRegistryForget(module.appId());
    acedRegCmds()->removeCommandsOf(module.appId());
    modules_.pop_back();
    lastError_ = std::wstring(text::kInitRefused) + fileName;
    return false;
  }
  // Every drawing already open is new to the module. The current document does not change: the
  // message names the drawing, and acedDefun defines its functions there.
  auto it = docs.newAcApDocumentIterator();
  for (; !it->done(); it->step()) deliver(module, AcRx::kLoadDwgMsg, it->document());
  return true;
}

bool AcRxDynamicLinker::unloadModule(const ACHAR* fileName, bool /*printit*/, bool /*asCmd*/) {
  lastError_.clear();
  Module* module = find(fileName);
  if (module == nullptr) {
    lastError_ = std::wstring(text::kNotLoaded) + (fileName ? fileName : L"");
    return false;
  }
  if (module->locked()) {
    lastError_ = std::wstring(text::kLocked) + (fileName ? fileName : L"");
    return false;
  }
  deliver(*module, AcRx::kUnloadAppMsg, AcApDocManager::instance().curDocument());
  void* appId = module->appId();
  moduleRegistryForget(appId);
  acedRegCmds()->removeCommandsOf(appId);
  modules_.erase(std::find_if(modules_.begin(), modules_.end(),
                              [module](const auto& m) { return m.get() == module; }));
  return true;
}

void AcRxDynamicLinker::unloadAll() {
  while (!modules_.empty()) {
    Module& module = *modules_.back();
    deliver(module, AcRx::kUnloadAppMsg, AcApDocManager::instance().curDocument());
    moduleRegistryForget(module.appId());
    acedRegCmds()->removeCommandsOf(module.appId());
    modules_.pop_back();
  }
}

bool AcRxDynamicLinker::unlockApplication(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return false;
  module->setLocked(false);
  return true;
}

bool AcRxDynamicLinker::lockApplication(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return false;
  module->setLocked(true);
  return true;
}

bool AcRxDynamicLinker::isApplicationLocked(const ACHAR* fileName) const {
  Module* module = find(fileName);
  return module != nullptr && module->locked();
}

bool AcRxDynamicLinker::registerAppMDIAware(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return false;
  module->setMdiAware(true);
  return true;
}

bool AcRxDynamicLinker::registerAppNotMDIAware(void* appId) {
  Module* module = findById(appId);
  if (module == nullptr) return false;
  module->setMdiAware(false);
  return true;
}

void* AcRxDynamicLinker::getSymbolAddress(const ACHAR* moduleFileName,
                                          const char* symbolName) const {
  Module* module = find(moduleFileName);
  if (module == nullptr || symbolName == nullptr) return nullptr;
  return dlsym(module->handle(), symbolName);
}

bool AcRxDynamicLinker::isModuleLoaded(const ACHAR* moduleFileName) const {
  return find(moduleFileName) != nullptr;
}

std::vector<std::wstring> AcRxDynamicLinker::loadedModules() const {
  std::vector<std::wstring> paths;
  for (const auto& module : modules_) paths.push_back(module->path());
  return paths;
}

void AcRxDynamicLinker::broadcast(AcRx::AppMsgCode msg, AcApDocument* document) {
  // A module may unload others while handling a message: walk a snapshot of ids.
  std::vector<void*> ids;
  for (const auto& module : modules_) ids.push_back(module->appId());
  for (void* id : ids) {
    if (Module* module = findById(id)) deliver(*module, msg, document);
  }
}

AcRx::AppRetCode AcRxDynamicLinker::sendMessage(void* appId, AcRx::AppMsgCode msg,
                                                AcApDocument* document) {
  Module* module = findById(appId);
  return module == nullptr ? AcRx::kRetError : deliver(*module, msg, document);
}

void* AcRxDynamicLinker::currentAppId() const {
  return current_.module ? current_.module->appId() : nullptr;
}

AcApDocument* AcRxDynamicLinker::messageDocument() const { return current_.document; }

AcRxDynamicLinker::AppScope::AppScope(void* appId, AcApDocument* document) {
  AcRxDynamicLinker& linker = AcRxDynamicLinker::instance();
  Module* module = linker.findById(appId);
  if (module == nullptr) return;
  entered_ = true;
  outerModule_ = linker.current_.module;
  outerDocument_ = linker.current_.document;
  linker.current_ = {module, document};
}

AcRxDynamicLinker::AppScope::~AppScope() {
  if (!entered_) return;
  AcRxDynamicLinker& linker = AcRxDynamicLinker::instance();
  // The module may have been unloaded by its own command: never leave a dangling current module.
  Module* outer = outerModule_;
  if (outer != nullptr && linker.findById(static_cast<void*>(outer)) != outer) outer = nullptr;
  linker.current_ = {outer, outer ? outerDocument_ : nullptr};
}
