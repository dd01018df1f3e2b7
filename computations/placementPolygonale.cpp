#include "computations/placementPolygonale.h"

#include "codification/globalCodification.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbpl.h"
#include "host/ajoutDessin.h"
#include "points/lispPointsOutils.h"
#include "points/listePointsDuDessin.h"

namespace {

constexpr Adesk::UInt16 kCouleurOriginelle = 1;
constexpr Adesk::UInt16 kCouleurCompensee = 3;

void dessinerPolyligne(const std::vector<double>& x, const std::vector<double>& y, bool fermee,
                       Adesk::UInt16 couleur) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  if (dessin == nullptr || x.size() < 2) return;
  auto* polyligne = new AcDbPolyline();
  polyligne->setDatabaseDefaults(dessin);
  for (size_t i = 0; i < x.size(); ++i) {
    polyligne->addVertexAt(static_cast<unsigned>(i), AcGePoint2d(x[i], y[i]));
  }
  polyligne->setClosed(fermee);
  polyligne->setColorIndex(couleur);
  ajouterAuDessin(dessin, polyligne, false);
}

// A code the table does not know is added with its defaults, shown to the user and its layers
// made, before any point uses it.
void preparerCode(int code) {
  tableCodification* codes = globalCodification();
  if (codes->indexOfCode(code) >= 0) return;
  codes->getCodif(code);
  const int index = codes->indexOfCode(code);
  codes->editCode(index);
  codes->getAt(index).createLayers();
}

}  // namespace

int placerResultats(const resultatsAPlacer& r, const paramsMiseEnPlace& params) {
  listePointsDuDessin* table = tableCourantePoints();
  if (table == nullptr) return 0;
  preparerCode(params.code);
  int places = 0;
  for (size_t k = 0; k < r.noms.size(); ++k) {
    pointDuDessin point;
    const double z = params.altitudes ? r.z[k] : kSansValeur;
    point.setParams(r.noms[k].GetString(), AcGePoint3d(r.x[k], r.y[k], z), params.code);
    table->supprimerPoint(r.noms[k].GetString());
    point.creer(true, L"");
    table->Ajouter(point);
    ++places;
  }
  if (params.originelle) dessinerPolyligne(r.brutX, r.brutY, false, kCouleurOriginelle);
  if (params.compensee) dessinerPolyligne(r.x, r.y, r.fermee, kCouleurCompensee);
  return places;
}
