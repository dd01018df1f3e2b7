#include "stakeout/invitesImplantation.h"

#include "stakeout/saisieEntite.h"

#include <algorithm>
#include <memory>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedgraph.h"
#include "ed/acedsel.h"
#include "os/codepage.h"
#include "points/listePointsDuDessin.h"
#include "points/pointDuDessin.h"
#include "stakeout/contexteImplantation.h"
#include "stakeout/dessinImplantation.h"
#include "stakeout/observationMiseEnStationOrientee.h"
#include "stakeout/observationMiseEnStationVisee.h"
#include "stakeout/obstacleLineaireImplantation.h"
#include "stakeout/obstaclePonctuelImplantation.h"
#include "stakeout/pointsElementImplantation.h"
#include "stakeout/reglagesImplantation.h"

namespace {

listePointsDuDessin* tableCourante() {
  if (tablesPoints == nullptr || tablesPoints->nbTables() == 0) return nullptr;
  return tablesPoints->currTable();
}

// A survey point of the current table by its name.
bool pointNomme(const CString& nom, pointDuDessin& trouve) {
  listePointsDuDessin* table = tableCourante();
  int position = -1;
  if (table == nullptr || table->existPoint(nom.GetString(), position) == 0 || position < 0) {
    return false;
  }
  trouve = *table->getData(position);
  return true;
}

bool pointDuBloc(AcDbObjectId id, pointDuDessin& trouve) {
  return trouve.updateFromDrawing(id) == 1;
}

void apercu(contexteImplantation& contexte, const std::vector<Adesk::UInt32>& points) {
  contexte.effacerGraphismes();
  contexte.dessinerPoints(points, contexte.drapeauxDessin(), true);
}

struct positionStation {
  CString nom;
  double x = kSansValeur, y = kSansValeur, z = kSansValeur;
};

positionStation depuisPoint(const pointDuDessin& point) {
  return {CString(ansiToWide(point.getNomPoint()).c_str()), point.getX(), point.getY(), point.getZ()};
}

// Step 3 of a set-up: the reference. Null on a cancel.
std::unique_ptr<observationMiseEnStation> choisirReference(const positionStation& station) {
  while (true) {
    acedInitGet(RSG_OTHER, L"Nord Designer ");
    const ads_point base = {station.x, station.y, 0.0};
    ads_point reference;
    const int code = acedGetPoint(base, L"\nReference [Nord / Designer] <Nord>:", reference);
    if (code == RTCAN || code == RTERROR) return nullptr;
    CString motCle;
    if (code == RTKWORD) motCle = motCleSaisi();
    if (code == RTNONE || (code == RTKWORD && motCle.CompareNoCase(L"Nord") == 0)) {
      return std::make_unique<observationMiseEnStationOrientee>();
    }
    auto visee = std::make_unique<observationMiseEnStationVisee>();
    if (code == RTNORM) {
      visee->setReference(L"", reference[0], reference[1], kSansValeur);
      return visee;
    }
    pointDuDessin trouve;
    bool connu = false;
    if (motCle.CompareNoCase(L"Designer") == 0) {
      AcDbObjectId id;
      CString autre;
      connu = choisirEntite(L"Selectionnez la station de référence ou alors saisir son Nom ",
                            nullptr, id, autre) == choix::kEntite &&
              pointDuBloc(id, trouve);
    } else {
      connu = pointNomme(motCle, trouve);
    }
    if (connu) {
      const positionStation r = depuisPoint(trouve);
      visee->setReference(r.nom, r.x, r.y, r.z);
      return visee;
    }
  }
}

// "Restreindre": the points whose markers the user selects.
void restreindre(contexteImplantation& contexte, std::vector<Adesk::UInt32>& points) {
  contexte.effacerGraphismes();
  contexte.dessinerPoints(contexte.identifiants(), kDessinNumeros, false);
  acutPrintf(L"\nSelectionnez les points a implanter");
  ads_name selection;
  if (acedSSGet(nullptr, nullptr, nullptr, nullptr, selection) == RTNORM) {
    Adesk::Int32 nombre = 0;
    acedSSLength(selection, &nombre);
    std::vector<AcDbObjectId> choisis;
    for (long i = 0; i < nombre; ++i) {
      ads_name nom;
      AcDbObjectId id;
      if (acedSSName(selection, i, nom) == RTNORM && acdbGetObjectId(id, nom) == Acad::eOk) {
        choisis.push_back(id);
      }
    }
    acedSSFree(selection);
    points.clear();
    for (const observationImplantation& p : contexte.points()) {
      for (int k = 0; k < p.graphismes.length(); ++k) {
        if (std::find(choisis.begin(), choisis.end(), p.graphismes[k]) != choisis.end()) {
          points.push_back(p.identifiant);
          break;
        }
      }
    }
  }
  apercu(contexte, points);
}

}  // namespace

