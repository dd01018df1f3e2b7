// AcDbDxfFiler: the group-code stream an object writes itself to and reads itself from. The same
// object code serves drawing files, copies and the LISP interface's group-code lists; only the
// filer differs.
#pragma once
#include <string>
#include <string_view>

#include "db/acadstrc.h"
#include "db/dbtag.h"

class AcDbDatabase;
class AcGePoint2d;
class AcGePoint3d;
class AcGeVector3d;

class AcDbDxfFiler {
 public:
  enum FilerType { kFileFiler = 0, kCopyFiler = 1, kUndoFiler = 2, kLispFiler = 3 };

  virtual ~AcDbDxfFiler() = default;
  virtual FilerType filerType() const = 0;
  virtual AcDbDatabase* database() const = 0;

  // Reading. readItem gives the next item of the current object, or eEndOfObject when the
  // object's items are exhausted; pushBackItem makes the last item read come again.
  virtual Acad::ErrorStatus readItem(DxfItem& item) = 0;
  virtual Acad::ErrorStatus pushBackItem() = 0;
  // The last subclass marker (100) read for the current object; empty in files without markers.
  virtual const std::wstring& currentSubclass() const = 0;
  // Notes a value the reader had to repair (a bad number, an unknown reference…), for the caller's
  // report. Filers that do not report ignore it.
  virtual void reportRepair(const std::string& message) { (void)message; }

  // Writing.
  virtual Acad::ErrorStatus writeItem(const DxfItem& item) = 0;
  // Files keep points in three items (10, 20, 30); other filers keep one point item. Precision is
  // the number of significant digits a file keeps.
  virtual int precision() const { return 16; }

  Acad::ErrorStatus writeString(int code, const std::wstring& text) { return writeText(code, text); }
  Acad::ErrorStatus writeString(int code, const ACHAR* text) {
    return writeText(code, text ? std::wstring_view(text) : std::wstring_view());
  }
  Acad::ErrorStatus writeItem(int code, const ACHAR* text);
  Acad::ErrorStatus writeDouble(int code, double value);
  Acad::ErrorStatus writeInt8(int code, int value) { return writeInt16(code, value); }
  Acad::ErrorStatus writeInt16(int code, int value);
  Acad::ErrorStatus writeInt32(int code, Adesk::Int32 value);
  Acad::ErrorStatus writeInt64(int code, Adesk::Int64 value);
  Acad::ErrorStatus writeBool(int code, bool value);
  Acad::ErrorStatus writePoint2d(int code, const AcGePoint2d& point);
  Acad::ErrorStatus writePoint3d(int code, const AcGePoint3d& point);
  Acad::ErrorStatus writeVector3d(int code, const AcGeVector3d& vector);
  Acad::ErrorStatus writeObjectId(int code, const AcDbObjectId& id);
  Acad::ErrorStatus writeHandle(int code, const AcDbHandle& handle);
  Acad::ErrorStatus writeBinaryChunk(int code, const unsigned char* data, size_t size);

 protected:
  // A text item. Filers that write text straight out override it, saving the item's copy.
  virtual Acad::ErrorStatus writeText(int code, std::wstring_view text);
};

// A filer over an in-memory item list: reads the list it was given, or collects what is written.
class DxfItemListFiler : public AcDbDxfFiler {
 public:
  DxfItemListFiler(AcDbDatabase* database, FilerType type) : database_(database), type_(type) {}
  DxfItemListFiler(AcDbDatabase* database, FilerType type, DxfItemList items)
      : database_(database), type_(type), items_(std::move(items)) {}

  FilerType filerType() const override { return type_; }
  AcDbDatabase* database() const override { return database_; }
  Acad::ErrorStatus readItem(DxfItem& item) override;
  Acad::ErrorStatus pushBackItem() override;
  const std::wstring& currentSubclass() const override { return subclass_; }
  Acad::ErrorStatus writeItem(const DxfItem& item) override;
  using AcDbDxfFiler::writeItem;

  const DxfItemList& items() const { return items_; }
  DxfItemList takeItems() { return std::move(items_); }
  void rewind() { position_ = 0; subclass_.clear(); }

 private:
  AcDbDatabase* database_;
  FilerType type_;
  DxfItemList items_;
  size_t position_ = 0;
  std::wstring subclass_;
};
