// Run-time class registry.
#include <cwchar>
#include <map>
#include <string>

#include "rx/rxobject.h"

namespace {
std::map<std::string, AcRxClass*>& byDxfName() {
  static std::map<std::string, AcRxClass*> registry;
  return registry;
}
std::map<std::wstring, AcRxClass*>& byName() {
  static std::map<std::wstring, AcRxClass*> registry;
  return registry;
}
}  // namespace

AcRxClass::AcRxClass(const ACHAR* name, AcRxClass* parent, const char* dxfName,
                     AcRxObjectFactory factory)
    : name_(name), parent_(parent), dxfName_(dxfName ? dxfName : ""), factory_(factory) {
  byName()[name_] = this;
  if (!dxfName_.empty() && factory_ != nullptr) byDxfName()[dxfName_] = this;
}

bool AcRxClass::isDerivedFrom(const AcRxClass* other) const {
  for (const AcRxClass* cls = this; cls != nullptr; cls = cls->parent_) {
    if (cls == other) return true;
  }
  return false;
}

AcRxClass* AcRxClass::findByDxfName(const char* dxfName) {
  auto found = byDxfName().find(dxfName);
  return found == byDxfName().end() ? nullptr : found->second;
}

AcRxClass* AcRxClass::findByName(const ACHAR* name) {
  auto found = byName().find(name);
  return found == byName().end() ? nullptr : found->second;
}

AcRxClass* AcRxObject::desc() {
  static AcRxClass cls(L"AcRxObject", nullptr, "", nullptr);
  return &cls;
}
