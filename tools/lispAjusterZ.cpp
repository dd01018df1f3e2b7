// c:JLAJUSTERZ: an altitude difference added to the survey points, all of them or a selection.
#include "computations/CDlgRattachZ.h"
#include "db/dbapserv.h"
#include "host/CAcadUndoGroup.h"
#include "points/listePointsDuDessin.h"
#include "points/pointDuDessin.h"
#include "tools/commandesOutils.h"
#include "tools/pointsTopo.h"

void lispJlAjusterZ() {
  double difference = 0.0;
  bool tous = true;
  if (!demanderRattachementZ(difference, tous)) return;
  CAcadUndoGroup annulation;
  for (AcDbObjectId id : selectionnerPointsTopo(tous)) {
    pointDuDessin point;
    if (point.updateFromDrawing(id) != 1 || point.getZ() == kSansValeur) continue;
    point.setZ(point.getZ() + difference);
    point.updateDrawing();
    if (!tous && tablesPoints != nullptr) tablesPoints->notifyPositionPoint(id, point.getAs3dPnt(), 4);
  }
  // The tables follow in one step rather than point by point.
  if (tous && tablesPoints != nullptr) tablesPoints->decalZ(difference);
}
