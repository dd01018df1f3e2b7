// The obstacle prompts of the stake-out: walls and hedges by their curves, trees and poles by
// their blocks, their heights and the colour they are shown in.
#include <memory>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedgraph.h"
#include "ed/acedsel.h"
#include "stakeout/contexteImplantation.h"
#include "stakeout/dessinImplantation.h"
#include "stakeout/invitesImplantation.h"
#include "stakeout/obstacleLineaireImplantation.h"
#include "stakeout/obstaclePonctuelImplantation.h"
#include "stakeout/reglagesImplantation.h"
#include "stakeout/saisieEntite.h"

namespace {

constexpr int kCouleursObstacles = 7;

void afficherTous(contexteImplantation& contexte, int couleur) {
  acedRedraw(nullptr, 0);
  for (const auto& obstacle : contexte.obstacles()) obstacle->afficher(couleur);
}

bool estCourbe(AcDbObjectId id) {
  AcDbCurve* courbe = nullptr;
  if (acdbOpenObject(courbe, id, AcDb::kForRead) != Acad::eOk) return false;
  courbe->close();
  return true;
}

void selectionLineaire(contexteImplantation& contexte, double hauteur, int couleur) {
  while (true) {
    AcDbObjectId id;
    CString motCle;
    const choix reponse = choisirEntite(L"\nElement :", nullptr, id, motCle);
    if (reponse == choix::kRate) continue;
    if (reponse != choix::kEntite) return;
    if (!estCourbe(id)) continue;
    auto obstacle = std::make_unique<obstacleLineaireImplantation>();
    obstacle->setEntite(id);
    obstacle->setHauteur(hauteur);
    obstacle->setCouleur(couleur);
    obstacle->marquer();
    obstacle->afficher(couleur);
    contexte.ajouterObstacle(std::move(obstacle));
  }
}

void ajouterPonctuel(contexteImplantation& contexte, AcDbObjectId bloc, const AcGePoint2d& centre,
                     double taille, double hauteur, int couleur) {
  auto obstacle = std::make_unique<obstaclePonctuelImplantation>();
  obstacle->setEntite(bloc);
  obstacle->setCentre(centre);
  obstacle->setRayon(taille);
  obstacle->setHauteur(hauteur);
  obstacle->setCouleur(couleur);
  obstacle->marquer();
  obstacle->afficher(couleur);
  contexte.ajouterObstacle(std::move(obstacle));
}

// The same obstacle on every other insertion of the block, at the same offset from each.
void appliquerAuxBlocsIdentiques(contexteImplantation& contexte, AcDbObjectId modele,
                                 AcDbObjectId definition, const AcGeVector2d& decalage,
                                 double taille, double hauteur, int couleur) {
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  AcDbBlockTableRecord* espace = nullptr;
  if (dessin == nullptr ||
      acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForRead) != Acad::eOk) {
    return;
  }
  std::vector<std::pair<AcDbObjectId, AcGePoint2d>> semblables;
  AcDbBlockTableRecordIterator* ouvert = nullptr;
  if (espace->newIterator(ouvert) == Acad::eOk) {
    const std::unique_ptr<AcDbBlockTableRecordIterator> parcours(ouvert);
    for (; !parcours->done(); parcours->step()) {
      AcDbEntity* entite = nullptr;
      if (parcours->getEntity(entite, AcDb::kForRead) != Acad::eOk) continue;
      auto* reference = AcDbBlockReference::cast(entite);
      if (reference != nullptr && reference->objectId() != modele &&
          reference->blockTableRecord() == definition) {
        semblables.emplace_back(reference->objectId(),
                                AcGePoint2d(reference->position().x, reference->position().y));
      }
      entite->close();
    }
  }
  espace->close();
  for (const auto& [id, position] : semblables) {
    ajouterPonctuel(contexte, id, position + decalage, taille, hauteur, couleur);
  }
}

void selectionPonctuelle(contexteImplantation& contexte, double hauteur, int couleur) {
  reglagesImplantation& reglages = reglagesGlobauxImplantation();
  while (true) {
    AcDbObjectId id;
    CString motCle;
    const choix reponse = choisirEntite(L"\nBlock :", nullptr, id, motCle);
    if (reponse == choix::kRate) continue;
    if (reponse != choix::kEntite) return;
    AcDbBlockReference* bloc = nullptr;
    if (acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) continue;
    const AcGePoint2d insertion(bloc->position().x, bloc->position().y);
    const AcDbObjectId definition = bloc->blockTableRecord();
    bloc->close();
    AcGePoint2d centre = insertion;
    CString invite;
    invite.Format(L"\nPosition / Indiquez la taille [%.2f]: ", reglages.tailleObstaclesPonctuels);
    acedInitGet(RSG_NONEG | RSG_NOZERO, L"Position");
    double taille = 0.0;
    const int code = acedGetDist(nullptr, invite, &taille);
    if (code == RTNORM) {
      reglages.tailleObstaclesPonctuels = taille;
    } else if (code == RTKWORD) {
      ads_point position;
      if (acedGetPoint(nullptr, L"\nCentre de l'obstacle :", position) == RTNORM) {
        centre.set(position[0], position[1]);
      }
    } else if (code == RTCAN) {
      return;
    }
    ajouterPonctuel(contexte, id, centre, reglages.tailleObstaclesPonctuels, hauteur, couleur);
    acedInitGet(0, L"Oui Non");
    ACHAR oui[16] = L"";
    if (acedGetKword(L"\nAppliquer les parametres aux blocs indentiques (Oui / Non) [Non]", oui,
                     16) == RTNORM &&
        CString(oui).CompareNoCase(L"Oui") == 0) {
      appliquerAuxBlocsIdentiques(contexte, id, definition, centre - insertion,
                                  reglages.tailleObstaclesPonctuels, hauteur, couleur);
    }
  }
}

