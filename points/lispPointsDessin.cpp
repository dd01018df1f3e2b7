// reg_pts, chgreppts, updarxttxt and C:ZoomLeve: the point blocks of the current table in the
// drawing and on the screen.
#include <algorithm>
#include <cmath>
#include <vector>

#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbobject.h"
#include "ed/aced.h"
#include "host/cheminInstallation.h"
#include "host/lispArguments.h"
#include "points/attribsPoints.h"
#include "points/getBlockDefinition.h"
#include "points/lispPoints.h"
#include "points/lispPointsOutils.h"
#include "points/listePointsDuDessin.h"
#include "rx/acaxdoc.h"

namespace {

// Below this a scale would make blocks too small to see: the scale goes back to 1.
constexpr double kPlusPetiteEchelle = 1e-6;
// The view leaves around the points a fortieth of their spread, at most one drawing unit.
constexpr double kFractionMarge = 40.0;
constexpr double kMargeMaximale = 1.0;

}  // namespace

void lispRegPts() {
  if (listePointsDuDessin* table = tableCourantePoints()) table->updateDrawing();
}

void lispChgRepPts() {
  argumentsLisp args;
  if (args.type() != RTSHORT && args.type() != RTLONG) return;
  const int code = static_cast<int>(args.nombre());
  args.suivant();
  if (args.type() != RTSTR) return;
  listePointsDuDessin* table = tableCourantePoints();
  if (table == nullptr) return;

  CString chemin = cheminInstallation(args.courant()->resval.rstring);
  chemin.MakeLower();
  if (chemin.Right(4) != L".dwg") chemin += L".dwg";
  const AcDbObjectId definition =
      getBlockDefinition(chemin.GetString(), acdbHostApplicationServices()->workingDatabase());
  if (definition.isNull()) return;

  for (int i = 0; i < table->nbPoint(); ++i) {
    const pointDuDessin& point = *table->getData(i);
    if (point.getCode() != code) continue;
    AcDbBlockReference* bloc = nullptr;
    if (acdbOpenObject(bloc, point.getId(), AcDb::kForWrite) != Acad::eOk) continue;
    // Position, scale, layer and attributes stay: only the drawing of the block changes.
    bloc->setBlockTableRecord(definition);
    bloc->close();
  }
}

void lispUpdArxtTxt() {
  argumentsLisp args;
  if (!args.estNombre()) return;
  const double echelle = std::fabs(args.nombre());
  globalPointScale = echelle < kPlusPetiteEchelle ? 1.0 : echelle;
}

void lispZoomLeve() {
  listePointsDuDessin* table = tableCourantePoints();
  if (table == nullptr || table->nbPoint() < 2) {
    acutPrintf(L"\nPas de points dans cette table");
    return;
  }
  double minX = 1e36;
  double minY = 1e36;
  double maxX = -1e36;
  double maxY = -1e36;
  for (int i = 0; i < table->nbPoint(); ++i) {
    const pointDuDessin& point = *table->getData(i);
    minX = std::min(minX, point.getX());
    minY = std::min(minY, point.getY());
    maxX = std::max(maxX, point.getX());
    maxY = std::max(maxY, point.getY());
  }
  const double mx = std::min((maxX - minX) / kFractionMarge, kMargeMaximale);
  const double my = std::min((maxY - minY) / kFractionMarge, kMargeMaximale);
  const std::vector<AcAxValue> coins = {AcGePoint3d(minX - mx, minY - my, 0.0),
                                        AcGePoint3d(maxX + mx, maxY + my, 0.0)};
  // Through the application object, as a drawing routine would zoom.
  if (AcAxApplication* application = acedGetAcadApplication()) application->invoke(L"ZoomWindow", coins);
}
