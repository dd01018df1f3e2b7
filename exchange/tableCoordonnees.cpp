#include "exchange/tableCoordonnees.h"

#include <memory>

#include "codification/tableCodification.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbpl.h"
#include "ed/aced.h"
#include "host/ajoutDessin.h"
#include "os/codepage.h"
#include "points/listePointsDuDessin.h"
#include "ui/adui.h"

mesureTexteTable mesureStyleCourant(double hauteur) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  auto texte = std::make_shared<AcDbText>();
  if (dessin != nullptr) texte->setTextStyle(dessin->textstyle());
  texte->setHeight(hauteur);
  return [texte](const CString& contenu, double& largeur, double& haut) {
    texte->setTextString(contenu.GetString());
    AcDbExtents etendue;
    largeur = haut = 0.0;
    if (texte->getGeomExtents(etendue) != Acad::eOk) return;
    largeur = etendue.maxPoint().x - etendue.minPoint().x;
    haut = etendue.maxPoint().y - etendue.minPoint().y;
  };
}

int dessinerTableCoordonnees(const dispositionTableCoord& disposition, double hauteur) {
  ajoutEspaceObjet espace;
  if (!espace.ouvert()) return 0;
  AcDbDatabase* dessin = espace.dessin();
  int textes = 0;
  for (const texteTableCoord& t : disposition.textes) {
    auto* texte = new AcDbText(AcGePoint3d(t.x, t.y, 0.0), t.texte.GetString(), dessin->textstyle(), hauteur);
    texte->setDatabaseDefaults(dessin);
    texte->setHeight(hauteur);
    texte->setTextStyle(dessin->textstyle());
    if (t.alignement != kAlignGauche) {
      texte->setHorizontalMode(t.alignement == kAlignCentre ? AcDb::kTextCenter : AcDb::kTextRight);
      texte->setVerticalMode(t.alignement == kAlignCentre ? AcDb::kTextBase : AcDb::kTextBottom);
      texte->setAlignmentPoint(AcGePoint3d(t.x, t.y, 0.0));
      texte->adjustAlignment(dessin);
    }
    if (!espace.ajouter(texte, false).isNull()) ++textes;
  }
  for (const segmentTableCoord& s : disposition.segments)
    espace.ajouter(new AcDbLine(AcGePoint3d(s.x1, s.y1, 0.0), AcGePoint3d(s.x2, s.y2, 0.0)));
  if (disposition.cadre) {
    auto* cadre = new AcDbPolyline(4);
    cadre->addVertexAt(0, AcGePoint2d(disposition.cadreX0, disposition.cadreY0));
    cadre->addVertexAt(1, AcGePoint2d(disposition.cadreX1, disposition.cadreY0));
    cadre->addVertexAt(2, AcGePoint2d(disposition.cadreX1, disposition.cadreY1));
    cadre->addVertexAt(3, AcGePoint2d(disposition.cadreX0, disposition.cadreY1));
    cadre->setClosed(true);
    espace.ajouter(cadre);
  }
  espace.fermer();
  grouperAnonyme(dessin, espace.ajoutes());
  return textes;
}

int placerTableCoordonnees(CAdUiDialog* dialogue, listePointsDuDessin& table, const std::vector<int>& indices,
                           const paramsTableCoordonnees& params, tableCodification* codes) {
  bool colonne = false;
  for (bool montree : params.colonnes) colonne = colonne || montree;
  if (!colonne) return 0;
  if (dialogue != nullptr) dialogue->BeginEditorCommand();
  ads_point coin;
  const int reponse = acedGetPoint(nullptr, L"\nPosition de la table des coordonnées", coin);
  if (dialogue != nullptr) dialogue->CompleteEditorCommand();
  if (reponse != RTNORM) {
    MessageBox(nullptr, L"Abandon", L"pas de point choisi", MB_OK | MB_ICONEXCLAMATION);
    return 0;
  }
  std::vector<pointTableCoord> points;
  points.reserve(indices.size());
  for (int i : indices) {
    const pointDuDessin& point = *table.getData(i);
    points.push_back({CString(ansiToWide(point.getNomPoint()).c_str()), point.getX(), point.getY(), point.getZ(),
                      point.getCode()});
  }
  if (points.empty()) return 0;
  auto libelle = [codes](int code, CString& texte) {
    const int rang = codes != nullptr ? codes->indexOfCode(code) : -1;
    if (rang < 0) return false;
    texte = codes->getAt(rang).libelle;
    return true;
  };
  const dispositionTableCoord disposition =
      disposerTableCoordonnees(points, params, coin[0], coin[1], mesureStyleCourant(params.hauteur), libelle);
  return dessinerTableCoordonnees(disposition, params.hauteur);
}
