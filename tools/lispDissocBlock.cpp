// c:DISSOCBLOCK: the attributes of block references become plain texts of the same look; survey
// point blocks are left alone unless the first argument asks for them.
#include <vector>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "host/CAcadUndoGroup.h"
#include "lisp/acedads.h"
#include "host/ajoutDessin.h"
#include "tools/commandesOutils.h"
#include "tools/pointsTopo.h"
#include "ui/afxstr.h"

namespace {

AcDbText* texteComme(const AcDbAttribute& attribut) {
  auto* texte = new AcDbText();
  texte->setAlignmentPoint(attribut.alignmentPoint());
  texte->setLayer(attribut.layerId());
  texte->setColorIndex(attribut.colorIndex());
  texte->mirrorInX(attribut.isMirroredInX());
  texte->mirrorInY(attribut.isMirroredInY());
  texte->setHeight(attribut.height());
  texte->setHorizontalMode(attribut.horizontalMode());
  texte->setNormal(attribut.normal());
  texte->setOblique(attribut.oblique());
  texte->setPosition(attribut.position());
  texte->setRotation(attribut.rotation());
  texte->setTextString(attribut.textStringConst());
  texte->setTextStyle(attribut.textStyle());
  texte->setThickness(attribut.thickness());
  texte->setVerticalMode(attribut.verticalMode());
  texte->setWidthFactor(attribut.widthFactor());
  return texte;
}

void dissocier(AcDbDatabase* dessin, const AcDbBlockReference& bloc) {
  AcDbObjectIterator* it = bloc.attributeIterator();
  std::vector<AcDbObjectId> attributs;
  for (; !it->done(); it->step()) attributs.push_back(it->objectId());
  delete it;
  for (const AcDbObjectId& id : attributs) {
    AcDbAttribute* attribut = nullptr;
    if (acdbOpenObject(attribut, id, AcDb::kForWrite) != Acad::eOk) continue;
    CString texte(attribut->textStringConst());
    if (!texte.Trim().IsEmpty()) ajouterAuDessin(dessin, texteComme(*attribut), false);
    attribut->erase();
    attribut->close();
  }
}

}  // namespace

void lispDissocBlock() {
  const resbuf* argument = acedGetArgs();
  const bool avecPoints = argument != nullptr && argument->restype != RTNIL;
  const resbuf* second = argument != nullptr ? argument->rbnext : nullptr;
  if (second != nullptr && second->restype != RTPICKS && second->restype != RTNIL) {
    acutPrintf(L"\nDISSOCBLOCK : le second argument doit être un jeu de sélection");
    acedRetNil();
    return;
  }
  ads_name selection;
  bool aLiberer = false;
  if (second != nullptr && second->restype == RTPICKS) {
    selection[0] = second->resval.rlname[0];
    selection[1] = second->resval.rlname[1];
  } else {
    acutPrintf(L"\nSelectionnez les elements a dissocier");
    resbuf* filtre = acutBuildList(RTDXF0, L"INSERT", 0);
    const int resultat = acedSSGet(nullptr, nullptr, nullptr, filtre, selection);
    acutRelRb(filtre);
    if (resultat != RTNORM) {
      acedRetNil();
      return;
    }
    aLiberer = true;
  }
  std::vector<AcDbObjectId> ids;
  const bool lue = ed::selectionSetIds(selection, ids);
  if (aLiberer) acedSSFree(selection);
  if (!lue) {
    acedRetNil();
    return;
  }
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  CAcadUndoGroup annulation(dessin);
  for (const AcDbObjectId& id : ids) {
    AcDbBlockReference* bloc = nullptr;
    if (acdbOpenObject(bloc, id, AcDb::kForWrite) != Acad::eOk) continue;
    if (avecPoints || !estPointTopo(*bloc)) dissocier(dessin, *bloc);
    bloc->close();
  }
  acedRetT();
}
