// Symbol table records: the common name and flags, registered applications, and the records kept
// mostly as read (viewports, views, coordinate systems, dimension styles).
#include "db/dbdatabase.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "db/symbol_lookup.h"
#include "db/symbol_util.h"

ACRX_DEFINE_ABSTRACT_MEMBERS(AcDbSymbolTableRecord, AcDbObject);
ACRX_DEFINE_ABSTRACT_MEMBERS(AcDbRawSymbolTableRecord, AcDbSymbolTableRecord);
ACRX_DEFINE_MEMBERS(AcDbRegAppTableRecord, AcDbSymbolTableRecord, "APPID");
ACRX_DEFINE_MEMBERS(AcDbViewportTableRecord, AcDbRawSymbolTableRecord, "VPORT");
ACRX_DEFINE_MEMBERS(AcDbViewTableRecord, AcDbRawSymbolTableRecord, "VIEW");
ACRX_DEFINE_MEMBERS(AcDbUCSTableRecord, AcDbRawSymbolTableRecord, "UCS");
ACRX_DEFINE_MEMBERS(AcDbDimStyleTableRecord, AcDbRawSymbolTableRecord, "DIMSTYLE");

AcDbSymbolTableRecord::AcDbSymbolTableRecord() = default;
AcDbSymbolTableRecord::~AcDbSymbolTableRecord() = default;

DEFINE_RECORD_TEXT_GETTERS(AcDbSymbolTableRecord, getName, name_)

Acad::ErrorStatus AcDbSymbolTableRecord::setName(const ACHAR* name) {
  if (name == nullptr) return Acad::eInvalidInput;
  std::wstring wanted(name);
  if (!isValidSymbolName(wanted)) return Acad::eInvalidSymbolTableName;
  // Another record of the same table must not have the name already.
  if (auto* table = peekObject<AcDbSymbolTable>(ownerId())) {
    AcDbObjectId existing;
    if (table->getAt(name, existing) == Acad::eOk && existing != objectId()) {
      return Acad::eDuplicateRecordName;
    }
  }
  assertWriteEnabled();
  name_ = wanted;
  noteSymbolRename();
  return Acad::eOk;
}

bool AcDbSymbolTableRecord::isDependent() const {
  return (flags_ & 16) != 0 || name_.find(L'|') != std::wstring::npos;
}

bool AcDbSymbolTableRecord::isResolved() const { return (flags_ & 32) != 0; }

Acad::ErrorStatus AcDbSymbolTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbObject::dxfOutFields(filer);
  filer->writeString(100, L"AcDbSymbolTableRecord");
  return Acad::eOk;
}

void AcDbSymbolTableRecord::writeHeader(AcDbDxfFiler* filer, const wchar_t* subclass) const {
  filer->writeString(100, subclass);
  filer->writeString(2, name_);
  filer->writeInt16(70, flags_);
}

bool AcDbSymbolTableRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  switch (item.code) {
    case 2:
      name_ = item.text;
      noteSymbolRename();
      return true;
    case 70:
      flags_ = static_cast<Adesk::Int16>(item.integer);
      return true;
    default:
      return AcDbObject::dxfInItem(filer, item);
  }
}

// Registered applications.

AcDbRegAppTableRecord::AcDbRegAppTableRecord() = default;
AcDbRegAppTableRecord::~AcDbRegAppTableRecord() = default;

Acad::ErrorStatus AcDbRegAppTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbSymbolTableRecord::dxfOutFields(filer);
  writeHeader(filer, L"AcDbRegAppTableRecord");
  for (const DxfItem& item : otherItems_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRegAppTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  otherItems_.clear();
  return AcDbSymbolTableRecord::dxfInFields(filer);
}

bool AcDbRegAppTableRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  if (AcDbSymbolTableRecord::dxfInItem(filer, item)) return true;
  otherItems_.push_back(item);
  return true;
}

// Records kept as read.

AcDbRawSymbolTableRecord::AcDbRawSymbolTableRecord() = default;
AcDbRawSymbolTableRecord::~AcDbRawSymbolTableRecord() = default;

Acad::ErrorStatus AcDbRawSymbolTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  AcDbSymbolTableRecord::dxfOutFields(filer);
  writeHeader(filer, subclassMarker());
  for (const DxfItem& item : otherItems_) filer->writeItem(item);
  return Acad::eOk;
}

Acad::ErrorStatus AcDbRawSymbolTableRecord::dxfInFields(AcDbDxfFiler* filer) {
  otherItems_.clear();
  return AcDbSymbolTableRecord::dxfInFields(filer);
}

bool AcDbRawSymbolTableRecord::dxfInItem(AcDbDxfFiler* filer, const DxfItem& item) {
  if (AcDbSymbolTableRecord::dxfInItem(filer, item)) return true;
  otherItems_.push_back(item);
  return true;
}

AcDbViewportTableRecord::AcDbViewportTableRecord() = default;
AcDbViewportTableRecord::~AcDbViewportTableRecord() = default;
AcDbViewTableRecord::AcDbViewTableRecord() = default;
AcDbViewTableRecord::~AcDbViewTableRecord() = default;
AcDbUCSTableRecord::AcDbUCSTableRecord() = default;
AcDbUCSTableRecord::~AcDbUCSTableRecord() = default;
AcDbDimStyleTableRecord::AcDbDimStyleTableRecord() = default;
AcDbDimStyleTableRecord::~AcDbDimStyleTableRecord() = default;

namespace {

// Passes everything through to another filer, giving the object's handle the code 105. The arrow
// blocks that files of R12 name with 5, 6 and 7 (DIMBLK, DIMBLK1, DIMBLK2) are written as the
// references to their block records (342, 343, 344) that later versions use; a name without such
// a block (the default arrow) has nothing to refer to and is left out.
class DimStyleOutFiler : public AcDbDxfFiler {
 public:
  explicit DimStyleOutFiler(AcDbDxfFiler* inner) : inner_(inner) {}
  FilerType filerType() const override { return inner_->filerType(); }
  AcDbDatabase* database() const override { return inner_->database(); }
  Acad::ErrorStatus readItem(DxfItem& item) override { return inner_->readItem(item); }
  Acad::ErrorStatus pushBackItem() override { return inner_->pushBackItem(); }
  const std::wstring& currentSubclass() const override { return inner_->currentSubclass(); }
  void reportRepair(const std::string& message) override { inner_->reportRepair(message); }
  int precision() const override { return inner_->precision(); }
  Acad::ErrorStatus writeItem(const DxfItem& item) override {
    if (!renamed_ && item.code == 5 && item.kind != DxfKind::kString) {
      renamed_ = true;
      DxfItem renamed = item;
      renamed.code = 105;
      return inner_->writeItem(renamed);
    }
    if (item.code >= 5 && item.code <= 7 && item.kind == DxfKind::kString) {
      AcDbDatabase* db = inner_->database();
      AcDbObjectId block =
          db != nullptr && !item.text.empty() ? findSymbolRecord(db, db->blockTableId(), item.text)
                                              : AcDbObjectId();
      if (block.isNull()) return Acad::eOk;
      return inner_->writeItem(DxfItem::makeId(342 + item.code - 5, block));
    }
    return inner_->writeItem(item);
  }
  using AcDbDxfFiler::writeItem;

 private:
  AcDbDxfFiler* inner_;
  bool renamed_ = false;
};

}  // namespace

Acad::ErrorStatus AcDbDimStyleTableRecord::dxfOutFields(AcDbDxfFiler* filer) const {
  DimStyleOutFiler renaming(filer);
  return AcDbRawSymbolTableRecord::dxfOutFields(&renaming);
}
