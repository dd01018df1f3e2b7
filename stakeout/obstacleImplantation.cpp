#include "stakeout/obstacleImplantation.h"

#include "db/acutads.h"
#include "db/dbentity.h"
#include "stakeout/compteurIdentifiants.h"
#include "stakeout/dessinImplantation.h"
#include "stakeout/obstacleLineaireImplantation.h"
#include "stakeout/obstaclePonctuelImplantation.h"

obstacleImplantation::obstacleImplantation() : identifiant_(compteurIdentifiants::nouveau()) {}

bool obstacleImplantation::ecrireMarque(const resbuf* marque) const {
  AcDbEntity* entite = nullptr;
  if (acdbOpenObject(entite, entite_, AcDb::kForWrite) != Acad::eOk) return false;
  resbuf* nue = nullptr;
  if (marque == nullptr) nue = acutBuildList(1001, kApplicationHauteursObjets, 0);
  const bool ecrit = entite->setXData(marque != nullptr ? marque : nue) == Acad::eOk;
  acutRelRb(nue);
  entite->close();
  return ecrit;
}

resbuf* obstacleImplantation::lireMarque(AcDbObjectId entite) const {
  AcDbEntity* objet = nullptr;
  if (acdbOpenObject(objet, entite, AcDb::kForRead) != Acad::eOk) return nullptr;
  resbuf* marque = objet->xData(kApplicationHauteursObjets);
  objet->close();
  return marque;
}

// The bare application name removes the application's data.
void obstacleImplantation::liberer() { ecrireMarque(nullptr); }

std::unique_ptr<obstacleImplantation> lireObstacle(AcDbObjectId entite) {
  std::unique_ptr<obstacleImplantation> obstacle = std::make_unique<obstaclePonctuelImplantation>();
  if (obstacle->lire(entite)) return obstacle;
  obstacle = std::make_unique<obstacleLineaireImplantation>();
  if (obstacle->lire(entite)) return obstacle;
  return nullptr;
}
