#include "computations/fichierObservations.h"

#include <algorithm>
#include <cstdio>
#include <memory>

#include "computations/angles.h"
#include "computations/lexiqueObservations.h"
#include "os/codepage.h"
#include "os/winfile.h"

const wchar_t* const kFiltreFichiersObservations =
    L"Observations (*.obs)|*.obs|Sans extension (*.)|*.|Tous (*.*)|*.*|Text (*.TXT)|*.TXT||";

namespace {

const wchar_t* motNivellement(int mode) {
  if (mode == kNivellementAucun) return L"aucun";
  if (mode == kNivellementSimple) return L"simple";
  if (mode == kNivellementDistances) return L"distance";
  return L"racine";
}

// Writes wide text as ANSI with every "\n" made CR LF.
class redacteur {
 public:
  void ligne(const CString& texte) {
    texte_ += texte;
    texte_ += L"\n";
  }
  std::string octets() const {
    std::wstring crlf;
    crlf.reserve(static_cast<size_t>(texte_.GetLength()) * 11 / 10);
    for (const wchar_t* c = texte_.GetString(); *c; ++c) {
      if (*c == L'\n') crlf += L'\r';
      crlf += *c;
    }
    return wideToAnsi(crlf);
  }

 private:
  CString texte_;
};

// Quotes hold the names: a quote inside a name would end it early.
CString nomEcrit(const CString& nom, int longueurMax) {
  CString n = longueurMax > 0 ? nom.Left(longueurMax) : nom;
  n.Replace(L'"', L'\'');
  return n;
}

CString ligneStation(const wchar_t* cle, const stationConnue& s) {
  CString texte;
  texte.Format(L"\n%s=\"%s\" X= %.5f Y= %.5f Z= %.5f Gis= %.5f", cle, nomEcrit(s.nom, 0), s.x, s.y,
               s.z, s.gisement);
  return texte;
}

void ecrireUnites(redacteur& r, int unite) {
  r.ligne(L"* Unités angulaires");
  r.ligne(L"* Syntaxe: ");
  r.ligne(L"* Angles : <unité de mesure des angles>");
  r.ligne(L"* Avec <unité de mesure des angles> qui être :");
  r.ligne(L"* Grades Degres ou Radians");
  CString texte;
  texte.Format(L"\n\nAngles: %s", nomUnite(unite));
  r.ligne(texte);
}

void ecrireNivellement(redacteur& r, int mode, bool ligneVideAvant) {
  r.ligne(ligneVideAvant ? L"\n* Mode de calcul du nivellement" : L"* Mode de calcul du nivellement");
  r.ligne(L"* Syntaxe: ");
  r.ligne(L"* Nivellement: <Mode de nivellement>");
  r.ligne(L"* Avec <Mode de nivellement> qui peut être");
  r.ligne(L"* \taucun\tPour aucune compensation sur les alitutudes");
  r.ligne(L"* \tsimple\tPour une compensation simple");
  r.ligne(L"* \tdistance\tPour une compensation proportionnelle aux distances entre stations");
  r.ligne(L"* \tracine\tPour une compensation proportionnelle aux racines des distances");
  CString texte;
  texte.Format(L"\n\nNivellement: %s", motNivellement(mode));
  r.ligne(texte);
}

void ecrireEnteteDonnees(redacteur& r, bool ligneVideAvant) {
  r.ligne(ligneVideAvant ? L"\n* Données de la polygonale" : L"* Données de la polygonale");
  r.ligne(L"* Nom Station\t\tAngle\t\tDistance\t\tDz");
}

void ecrireLignes(redacteur& r, const std::vector<ligneObservation>& lignes) {
  for (const ligneObservation& l : lignes) {
    CString texte;
    texte.Format(L"\n\"%s\"\t", nomEcrit(l.station, kLongueurMaxNomStation));
    texte += L"\t\t";
    texte += l.angle;
    texte += L"\t";
    texte += l.distance;
    texte += L"\t\t";
    texte += l.denivelee;
    r.ligne(texte);
  }
}

// A line of five key and value pairs: the station it names, or none.
void lireLigneStation(const std::vector<CString>& jetons, donneesObservations& donnees) {
  stationConnue lue;
  stationConnue* cible = donnees.ouverte ? nullptr : &donnees.depart;
  for (size_t i = 0; i + 1 < jetons.size(); i += 2) {
    const CString& valeur = jetons[i + 1];
    switch (premiereLettre(jetons[i])) {
      case L'X': lue.x = lireNombreDonnees(valeur); break;
      case L'Y': lue.y = lireNombreDonnees(valeur); break;
      case L'Z': lue.z = lireNombreDonnees(valeur); break;
      case L'G': lue.gisement = lireNombreDonnees(valeur); break;
      case L'N':
        if (!donnees.ouverte) lue.nom = valeur;
        break;
      case L'D':
        if (donnees.ouverte) {
          lue.nom = valeur;
          cible = &donnees.depart;
        }
        break;
      case L'A':
        if (donnees.ouverte) {
          lue.nom = valeur;
          cible = &donnees.arrivee;
        }
        break;
      default: break;
    }
  }
  if (cible) *cible = lue;
}

void lireMotCle(const std::vector<CString>& jetons, donneesObservations& donnees) {
  const wchar_t lettre = premiereLettre(jetons[1]);
  if (motCleCorrespond(jetons[0], L"ANGL", 4)) {
    donnees.unite = lettre == L'D' ? kUniteDegres : lettre == L'R' ? kUniteRadians : kUniteGrades;
  } else if (motCleCorrespond(jetons[0], L"NIVE", 4)) {
    donnees.nivellement = lettre == L'S'   ? kNivellementSimple
                          : lettre == L'D' ? kNivellementDistances
                          : lettre == L'R' ? kNivellementRacines
                                           : kNivellementAucun;
  } else if (donnees.ouverte && motCleCorrespond(jetons[0], L"FERM", 4)) {
    donnees.fermeture = lireNombreDonnees(jetons[1]);
  }
}

void lireLigne(std::string_view ansi, donneesObservations& donnees) {
  if (ansi.size() > static_cast<size_t>(kLongueurMaxLigneDonnees)) {
    ansi = ansi.substr(0, kLongueurMaxLigneDonnees);
  }
  while (!ansi.empty() && (ansi.back() == '\r' || ansi.back() == '\n')) ansi.remove_suffix(1);
  const std::vector<CString> jetons = decouperLigneDonnees(CString(ansiToWide(ansi).c_str()));
  switch (jetons.size()) {
    case 2: lireMotCle(jetons, donnees); break;
    case 4: donnees.lignes.push_back({jetons[0], jetons[1], jetons[2], jetons[3]}); break;
    case 10: lireLigneStation(jetons, donnees); break;
    default: break;
  }
}

}  // namespace

