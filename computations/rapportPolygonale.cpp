#include "computations/rapportPolygonale.h"

#include "computations/angles.h"
#include "reports/htmlPage.h"
#include "reports/htmlTable.h"
#include "reports/htmlText.h"

namespace {

const char kNombre[] = "class=celnorm align=right";
const char kNom[] = "class=celnorm align='left'";
const char kNomCentre[] = "class=celnorm align='center'";

CStringA ansi(const CString& texte) { return CStringA(texte.GetString()); }

void paragraphe(htmlPage& page, const CString& texte, const char* attributs) {
  page.addBodyLine(htmlText(ansi(texte), attributs).render());
}

// A standard table whose first row holds the headings.
class tableau {
 public:
  tableau(const std::vector<const wchar_t*>& titres, const char* attributs, int lignes) {
    htmlSetStandardTable(table_);
    // About 48 characters per cell: "<td class=celnorm align=right>1000.0000</td>".
    table_.reserve(lignes + 2, 48 * static_cast<int>(titres.size()) + 16);
    table_.beginRow("");
    for (const wchar_t* titre : titres) table_.addCell(ansi(titre), attributs);
  }
  tableau& ligne() {
    table_.beginRow("");
    return *this;
  }
  tableau& nom(const CString& texte) {
    table_.addCell(ansi(texte), kNom);
    return *this;
  }
  tableau& troncon(const CString& de, const CString& vers) {
    CString texte;
    texte.Format(L"%s-%s", de.GetString(), vers.GetString());
    table_.addCell(ansi(texte), kNomCentre);
    return *this;
  }
  tableau& nombre(double valeur) {
    table_.addCell(valeur, 4, kNombre);
    return *this;
  }
  tableau& texte(const CString& contenu, const char* attributs) {
    table_.addCell(ansi(contenu), attributs);
    return *this;
  }
  tableau& vide() { return texte(CString(), kNombre); }
  void ajouterA(htmlPage& page) { page.addBodyLine(table_.close()); }

 private:
  htmlTable table_;
};

const wchar_t* titreMode(int mode) {
  if (mode == kNivellementRacines) return L"Correction proportionnelle aux racines distances";
  if (mode == kNivellementDistances) return L"Correction proportionnelle aux distances";
  return L"Correction simple, erreur de fermeture répartie uniformèment";
}

// The levelling table of both kinds: leg i runs from noms[i] to noms[i+1 mod stations].
void rapportNivellement(htmlPage& page, int mode, const nivellementPolygonale& n,
                        const std::vector<obsPolygonale>& observees,
                        const std::vector<CString>& noms, const std::vector<double>& x,
                        const std::vector<double>& y, const std::vector<double>& z) {
  if (mode == kNivellementAucun) {
    paragraphe(page, L"Pas de correction de nivellement", "class=titre");
    return;
  }
  paragraphe(page, L"Correction des altitudes", "class=titre");
  paragraphe(page, titreMode(mode), "class=petit");
  const char* const celgris = "class=celgris align=center";
  const size_t legs = n.corrections.size();
  std::vector<const wchar_t*> titres = {L"Réf", L"Station", L"Vise", L"X", L"Y", L"d.Z"};
  if (mode == kNivellementRacines) titres.push_back(L"Racine.dist");
  if (mode == kNivellementDistances) titres.push_back(L"Distance");
  for (const wchar_t* titre : {L"Correction", L"d.Z Corrigé", L"Z"}) titres.push_back(titre);
  tableau t(titres, celgris, static_cast<int>(legs));
  for (size_t i = 0; i < legs; ++i) {
    const size_t j = (i + 1) % noms.size();
    CString ref;
    ref.Format(L"%d", static_cast<int>(i + 1));
    t.ligne().texte(ref, kNomCentre).nom(noms[i]).nom(noms[j]).nombre(x[j]).nombre(y[j]);
    t.nombre(observees[i].denivelee);
    if (mode != kNivellementSimple) t.nombre(n.longueurs[i]);
    t.nombre(n.corrections[i]).nombre(n.deniveleesCorrigees[i]).nombre(z[j]);
  }
  t.ligne().texte("", "colspan=4").texte(L"Total", kNom).nombre(n.erreur);
  if (mode != kNivellementSimple) t.nombre(n.sommeLongueurs);
  t.ajouterA(page);
}

void rapportCoordonnees(htmlPage& page, const wchar_t* titre, const std::vector<CString>& noms,
                        const std::vector<double>& x, const std::vector<double>& y,
                        const std::vector<double>& z) {
  paragraphe(page, titre, "class=titre");
  tableau t({L"Station", L"X", L"Y", L"Z"}, "CLASS=celgris", static_cast<int>(noms.size()));
  for (size_t k = 0; k < noms.size(); ++k) t.ligne().nom(noms[k]).nombre(x[k]).nombre(y[k]).nombre(z[k]);
  t.ajouterA(page);
}

}  // namespace

