#include <cmath>
#include <cstdio>
#include <cwctype>

#include "computations/lexiqueObservations.h"
#include "computations/moindresCarresDonnees.h"
#include "os/codepage.h"
#include "os/winfile.h"

int reseauMoindresCarres::chercherPoint(const CString& nom) const {
  CString cle = nom;
  cle.MakeUpper();
  const auto trouve = indices_.find(cle.GetString());
  return trouve == indices_.end() ? -1 : trouve->second;
}

int reseauMoindresCarres::ajouterPoint(const pointACalculer& point) {
  CString cle = point.nom;
  cle.MakeUpper();
  const int indice = static_cast<int>(points.size());
  indices_.emplace(cle.GetString(), indice);
  points.push_back(point);
  calcule.push_back(false);
  return indice;
}

namespace {

enum section { kPoints, kObservations };

// Coordinates and measures beyond this are typing errors; they would overflow the computation.
constexpr double kValeurMax = 1e12;

bool lireValeur(const CString& jeton, double& valeur) {
  return lireNombreStrict(jeton, valeur) && std::fabs(valeur) < kValeurMax;
}

// Index of the named point, added as unknown when new; -1 for the north reference.
int pointOuReference(reseauMoindresCarres& r, const CString& nom) {
  if (nom == L"NORD") return -1;
  int i = r.chercherPoint(nom);
  if (i < 0) {
    pointACalculer p;
    p.nom = nom;
    i = r.ajouterPoint(p);
  }
  return i;
}

double poidsLu(const std::vector<CString>& jetons, size_t position) {
  double poids;
  if (position >= jetons.size() || !lireValeur(jetons[position], poids)) return kSansValeur;
  poids = std::fabs(poids);
  return poids == 0 ? kSansValeur : poids;
}

void lirePoint(reseauMoindresCarres& r, const std::vector<CString>& jetons, int numeroLigne) {
  pointACalculer p;
  p.nom = jetons[0];
  if (!lireValeur(jetons[1], p.x) || !lireValeur(jetons[2], p.y)) return;
  if (jetons.size() < 4 || !lireValeur(jetons[3], p.z)) p.z = kSansValeur;
  p.connuPlan = true;
  p.connuAltitude = p.z != kSansValeur;
  const int existant = r.chercherPoint(p.nom);
  if (existant >= 0 && !r.points[existant].connuPlan) {
    r.points[existant] = p;  // named by an observation before its coordinates came
    return;
  }
  if (existant >= 0) {
    CString remarque;
    remarque.Format(L"Ligne %d : le point %s est déjà défini, cette ligne est ignorée", numeroLigne,
                    p.nom.GetString());
    r.remarques.push_back(remarque);
    return;
  }
  r.ajouterPoint(p);
}

void lireObservations(reseauMoindresCarres& r, const std::vector<CString>& jetons,
                      int numeroLigne) {
  if (jetons[0] == L"NORD" || jetons[2] == L"NORD" || jetons[0] == jetons[2] ||
      jetons[0] == jetons[1]) {
    CString remarque;
    remarque.Format(L"Ligne %d : station, référence et point visé incohérents, ligne ignorée",
                    numeroLigne);
    r.remarques.push_back(remarque);
    return;
  }
  const int station = pointOuReference(r, jetons[0]);
  const int reference = pointOuReference(r, jetons[1]);
  const int visee = pointOuReference(r, jetons[2]);
  const double versRadians = r.uniteAngle == kGrades   ? kPi / 200
                             : r.uniteAngle == kDegres ? kPi / 180
                                                       : 1.0;
  for (int mesure = 0; mesure < 3; ++mesure) {
    double valeur;
    const size_t position = 3 + mesure;
    if (position >= jetons.size() || !lireValeur(jetons[position], valeur)) continue;
    observationMC o;
    o.type = static_cast<int8_t>(mesure);
    o.station = station;
    o.visee = visee;
    o.poids = poidsLu(jetons, 6 + mesure);
    if (mesure == kObsAngle) {
      o.valeur = valeur * versRadians;
      o.reference = reference;
      if (reference == visee) continue;
    } else {
      o.valeur = valeur;
      if (mesure == kObsDistance && valeur <= 0) continue;
    }
    r.observations.push_back(o);
  }
}

}  // namespace

