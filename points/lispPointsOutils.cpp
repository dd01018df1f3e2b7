#include "points/lispPointsOutils.h"

#include "db/dbobject.h"
#include "ed/acedsel.h"
#include "lisp/acedads.h"
#include "points/listePointsDuDessin.h"

listePointsDuDessin* tableCourantePoints() {
  if (tablesPoints == nullptr) return nullptr;
  const int courante = tablesPoints->current();
  if (courante < 0 || courante >= tablesPoints->nbTables()) return nullptr;
  return tablesPoints->getTable(courante);
}

bool idEnNomEntite(const AcDbObjectId& id) {
  ads_name nom;
  return !id.isNull() && acdbGetAdsName(nom, id) == Acad::eOk;
}

void retournerSelection(const std::vector<AcDbObjectId>& blocs) {
  std::vector<AcDbObjectId> retenus;
  retenus.reserve(blocs.size());
  for (const AcDbObjectId& id : blocs)
    if (idEnNomEntite(id)) retenus.push_back(id);
  ads_name ensemble;
  ed::newSelectionSet(retenus, ensemble);
  acedRetName(ensemble, RTPICKS);
  // The LISP value holds the set from now on.
  acedSSFree(ensemble);
}
