// Approximate coordinates: each unknown point is placed from the loci of its observations towards
// known points (circles of distances, lines of bearings, arcs of angles), pass after pass, every
// point computed becoming known for the next ones.
#include <cmath>
#include <optional>

#include "computations/moindresCarresCalcul.h"
#include "computations/moindresCarresLieux.h"

namespace {

// Difference below which a candidate agrees with a direction (radians).
constexpr double kAccord = 1e-6;

struct equation {
  int observation;
  lieuPoint lieu;
};

class approche {
 public:
  approche(reseauMoindresCarres& r, CString& journal) : r_(r), journal_(journal) {
    voisins_.resize(r.points.size());
    for (size_t i = 0; i < r.observations.size(); ++i) {
      const observationMC& o = r.observations[i];
      if (o.type == kObsDenivelee) continue;
      for (int p : {o.station, o.visee, o.reference})
        if (p >= 0) voisins_[p].push_back(static_cast<int>(i));
    }
    denivelees_.resize(r.points.size());
    for (size_t i = 0; i < r.observations.size(); ++i) {
      const observationMC& o = r.observations[i];
      if (o.type != kObsDenivelee) continue;
      denivelees_[o.station].push_back(static_cast<int>(i));
      denivelees_[o.visee].push_back(static_cast<int>(i));
    }
  }

  void executer() {
    std::vector<int> equationsEssayees(r_.points.size(), 0);
    for (bool nouveau = true; nouveau;) {
      nouveau = false;
      for (size_t p = 0; p < r_.points.size(); ++p) {
        const int i = static_cast<int>(p);
        if (r_.estConnuEnPlan(i)) continue;
        std::vector<equation> eqs = equations(i);
        // A point is tried again only when a pass gave it more equations.
        if (eqs.empty() || static_cast<int>(eqs.size()) == equationsEssayees[p]) continue;
        equationsEssayees[p] = static_cast<int>(eqs.size());
        CString ligne;
        ligne.Format(L"Calcul du point %s  à l'aide de %d equations ", r_.points[p].nom.GetString(),
                     static_cast<int>(eqs.size()));
        ajouterLigne(journal_, ligne);
        const std::optional<pointPlan> position = combiner(i, eqs);
        if (!position || !std::isfinite(position->x) || !std::isfinite(position->y)) continue;
        pointACalculer& pt = r_.points[p];
        pt.x = position->x;
        pt.y = position->y;
        if (!pt.connuAltitude) pt.z = altitude(i);
        r_.calcule[p] = true;
        nouveau = true;
        if (pt.z == kSansValeur)
          ligne.Format(L"Solution trouvée: X=%14.4f Y=%14.4f ", pt.x, pt.y);
        else
          ligne.Format(L"Solution trouvée: X=%14.4f Y=%14.4f Z=%14.4f", pt.x, pt.y, pt.z);
        ajouterLigne(journal_, ligne);
      }
    }
    signalerAltitudesSeules();
  }

 private:
  // A point reached only by height differences has nothing to fix it in plan: it is not given
  // made-up coordinates, only its altitude is computed ("Altitudes"), and it is not placed.
  void signalerAltitudesSeules() {
    for (size_t p = 0; p < r_.points.size(); ++p) {
      if (r_.points[p].connuPlan || !voisins_[p].empty() || denivelees_[p].empty()) continue;
      CString ligne;
      ligne.Format(L"Point %s : dénivelées seules, pas de position en plan ; "
                   L"\"Altitudes\" calcule son altitude, il n'est pas placé",
                   r_.points[p].nom.GetString());
      ajouterLigne(journal_, ligne);
    }
  }

  bool connu(int i) const { return i < 0 || r_.estConnuEnPlan(i); }
  pointPlan at(int i) const { return positionPoint(r_, i); }
  // Two known points at the same place give no direction: their angle makes no locus.
  bool confondus(int a, int b) const { return a >= 0 && b >= 0 && distancePlan(at(a), at(b)) < 1e-9; }

  std::vector<equation> equations(int p) const {
    std::vector<equation> eqs;
    for (int i : voisins_[p]) {
      const observationMC& o = r_.observations[i];
      std::optional<lieuPoint> lieu;
      if (o.type == kObsDistance) {
        const int autre = o.station == p ? o.visee : o.station;
        if (connu(autre)) lieu = cercle(at(autre), o.valeur);
      } else if (o.station == p) {
        if (o.reference < 0 && connu(o.visee))
          lieu = droiteGisement(at(o.visee), o.valeur + kPi);
        else if (o.reference >= 0 && o.reference != p && connu(o.visee) && connu(o.reference) &&
                 !confondus(o.reference, o.visee))
          lieu = arcCapable(at(o.reference), at(o.visee), o.valeur);
      } else if (o.visee == p) {
        if (connu(o.station) && o.reference != p && connu(o.reference) && !confondus(o.station, o.reference))
          lieu = droiteGisement(at(o.station), o.reference < 0
                                                   ? o.valeur
                                                   : gisement(at(o.station), at(o.reference)) + o.valeur);
      } else if (o.reference == p && connu(o.station) && connu(o.visee) && !confondus(o.station, o.visee)) {
        lieu = droiteGisement(at(o.station), gisement(at(o.station), at(o.visee)) - o.valeur);
      }
      if (lieu) eqs.push_back({i, *lieu});
    }
    return eqs;
  }

