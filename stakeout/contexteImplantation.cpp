#include "stakeout/contexteImplantation.h"

#include <algorithm>

#include "stakeout/calculsImplantation.h"
#include "stakeout/dessinImplantation.h"
#include "stakeout/reglagesImplantation.h"
#include "stakeout/visibiliteImplantation.h"

namespace {
// Squared plan distance under which a point is the same as one in the list (0.01).
constexpr double kDoublon2 = 0.0001;

bool contient(const std::vector<Adesk::UInt32>& ids, Adesk::UInt32 id) {
  return std::find(ids.begin(), ids.end(), id) != ids.end();
}
}  // namespace

contexteImplantation::contexteImplantation(const terrainImplantation* terrain)
    : terrain_(terrain) {
  options_.hauteurStation = reglagesGlobauxImplantation().hauteurMinimale;
  // Registered in every drawing a stake-out runs in, not only the first: marks written in a
  // drawing that does not know their application would be refused.
  enregistrerApplicationsImplantation();
  numerotation_.setParams(L"", 1, L"", 1);
}

int contexteImplantation::drapeauxDessin() const {
  int drapeaux = 0;
  if (options_.dessinerLignes != 0) drapeaux |= kDessinLignes;
  if (options_.placerNumeros != 0) drapeaux |= kDessinNumeros;
  if (options_.textesAnglesDistances != 0) drapeaux |= kDessinDistance | kDessinAngle;
  return drapeaux;
}

int contexteImplantation::ajouterPoint(double x, double y, double z) {
  observationImplantation point;
  point.identifiant = compteurIdentifiants::nouveau();
  point.nom = numerotation_.getNextName();
  point.x = x;
  point.y = y;
  point.z = z;
  if (point.z == kSansValeur && terrain_ != nullptr) {
    AcGePoint3d sol(x, y, 0.0);
    if (terrain_->altitude(sol)) point.z = sol.z;
  }
  point.lot = reglagesGlobauxImplantation().lotCourant;
  points_.push_back(point);
  return static_cast<int>(points_.size()) - 1;
}

bool contexteImplantation::pointExiste(double x, double y) const {
  return std::any_of(points_.begin(), points_.end(), [&](const observationImplantation& p) {
    return (p.x - x) * (p.x - x) + (p.y - y) * (p.y - y) < kDoublon2;
  });
}

void contexteImplantation::finirLot() {
  if (parametres_.incrementerPrefixe != 0) numerotation_.incrementePrefixe();
  ++reglagesGlobauxImplantation().lotCourant;
}

void contexteImplantation::enleverPoints(const std::vector<Adesk::UInt32>& identifiants) {
  for (observationImplantation& p : points_) {
    if (contient(identifiants, p.identifiant)) effacerEntites(p.graphismes);
  }
  std::erase_if(points_, [&](const observationImplantation& p) {
    return contient(identifiants, p.identifiant);
  });
}

observationImplantation* contexteImplantation::point(Adesk::UInt32 identifiant) {
  for (observationImplantation& p : points_) {
    if (p.identifiant == identifiant) return &p;
  }
  return nullptr;
}

observationMiseEnStation* contexteImplantation::station(Adesk::UInt32 identifiant) const {
  for (const auto& s : stations_) {
    if (s->identifiant() == identifiant) return s.get();
  }
  return nullptr;
}

const observationMiseEnStation* contexteImplantation::stationDe(
    const observationImplantation& p) const {
  return p.identifiantStation == kAucunIdentifiant ? nullptr : station(p.identifiantStation);
}

observationMiseEnStation* contexteImplantation::affecterStation(
    std::unique_ptr<observationMiseEnStation> nouvelle,
    const std::vector<Adesk::UInt32>& identifiants) {
  observationMiseEnStation* station = nouvelle.get();
  stations_.push_back(std::move(nouvelle));
  for (observationImplantation& p : points_) {
    if (contient(identifiants, p.identifiant)) p.identifiantStation = station->identifiant();
  }
  recalculer(identifiants);
  return station;
}

void contexteImplantation::retirerStation(const std::vector<Adesk::UInt32>& identifiants) {
  for (observationImplantation& p : points_) {
    if (!contient(identifiants, p.identifiant)) continue;
    p.identifiantStation = kAucunIdentifiant;
    p.oublierVisibilite();
  }
  std::erase_if(stations_, [&](const std::unique_ptr<observationMiseEnStation>& s) {
    const bool utilisee = std::any_of(points_.begin(), points_.end(), [&](const auto& p) {
      return p.identifiantStation == s->identifiant();
    });
    if (!utilisee) s->effacer();
    return !utilisee;
  });
}

