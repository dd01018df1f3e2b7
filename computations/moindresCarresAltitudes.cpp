// Altitudes: approximate values carried along the height differences from the points known in
// altitude, then a one-dimensional adjustment of the height differences.
#include <cmath>

#include "computations/moindresCarresCalcul.h"
#include "computations/moindresCarresSysteme.h"

namespace {

bool altitudeConnue(const pointACalculer& p) { return p.connuAltitude && p.z != kSansValeur; }

// The X and Y of a point in a log line, or "Inconnu" in their place for a point that has only an
// altitude (reached by height differences alone): in the "XYZ:" list as tab-separated columns.
CString planimetrie(const pointACalculer& p, bool colonnes) {
  const wchar_t* format = colonnes ? L"%14.4f\t%14.4f\t" : L"X=%14.4f Y=%14.4f ";
  const wchar_t* inconnu = colonnes ? L"%14s\t%14s\t" : L"X=%14s Y=%14s ";
  CString texte;
  if (p.x != kSansValeur && p.y != kSansValeur)
    texte.Format(format, p.x, p.y);
  else
    texte.Format(inconnu, L"Inconnu", L"Inconnu");
  return texte;
}

// Returns how many points got an approximate altitude.
int altitudesApprochees(reseauMoindresCarres& r, CString& journal, std::vector<bool>& connue) {
  std::vector<std::vector<int>> denivelees(r.points.size());
  for (size_t i = 0; i < r.observations.size(); ++i) {
    const observationMC& o = r.observations[i];
    if (o.type != kObsDenivelee) continue;
    denivelees[o.station].push_back(static_cast<int>(i));
    denivelees[o.visee].push_back(static_cast<int>(i));
  }
  connue.assign(r.points.size(), false);
  for (size_t p = 0; p < r.points.size(); ++p) {
    connue[p] = altitudeConnue(r.points[p]);
    if (!connue[p]) r.points[p].z = kSansValeur;
  }
  int calcules = 0;
  for (bool nouveau = true; nouveau;) {
    nouveau = false;
    for (size_t p = 0; p < r.points.size(); ++p) {
      if (connue[p]) continue;
      double total = 0;
      int nombre = 0;
      for (int i : denivelees[p]) {
        const observationMC& o = r.observations[i];
        const int autre = o.station == static_cast<int>(p) ? o.visee : o.station;
        if (!connue[autre]) continue;
        total += o.visee == static_cast<int>(p) ? r.points[autre].z + o.valeur
                                                : r.points[autre].z - o.valeur;
        ++nombre;
      }
      if (nombre == 0) continue;
      CString ligne;
      ligne.Format(L"Calcul du point %s  à l'aide de %d equations ", r.points[p].nom.GetString(), nombre);
      ajouterLigne(journal, ligne);
      pointACalculer& pt = r.points[p];
      pt.z = total / nombre;
      connue[p] = true;
      ++calcules;
      nouveau = true;
      ligne.Format(L"Solution trouvée: %sZ=%14.4f", planimetrie(pt, false).GetString(), pt.z);
      ajouterLigne(journal, ligne);
    }
  }
  return calcules;
}

}  // namespace

bool calculerAltitudes(reseauMoindresCarres& r, CString& journal, methodeResolution methode) {
  std::vector<bool> connue;
  if (altitudesApprochees(r, journal, connue) == 0) {
    ajouterLigne(journal, L"Aucune altitude à calculer : il faut des dénivelées vers des points d'altitude connue");
    return false;
  }
  std::vector<int> colonne(r.points.size(), -1);
  int inconnues = 0;
  for (size_t p = 0; p < r.points.size(); ++p)
    if (connue[p] && !altitudeConnue(r.points[p])) colonne[p] = inconnues++;
  std::vector<ligneSysteme> lignes;
  std::vector<int> numeros;
  for (size_t i = 0; i < r.observations.size(); ++i) {
    const observationMC& o = r.observations[i];
    if (o.type != kObsDenivelee || !connue[o.station] || !connue[o.visee]) continue;
    ligneSysteme l;
    if (colonne[o.visee] >= 0) l.ajouter(colonne[o.visee], 1);
    if (colonne[o.station] >= 0) l.ajouter(colonne[o.station], -1);
    l.l = o.valeur - (r.points[o.visee].z - r.points[o.station].z);
    l.poids = o.poids == kSansValeur ? 1 : o.poids;
    lignes.push_back(l);
    numeros.push_back(static_cast<int>(i));
  }
  std::vector<double> x;
  if (!resoudreMoindresCarres(lignes, inconnues, methode, x, journal)) return false;
  for (size_t p = 0; p < r.points.size(); ++p)
    if (colonne[p] >= 0) r.points[p].z += x[colonne[p]];
  double chi2 = 0;
  for (size_t k = 0; k < lignes.size(); ++k) {
    const double v = lignes[k].residu(x);
    chi2 += lignes[k].poids * v * v;
    CString ligne;
    ligne.Format(L"Résidu pour l'observation %d (mm) =%14.10f ", numeros[k], v * 1000);
    ajouterLigne(journal, ligne);
  }
  ajouterLigne(journal, L"XYZ:");
  for (const pointACalculer& p : r.points) {
    if (p.z == kSansValeur) continue;
    CString ligne;
    ligne.Format(L"\t[%s]\t(%s%14.4f\t)", p.nom.GetString(),
                 planimetrie(p, true).GetString(), p.z);
    ajouterLigne(journal, ligne);
  }
  CString ligne;
  ligne.Format(L"Valeur du chi 2=%14.10f", chi2);
  ajouterLigne(journal, ligne);
  return true;
}
