// Proxies of object and entity kinds the database does not model: their items are kept as read,
// after the levels the database does model (the object's common items; an entity's common
// properties), and written back in the same order.
#include <cstring>
#include <map>
#include <memory>
#include <string>

#include "db/dbfiler.h"
#include "db/dbproxy.h"

AcRxClass* AcDbProxyObject::desc() {
  static AcRxClass cls(L"AcDbProxyObject", AcDbObject::desc(), "", nullptr);
  return &cls;
}
AcRxClass* AcDbProxyObject::isA() const { return class_; }

AcRxClass* AcDbProxyEntity::desc() {
  static AcRxClass cls(L"AcDbProxyEntity", AcDbEntity::desc(), "", nullptr);
  return &cls;
}
AcRxClass* AcDbProxyEntity::isA() const { return class_; }

AcRxClass* proxyClassFor(const char* dxfName, AcRxClass* base) {
  // Created once per type name and kept for the life of the process, as registered classes are.
  static std::map<std::pair<std::string, AcRxClass*>, std::unique_ptr<AcRxClass>> classes;
  std::string name = dxfName ? dxfName : "";
  std::unique_ptr<AcRxClass>& cls = classes[{name, base}];
  if (cls == nullptr) {
    std::wstring className = std::wstring(base->name()) + L":" + std::wstring(name.begin(), name.end());
    // No factory: such a class is never found by type name, so readers keep creating proxies.
    cls = std::make_unique<AcRxClass>(className.c_str(), base, name.c_str(), nullptr);
  }
  return cls.get();
}

namespace {

// Splits an object's items: those the modelled levels read (up to the subclass marker number
// `modelledMarkers` + 1, extended data included) and the rest, kept as they are.
void splitItems(AcDbDxfFiler* filer, int modelledMarkers, DxfItemList& modelled, DxfItemList& kept) {
  DxfItem item;
  int markers = 0;
  bool inXData = false;
  while (filer->readItem(item) == Acad::eOk) {
    if (item.code >= 1000) inXData = true;
    if (!inXData && item.code == 100) ++markers;
    if (!inXData && markers > modelledMarkers) {
      kept.push_back(item);
    } else {
      modelled.push_back(item);
    }
  }
}

// Subclass markers of entity kinds that files without markers (R12) may hold, so that they are
// written back complete.
const wchar_t* legacySubclassOf(const char* dxfName) {
  static const std::map<std::string, const wchar_t*> kMarkers = {
      {"SOLID", L"AcDbTrace"}, {"TRACE", L"AcDbTrace"}, {"SHAPE", L"AcDbShape"}};
  auto found = kMarkers.find(dxfName);
  return found == kMarkers.end() ? nullptr : found->second;
}

}  // namespace

// Objects.

AcDbProxyObject* AcDbProxyObject::create(const char* dxfName) { return new AcDbProxyObject(dxfName); }

AcDbProxyObject::AcDbProxyObject(const char* dxfName)
    : class_(proxyClassFor(dxfName, AcDbProxyObject::desc())) {}

AcDbProxyObject::~AcDbProxyObject() = default;

const char* AcDbProxyObject::originalDxfName() const { return class_->dxfName(); }

void AcDbProxyObject::setItems(DxfItemList items) {
  assertWriteEnabled();
  items_ = std::move(items);
}

Acad::ErrorStatus AcDbProxyObject::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbObject::dxfOutFields(filer);
  for (const DxfItem& item : items_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbProxyObject::dxfInFields(AcDbDxfFiler* filer) {
  items_.clear();
  DxfItemList modelled, kept;
  splitItems(filer, 0, modelled, kept);
  DxfItemListFiler common(filer->database(), filer->filerType(), std::move(modelled));
  Acad::ErrorStatus es = AcDbObject::dxfInFields(&common);
  items_.insert(items_.end(), kept.begin(), kept.end());
  return es;
}

// Items of an object written without subclass markers land here.
bool AcDbProxyObject::dxfInItem(AcDbDxfFiler*, const DxfItem& item) {
  items_.push_back(item);
  return true;
}

// Entities.

AcDbProxyEntity* AcDbProxyEntity::create(const char* dxfName) { return new AcDbProxyEntity(dxfName); }

AcDbProxyEntity::AcDbProxyEntity(const char* dxfName)
    : class_(proxyClassFor(dxfName, AcDbProxyEntity::desc())) {}

AcDbProxyEntity::~AcDbProxyEntity() = default;

const char* AcDbProxyEntity::originalDxfName() const { return class_->dxfName(); }

void AcDbProxyEntity::setItems(DxfItemList items) {
  assertWriteEnabled();
  items_ = std::move(items);
}

Acad::ErrorStatus AcDbProxyEntity::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbEntity::dxfOutFields(filer);
  for (const DxfItem& item : items_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbProxyEntity::dxfInFields(AcDbDxfFiler* filer) {
  items_.clear();
  DxfItemList modelled, kept;
  splitItems(filer, 1, modelled, kept);
  DxfItemListFiler common(filer->database(), filer->filerType(), std::move(modelled));
  Acad::ErrorStatus es = AcDbEntity::dxfInFields(&common);
  if (!items_.empty() && items_.front().code != 100 && kept.empty()) {
    if (const wchar_t* marker = legacySubclassOf(originalDxfName())) {
      items_.insert(items_.begin(), DxfItem::makeString(100, marker));
    }
  }
  items_.insert(items_.end(), kept.begin(), kept.end());
  return es;
}

// Entity-level items the common properties do not take (and all of a file without markers).
bool AcDbProxyEntity::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  if (AcDbEntity::dxfInItem(filer, item)) return true;
  items_.push_back(item);
  return true;
}
