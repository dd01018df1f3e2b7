#include "exchange/fichierNXYZ.h"

#include <cstdio>
#include <cstdlib>
#include <vector>

#include "exchange/compteurEnregistrements.h"
#include "exchange/nombreValide.h"
#include "os/codepage.h"

namespace {

bool estBlanc(char c) { return c == ' ' || c == '\t'; }

void decouper(std::string_view ligne, std::vector<std::string_view>& jetons) {
  jetons.clear();
  size_t i = 0;
  while (i < ligne.size()) {
    while (i < ligne.size() && estBlanc(ligne[i])) ++i;
    const size_t debut = i;
    while (i < ligne.size() && !estBlanc(ligne[i])) ++i;
    if (i > debut) jetons.push_back(ligne.substr(debut, i - debut));
  }
}

CString texteLarge(std::string_view ansi) { return CString(ansiToWide(ansi).c_str()); }

// Codes are 1 to 9999; zero, text and anything out of range fall back to 1.
int lireCode(std::string_view jeton) {
  const std::string texte(jeton);
  const long code = std::strtol(texte.c_str(), nullptr, 10);
  return code >= 1 && code <= 9999 ? static_cast<int>(code) : 1;
}

// Whether the line gave a record.
bool lireLigne(std::string_view ligne, std::vector<std::string_view>& jetons, pointXYZ& record) {
  decouper(ligne, jetons);
  if (jetons.size() < 3 || !estNombreValide(jetons[1]) || !estNombreValide(jetons[2])) return false;
  record = pointXYZ();
  record.nom = texteLarge(jetons[0]);
  record.x = lireNombreEnTete(jetons[1], kSansValeur);
  record.y = lireNombreEnTete(jetons[2], kSansValeur);
  // A coordinate beyond the doubles cannot be drawn: the line is dropped like a malformed one.
  if (record.x == kSansValeur || record.y == kSansValeur) return false;
  if (jetons.size() > 3) record.z = lireNombreEnTete(jetons[3], kSansValeur);
  if (jetons.size() > 4) record.code = lireCode(jetons[4]);
  std::string obs;
  for (size_t i = 5; i < jetons.size(); ++i) {
    if (!obs.empty()) obs += ' ';
    obs.append(jetons[i]);
  }
  record.obs = texteLarge(obs);
  return true;
}

}  // namespace

void lireTexteNXYZ(std::string_view texte, CArray<pointXYZ, const pointXYZ&>& records) {
  std::vector<std::string_view> jetons;
  pointXYZ record;
  size_t debut = 0;
  while (debut < texte.size()) {
    size_t fin = texte.find('\n', debut);
    if (fin == std::string_view::npos) fin = texte.size();
    std::string_view ligne = texte.substr(debut, fin - debut);
    debut = fin + 1;
    if (!ligne.empty() && ligne.back() == '\r') ligne.remove_suffix(1);
    if (ligne.size() > kLongueurLigneNXYZ) return;
    // A line is C text: what follows a NUL byte is not part of it.
    ligne = ligne.substr(0, ligne.find('\0'));
    if (!lireLigne(ligne, jetons, record)) continue;
    record.id = nouvelIdEnregistrement();
    records.Add(record);
  }
}

void ecrireRecordNXYZ(const pointXYZ& record, std::string& sortie) {
  const std::string nom = wideToAnsi(record.nom.GetString());
  char nombres[4 * 330];  // the widest double in %f is 309 digits and its decimals
  std::snprintf(nombres, sizeof nombres, "\t%14.6f\t%14.6f\t%14.6f\t%6d", record.x, record.y,
                record.z, record.code);
  sortie += "\r\n";
  if (nom.size() < 10) sortie.append(10 - nom.size(), ' ');
  sortie += nom;
  sortie += nombres;
  if (!record.obs.IsEmpty()) {
    sortie += '\t';
    sortie += wideToAnsi(record.obs.GetString());
  }
}
