#include "tools/superpositions.h"

#include <algorithm>
#include <cmath>
#include <memory>
#include <unordered_map>

#include "tools/indexBoites.h"

namespace {

constexpr int kPassesMax = 50;

rectangleBoite rectangleDe(const boiteEtiquette& b) { return {b.x, b.y, b.largeur, b.hauteur}; }

double surfaceCommune(const rectangleBoite& a, const rectangleBoite& b) {
  const double dx = std::min(a.x + a.largeur, b.x + b.largeur) - std::max(a.x, b.x);
  const double dy = std::min(a.y + a.hauteur, b.y + b.hauteur) - std::max(a.y, b.y);
  if (!(dx > 0.0) || !(dy > 0.0)) return 0.0;
  return dx * dy;
}

// The area a rectangle shares with every box but one, added in box order whatever the search, so
// that both searches give the same sums to the last bit.
class mesureRecouvrement {
 public:
  mesureRecouvrement(const std::vector<boiteEtiquette>& boites, rechercheVoisins recherche) {
    rectangles_.reserve(boites.size());
    for (const boiteEtiquette& b : boites) rectangles_.push_back(rectangleDe(b));
    if (recherche == rechercheVoisins::grille) index_ = std::make_unique<indexBoites>(rectangles_);
  }

  double recouvrement(std::size_t sauf, const rectangleBoite& zone) {
    double total = 0.0;
    if (index_ == nullptr) {
      for (std::size_t j = 0; j < rectangles_.size(); ++j) {
        if (j != sauf) total += surfaceCommune(zone, rectangles_[j]);
      }
      return total;
    }
    for (std::size_t j : index_->candidats(zone)) {
      if (j != sauf) total += surfaceCommune(zone, rectangles_[j]);
    }
    return total;
  }

  void deplacer(std::size_t boite, const rectangleBoite& vers) {
    if (index_ != nullptr) index_->deplacer(boite, rectangles_[boite], vers);
    rectangles_[boite] = vers;
  }

 private:
  std::vector<rectangleBoite> rectangles_;
  std::unique_ptr<indexBoites> index_;
};

// The eight places around the block, in the order they are tried: above, above right, right,
// below right, below, below left, left, above left.
void placesAutour(const entiteEtiquetee& bloc, double w, double h, rectangleBoite (&places)[8]) {
  const double x = bloc.x, y = bloc.y;
  // Half the larger scale, enlarged by a tenth, keeps the label clear of the symbol.
  const double d = 0.55 * std::max(bloc.echelleX, bloc.echelleY);
  const double coins[8][2] = {{x - w / 2, y + d},     {x + d, y + d},         {x + d, y - h / 2},
                              {x + d, y - d - h},     {x - w / 2, y - d - h}, {x - d - w, y - d - h},
                              {x - d - w, y - h / 2}, {x - d - w, y + d}};
  for (int i = 0; i < 8; ++i) places[i] = {coins[i][0], coins[i][1], w, h};
}

}  // namespace

double surfaceCommune(const boiteEtiquette& a, const boiteEtiquette& b) {
  return surfaceCommune(rectangleDe(a), rectangleDe(b));
}

bilanSuperpositions reduireSuperpositions(std::vector<boiteEtiquette>& boites,
                                          const std::vector<entiteEtiquetee>& entites,
                                          const suiviSuperpositions& suivi,
                                          rechercheVoisins recherche) {
  bilanSuperpositions bilan;
  // The owner of each box, by the entity index the boxes carry (any 32-bit value: a map, not an
  // array as long as the largest index).
  std::unordered_map<std::uint32_t, const entiteEtiquetee*> proprietaires;
  proprietaires.reserve(entites.size());
  for (const entiteEtiquetee& e : entites) proprietaires[e.index] = &e;
  auto proprietaire = [&](const boiteEtiquette& b) -> const entiteEtiquetee* {
    const auto it = proprietaires.find(b.entite);
    return it == proprietaires.end() ? nullptr : it->second;
  };
  for (boiteEtiquette& b : boites) {
    b.deplace = false;
    const entiteEtiquetee* e = proprietaire(b);
    b.fixe = e != nullptr && e->genre == kGenreTexte;
  }

  mesureRecouvrement mesure(boites, recherche);
  double precedent = 1e15, courant = -1.0;
  for (int passe = 1; passe <= kPassesMax; ++passe) {
    if (!(courant < precedent) || courant == 0.0) break;
    if (passe > 1) precedent = courant;
    courant = 0.0;
    for (std::size_t i = 0; i < boites.size(); ++i) {
      boiteEtiquette& b = boites[i];
      const entiteEtiquetee* bloc = proprietaire(b);
      if (bloc == nullptr || bloc->genre == kGenreTexte) continue;
      if (suivi.element) suivi.element(passe, i + 1, boites.size());
      double meilleur = mesure.recouvrement(i, rectangleDe(b));
      if (meilleur == 0.0) continue;
      rectangleBoite places[8];
      placesAutour(*bloc, b.largeur, b.hauteur, places);
      int choisie = -1;
      for (int k = 0; k < 8; ++k) {
        const double essai = mesure.recouvrement(i, places[k]);
        if (essai < meilleur) {
          meilleur = essai;
          choisie = k;
        }
      }
      if (choisie >= 0) {
        b.deplace = true;
        b.x = places[choisie].x;
        b.y = places[choisie].y;
        mesure.deplacer(i, places[choisie]);
      }
      courant += meilleur;
    }
    bilan.iterations = passe;
    bilan.totaux.push_back(courant);
    if (suivi.finPasse) suivi.finPasse(courant);
  }
  return bilan;
}
