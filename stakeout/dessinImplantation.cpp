#include "stakeout/dessinImplantation.h"

#include <cmath>

#include "db/acdbads.h"
#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "stakeout/calculsImplantation.h"
#include "stakeout/compteurIdentifiants.h"
#include "stakeout/reglagesImplantation.h"

namespace {

void marquer(AcDbEntity& entite, Adesk::UInt32 proprietaire) {
  resbuf* marque = acutBuildList(1001, kApplicationImplantation, 1071, kMarqueGraphismeImplantation,
                                 1071, static_cast<long>(proprietaire), 0);
  entite.setXData(marque);
  acutRelRb(marque);
}

void ajouter(AcDbEntity* entite, int couleur, Adesk::UInt32 proprietaire,
             AcDbObjectIdArray& ids) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  AcDbBlockTableRecord* espace = nullptr;
  if (dessin == nullptr ||
      acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    delete entite;
    return;
  }
  entite->setDatabaseDefaults(dessin);
  entite->setColorIndex(static_cast<Adesk::UInt16>(couleur));
  AcDbObjectId id;
  if (espace->appendAcDbEntity(id, entite) == Acad::eOk) {
    marquer(*entite, proprietaire);
    entite->close();
    ids.append(id);
  } else {
    delete entite;
  }
  espace->close();
}

}  // namespace

void enregistrerApplicationsImplantation() {
  acdbRegApp(kApplicationImplantation);
  acdbRegApp(kApplicationHauteursObjets);
}

void dessinerLigne(const AcGePoint3d& debut, const AcGePoint3d& fin, int couleur,
                   Adesk::UInt32 proprietaire, AcDbObjectIdArray& ids) {
  ajouter(new AcDbLine(debut, fin), couleur, proprietaire, ids);
}

void dessinerRayon(const AcGePoint3d& base, const AcGeVector3d& direction, int couleur,
                   Adesk::UInt32 proprietaire, AcDbObjectIdArray& ids) {
  auto* rayon = new AcDbRay();
  rayon->setBasePoint(base);
  rayon->setUnitDir(direction);
  ajouter(rayon, couleur, proprietaire, ids);
}

void dessinerTexte(const AcGePoint3d& position, const CString& texte, double hauteur,
                   double rotation, int couleur, Adesk::UInt32 proprietaire,
                   AcDbObjectIdArray& ids) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  if (dessin == nullptr) return;
  auto* entite = new AcDbText(position, texte.GetString(), dessin->textstyle(), hauteur, rotation);
  ajouter(entite, couleur, proprietaire, ids);
}

void dessinerCroix(const AcGePoint3d& centre, double taille, int couleur,
                   Adesk::UInt32 proprietaire, AcDbObjectIdArray& ids) {
  const double d = taille / 2.0;
  dessinerLigne(centre + AcGeVector3d(-d, 0, 0), centre + AcGeVector3d(d, 0, 0), couleur,
                proprietaire, ids);
  dessinerLigne(centre + AcGeVector3d(0, -d, 0), centre + AcGeVector3d(0, d, 0), couleur,
                proprietaire, ids);
}

void dessinerTexteVisee(const AcGePoint3d& depuis, const AcGePoint3d& vers, double distance,
                        double angle, int drapeaux, int couleur, Adesk::UInt32 proprietaire,
                        AcDbObjectIdArray& ids) {
  CString texte;
  if ((drapeaux & kDessinDistance) != 0 && distance != kSansValeur) {
    texte += texteValeur(distance, L"d=%.4f");
  }
  if ((drapeaux & kDessinAngle) != 0 && angle != kSansValeur) {
    texte += texteValeur(radiansEnGrades(angle), L" A=%.4f");
  }
  if (texte.IsEmpty()) return;
  const double hauteur = reglagesGlobauxImplantation().hauteurTexte;
  const double rotation = std::atan2(vers.y - depuis.y, vers.x - depuis.x);
  const AcGeVector3d gauche(-std::sin(rotation), std::cos(rotation), 0.0);
  const AcGePoint3d milieu((depuis.x + vers.x) / 2, (depuis.y + vers.y) / 2, 0.0);
  dessinerTexte(milieu + gauche * (0.2 * hauteur), texte, hauteur, rotation, couleur, proprietaire,
                ids);
}

void effacerEntites(AcDbObjectIdArray& ids) {
  for (int i = 0; i < ids.length(); ++i) {
    AcDbEntity* entite = nullptr;
    if (acdbOpenObject(entite, ids[i], AcDb::kForWrite) == Acad::eOk) {
      entite->erase();
      entite->close();
    }
  }
  ids.setLogicalLength(0);
}
