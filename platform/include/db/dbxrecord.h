// AcDbXrecord: a chain of group-code values an application keeps in a dictionary. Every group
// code is allowed and kept as given, in order; references (330-369) follow the objects they name.
#pragma once
#include "db/dbobject.h"

class AcDbXrecord : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbXrecord);
  AcDbXrecord();
  ~AcDbXrecord() override;

  // A new chain of the record's data, which the caller releases with acutRelRb. References come
  // as entity names (RTENAME), binary chunks as binary buffers.
  Acad::ErrorStatus rbChain(resbuf** chain, AcDbDatabase* auxDatabase = nullptr) const;
  Acad::ErrorStatus rbChain(resbuf*& chain, AcDbDatabase* auxDatabase = nullptr) const;
  // Replaces the record's data with a chain of DXF group codes (entity names for references).
  Acad::ErrorStatus setFromRbChain(const resbuf& chain, AcDbDatabase* auxDatabase = nullptr);

  // When set, references are translated when the record is copied with its owners (DXF 280 is
  // the duplicate-record cloning flag; this one is not written).
  bool isXlateReferences() const { return xlate_; }
  void setXlateReferences(bool translate);
  AcDb::DuplicateRecordCloning mergeStyle() const { return mergeStyle_; }
  void setMergeStyle(AcDb::DuplicateRecordCloning style);

  // Platform bookkeeping: the data as items.
  const DxfItemList& items() const { return items_; }
  void setItems(DxfItemList items);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  DxfItemList items_;
  AcDb::DuplicateRecordCloning mergeStyle_ = AcDb::kDrcIgnore;
  bool xlate_ = true;
  bool cloningFlagRead_ = false;
};
