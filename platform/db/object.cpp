// AcDbObject: open state, ownership, extension dictionary, reactors, extended data, and the
// common part of its group codes.
#include <cstdio>
#include <cstring>
#include <cwchar>

#include "db/acutads.h"
#include "db/change_notices.h"
#include "db/database_state.h"
#include "db/dbfiler.h"
#include "db/dbobject.h"
#include "db/dbdict.h"
#include "db/resbuf_items.h"
#include "db/symbol_lookup.h"

ACRX_DEFINE_ABSTRACT_MEMBERS(AcDbObject, AcRxObject);

AcDbObject::AcDbObject() = default;
AcDbObject::~AcDbObject() = default;

AcDbObjectId AcDbObject::objectId() const { return AcDbObjectId(stub_); }

Acad::ErrorStatus AcDbObject::setOwnerId(AcDbObjectId owner) {
  ownerId_ = owner;
  return Acad::eOk;
}

void AcDbObject::getAcDbHandle(AcDbHandle& handle) const { handle = objectHandle(); }
AcDbHandle AcDbObject::objectHandle() const { return stub_ ? stub_->handle : AcDbHandle(); }
AcDbDatabase* AcDbObject::database() const { return stub_ ? stub_->database : nullptr; }
bool AcDbObject::isErased() const { return stub_ != nullptr && stub_->erased; }

void AcDbObject::beginOpen(AcDb::OpenMode mode) {
  if (mode == AcDb::kForWrite) {
    // The journal saves the state before the first change of the step.
    if (stub_) stateOf(stub_->database).undo->noteOpenForWrite(this);
    writer_ = true;
  } else {
    ++readers_;
  }
  if (stub_) ++stateOf(stub_->database).openObjects;
}

Acad::ErrorStatus AcDbObject::close() {
  if (stub_ == nullptr) return Acad::eOk;  // a non-resident object has nothing to close
  bool wrote = writer_;
  if (writer_) {
    writer_ = false;
  } else if (readers_ > 0) {
    --readers_;
  } else {
    return Acad::eNotOpenForRead;
  }
  --stateOf(stub_->database).openObjects;
  // Every opening for write counts as a change: setters do not keep track of what they touch.
  if (wrote) noticeModified(this);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::upgradeOpen() {
  if (writer_) return Acad::eWasOpenedForWrite;
  if (readers_ != 1) return readers_ == 0 ? Acad::eNotOpenForRead : Acad::eHadMultipleReaders;
  if (stub_) stateOf(stub_->database).undo->noteOpenForWrite(this);
  readers_ = 0;
  writer_ = true;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::downgradeOpen() {
  if (!writer_) return Acad::eNotOpenForWrite;
  writer_ = false;
  readers_ = 1;
  return Acad::eOk;
}

bool AcDbObject::isReadEnabled() const { return stub_ == nullptr || readers_ > 0 || writer_; }
bool AcDbObject::isWriteEnabled() const { return stub_ == nullptr || writer_; }

void AcDbObject::assertWriteEnabled() const {
  if (stub_ != nullptr && !writer_) {
    std::fprintf(stderr, "warning: %ls %s changed while not open for write\n",
                 isA()->name(), objectHandle().toHex().c_str());
  }
}

Acad::ErrorStatus AcDbObject::erase(bool erasing) {
  if (stub_ == nullptr) return Acad::eNotInDatabase;
  if (!writer_) return Acad::eNotOpenForWrite;
  if (!erasing && !stub_->erased) return Acad::eWasNotErased;
  setErasedFlag(stub_, erasing);
  return Acad::eOk;
}

// Extension dictionary.

Acad::ErrorStatus AcDbObject::createExtensionDictionary() {
  if (stub_ == nullptr) return Acad::eNotInDatabase;
  if (!writer_) return Acad::eNotOpenForWrite;
  if (!extensionDictionary_.isNull() && !extensionDictionary_.isErased()) return Acad::eAlreadyInDb;
  auto* dictionary = new AcDbDictionary();
  dictionary->setTreatElementsAsHard(true);
  AcDbObjectId id;
  Acad::ErrorStatus es = database()->addAcDbObject(id, dictionary);
  if (es != Acad::eOk) {
    delete dictionary;
    return es;
  }
  dictionary->setOwnerId(objectId());
  dictionary->addPersistentReactor(objectId());
  dictionary->close();
  extensionDictionary_ = id;
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::releaseExtensionDictionary() {
  if (extensionDictionary_.isNull()) return Acad::eOk;
  AcDbDictionary* dictionary = nullptr;
  Acad::ErrorStatus es = acdbOpenObject(dictionary, extensionDictionary_, AcDb::kForWrite);
  if (es != Acad::eOk) return es;
  if (dictionary->numEntries() != 0) {
    dictionary->close();
    return Acad::eContainerNotEmpty;
  }
  dictionary->erase();
  dictionary->close();
  extensionDictionary_.setNull();
  return Acad::eOk;
}

// Reactors.

void AcDbObject::addPersistentReactor(AcDbObjectId id) {
  for (const AcDbObjectId& existing : reactors_) {
    if (existing == id) return;
  }
  reactors_.push_back(id);
}

Acad::ErrorStatus AcDbObject::removePersistentReactor(AcDbObjectId id) {
  for (auto it = reactors_.begin(); it != reactors_.end(); ++it) {
    if (*it == id) {
      reactors_.erase(it);
      return Acad::eOk;
    }
  }
  return Acad::eKeyNotFound;
}

// Extended data.

namespace {

// Extended data holds codes 1000 to 1071 only.
bool isXdataCode(int code) { return code >= 1000 && code <= 1071; }

// Position range [first, last) of one application's group in an item list, or first == size.
void findApplication(const DxfItemList& items, const std::wstring& name, size_t& first, size_t& last) {
  first = last = items.size();
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].code != 1001) continue;
    if (first != items.size()) {
      last = i;
      return;
    }
    if (wcscasecmp(items[i].text.c_str(), name.c_str()) == 0) first = i;
  }
}

}  // namespace