void rapportPolygonaleFermee(const entreesPolygonale& e, const resultatPolygonaleFermee& r,
                             htmlPage& page) {
  addStandardReportStyles(page);
  const auto& obs = e.observees;
  const size_t n = obs.size();
  // The station of row k (entry k+1; the last row is the start station again).
  auto station = [&](size_t k) -> const CString& { return r.noms[(k + 1) % n]; };
  auto precedente = [&](size_t k, size_t recul) { return station((k + n - recul % n) % n); };

  paragraphe(page, L"Corrections de fermeture polygonale", "CLASS=grand");
  paragraphe(page, L"Données", "CLASS=titre");
  CString depart;
  depart.Format(L"\r\nStation de départ : %s\tX=%.4f\tY=%.4f\tZ=%4f\tVo=%.4f",
                e.depart.nom.GetString(), e.depart.x, e.depart.y, e.depart.z,
                e.depart.gisement);
  paragraphe(page, depart, "class=petit");

  paragraphe(page, L"Observations", "class=titre");
  tableau observations({L"Station", L"Vise", L"Angle", L"Distance", L"Altitude"}, "CLASS=celgris",
                       static_cast<int>(n));
  for (size_t k = 0; k < n; ++k) {
    observations.ligne().nom(precedente(k, 1)).nom(station(k)).nombre(obs[k].angle);
    observations.nombre(obs[k].distance).nombre(obs[k].denivelee);
  }
  observations.ajouterA(page);

  paragraphe(page, L"Fermeture Angulaire", "CLASS=titre");
  CString ligne;
  ligne.Format(L"\r\nErreur angulaire=%.5f", r.erreurAngulaire);
  paragraphe(page, ligne, "CLASS=petit");
  ligne.Format(L"\r\nCorrection angulaire=%.5f", r.correctionAngulaire);
  paragraphe(page, ligne, "CLASS=petit");
  const char* const celgris = "class=celgris align=center";
  tableau angles({L"Réf", L"Station", L"Vise", L"Ang Ext", L"Ang Int", L"Ang Int Corr", L"Ang Ext Corr",
                  L"Gisement Corr"},
                 celgris, static_cast<int>(n));
  for (size_t k = 0; k < n; ++k) {
    angles.ligne().nom(precedente(k, 2)).nom(precedente(k, 1)).nom(station(k));
    angles.nombre(obs[k].angle).nombre(r.interieurs[k]).nombre(r.interieursCorriges[k]);
    angles.nombre(r.anglesCorriges[k]).nombre(r.gisements[k]);
  }
  const std::pair<const wchar_t*, double> bilans[] = {
      {L"Somme", r.somme}, {L"Erreur", r.erreurAngulaire}, {L"Correction", r.correctionAngulaire}};
  for (const auto& [libelle, valeur] : bilans) {
    angles.ligne().texte(libelle, "class=celgris colspan=4 align=right").nombre(valeur);
  }
  angles.ajouterA(page);

  paragraphe(page, L"Correction des distances", "class=titre");
  tableau distances({L"Réf", L"Station", L"Vise", L"Gis. Corrigé", L"Distance", L"Dx", L"Dy",
                     L"Dx corrigé", L"Dy corrigé", L"X", L"Y"},
                    celgris, static_cast<int>(n));
  for (size_t k = 0; k < n; ++k) {
    const size_t vise = (k + 1) % n;
    distances.ligne().nom(precedente(k, 2)).nom(precedente(k, 1)).nom(station(k));
    distances.nombre(r.gisements[k]).nombre(obs[k].distance).nombre(r.dx[k]).nombre(r.dy[k]);
    distances.nombre(r.dx[k] - r.cx[k]).nombre(r.dy[k] - r.cy[k]).nombre(r.x[vise]).nombre(r.y[vise]);
  }
  distances.ligne().texte(L"Somme", "class=celgris colspan=4 align=right").nombre(r.distanceTotale);
  distances.nombre(r.sommeDx).nombre(r.sommeDy);
  distances.ajouterA(page);

  rapportNivellement(page, e.nivellement, r.nivellement, obs, r.noms, r.x, r.y, r.z);
  rapportCoordonnees(page, L"Coordonnées finales", r.noms, r.x, r.y, r.z);
}

