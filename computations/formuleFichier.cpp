#include "computations/formuleFichier.h"

#include <cmath>
#include <cstdint>
#include <cstring>
#include <optional>

#include "os/codepage.h"
#include "os/winfile.h"

namespace {

void ecrireEntier(std::string& o, int32_t v) {
  o += 'i';
  char octets[4];
  for (int i = 0; i < 4; ++i) octets[i] = static_cast<char>((static_cast<uint32_t>(v) >> (8 * i)) & 0xff);
  o.append(octets, 4);
}

void ecrireReel(std::string& o, double v) {
  o += 'd';
  uint64_t bits;
  std::memcpy(&bits, &v, 8);
  for (int i = 0; i < 8; ++i) o += static_cast<char>((bits >> (8 * i)) & 0xff);
}

void ecrireChaine(std::string& o, const std::wstring& texte) {
  const std::string ansi = wideToAnsi(texte);
  o += 'c';
  ecrireEntier(o, static_cast<int32_t>(ansi.size()));
  o += 'b';
  o += ansi;
  o += '\0';
}

class lecteur {
 public:
  explicit lecteur(std::string_view octets) : octets_(octets) {}

  std::optional<int32_t> entier() {
    if (!balise('i') || reste() < 4) return std::nullopt;
    uint32_t v = 0;
    for (int i = 0; i < 4; ++i) v |= static_cast<uint32_t>(static_cast<unsigned char>(octets_[position_++])) << (8 * i);
    return static_cast<int32_t>(v);
  }

  std::optional<double> reel() {
    if (!balise('d') || reste() < 8) return std::nullopt;
    uint64_t bits = 0;
    for (int i = 0; i < 8; ++i) bits |= static_cast<uint64_t>(static_cast<unsigned char>(octets_[position_++])) << (8 * i);
    double v;
    std::memcpy(&v, &bits, 8);
    return v;
  }

  std::optional<std::wstring> chaine() {
    if (!balise('c')) return std::nullopt;
    const auto longueur = entier();
    if (!longueur || *longueur < 0 || *longueur > kLongueurMaxChaineFormules || !balise('b') ||
        reste() < static_cast<size_t>(*longueur) + 1)
      return std::nullopt;
    const std::string_view texte = octets_.substr(position_, *longueur);
    position_ += *longueur;
    if (octets_[position_++] != '\0') return std::nullopt;
    return ansiToWide(texte);
  }

 private:
  size_t reste() const { return octets_.size() - position_; }
  bool balise(char attendue) {
    if (reste() < 1 || octets_[position_] != attendue) return false;
    ++position_;
    return true;
  }

  std::string_view octets_;
  size_t position_ = 0;
};

bool lireContenu(lecteur& l, formulesPoids& formules) {
  const auto signature = l.entier();
  if (!signature || *signature != kSignatureFichierFormules) return false;
  std::wstring textes[4];
  for (std::wstring& t : textes) {
    auto c = l.chaine();
    if (!c) return false;
    t = std::move(*c);
  }
  const auto nombre = l.entier();
  if (!nombre || *nombre < 0) return false;
  for (int32_t i = 0; i < *nombre; ++i) {
    const auto nom = l.chaine();
    const auto valeur = nom ? l.reel() : std::nullopt;
    const auto commentaire = valeur ? l.chaine() : std::nullopt;
    if (!commentaire) return false;
    // A stored value that is not a number would spread into every weight.
    formules.variables.definir(*nom, std::isfinite(*valeur) ? *valeur : 0, *commentaire, false);
  }
  formules.texteLibre = textes[0];
  formules.angles = textes[1];
  formules.gisements = textes[2];
  formules.distances = textes[3];
  return true;
}

}  // namespace

std::string ecrireOctetsFormules(const formulesPoids& f) {
  std::string o;
  ecrireEntier(o, kSignatureFichierFormules);
  for (const std::wstring* t : {&f.texteLibre, &f.angles, &f.gisements, &f.distances})
    ecrireChaine(o, *t);
  int32_t utilisateur = 0;
  for (int i = 0; i < f.variables.taille(); ++i) utilisateur += !f.variables.at(i).interne;
  ecrireEntier(o, utilisateur);
  for (int i = 0; i < f.variables.taille(); ++i) {
    const variableFormule& v = f.variables.at(i);
    if (v.interne) continue;
    ecrireChaine(o, v.nom);
    ecrireReel(o, v.valeur);
    ecrireChaine(o, v.commentaire);
  }
  return o;
}

bool lireOctetsFormules(std::string_view octets, formulesPoids& formules) {
  lecteur l(octets);
  formulesPoids lu = formules;
  if (!lireContenu(l, lu)) {
    formules.variables.viderVariablesUtilisateur();
    return false;
  }
  formules = std::move(lu);
  return true;
}

std::wstring enregistrerFichierFormules(const std::wstring& chemin, const formulesPoids& formules) {
  FILE* fichier = _wfopen(chemin.c_str(), L"wb");
  if (!fichier) return L"Erreur création de fichier";
  const std::string octets = ecrireOctetsFormules(formules);
  const bool ecrit = std::fwrite(octets.data(), 1, octets.size(), fichier) == octets.size();
  const bool ferme = std::fclose(fichier) == 0;
  return ecrit && ferme ? L"" : L"Erreur création de fichier";
}

std::wstring chargerFichierFormules(const std::wstring& chemin, formulesPoids& formules) {
  FILE* fichier = _wfopen(chemin.c_str(), L"rb");
  if (!fichier) return L"Erreur ouverture de fichier";
  std::string octets;
  char tampon[4096];
  size_t lus;
  // A formula file is a few hundred bytes; anything far bigger is not one.
  while ((lus = std::fread(tampon, 1, sizeof tampon, fichier)) > 0 && octets.size() < (1u << 20))
    octets.append(tampon, lus);
  std::fclose(fichier);
  return lireOctetsFormules(octets, formules) ? L"" : L"Erreur dans le fichier";
}