  // How far the observation is from its measure with the point at `candidat` (radians).
  double ecart(int p, int obs, pointPlan candidat) const {
    const observationMC& o = r_.observations[obs];
    double d = std::fabs(reduireTour(valeurCalculee(r_, o, p, candidat) - o.valeur));
    if (d > kPi) d = 2 * kPi - d;
    return d;
  }

  // Which of two candidates a pair of equations points at without a mean to compare with: the
  // directions measured from a known station tell the side.
  std::optional<pointPlan> departager(int p, const equation& e1, const equation& e2,
                                      const std::vector<pointPlan>& c) const {
    for (const equation* e : {&e1, &e2}) {
      const observationMC& o = r_.observations[e->observation];
      if (o.type != kObsAngle || o.station == p) continue;
      const bool premier = ecart(p, e->observation, c[0]) < kAccord;
      const bool second = ecart(p, e->observation, c[1]) < kAccord;
      if (premier && !second) return c[0];
      if (second && !premier) return c[1];
    }
    return std::nullopt;
  }

  struct somme {
    double x = 0, y = 0;
    int nombre = 0;
    void ajouter(pointPlan q) {
      x += q.x;
      y += q.y;
      ++nombre;
    }
    pointPlan moyenne() const { return {x / nombre, y / nombre}; }
  };

  static pointPlan plusProche(pointPlan de, pointPlan a, pointPlan b) {
    return distancePlan(de, a) < distancePlan(de, b) ? a : b;  // at equal distances the second
  }

  void accumuler(int p, const std::vector<equation>& eqs, somme& s, bool departage) const {
    for (size_t i = 0; i < eqs.size(); ++i)
      for (size_t j = i + 1; j < eqs.size(); ++j) {
        const std::vector<pointPlan> c = intersecter(eqs[i].lieu, eqs[j].lieu);
        if (c.size() == 1) {
          s.ajouter(c[0]);
        } else if (c.size() == 2 && s.nombre > 0) {
          s.ajouter(plusProche(s.moyenne(), c[0], c[1]));
        } else if (c.size() == 2 && departage) {
          if (const auto choisi = departager(p, eqs[i], eqs[j], c)) s.ajouter(*choisi);
        }
      }
  }

  std::optional<pointPlan> combiner(int p, const std::vector<equation>& eqs) const {
    somme s;
    accumuler(p, eqs, s, true);
    if (s.nombre > 0) return s.moyenne();
    // Nothing decided: the two first ambiguous pairs agree on one of their candidates, which
    // then stands for the mean.
    std::vector<std::vector<pointPlan>> doubles;
    for (size_t i = 0; i < eqs.size() && doubles.size() < 2; ++i)
      for (size_t j = i + 1; j < eqs.size() && doubles.size() < 2; ++j) {
        std::vector<pointPlan> c = intersecter(eqs[i].lieu, eqs[j].lieu);
        if (c.size() == 2) doubles.push_back(std::move(c));
      }
    if (doubles.size() < 2) return std::nullopt;
    const pointPlan a1 = doubles[0][0], a2 = doubles[0][1], b1 = doubles[1][0], b2 = doubles[1][1];
    const double ecartA2 = std::min(distancePlan(a2, b1), distancePlan(a2, b2));
    const double ecartA1 = std::min(distancePlan(a1, b1), distancePlan(a1, b2));
    const pointPlan reference = ecartA2 > ecartA1 ? plusProche(a1, b1, b2) : plusProche(a2, b1, b2);
    somme t;
    t.ajouter(reference);
    accumuler(p, eqs, t, false);
    if (t.nombre > 1) {
      t.x -= reference.x;
      t.y -= reference.y;
      --t.nombre;
    }
    return t.moyenne();
  }

  double altitude(int p) const {
    double total = 0;
    int nombre = 0;
    for (int i : denivelees_[p]) {
      const observationMC& o = r_.observations[i];
      const int autre = o.station == p ? o.visee : o.station;
      const double z = r_.points[autre].z;
      if (z == kSansValeur || !(r_.points[autre].connuAltitude || r_.calcule[autre])) continue;
      total += o.station == p ? z - o.valeur : z + o.valeur;
      ++nombre;
    }
    return nombre ? total / nombre : kSansValeur;
  }

  reseauMoindresCarres& r_;
  CString& journal_;
  std::vector<std::vector<int>> voisins_;
  std::vector<std::vector<int>> denivelees_;
};

}  // namespace

void calculerCoordonneesApprochees(reseauMoindresCarres& reseau, CString& journal) {
  approche(reseau, journal).executer();
}