void contexteImplantation::recalculer(const std::vector<Adesk::UInt32>& identifiants) {
  if (terrain_ == nullptr) return;
  for (observationImplantation& p : points_) {
    if (!contient(identifiants, p.identifiant)) continue;
    observationMiseEnStation* s = station(p.identifiantStation);
    if (s == nullptr) continue;
    if (s->z() == kSansValeur) {
      AcGePoint3d sol(s->x(), s->y(), 0.0);
      if (s->x() == kSansValeur || !terrain_->altitude(sol)) continue;
      s->setZ(sol.z);
    }
    if (options_.verifierVisibilite != 0) {
      testerVisibilite(p, *s, options_.hauteurStation, obstacles_, terrain_);
    } else {
      p.oublierVisibilite();
    }
  }
}

void contexteImplantation::dessinerPoint(observationImplantation& p, int drapeaux) {
  const reglagesImplantation& r = reglagesGlobauxImplantation();
  const AcGePoint3d position(p.x, p.y, 0.0);
  const observationMiseEnStation* s = stationDe(p);
  if (s != nullptr && s->x() != kSansValeur && (drapeaux & (kDessinLignes | kDessinDistance | kDessinAngle)) != 0) {
    const AcGePoint3d depuis(s->x(), s->y(), 0.0);
    int couleur = r.couleurNonVerifie;
    if (p.visibiliteCalculee != 0) {
      couleur = estVisible(p, r.hauteurMinimale) ? r.couleurVisible : r.couleurNonVisible;
    }
    if ((drapeaux & kDessinLignes) != 0) {
      dessinerLigne(depuis, position, couleur, p.identifiant, p.graphismes);
    }
    dessinerTexteVisee(depuis, position, s->distanceVers(p), s->angleVers(p), drapeaux, couleur,
                       p.identifiant, p.graphismes);
  }
  if ((drapeaux & kDessinNumeros) != 0) {
    dessinerCroix(position, r.tailleCroixPoints, 256, p.identifiant, p.graphismes);
    dessinerTexte(position + AcGeVector3d(r.tailleCroixPoints / 2, r.tailleCroixPoints / 2, 0),
                  p.nom, r.hauteurTexte, 0.0, 256, p.identifiant, p.graphismes);
  }
}

void contexteImplantation::dessinerPoints(const std::vector<Adesk::UInt32>& identifiants,
                                          int drapeaux, bool avecStations) {
  std::vector<Adesk::UInt32> stationsDessinees;
  for (observationImplantation& p : points_) {
    if (!contient(identifiants, p.identifiant)) continue;
    dessinerPoint(p, drapeaux);
    if (!avecStations || p.identifiantStation == kAucunIdentifiant ||
        contient(stationsDessinees, p.identifiantStation)) {
      continue;
    }
    if (observationMiseEnStation* s = station(p.identifiantStation)) {
      s->dessiner(drapeaux);
      stationsDessinees.push_back(p.identifiantStation);
    }
  }
}

void contexteImplantation::effacerGraphismes() {
  for (observationImplantation& p : points_) effacerEntites(p.graphismes);
  for (const auto& s : stations_) s->effacer();
}

void contexteImplantation::oublierGraphismes() {
  for (observationImplantation& p : points_) p.graphismes.setLogicalLength(0);
  for (const auto& s : stations_) s->oublierGraphismes();
}

void contexteImplantation::ajouterObstacle(std::unique_ptr<obstacleImplantation> obstacle) {
  retirerObstacle(obstacle->entite());
  obstacles_.push_back(std::move(obstacle));
}

bool contexteImplantation::retirerObstacle(AcDbObjectId entite) {
  const size_t avant = obstacles_.size();
  std::erase_if(obstacles_, [&](const std::unique_ptr<obstacleImplantation>& o) {
    return o->entite() == entite;
  });
  return obstacles_.size() != avant;
}

std::vector<Adesk::UInt32> contexteImplantation::identifiants() const {
  std::vector<Adesk::UInt32> ids;
  for (const observationImplantation& p : points_) ids.push_back(p.identifiant);
  return ids;
}
