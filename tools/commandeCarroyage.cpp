// CARROYAGE: the coordinate grid drawn inside the regions chosen in its dialog.
#include <vector>

#include "db/acutads.h"
#include "ed/aced.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbpl.h"
#include "host/CAcadUndoGroup.h"
#include "resources/ressourcesModule.h"
#include "tools/DlgCarroyage.h"
#include "host/ajoutDessin.h"
#include "tools/commandesOutils.h"
#include "tools/grilleCarroyage.h"

namespace {

// The outline of a region, closed by a straight side when the polyline is open.
bool lireContour(AcDbObjectId id, std::vector<sommetContour>& contour) {
  AcDbPolyline* polyligne = nullptr;
  if (acdbOpenObject(polyligne, id, AcDb::kForRead) != Acad::eOk) return false;
  contour.clear();
  for (unsigned int i = 0; i < polyligne->numVerts(); ++i) {
    AcGePoint2d sommet;
    double bulge = 0.0;
    polyligne->getPointAt(i, sommet);
    polyligne->getBulgeAt(i, bulge);
    contour.push_back({sommet.x, sommet.y, bulge});
  }
  if (!polyligne->isClosed() && !contour.empty()) contour.back().bulge = 0.0;
  polyligne->close();
  return true;
}

void dessinerCarroyage(AcDbDatabase* dessin, const dessinCarroyage& grille, double hauteur) {
  AcDbObjectIdArray ids;
  for (const traitCarroyage& t : grille.traits) {
    auto* ligne = new AcDbLine(AcGePoint3d(t.x1, t.y1, 0.0), AcGePoint3d(t.x2, t.y2, 0.0));
    ligne->setDatabaseDefaults(dessin);
    ligne->setColorIndex(256);
    const AcDbObjectId id = ajouterAuDessin(dessin, ligne, false);
    if (!id.isNull()) ids.append(id);
  }
  for (const texteCarroyage& t : grille.textes) {
    auto* texte = new AcDbText();
    texte->setDatabaseDefaults(dessin);
    texte->setColorIndex(256);
    texte->setTextStyle(dessin->textstyle());
    texte->setHeight(hauteur);
    texte->setRotation(t.rotation);
    texte->setTextString(t.texte.c_str());
    const AcGePoint3d point(t.x, t.y, 0.0);
    texte->setPosition(point);
    if (t.alignDroite) {
      texte->setHorizontalMode(AcDb::kTextRight);
      texte->setVerticalMode(AcDb::kTextBottom);
      texte->setAlignmentPoint(point);
    }
    const AcDbObjectId id = ajouterAuDessin(dessin, texte, false);
    if (!id.isNull()) ids.append(id);
  }
  grouperAnonyme(dessin, ids);
}

}  // namespace

void commandeCarroyage() {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  if (dessin == nullptr) return;
  DlgCarroyage dialogue;
  {
    ressourcesCourantes ressources;
    if (dialogue.DoModal() != IDOK) return;
  }
  parametresCarroyage parametres;
  parametres.pasX = dialogue.m_pasX;
  parametres.pasY = dialogue.m_pasY;
  parametres.tailleCroix = dialogue.m_tailleCroix;
  parametres.hauteurTexte = dialogue.m_hauteurTexte;
  parametres.ecrituresInternes = dialogue.m_internes != 0;
  parametres.decimales = dialogue.m_decimales < 0 ? 2 : dialogue.m_decimales;

  // Every region is read and the whole grid counted before anything is drawn.
  std::vector<std::vector<sommetContour>> contours;
  double noeuds = 0.0;
  for (int i = 0; i < dialogue.m_regions.length(); ++i) {
    std::vector<sommetContour> contour;
    if (!lireContour(dialogue.m_regions[i], contour)) continue;
    noeuds += noeudsDansEmprise(contour, parametres.pasX, parametres.pasY);
    contours.push_back(std::move(contour));
  }
  if (noeuds > kNoeudsCarroyageMax) {
    acutPrintf(L"\nCarroyage refusé : les pas choisis donnent %.0f noeuds de grille (au plus %.0f), "
               L"augmentez les pas",
               noeuds, kNoeudsCarroyageMax);
    return;
  }
  CAcadUndoGroup annulation(dessin);
  for (const std::vector<sommetContour>& contour : contours) {
    dessinerCarroyage(dessin, calculerCarroyage(contour, parametres), parametres.hauteurTexte);
  }
}