resbuf* AcDbObject::xData(const ACHAR* regappName) const {
  resbuf head{};
  resbuf* tail = &head;
  bool inWanted = false;
  for (const DxfItem& item : xdata_) {
    if (item.code == 1001) {
      inWanted = regappName == nullptr || wcscasecmp(item.text.c_str(), regappName) == 0;
    }
    if (!inWanted) continue;
    tail->rbnext = dxfItemToResbuf(item);
    tail = tail->rbnext;
  }
  return head.rbnext;
}

Acad::ErrorStatus AcDbObject::setXData(const resbuf* chain) {
  AcDbDatabase* db = databaseOrWorking(database());
  const resbuf* rb = chain;
  if (rb == nullptr || rb->restype != 1001) return Acad::eInvalidResBuf;
  DxfItemList result = xdata_;
  while (rb != nullptr) {
    std::wstring name = rb->resval.rstring ? rb->resval.rstring : L"";
    if (db != nullptr && findSymbolRecord(db, db->regAppTableId(), name).isNull()) {
      return Acad::eRegappIdNotFound;
    }
    DxfItemList group;
    group.push_back(DxfItem::makeString(1001, name));
    for (rb = rb->rbnext; rb != nullptr && rb->restype != 1001; rb = rb->rbnext) {
      DxfItem item;
      if (!isXdataCode(rb->restype) || !resbufToDxfItem(rb, item)) return Acad::eInvalidResBuf;
      group.push_back(std::move(item));
    }
    size_t first, last;
    findApplication(result, name, first, last);
    if (first != result.size()) result.erase(result.begin() + first, result.begin() + last);
    if (group.size() > 1) {
      result.insert(result.begin() + std::min(first, result.size()), group.begin(), group.end());
    }
  }
  assertWriteEnabled();
  xdata_ = std::move(result);
  return Acad::eOk;
}

// Group codes.

Acad::ErrorStatus AcDbObject::dxfOutFields(AcDbDxfFiler* filer) const {
  filer->writeHandle(5, objectHandle());
  if (!reactors_.empty()) {
    filer->writeString(102, L"{ACAD_REACTORS");
    for (const AcDbObjectId& id : reactors_) filer->writeObjectId(330, id);
    filer->writeString(102, L"}");
  }
  if (!extensionDictionary_.isNull() && !extensionDictionary_.isErased()) {
    filer->writeString(102, L"{ACAD_XDICTIONARY");
    filer->writeObjectId(360, extensionDictionary_);
    filer->writeString(102, L"}");
  }
  filer->writeObjectId(330, ownerId_);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbObject::dxfInFields(AcDbDxfFiler* filer) {
  DxfItem item;
  bool inHeader = true;
  while (filer->readItem(item) == Acad::eOk) {
    if (item.code >= 1000) {
      // Extended data runs to the end of the object.
      do {
        xdata_.push_back(item);
      } while (filer->readItem(item) == Acad::eOk);
      break;
    }
    if (inHeader && item.code == 102 && !item.text.empty() && item.text[0] == L'{') {
      std::wstring group = item.text;
      while (filer->readItem(item) == Acad::eOk && !(item.code == 102 && item.text == L"}")) {
        if (group == L"{ACAD_XDICTIONARY" && item.code == 360) extensionDictionary_ = item.id;
        if (group == L"{ACAD_REACTORS" && item.code == 330 && !item.id.isNull()) {
          addPersistentReactor(item.id);
        }
      }
      continue;
    }
    // The reader gives the handle (a 5 read as text is a dimension style's arrow block name).
    if ((item.code == 5 && item.kind != DxfKind::kString) || item.code == 105) continue;
    if (inHeader && item.code == 330) {
      ownerId_ = item.id;
      continue;
    }
    if (item.code == 100) inHeader = false;
    if (item.code == 100 || item.code == 999) continue;
    dxfInItem(filer, item);
  }
  return Acad::eOk;
}

bool AcDbObject::dxfInItem(AcDbDxfFiler*, const DxfItem&) { return false; }

Acad::ErrorStatus AcDbObject::copyFrom(const AcRxObject* other) {
  const AcDbObject* source = AcDbObject::cast(other);
  if (source == nullptr || source->isA() != isA()) return Acad::eWrongObjectType;
  DxfItemListFiler out(database(), AcDbDxfFiler::kCopyFiler);
  source->dxfOutFields(&out);
  for (const DxfItem& item : source->xdata_) out.writeItem(item);
  DxfItemListFiler in(database(), AcDbDxfFiler::kCopyFiler, out.takeItems());
  AcDbObjectId owner = ownerId_;
  AcDbObjectId dictionary = extensionDictionary_;
  std::vector<AcDbObjectId> reactors = reactors_;
  xdata_.clear();
  Acad::ErrorStatus es = dxfInFields(&in);
  ownerId_ = owner;
  extensionDictionary_ = dictionary;
  reactors_ = reactors;
  return es;
}
