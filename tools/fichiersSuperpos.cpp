#include "tools/fichiersSuperpos.h"

#include <bit>
#include <cmath>
#include <cstdint>
#include <cstring>

static_assert(std::endian::native == std::endian::little, "records are written little-endian");

namespace {

template <class T>
void poser(unsigned char* enregistrement, std::size_t decalage, const T& valeur) {
  std::memcpy(enregistrement + decalage, &valeur, sizeof(T));
}

template <class T>
T lire(const unsigned char* enregistrement, std::size_t decalage) {
  T valeur;
  std::memcpy(&valeur, enregistrement + decalage, sizeof(T));
  return valeur;
}

bool finis(std::initializer_list<double> valeurs) {
  for (double v : valeurs) {
    if (!std::isfinite(v)) return false;
  }
  return true;
}

}  // namespace

bool ecrireEntite(std::FILE* fichier, const entiteEtiquetee& e) {
  unsigned char r[kTailleEnregistrement] = {};
  poser(r, 0, e.nom);
  poser(r, 16, e.x);
  poser(r, 24, e.y);
  poser(r, 32, e.z);
  poser(r, 40, e.echelleX);
  poser(r, 48, e.echelleY);
  poser(r, 56, e.rotation);
  poser(r, 64, e.index);
  poser(r, 68, e.genre);
  return std::fwrite(r, sizeof r, 1, fichier) == 1;
}

bool ecrireBoite(std::FILE* fichier, const boiteEtiquette& b) {
  unsigned char r[kTailleEnregistrement] = {};
  poser(r, 0, b.entite);
  poser(r, 8, b.nom);
  poser(r, 24, b.x);
  poser(r, 32, b.y);
  poser(r, 40, b.z);
  poser(r, 48, b.largeur);
  poser(r, 56, b.hauteur);
  r[64] = b.fixe ? 1 : 0;
  r[65] = b.deplace ? 1 : 0;
  return std::fwrite(r, sizeof r, 1, fichier) == 1;
}

std::vector<unsigned char> lireFichier(std::FILE* fichier) {
  std::vector<unsigned char> octets;
  if (fichier == nullptr || std::fseek(fichier, 0, SEEK_SET) != 0) return octets;
  unsigned char bloc[4096];
  std::size_t lus;
  while ((lus = std::fread(bloc, 1, sizeof bloc, fichier)) > 0) octets.insert(octets.end(), bloc, bloc + lus);
  return octets;
}

std::vector<entiteEtiquetee> lireEntites(const std::vector<unsigned char>& octets) {
  std::vector<entiteEtiquetee> entites;
  entites.reserve(octets.size() / kTailleEnregistrement);
  for (std::size_t d = 0; d + kTailleEnregistrement <= octets.size(); d += kTailleEnregistrement) {
    const unsigned char* r = octets.data() + d;
    entiteEtiquetee e;
    std::memcpy(e.nom, r, sizeof e.nom);
    e.x = lire<double>(r, 16);
    e.y = lire<double>(r, 24);
    e.z = lire<double>(r, 32);
    e.echelleX = lire<double>(r, 40);
    e.echelleY = lire<double>(r, 48);
    e.rotation = lire<double>(r, 56);
    e.index = lire<std::uint32_t>(r, 64);
    e.genre = lire<std::uint32_t>(r, 68);
    if (!finis({e.x, e.y, e.z, e.echelleX, e.echelleY, e.rotation})) continue;
    if (e.genre != kGenreTexte && e.genre != kGenreBloc) continue;
    entites.push_back(e);
  }
  return entites;
}

std::vector<boiteEtiquette> lireBoites(const std::vector<unsigned char>& octets) {
  std::vector<boiteEtiquette> boites;
  boites.reserve(octets.size() / kTailleEnregistrement);
  for (std::size_t d = 0; d + kTailleEnregistrement <= octets.size(); d += kTailleEnregistrement) {
    const unsigned char* r = octets.data() + d;
    boiteEtiquette b;
    b.entite = lire<std::uint32_t>(r, 0);
    std::memcpy(b.nom, r + 8, sizeof b.nom);
    b.x = lire<double>(r, 24);
    b.y = lire<double>(r, 32);
    b.z = lire<double>(r, 40);
    b.largeur = lire<double>(r, 48);
    b.hauteur = lire<double>(r, 56);
    b.fixe = r[64] != 0;
    b.deplace = r[65] != 0;
    if (!finis({b.x, b.y, b.z, b.largeur, b.hauteur})) continue;
    boites.push_back(b);
  }
  return boites;
}
