// ename_pt, maxnum, select_all, seloncode and selonnum: finding point blocks from the LISP.
#include <utility>
#include <vector>

#include "db/dbobject.h"
#include "host/lispArguments.h"
#include "lisp/acedads.h"
#include "points/lispPoints.h"
#include "points/lispPointsOutils.h"
#include "points/listePointsDuDessin.h"

void lispEnamePt() {
  argumentsLisp args;
  if (args.type() != RTSTR) return;
  listePointsDuDessin* table = tableCourantePoints();
  AcDbObjectId id;
  ads_name nom;
  if (table == nullptr || !table->getObjId(args.courant()->resval.rstring, id) || id.isNull() ||
      acdbGetAdsName(nom, id) != Acad::eOk) {
    acedRetNil();
    return;
  }
  acedRetName(nom, RTENAME);
}

void lispMaxNum() {
  listePointsDuDessin* table = tableCourantePoints();
  acedRetInt((table == nullptr ? 0 : table->getMaxNum()) + 1);
}

void lispSelectAll() {
  listePointsDuDessin* table = tableCourantePoints();
  std::vector<AcDbObjectId> blocs;
  for (int i = 0; table != nullptr && i < table->nbPoint(); ++i) blocs.push_back(table->getData(i)->getId());
  retournerSelection(blocs);
}

void lispSelonCode() {
  argumentsLisp args;
  listePointsDuDessin* table = tableCourantePoints();
  if (table == nullptr || (args.type() != RTSHORT && args.type() != RTLONG)) {
    acedRetNil();
    return;
  }
  const int code = static_cast<int>(args.nombre());
  std::vector<AcDbObjectId> blocs;
  for (int i = 0; i < table->nbPoint(); ++i) {
    const pointDuDessin& point = *table->getData(i);
    if (point.getCode() == code) blocs.push_back(point.getId());
  }
  retournerSelection(blocs);
}

void lispSelonNum() {
  argumentsLisp args;
  listePointsDuDessin* table = tableCourantePoints();
  if (table == nullptr || args.type() != RTSTR) {
    acedRetNil();
    return;
  }
  const CString prefixe = args.courant()->resval.rstring;
  args.suivant();
  if (args.type() != RTSHORT) {
    acedRetNil();
    return;
  }
  int premier = args.courant()->resval.rint;
  args.suivant();
  if (args.type() != RTSHORT) {
    acedRetNil();
    return;
  }
  int dernier = args.courant()->resval.rint;
  if (premier > dernier) std::swap(premier, dernier);
  std::vector<AcDbObjectId> blocs;
  for (int n = premier; n <= dernier; ++n) {
    CString nom;
    nom.Format(L"%s%d", prefixe.GetString(), n);
    AcDbObjectId id;
    if (table->getObjId(nom.GetString(), id)) blocs.push_back(id);
  }
  retournerSelection(blocs);
}
