#include "codification/apercuBloc.h"

#include <cstdio>
#include <memory>

#include "db/dbdatabase.h"
#include "db/dbentity.h"
#include "db/dbsymtb.h"
#include "ui/adui.h"
#include "ui/dialog_driver.h"

namespace {

// The number of model-space entities of the drawing; -1 when it cannot be opened.
int compterEntites(AcDbDatabase& dessin) {
  AcDbBlockTableRecord* espace = nullptr;
  if (acdbOpenObject(espace, dessin.modelSpaceId(), AcDb::kForRead) != Acad::eOk) return -1;
  AcDbBlockTableRecordIterator* entites = nullptr;
  int nombre = 0;
  if (espace->newIterator(entites) == Acad::eOk) {
    for (; !entites->done(); entites->step()) ++nombre;
    delete entites;
  }
  espace->close();
  return nombre;
}

}  // namespace

bool afficherApercuBloc(const CString& chemin, HWND zone) {
  if (!acdbDisplayPreviewFromDwg(chemin, zone)) return false;
  auto dessin = std::make_unique<AcDbDatabase>(false, true);
  if (dessin->readDwgFile(chemin) != Acad::eOk) {
    ui::setPictureDescription(zone, L"");
    return false;
  }
  const int nombre = compterEntites(*dessin);
  dessin->updateExt(true);
  const AcGePoint3d bas = dessin->extmin();
  const AcGePoint3d haut = dessin->extmax();
  wchar_t detail[256];
  std::swprintf(detail, 256, L" : %d entité(s), de (%.3f, %.3f) à (%.3f, %.3f)", nombre, bas.x,
                bas.y, haut.x, haut.y);
  ui::setPictureDescription(zone, ui::pictureDescription(zone) + detail);
  return true;
}