bool lireReseauMoindresCarres(const std::string& contenu, reseauMoindresCarres& r) {
  r = reseauMoindresCarres();
  section courante = kPoints;
  size_t debut = 0;
  int numeroLigne = 0;
  while (debut < contenu.size()) {
    size_t fin = contenu.find('\n', debut);
    if (fin == std::string::npos) fin = contenu.size();
    std::string brute = contenu.substr(debut, std::min<size_t>(fin - debut, kLongueurMaxLigneDonnees));
    debut = fin + 1;
    ++numeroLigne;
    while (!brute.empty() && (brute.back() == '\r')) brute.pop_back();
    CString ligne(ansiToWide(brute).c_str());
    ligne.TrimLeft(L" \t");
    ligne.MakeUpper();
    if (ligne.IsEmpty() || ligne[0] == L'*') continue;
    std::vector<CString> jetons = decouperLigneDonnees(ligne);
    if (jetons.empty()) continue;
    for (CString& j : jetons) j.Trim();
    if (jetons[0] == L"XYZ") {
      courante = kPoints;
    } else if (jetons[0] == L"OBS") {
      courante = kObservations;
    } else if (jetons[0] == L"ANGLES" && jetons.size() >= 2) {
      if (jetons[1] == L"DEGRES") r.uniteAngle = kDegres;
      else if (jetons[1] == L"RADIANS") r.uniteAngle = kRadians;
      else if (jetons[1] == L"GRADES") r.uniteAngle = kGrades;
    } else if (courante == kPoints && jetons.size() >= 3) {
      lirePoint(r, jetons, numeroLigne);
    } else if (courante == kObservations && jetons.size() >= 4) {
      lireObservations(r, jetons, numeroLigne);
    }
  }
  if (r.points.empty() || r.observations.empty()) {
    r = reseauMoindresCarres();
    return false;
  }
  return true;
}

bool chargerFichierMoindresCarres(const std::wstring& chemin, reseauMoindresCarres& reseau) {
  reseau = reseauMoindresCarres();
  FILE* fichier = _wfopen(chemin.c_str(), L"rb");
  if (!fichier) return false;
  std::string contenu;
  char tampon[65536];
  size_t lus;
  while ((lus = std::fread(tampon, 1, sizeof tampon, fichier)) > 0) contenu.append(tampon, lus);
  std::fclose(fichier);
  return lireReseauMoindresCarres(contenu, reseau);
}

CString afficherDonnees(const reseauMoindresCarres& r) {
  CString texte = L"XYZ";
  for (size_t i = 0; i < r.points.size(); ++i) {
    const pointACalculer& p = r.points[i];
    if (!p.connuPlan) continue;
    if (p.z != kSansValeur)
      texte.AppendFormat(L"\r\n%d Point %10s  X=%14.4f Y=%14.4f Z=%14.4f", static_cast<int>(i),
                         p.nom.GetString(), p.x, p.y, p.z);
    else
      texte.AppendFormat(L"\r\n%d Point %10s  X=%14.4f Y=%14.4f Z: Inconnu", static_cast<int>(i),
                         p.nom.GetString(), p.x, p.y);
  }
  texte += L"\r\nPoints à calculer:";
  for (size_t i = 0; i < r.points.size(); ++i)
    if (!r.points[i].connuPlan)
      texte.AppendFormat(L"\r\nPoint %d %10s  ", static_cast<int>(i), r.points[i].nom.GetString());
  texte += L"\r\nObservations";
  auto nom = [&](int i) { return i < 0 ? CString(L"NORD") : r.points[i].nom; };
  for (const observationMC& o : r.observations) {
    if (o.type == kObsDistance)
      texte.AppendFormat(L"\r\nDistance %s-%s = %14.4f ", nom(o.station).GetString(),
                         nom(o.visee).GetString(), o.valeur);
    else if (o.type == kObsDenivelee)
      texte.AppendFormat(L"\r\nDénivellée %s vers %s =%14.4f", nom(o.station).GetString(),
                         nom(o.visee).GetString(), o.valeur);
    else
      texte.AppendFormat(L"\r\nAngle %s %s %s = %14.4f (grades)", nom(o.station).GetString(),
                         nom(o.reference).GetString(), nom(o.visee).GetString(),
                         versGrades(o.valeur));
  }
  for (const CString& remarque : r.remarques) texte += L"\r\n" + remarque;
  return texte;
}
