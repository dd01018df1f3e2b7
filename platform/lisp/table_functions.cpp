// The symbol tables seen from the LISP: tblsearch, tblobjname and regapp.
#include <string>
#include <vector>

#include "db/dbdatabase.h"
#include "db/dbfiler.h"
#include "db/dbsymtb.h"
#include "lisp/builtins.h"
#include "lisp/entity_lists.h"

namespace {

using lisp::Interpreter;
using lisp::ValuePtr;
typedef std::vector<ValuePtr> Args;

// The table a LISP name designates ("LAYER", "LTYPE", "STYLE", "BLOCK", "APPID"…), or null.
AcDbObjectId tableNamed(AcDbDatabase* db, const std::wstring& name) {
  const std::wstring table = lisp::makeSymbol(name)->text;
  if (table == L"LAYER") return db->layerTableId();
  if (table == L"LTYPE") return db->linetypeTableId();
  if (table == L"STYLE") return db->textStyleTableId();
  if (table == L"BLOCK") return db->blockTableId();
  if (table == L"APPID") return db->regAppTableId();
  if (table == L"VPORT") return db->viewportTableId();
  if (table == L"VIEW") return db->viewTableId();
  if (table == L"DIMSTYLE") return db->dimStyleTableId();
  return AcDbObjectId();
}

AcDbObjectId recordNamed(AcDbDatabase* db, const Args& a) {
  AcDbObjectId tableId = db ? tableNamed(db, lisp::stringArg(a[0])) : AcDbObjectId();
  const std::wstring& name = lisp::stringArg(a[1]);
  AcDbSymbolTable* table = nullptr;
  if (tableId.isNull() || acdbOpenObject(table, tableId, AcDb::kForRead) != Acad::eOk) return {};
  AcDbObjectId record;
  table->getAt(name.c_str(), record);
  table->close();
  return record;
}

// (tblsearch table name): the record's list without its identity (handle, owner, subclasses).
ValuePtr fnTblsearch(Interpreter& interp, const Args& a) {
  lisp::checkArgCount(a, 2, 3);
  AcDbObjectId id = recordNamed(interp.database(), a);
  AcDbObject* record = nullptr;
  if (id.isNull() || acdbOpenAcDbObject(record, id, AcDb::kForRead) != Acad::eOk) return nullptr;
  DxfItemListFiler filer(record->database(), AcDbDxfFiler::kLispFiler);
  record->dxfOutFields(&filer);
  const std::string type = record->dxfName();
  record->close();
  std::vector<ValuePtr> pairs = {lisp::cons(lisp::makeInt(0), lisp::makeString(std::wstring(type.begin(), type.end())))};
  for (const DxfItem& item : filer.items()) {
    if (item.code == 5 || item.code == 100 || item.code == 102 || item.code >= 330) continue;
    pairs.push_back(lisp::itemToPair(item));
  }
  return lisp::makeList(pairs);
}

ValuePtr fnTblobjname(Interpreter& interp, const Args& a) {
  lisp::checkArgCount(a, 2, 2);
  AcDbObjectId id = recordNamed(interp.database(), a);
  return id.isNull() ? nullptr : lisp::makeEname(id);
}

// (regapp name): the name once added to the drawing; nil when it is there already or not valid.
ValuePtr fnRegapp(Interpreter& interp, const Args& a) {
  lisp::checkArgCount(a, 1, 1);
  const std::wstring& name = lisp::stringArg(a[0]);
  AcDbDatabase* db = interp.database();
  AcDbRegAppTable* table = nullptr;
  if (db == nullptr || name.empty() || db->getRegAppTable(table, AcDb::kForWrite) != Acad::eOk) {
    return nullptr;
  }
  ValuePtr result;
  if (!table->has(name.c_str())) {
    auto* record = new AcDbRegAppTableRecord();
    if (record->setName(name.c_str()) == Acad::eOk && table->add(record) == Acad::eOk) {
      record->close();
      result = lisp::makeString(name);
    } else {
      delete record;
    }
  }
  table->close();
  return result;
}

const bool registered = [] {
  lisp::BuiltinRegistry& r = lisp::BuiltinRegistry::instance();
  r.add(L"TBLSEARCH", fnTblsearch);
  r.add(L"TBLOBJNAME", fnTblobjname);
  r.add(L"REGAPP", fnRegapp);
  return true;
}();

}  // namespace
