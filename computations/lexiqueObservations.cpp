#include "computations/lexiqueObservations.h"

#include <charconv>
#include <cmath>
#include <cwctype>
#include <string>

namespace {

bool estSeparateur(wchar_t c) {
  for (const wchar_t* s = kSeparateursDonnees; *s; ++s) {
    if (*s == c) return true;
  }
  return false;
}

bool estBlanc(wchar_t c) { return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n'; }

// Reads the number at the start of texte[debut..]; returns where it stops (debut when none).
size_t lireNombreDepuis(const std::wstring& texte, size_t debut, double& valeur, bool& fini) {
  fini = false;
  size_t i = debut;
  while (i < texte.size() && estBlanc(texte[i])) ++i;
  // from_chars takes neither a "+" nor anything but ASCII: copy the candidate characters.
  std::string chiffres;
  size_t j = i;
  if (j < texte.size() && (texte[j] == L'+' || texte[j] == L'-')) {
    if (texte[j] == L'-') chiffres += '-';
    ++j;
  }
  const size_t debutChiffres = j;
  while (j < texte.size() && texte[j] < 128 &&
         (std::iswdigit(texte[j]) || texte[j] == L'.' || texte[j] == L'e' || texte[j] == L'E' ||
          ((texte[j] == L'+' || texte[j] == L'-') && j > debutChiffres &&
           (texte[j - 1] == L'e' || texte[j - 1] == L'E')))) {
    chiffres += static_cast<char>(texte[j]);
    ++j;
  }
  double lu = 0;
  const auto [fin, erreur] =
      std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), lu,
                      std::chars_format::general);
  const size_t pris = static_cast<size_t>(fin - chiffres.data());
  if (pris == 0 || (pris == 1 && chiffres[0] == '-')) {
    valeur = 0;
    return debut;
  }
  fini = erreur == std::errc() && std::isfinite(lu);
  valeur = fini ? lu : 0;
  // Characters taken: the blanks, a "+" that was not copied, then what from_chars used.
  const size_t signeSaute = (i < texte.size() && texte[i] == L'+') ? 1 : 0;
  return i + signeSaute + pris;
}

}  // namespace

bool estLigneCommentaire(const CString& ligne) {
  return !ligne.IsEmpty() && ligne.GetAt(0) == L'*';
}

std::vector<CString> decouperLigneDonnees(const CString& ligne) {
  std::vector<CString> jetons;
  if (estLigneCommentaire(ligne)) return jetons;
  const wchar_t* c = ligne.GetString();
  const wchar_t* fin = c + ligne.GetLength();
  while (c < fin) {
    while (c < fin && estSeparateur(*c)) ++c;
    if (c == fin) break;
    const wchar_t* debut;
    if (*c == L'"') {
      debut = ++c;
      while (c < fin && *c != L'"') ++c;
      if (c == fin) break;  // no closing quote: the line's tokens end here
      if (c > debut) jetons.emplace_back(debut, static_cast<int>(c - debut));
      ++c;
      continue;
    }
    debut = c;
    while (c < fin && !estSeparateur(*c) && *c != L'"') ++c;
    jetons.emplace_back(debut, static_cast<int>(c - debut));
  }
  return jetons;
}

bool motCleCorrespond(const CString& jeton, const wchar_t* motCle, int lettres) {
  if (jeton.GetLength() < lettres) return false;
  for (int i = 0; i < lettres; ++i) {
    if (motCle[i] == 0) return false;
    if (static_cast<wchar_t>(std::towupper(jeton.GetAt(i))) != motCle[i]) return false;
  }
  return true;
}

wchar_t premiereLettre(const CString& jeton) {
  if (jeton.IsEmpty()) return 0;
  return static_cast<wchar_t>(std::towupper(jeton.GetAt(0)));
}

double lireNombreDonnees(const CString& jeton) {
  double valeur = 0;
  bool fini = false;
  lireNombreDepuis(std::wstring(jeton.GetString()), 0, valeur, fini);
  return valeur;
}

bool lireNombreStrict(const CString& jeton, double& valeur) {
  const std::wstring texte(jeton.GetString());
  bool fini = false;
  const size_t fin = lireNombreDepuis(texte, 0, valeur, fini);
  if (fin == 0 || !fini) return false;
  size_t i = fin;
  while (i < texte.size() && estBlanc(texte[i])) ++i;
  return i == texte.size();
}
