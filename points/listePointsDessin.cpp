// A point table and the drawing: blocks brought up to date, or the table read from the blocks.
#include "db/acutads.h"
#include "db/dbobject.h"
#include "ed/acedsel.h"
#include "host/CMyProgressDlg.h"
#include "points/listePointsDuDessin.h"

void listePointsDuDessin::updateDrawing() {
  CMyProgressDlg progression;
  const bool visible = progression.create() != 0;
  if (visible) {
    progression.setRange(0, nbPoint() - 1);
    progression.setStep(1);
  }
  for (int i = 0; i < nbPoint(); ++i) {
    points_[i].updateDrawing();
    if (visible) progression.stepIt();
  }
  if (visible) progression.destroy();
}

void listePointsDuDessin::updateFromDrawing() {
  points_.RemoveAll();
  index_.RemoveAll();
  resbuf* filtre = acutBuildList(RTDXF0, L"INSERT", 0);
  ads_name selection;
  const int resultat = acedSSGet(L"X", nullptr, nullptr, filtre, selection);
  acutRelRb(filtre);
  if (resultat != RTNORM) return;
  Adesk::Int32 nombre = 0;
  acedSSLength(selection, &nombre);
  for (Adesk::Int32 i = 0; i < nombre; ++i) {
    ads_name entite;
    AcDbObjectId id;
    if (acedSSName(selection, i, entite) != RTNORM || acdbGetObjectId(id, entite) != Acad::eOk) continue;
    pointDuDessin point;
    if (point.updateFromDrawing(id) == 1) Ajouter(point);
  }
  acedSSFree(selection);
}