std::string ecrireObservations(const donneesObservations& d) {
  redacteur r;
  r.ligne(d.ouverte ? L"* Fichier de données pour calcul de polygonale Ouverte"
                    : L"* Fichier de données pour calcul de polygonale Fermée");
  r.ligne(L"* Station de depart");
  if (d.ouverte) {
    r.ligne(ligneStation(L"Depart", d.depart));
    r.ligne(ligneStation(L"Arrivee", d.arrivee));
    CString fermeture;
    fermeture.Format(L"\nFermeture: %.4f", d.fermeture);
    r.ligne(fermeture);
  } else {
    r.ligne(ligneStation(L"Nom", d.depart));
  }
  ecrireUnites(r, d.unite);
  ecrireNivellement(r, d.nivellement, false);
  if (d.ouverte) {
    // The open layout repeats the levelling block between two data headers.
    ecrireEnteteDonnees(r, true);
    ecrireNivellement(r, d.nivellement, true);
    ecrireEnteteDonnees(r, true);
  } else {
    ecrireEnteteDonnees(r, false);
  }
  ecrireLignes(r, d.lignes);
  return r.octets();
}

void lireObservations(std::string_view contenu, donneesObservations& donnees) {
  donnees.lignes.clear();
  if (!donnees.ouverte) donnees.depart = stationConnue();
  while (!contenu.empty()) {
    const size_t fin = contenu.find('\n');
    const std::string_view ligne = contenu.substr(0, fin);
    lireLigne(ligne, donnees);
    if (fin == std::string_view::npos) break;
    contenu.remove_prefix(fin + 1);
  }
}

namespace {
struct fermeFichier {
  void operator()(FILE* f) const { std::fclose(f); }
};
using fichierOuvert = std::unique_ptr<FILE, fermeFichier>;

// The folder a path names its file in ("." for a bare name), where the new file is written first.
CString dossierDe(const CString& chemin) {
  const int barre = std::max(chemin.ReverseFind(L'\\'), chemin.ReverseFind(L'/'));
  if (barre < 0) return CString(L".");
  return chemin.Left(barre == 0 ? 1 : barre);
}
}  // namespace

int ecrireFichierObservations(const CString& chemin, const donneesObservations& donnees) {
  // A read-only file is not replaced, as it would not open for writing.
  const DWORD attributs = GetFileAttributesW(chemin.GetString());
  if (attributs != INVALID_FILE_ATTRIBUTES && (attributs & FILE_ATTRIBUTE_READONLY)) {
    return kFichierNonCree;
  }
  // The new file is complete beside the old one before it takes its place, so a full disk or a
  // failed write leaves the previous file as it was.
  wchar_t temporaire[MAX_PATH];
  if (GetTempFileNameW(dossierDe(chemin).GetString(), L"obs", 0, temporaire) == 0) {
    return kFichierNonCree;
  }
  const std::string octets = ecrireObservations(donnees);
  bool ecrit = false;
  if (FILE* fichier = _wfopen(temporaire, L"wb")) {
    ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
    ecrit = std::fclose(fichier) == 0 && ecrit;
  }
  if (!ecrit ||
      !MoveFileExW(temporaire, chemin.GetString(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
    DeleteFileW(temporaire);
    return kErreurEcriture;
  }
  return kObservationsEcrites;
}

int lireFichierObservations(const CString& chemin, donneesObservations& donnees) {
  fichierOuvert fichier(_wfopen(chemin.GetString(), L"rb"));
  if (!fichier) return kFichierNonOuvert;
  std::string contenu;
  char tampon[65536];
  size_t lus;
  while ((lus = std::fread(tampon, 1, sizeof tampon, fichier.get())) > 0) contenu.append(tampon, lus);
  lireObservations(contenu, donnees);
  return std::ferror(fichier.get()) ? kErreurLecture : kObservationsLues;
}

CString nomFichierObservations(const CString& chemin, int filtre) {
  CString nom = chemin;
  nom.MakeLower();
  const wchar_t* extension = filtre == 1 ? L".obs" : filtre == 4 ? L".txt" : nullptr;
  if (extension && nom.Right(4) != extension) nom += extension;
  return nom;
}