void rapportPolygonaleOuverte(const entreesPolygonale& e, const resultatPolygonaleOuverte& r,
                              htmlPage& page) {
  addStandardReportStyles(page);
  const auto& obs = e.observees;
  const size_t n = obs.size();
  const double T = tourComplet(e.unite);

  paragraphe(page, L"Correction de polygonale ouverte", "CLASS=grand");
  paragraphe(page, L"Données", "CLASS=titre");
  tableau donnees({L"Station", L"X", L"Y", L"Z", L"Gis"}, "CLASS=celgris", 3);
  const std::pair<const wchar_t*, const stationConnue*> connues[] = {{L"Départ", &e.depart},
                                                                   {L"Arrivée", &e.arrivee}};
  for (const auto& [libelle, s] : connues) {
    CString nom;
    nom.Format(L"%s : %s", libelle, s->nom.GetString());
    donnees.ligne().nom(nom).nombre(s->x).nombre(s->y).nombre(s->z).nombre(s->gisement);
  }
  CString fermeture;
  fermeture.Format(L"Fermeture : %.4f", e.fermeture);
  donnees.ligne().texte(fermeture, "class=celgris colspan=5 align=right");
  donnees.ajouterA(page);

  paragraphe(page, L"Fermeture angulaire", "class=titre");
  tableau angles({L"Station", L"Angle", L"Gisement", L"Erreur", L"Gis.Compensé"},
                 "class=celgris align=center", static_cast<int>(n + 3));
  angles.ligne().nom(L"Ref").vide().nombre(e.depart.gisement).vide().vide();
  for (size_t i = 0; i < n; ++i) {
    const double erreur = static_cast<double>(i + 1) * r.erreurParAngle;
    angles.ligne().troncon(r.noms[i], r.noms[i + 1]).nombre(r.angles[i]);
    angles.nombre(reduireModulo(r.gisementsBruts[i], T)).nombre(erreur).nombre(r.gisementsCompenses[i]);
  }
  angles.ligne().nom(e.arrivee.nom).nombre(reduireModulo(e.fermeture, T));
  angles.nombre(reduireModulo(r.gisementArriveeCalcule, T));
  angles.nombre(static_cast<double>(n + 1) * r.erreurParAngle).nombre(e.arrivee.gisement);
  angles.ligne().texte(L"Erreur :", "class=celgris colspan=3 align=right").nombre(r.erreurParAngle);
  angles.ajouterA(page);

  paragraphe(page, L"Comprensation des distances", "class=titre");
  CString ecarts;
  ecarts.Format(L"\r\nErreur en X=%.4f\tErreur en Y=%.4f", r.erreurX, r.erreurY);
  paragraphe(page, ecarts, "class=petit");
  tableau distances({L"Station", L"Distance", L"DX", L"DY", L"DX.Corrigé", L"DY.Corrigé"},
                    "class=celgris align=center", static_cast<int>(n + 1));
  double sommes[5] = {};
  for (size_t i = 0; i < n; ++i) {
    const double valeurs[5] = {obs[i].distance, r.dx[i], r.dy[i], r.dxCorriges[i], r.dyCorriges[i]};
    distances.ligne().troncon(r.noms[i], r.noms[i + 1]);
    for (int c = 0; c < 5; ++c) {
      distances.nombre(valeurs[c]);
      sommes[c] += valeurs[c];
    }
  }
  distances.ligne().texte(L"Total", "class=celgris align=right");
  for (double s : sommes) distances.nombre(s);
  distances.ajouterA(page);

  rapportNivellement(page, e.nivellement, r.nivellement, obs, r.noms, r.x, r.y, r.z);
  rapportCoordonnees(page, L"Résultats finaux :", r.noms, r.x, r.y, r.z);
}