void liberer(contexteImplantation& contexte, AcDbObjectId id) {
  for (const auto& obstacle : contexte.obstacles()) {
    if (obstacle->entite() == id) obstacle->liberer();
  }
  contexte.retirerObstacle(id);
}

// Every entity of the drawing carrying the obstacle mark is an obstacle no more.
void libererTous(contexteImplantation& contexte) {
  resbuf* filtre = acutBuildList(-3, 1001, kApplicationHauteursObjets, 0);
  ads_name selection;
  const int code = acedSSGet(L"X", nullptr, nullptr, filtre, selection);
  acutRelRb(filtre);
  if (code == RTNORM) {
    Adesk::Int32 nombre = 0;
    acedSSLength(selection, &nombre);
    for (long i = 0; i < nombre; ++i) {
      ads_name nom;
      AcDbObjectId id;
      if (acedSSName(selection, i, nom) != RTNORM || acdbGetObjectId(id, nom) != Acad::eOk) continue;
      if (std::unique_ptr<obstacleImplantation> marque = lireObstacle(id)) marque->liberer();
      contexte.retirerObstacle(id);
    }
    acedSSFree(selection);
  }
}

void annulerObstacles(contexteImplantation& contexte, int couleur) {
  while (!contexte.obstacles().empty()) {
    AcDbObjectId id;
    CString motCle;
    const choix reponse = choisirEntite(
        L"\nTous/ Selection / element a ne plus considerer comme obstacle:", L"Tous Selection", id,
        motCle);
    if (reponse == choix::kRate) continue;
    if (reponse == choix::kFin) break;
    if (reponse == choix::kMotCle) {
      if (motCle.CompareNoCase(L"Tous") == 0) libererTous(contexte);
      continue;
    }
    liberer(contexte, id);
    afficherTous(contexte, couleur);
  }
  afficherTous(contexte, couleur);
}

}  // namespace

void chargerObstaclesDuDessin(contexteImplantation& contexte) {
  resbuf* filtre = acutBuildList(-3, 1001, kApplicationHauteursObjets, 0);
  ads_name selection;
  const int code = acedSSGet(L"X", nullptr, nullptr, filtre, selection);
  acutRelRb(filtre);
  if (code != RTNORM) return;
  Adesk::Int32 nombre = 0;
  acedSSLength(selection, &nombre);
  for (long i = 0; i < nombre; ++i) {
    ads_name nom;
    AcDbObjectId id;
    if (acedSSName(selection, i, nom) != RTNORM || acdbGetObjectId(id, nom) != Acad::eOk) continue;
    if (std::unique_ptr<obstacleImplantation> obstacle = lireObstacle(id)) {
      contexte.ajouterObstacle(std::move(obstacle));
    }
  }
  acedSSFree(selection);
}

void gererObstacles(contexteImplantation& contexte) {
  reglagesImplantation& reglages = reglagesGlobauxImplantation();
  bool ponctuels = false;
  int couleur = 1;
  while (true) {
    double& hauteur = ponctuels ? reglages.hauteurObstaclesPonctuels
                                : reglages.hauteurObstaclesLineaires;
    CString invite;
    invite.Format(ponctuels ? L"\nLignes / Annuler / Redessiner / Couleur / Quitter / Hauteur des "
                              L"obstacles [ %.3f ]"
                            : L"\nPOnctuels / Annuler / Redessiner / Couleur / Quitter / Hauteur "
                              L"des obstacles [ %.3f ]",
                  hauteur);
    acedInitGet(0, ponctuels ? L"Lignes Annuler Redessiner Couleur Quitter"
                             : L"POnctuel Annuler Redessiner Couleur Quitter");
    double saisie = 0.0;
    const int code = acedGetDist(nullptr, invite, &saisie);
    if (code == RTNORM || code == RTNONE) {
      if (code == RTNORM && saisie == 0.0) continue;
      if (code == RTNORM) hauteur = saisie;
      if (ponctuels) {
        selectionPonctuelle(contexte, hauteur, couleur);
      } else {
        selectionLineaire(contexte, hauteur, couleur);
      }
      continue;
    }
    if (code != RTKWORD) return;
    const CString motCle = motCleSaisi();
    if (motCle.CompareNoCase(L"POnctuel") == 0) {
      ponctuels = true;
    } else if (motCle.CompareNoCase(L"Lignes") == 0) {
      ponctuels = false;
    } else if (motCle.CompareNoCase(L"Couleur") == 0) {
      couleur = couleur % kCouleursObstacles + 1;
      afficherTous(contexte, couleur);
    } else if (motCle.CompareNoCase(L"Redessiner") == 0) {
      afficherTous(contexte, couleur);
    } else if (motCle.CompareNoCase(L"Annuler") == 0) {
      if (!contexte.obstacles().empty()) annulerObstacles(contexte, couleur);
    } else if (motCle.CompareNoCase(L"Quitter") == 0) {
      return;
    }
  }
}
