#include "computations/polygonale.h"

#include <cmath>

#include "computations/angles.h"
#include "computations/lexiqueObservations.h"

namespace {

bool tousFinis(const std::vector<double>& valeurs) {
  for (double v : valeurs) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

bool resultatsFinis(const std::vector<double>& x, const std::vector<double>& y,
                    const std::vector<double>& z, const nivellementPolygonale& n) {
  return tousFinis(x) && tousFinis(y) && tousFinis(z) && tousFinis(n.deniveleesCorrigees) &&
         std::isfinite(n.erreur) && std::isfinite(n.sommeLongueurs);
}

// Shares the height misclosure E over the legs. Leg i runs between stations i and i+1 (modulo the
// number of stations for a closed loop). When the lengths (or their roots) sum to 0 the shares
// cannot follow them and are equal, as in the simple mode.
void niveler(int mode, double erreur, const std::vector<double>& x, const std::vector<double>& y,
             std::vector<obsPolygonale>& lignes, nivellementPolygonale& n) {
  const size_t legs = lignes.size();
  n.erreur = erreur;
  n.longueurs.assign(legs, 0);
  n.corrections.assign(legs, 0);
  n.deniveleesCorrigees.resize(legs);
  n.sommeLongueurs = 0;
  if (mode == kNivellementDistances || mode == kNivellementRacines) {
    for (size_t i = 0; i < legs; ++i) {
      const size_t j = (i + 1) % x.size();
      const double l = std::hypot(x[j] - x[i], y[j] - y[i]);
      n.longueurs[i] = mode == kNivellementRacines ? std::sqrt(l) : l;
      n.sommeLongueurs += n.longueurs[i];
    }
  }
  for (size_t i = 0; i < legs; ++i) {
    if (mode == kNivellementAucun) {
      n.corrections[i] = 0;
    } else if (mode == kNivellementSimple || n.sommeLongueurs == 0) {
      n.corrections[i] = erreur / static_cast<double>(legs);
    } else {
      n.corrections[i] = n.longueurs[i] * erreur / n.sommeLongueurs;
    }
    n.deniveleesCorrigees[i] = lignes[i].denivelee - n.corrections[i];
    if (mode != kNivellementAucun) lignes[i].denivelee = n.deniveleesCorrigees[i];
  }
}

void cumulerAltitudes(double z0, const nivellementPolygonale& n, size_t stations,
                      std::vector<double>& z) {
  z.assign(stations, z0);
  for (size_t k = 1; k < stations; ++k) z[k] = z[k - 1] + n.deniveleesCorrigees[k - 1];
}

double sommeDistances(const std::vector<obsPolygonale>& lignes) {
  double d = 0;
  for (const obsPolygonale& l : lignes) d += l.distance;
  return d;
}

// What both traverses check first: at least two legs, and legs that have a length.
int verifierLignes(const std::vector<obsPolygonale>& lignes, double& distanceTotale) {
  if (lignes.size() < 2) return kDonneesInsuffisantes;
  distanceTotale = sommeDistances(lignes);
  return distanceTotale == 0 ? kDistanceTotaleNulle : kPolygonaleCalculee;
}

}  // namespace

std::vector<obsPolygonale> convertirLignes(const std::vector<ligneObservation>& lignes) {
  std::vector<obsPolygonale> obs(lignes.size());
  for (size_t i = 0; i < lignes.size(); ++i) {
    const CString nom = lignes[i].station.Left(kLongueurMaxNomStation);
    std::wmemcpy(obs[i].station, nom.GetString(), static_cast<size_t>(nom.GetLength()));
    obs[i].station[nom.GetLength()] = 0;
    obs[i].angle = lireNombreDonnees(lignes[i].angle);
    obs[i].distance = lireNombreDonnees(lignes[i].distance);
    obs[i].denivelee = lireNombreDonnees(lignes[i].denivelee);
  }
  return obs;
}

const wchar_t* messageStatut(int statut) {
  switch (statut) {
    case kDonneesInsuffisantes: return L"Erreur , données insuffisantes ";
    case kDistanceTotaleNulle:
      return L"Erreur , la somme des distances est nulle : fermeture non répartie";
    case kValeursHorsLimites: return L"Erreur , valeurs numériques hors limites";
    default: return L"";
  }
}

int calculerPolygonaleFermee(const stationConnue& depart, int nivellement, int unite,
                             std::vector<obsPolygonale>& lignes, resultatPolygonaleFermee& r) {
  r = resultatPolygonaleFermee();
  const int verifie = verifierLignes(lignes, r.distanceTotale);
  if (verifie != kPolygonaleCalculee) return verifie;
  const size_t n = lignes.size();
  const double T = tourComplet(unite);
  const double f = versRadians(unite);

  r.interieurs.resize(n);
  for (size_t i = 0; i < n; ++i) {
    r.interieurs[i] = T - lignes[i].angle;
    r.somme += r.interieurs[i];
  }
  r.erreurAngulaire = r.somme - (static_cast<double>(n) - 2) * T / 2;
  r.correctionAngulaire = r.erreurAngulaire / static_cast<double>(n);
  r.interieursCorriges.resize(n);
  r.anglesCorriges.resize(n);
  for (size_t i = 0; i < n; ++i) {
    r.interieursCorriges[i] = r.interieurs[i] - r.correctionAngulaire;
    r.anglesCorriges[i] = reduireModulo(T - r.interieursCorriges[i], T);
  }
  // The first leg's bearing is given; each next one turns by the corrected angle at its start.
  r.gisements.resize(n);
  r.gisements[0] = depart.gisement;
  for (size_t i = 1; i < n; ++i) {
    r.gisements[i] = reduireModulo(r.anglesCorriges[i] + r.gisements[i - 1] - T / 2, T);
  }
  r.dx.resize(n);
  r.dy.resize(n);
  for (size_t i = 0; i < n; ++i) {
    r.dx[i] = std::sin(f * r.gisements[i]) * lignes[i].distance;
    r.dy[i] = std::cos(f * r.gisements[i]) * lignes[i].distance;
    r.sommeDx += r.dx[i];
    r.sommeDy += r.dy[i];
  }
  r.cx.resize(n);
  r.cy.resize(n);
  r.x.assign(n, depart.x);
  r.y.assign(n, depart.y);
  for (size_t i = 0; i < n; ++i) {
    r.cx[i] = lignes[i].distance / r.distanceTotale * r.sommeDx;
    r.cy[i] = lignes[i].distance / r.distanceTotale * r.sommeDy;
  }
  for (size_t k = 1; k < n; ++k) {
    r.x[k] = r.x[k - 1] + r.dx[k - 1] - r.cx[k - 1];
    r.y[k] = r.y[k - 1] + r.dy[k - 1] - r.cy[k - 1];
  }
  double erreurZ = 0;
  for (const obsPolygonale& l : lignes) erreurZ += l.denivelee;
  niveler(nivellement, erreurZ, r.x, r.y, lignes, r.nivellement);
  cumulerAltitudes(depart.z, r.nivellement, n, r.z);

  r.noms.resize(n);
  r.noms[0] = depart.nom;
  for (size_t k = 1; k < n; ++k) r.noms[k] = lignes[k - 1].station;
  if (!std::isfinite(r.erreurAngulaire) || !std::isfinite(r.sommeDx) ||
      !std::isfinite(r.sommeDy) || !resultatsFinis(r.x, r.y, r.z, r.nivellement)) {
    return kValeursHorsLimites;
  }
  return kPolygonaleCalculee;
}

int calculerPolygonaleOuverte(const stationConnue& depart, const stationConnue& arrivee,
                              double fermeture, int nivellement, int unite,
                              std::vector<obsPolygonale>& lignes, resultatPolygonaleOuverte& r) {
  r = resultatPolygonaleOuverte();
  const int verifie = verifierLignes(lignes, r.distanceTotale);
  if (verifie != kPolygonaleCalculee) return verifie;
  const size_t n = lignes.size();
  const double T = tourComplet(unite);
  const double f = versRadians(unite);

  r.angles.resize(n);
  for (size_t i = 0; i < n; ++i) r.angles[i] = reduireModulo(lignes[i].angle, T);
  const double angleFermeture = reduireModulo(fermeture, T);
  // Bearings carried from the start bearing: each step adds the angle and a half turn, so that
  // after the n+1 angles the computed arrival bearing exceeds the true one by (n+1) turns plus the
  // misclosure.
  r.gisementsBruts.resize(n);
  double precedent = depart.gisement;
  for (size_t i = 0; i < n; ++i) {
    double g = r.angles[i] + precedent + T / 2;
    if (g < 0) g += T;
    r.gisementsBruts[i] = g;
    precedent = g;
  }
  r.gisementArriveeCalcule = angleFermeture + precedent + T / 2;
  const double stations = static_cast<double>(n + 1);
  // The misclosure is taken as the smallest turn between the computed and the known arrival
  // bearings, so that a known bearing given in another turn does not count as an error.
  double erreurTotale = r.gisementArriveeCalcule - stations * T - arrivee.gisement;
  erreurTotale = reduireModulo(erreurTotale + T / 2, T) - T / 2;
  r.erreurParAngle = erreurTotale / stations;

  r.gisementsCompenses.resize(n);
  r.dx.resize(n);
  r.dy.resize(n);
  double sommeDx = 0, sommeDy = 0;
  for (size_t i = 0; i < n; ++i) {
    r.gisementsCompenses[i] =
        reduireModulo(r.gisementsBruts[i], T) - static_cast<double>(i + 1) * r.erreurParAngle;
    r.dx[i] = std::sin(f * r.gisementsCompenses[i]) * lignes[i].distance;
    r.dy[i] = std::cos(f * r.gisementsCompenses[i]) * lignes[i].distance;
    sommeDx += r.dx[i];
    sommeDy += r.dy[i];
  }
  r.erreurX = arrivee.x - depart.x - sommeDx;
  r.erreurY = arrivee.y - depart.y - sommeDy;
  r.dxCorriges.resize(n);
  r.dyCorriges.resize(n);
  r.x.assign(n + 1, depart.x);
  r.y.assign(n + 1, depart.y);
  for (size_t i = 0; i < n; ++i) {
    r.dxCorriges[i] = r.dx[i] + lignes[i].distance * r.erreurX / r.distanceTotale;
    r.dyCorriges[i] = r.dy[i] + lignes[i].distance * r.erreurY / r.distanceTotale;
    r.x[i + 1] = r.x[i] + r.dxCorriges[i];
    r.y[i + 1] = r.y[i] + r.dyCorriges[i];
  }
  double sommeDz = 0;
  for (const obsPolygonale& l : lignes) sommeDz += l.denivelee;
  niveler(nivellement, sommeDz - (arrivee.z - depart.z), r.x, r.y, lignes, r.nivellement);
  cumulerAltitudes(depart.z, r.nivellement, n + 1, r.z);

  r.noms.resize(n + 1);
  r.noms[0] = depart.nom;
  for (size_t k = 1; k <= n; ++k) r.noms[k] = lignes[k - 1].station;
  if (!std::isfinite(r.erreurParAngle) || !resultatsFinis(r.x, r.y, r.z, r.nivellement)) {
    return kValeursHorsLimites;
  }
  return kPolygonaleCalculee;
}

void polygonaleBrute(const stationConnue& depart, int unite, bool ouverte,
                     const std::vector<obsPolygonale>& lignes, std::vector<double>& x,
                     std::vector<double>& y) {
  const double T = tourComplet(unite);
  const double f = versRadians(unite);
  x.assign(1, depart.x);
  y.assign(1, depart.y);
  double g = depart.gisement;
  for (size_t i = 0; i < lignes.size(); ++i) {
    if (ouverte) {
      g = reduireModulo(reduireModulo(lignes[i].angle, T) + g + T / 2, T);
    } else if (i > 0) {
      g = reduireModulo(lignes[i].angle + g - T / 2, T);
    }
    x.push_back(x.back() + std::sin(f * g) * lignes[i].distance);
    y.push_back(y.back() + std::cos(f * g) * lignes[i].distance);
  }
}
