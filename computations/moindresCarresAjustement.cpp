// Adjustment of the plan coordinates: the unknowns are the corrections to X and Y of the points
// not known in plan; each distance, angle and bearing gives one linearised equation.
#include <cmath>

#include "computations/moindresCarresCalcul.h"
#include "computations/moindresCarresGeometrie.h"
#include "computations/moindresCarresSysteme.h"
#include "computations/poidsObservations.h"

namespace {

// Residuals are shown in millimetres and milligrades.
constexpr double kVersMillimetres = 1000.0;
constexpr double kVersMilligrades = 63661.97723675814;  // 200000 / pi

bool estPlanimetrique(const observationMC& o) { return o.type == kObsAngle || o.type == kObsDistance; }

// The points an observation needs that have no approximate coordinates: each is named once in
// the log, and the observations that involve one are left out of the adjustment, so that the
// rest of the network is still adjusted.
std::vector<bool> pointsNonSitues(const reseauMoindresCarres& r, CString& journal) {
  std::vector<bool> nonSitue(r.points.size(), false);
  for (const observationMC& o : r.observations) {
    if (!estPlanimetrique(o)) continue;
    for (int p : {o.station, o.visee, o.reference})
      if (p >= 0 && !r.estConnuEnPlan(p) && !nonSitue[p]) {
        CString ligne;
        ligne.Format(L"Point %s non calculé : observations insuffisantes pour le situer",
                     r.points[p].nom.GetString());
        ajouterLigne(journal, ligne);
        nonSitue[p] = true;
      }
  }
  return nonSitue;
}

bool retenue(const observationMC& o, const std::vector<bool>& nonSitue) {
  if (!estPlanimetrique(o)) return false;
  for (int p : {o.station, o.visee, o.reference})
    if (p >= 0 && nonSitue[p]) return false;
  return true;
}

}  // namespace

bool ajusterPlanimetrie(reseauMoindresCarres& r, const formulesPoids& formules, CString& journal,
                        methodeResolution methode) {
  const std::vector<bool> nonSitue = pointsNonSitues(r, journal);
  std::vector<int> colonne(r.points.size(), -1);
  int inconnues = 0;
  int ecartees = 0;
  for (const observationMC& o : r.observations) {
    if (!retenue(o, nonSitue)) {
      ecartees += estPlanimetrique(o);
      continue;
    }
    for (int p : {o.station, o.visee, o.reference})
      if (p >= 0 && !r.points[p].connuPlan && colonne[p] < 0) {
        colonne[p] = inconnues;
        inconnues += 2;
      }
  }
  if (inconnues == 0) {
    ajouterLigne(journal, ecartees ? L"Compensation impossible : aucun point à calculer n'est situé"
                                   : L"Aucun point à calculer");
    return false;
  }
  if (ecartees) {
    CString ligne;
    ligne.Format(L"Observations écartées (elles visent des points non calculés) : %d", ecartees);
    ajouterLigne(journal, ligne);
  }
  poidsReseau poids(formules, journal);
  std::vector<ligneSysteme> lignes;
  std::vector<int> numeros;  // observation of each row
  for (size_t i = 0; i < r.observations.size(); ++i) {
    const observationMC& o = r.observations[i];
    if (!retenue(o, nonSitue)) continue;
    ObservationReduite derivees;
    if (!deriver(r, o, derivees)) {
      CString ligne;
      ligne.Format(L"Observation %d (station %s) : deux de ses points sont confondus",
                   static_cast<int>(i), r.points[o.station].nom.GetString());
      ajouterLigne(journal, ligne);
      return false;
    }
    ligneSysteme l;
    for (int k = 0; k < 3; ++k) {
      const int p = derivees.point[k];
      if (p < 0 || colonne[p] < 0) continue;
      l.ajouter(colonne[p], derivees.dX[k]);
      l.ajouter(colonne[p] + 1, derivees.dY[k]);
    }
    const double calcule = valeurCalculee(r, o);
    l.l = o.type == kObsAngle ? reduireDemiTour(o.valeur - calcule) : o.valeur - calcule;
    l.poids = poids.poids(r, o);
    lignes.push_back(l);
    numeros.push_back(static_cast<int>(i));
  }
  std::vector<double> x;
  if (!resoudreMoindresCarres(lignes, inconnues, methode, x, journal)) return false;
  for (size_t p = 0; p < r.points.size(); ++p) {
    if (colonne[p] < 0) continue;
    r.points[p].x += x[colonne[p]];
    r.points[p].y += x[colonne[p] + 1];
    r.calcule[p] = true;
  }
  double chi2 = 0;
  for (size_t k = 0; k < lignes.size(); ++k) {
    const ligneSysteme& l = lignes[k];
    const double v = l.residu(x);
    chi2 += l.poids * v * v;
    CString ligne;
    if (r.observations[numeros[k]].type == kObsDistance)
      ligne.Format(L"Résidu pour l'observation %d  =%14.10f mm (- L : %14.10f mm)", numeros[k],
                   v * kVersMillimetres, l.l * kVersMillimetres);
    else
      ligne.Format(L"Résidu pour l'observation %d  =%14.10f mgr (- L : %14.10f mgr)", numeros[k],
                   v * kVersMilligrades, l.l * kVersMilligrades);
    ajouterLigne(journal, ligne);
  }
  ajouterLigne(journal, L"XYZ:");
  for (size_t p = 0; p < r.points.size(); ++p) {
    if (!r.estConnuEnPlan(static_cast<int>(p))) continue;
    CString ligne;
    ligne.Format(L"\t[%s]\t(%14.4f\t%14.4f)", r.points[p].nom.GetString(), r.points[p].x, r.points[p].y);
    ajouterLigne(journal, ligne);
  }
  CString ligne;
  ligne.Format(L"Valeur du chi 2=%14.10f", chi2);
  ajouterLigne(journal, ligne);
  return true;
}

bool resoudreReseau(reseauMoindresCarres& r, const formulesPoids& formules, CString& journal,
                    methodeResolution methode) {
  // From the start: the unknown points lose what an earlier run gave them.
  for (size_t p = 0; p < r.points.size(); ++p) {
    pointACalculer& pt = r.points[p];
    if (pt.connuPlan) continue;
    pt.x = pt.y = kSansValeur;
    if (!pt.connuAltitude) pt.z = kSansValeur;
    r.calcule[p] = false;
  }
  supprimerObservationsEquivalentes(r, journal);
  calculerCoordonneesApprochees(r, journal);
  return ajusterPlanimetrie(r, formules, journal, methode);
}
