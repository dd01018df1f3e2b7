#include "tools/pointsTopo.h"

#include "db/acutads.h"
#include "db/dbobject.h"
#include "ed/acedsel.h"
#include "points/listePointsDuDessin.h"

namespace {

const wchar_t* const kMarquePoint = L"JALOPLUS";

}  // namespace

bool estPointTopo(const AcDbObject& objet) {
  resbuf* marque = objet.xData(kMarquePoint);
  const bool marquee = marque != nullptr;
  acutRelRb(marque);
  return marquee;
}

std::vector<AcDbObjectId> selectionnerPointsTopo(bool tous) {
  std::vector<AcDbObjectId> ids;
  resbuf* filtre = acutBuildList(RTDXF0, L"INSERT", -3, 1001, kMarquePoint, 0);
  ads_name selection;
  const int resultat = acedSSGet(tous ? L"X" : nullptr, nullptr, nullptr, filtre, selection);
  acutRelRb(filtre);
  if (resultat != RTNORM) return ids;
  ed::selectionSetIds(selection, ids);
  acedSSFree(selection);
  return ids;
}

listePointsDuDessin* tableCourante() {
  if (tablesPoints == nullptr || tablesPoints->current() < 0 ||
      tablesPoints->current() >= tablesPoints->nbTables()) {
    return nullptr;
  }
  return tablesPoints->currTable();
}