void saisirPointsImplantation(contexteImplantation& contexte) {
  bool parElement = false;
  while (true) {
    if (!parElement) {
      acedInitGet(0, L"Select");
      ads_point point;
      const int code = acedGetPoint(nullptr, L"\nPoint a implanter [Select]", point);
      if (code == RTKWORD) {
        parElement = true;
        continue;
      }
      if (code != RTNORM) return;
      const int rang = contexte.ajouterPoint(point[0], point[1], kSansValeur);
      if (contexte.options().placerNumeros != 0) contexte.dessinerPoint(contexte.points()[rang], kDessinNumeros);
      contexte.finirLot();
      continue;
    }
    AcDbObjectId element;
    CString motCle;
    const choix reponse =
        choisirEntite(L"\nSelectionnez l'element [Point]", L"Point", element, motCle);
    if (reponse == choix::kMotCle) {
      parElement = false;
      continue;
    }
    if (reponse == choix::kRate) continue;
    if (reponse == choix::kFin) return;
    for (const AcGePoint3d& p : pointsDeLEntite(element, contexte.parametres())) {
      if (contexte.pointExiste(p.x, p.y)) continue;
      // A plan drawn at elevation 0 says nothing of the ground: the terrain gives that Z.
      const int rang = contexte.ajouterPoint(p.x, p.y, p.z != 0.0 ? p.z : kSansValeur);
      if (contexte.options().placerNumeros != 0) contexte.dessinerPoint(contexte.points()[rang], kDessinNumeros);
    }
    contexte.finirLot();
  }
}

void mettreEnStation(contexteImplantation& contexte, std::vector<Adesk::UInt32> points) {
  if (points.empty()) points = contexte.identifiants();
  apercu(contexte, points);
  while (true) {
    acedInitGet(RSG_OTHER, L"Designer Proche  Restreindre Annuler");
    ads_point choisi;
    const int code = acedGetPoint(
        nullptr, L"\nIndiquer la station ou [Restreindre/Designer/Proche/Annuler]", choisi);
    positionStation station;
    if (code == RTNORM) {
      station.x = choisi[0];
      station.y = choisi[1];
      if (contexte.terrain() != nullptr) {
        AcGePoint3d sol(station.x, station.y, 0.0);
        if (contexte.terrain()->altitude(sol)) station.z = sol.z;
      }
    } else if (code == RTKWORD) {
      const CString motCle = motCleSaisi();
      pointDuDessin trouve;
      if (motCle.CompareNoCase(L"Proche") == 0) {
        ads_point pres;
        listePointsDuDessin* table = tableCourante();
        if (acedGetPoint(nullptr, L"\nCliquer à proximité de la station à utiliser", pres) != RTNORM ||
            table == nullptr || table->findNearestTo(pres[0], pres[1], trouve) == 0) {
          continue;
        }
      } else if (motCle.CompareNoCase(L"Designer") == 0) {
        AcDbObjectId id;
        CString autre;
        const choix reponse = choisirEntite(L"\nBlock Point:", nullptr, id, autre);
        if (reponse != choix::kEntite) continue;
        if (!pointDuBloc(id, trouve)) {
          acutPrintf(L"\nCe n'est pas un block Arpenta");
          continue;
        }
      } else if (motCle.CompareNoCase(L"Restreindre") == 0) {
        restreindre(contexte, points);
        continue;
      } else if (motCle.CompareNoCase(L"Annuler") == 0) {
        contexte.effacerGraphismes();
        contexte.retirerStation(points);
        apercu(contexte, points);
        continue;
      } else if (!pointNomme(motCle, trouve)) {
        continue;
      }
      station = depuisPoint(trouve);
    } else {
      contexte.effacerGraphismes();
      return;
    }
    if (points.empty()) continue;
    std::unique_ptr<observationMiseEnStation> nouvelle = choisirReference(station);
    if (!nouvelle) {
      contexte.effacerGraphismes();
      return;
    }
    nouvelle->setNom(station.nom);
    nouvelle->setPosition(station.x, station.y, station.z);
    contexte.effacerGraphismes();
    contexte.affecterStation(std::move(nouvelle), points);
    apercu(contexte, points);
  }
}
