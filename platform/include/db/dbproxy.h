// Proxies: objects and entities of kinds the database does not model (LAYOUT, MLINESTYLE, HATCH,
// DIMENSION…). They keep their type name and every item as read, and write them back unchanged;
// references among those items stay ids, so that they follow the objects they name. isA() of a
// proxy is a class named after its type, derived from AcDbProxyObject (or AcDbProxyEntity), so
// that dxfName() gives the original type name.
#pragma once
#include <string>

#include "db/dbentity.h"
#include "db/dbobject.h"

class AcDbProxyObject : public AcDbObject {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyObject);
  // A proxy of a type name ("LAYOUT"); the caller owns it until it is added to a database.
  static AcDbProxyObject* create(const char* dxfName);
  explicit AcDbProxyObject(const char* dxfName);
  ~AcDbProxyObject() override;

  const char* originalDxfName() const;
  // The items after the common ones (from the first subclass marker on, markers included), as read
  // or as built by code.
  const DxfItemList& items() const { return items_; }
  void setItems(DxfItemList items);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  AcRxClass* class_;
  DxfItemList items_;
};

class AcDbProxyEntity : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbProxyEntity);
  static AcDbProxyEntity* create(const char* dxfName);
  explicit AcDbProxyEntity(const char* dxfName);
  ~AcDbProxyEntity() override;

  const char* originalDxfName() const;
  // The items after the common entity ones (from the second subclass marker on).
  const DxfItemList& items() const { return items_; }
  void setItems(DxfItemList items);

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_FILING();

 private:
  AcRxClass* class_;
  DxfItemList items_;
};

// The class a proxy of that type name reports (created once per name), derived from base.
AcRxClass* proxyClassFor(const char* dxfName, AcRxClass* base);
