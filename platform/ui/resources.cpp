// The registered dialog templates and string tables of each module.
#include <vector>

#include "rx/acdocman.h"
#include "ui/afxwin.h"

namespace {

struct ModuleResources {
  HINSTANCE module;
  std::vector<const AcUiDialogTemplate*> dialogs;
  std::vector<const AcUiStringEntry*> strings;
  std::vector<const AcUiDialogMenuTemplate*> menus;
};

std::vector<ModuleResources>& registry() {
  static std::vector<ModuleResources> modules;
  return modules;
}

ModuleResources& resourcesOf(HINSTANCE module) {
  for (ModuleResources& r : registry()) {
    if (r.module == module) return r;
  }
  registry().push_back(ModuleResources{module, {}, {}, {}});
  return registry().back();
}

template <typename T, typename Member>
const T* findIn(UINT id, Member member) {
  HINSTANCE current = AfxGetResourceHandle();
  // The current module first, then every module in the order they registered.
  for (int pass = 0; pass < 2; ++pass) {
    for (const ModuleResources& r : registry()) {
      if ((pass == 0) != (r.module == current)) continue;
      for (const T* entry : r.*member) {
        if (entry->id == id) return entry;
      }
    }
  }
  return nullptr;
}

HINSTANCE& fallbackHandle() {
  static HINSTANCE handle = nullptr;
  return handle;
}

}  // namespace

void AfxRegisterDialogTemplates(HINSTANCE module, const AcUiDialogTemplate* table, size_t count) {
  ModuleResources& r = resourcesOf(module);
  for (size_t i = 0; i < count; ++i) r.dialogs.push_back(&table[i]);
}

void AfxRegisterStringTable(HINSTANCE module, const AcUiStringEntry* table, size_t count) {
  ModuleResources& r = resourcesOf(module);
  for (size_t i = 0; i < count; ++i) r.strings.push_back(&table[i]);
}

void AfxRegisterDialogMenus(HINSTANCE module, const AcUiDialogMenuTemplate* table, size_t count) {
  ModuleResources& r = resourcesOf(module);
  for (size_t i = 0; i < count; ++i) r.menus.push_back(&table[i]);
}

void AfxUnregisterResources(HINSTANCE module) {
  auto& modules = registry();
  for (auto it = modules.begin(); it != modules.end(); ++it) {
    if (it->module == module) {
      modules.erase(it);
      return;
    }
  }
}

const AcUiDialogTemplate* AfxFindDialogTemplate(UINT id) {
  return findIn<AcUiDialogTemplate>(id, &ModuleResources::dialogs);
}

const AcUiDialogMenuTemplate* AfxFindDialogMenu(UINT dialogId) {
  HINSTANCE current = AfxGetResourceHandle();
  for (int pass = 0; pass < 2; ++pass) {
    for (const ModuleResources& r : registry()) {
      if ((pass == 0) != (r.module == current)) continue;
      for (const AcUiDialogMenuTemplate* menu : r.menus) {
        if (menu->dialogId == dialogId) return menu;
      }
    }
  }
  return nullptr;
}

const wchar_t* AfxFindResourceString(UINT id) {
  const AcUiStringEntry* entry = findIn<AcUiStringEntry>(id, &ModuleResources::strings);
  return entry ? entry->text : nullptr;
}

HINSTANCE AfxGetResourceHandle() {
  HINSTANCE top = acDocManager->currentResourceHandle();
  return top ? top : fallbackHandle();
}

void AfxSetResourceHandle(HINSTANCE handle) { fallbackHandle() = handle; }

HINSTANCE AfxGetInstanceHandle() { return AfxGetResourceHandle(); }
