// A uniform grid over label boxes, for finding the boxes a rectangle may overlap without looking
// at every box. Cells are square, about the size of a typical box, kept in a hash map so that
// boxes may move anywhere; a box spanning too many cells is kept apart and always returned.
#pragma once
#include <cstdint>
#include <unordered_map>
#include <vector>

struct rectangleBoite {
  double x, y, largeur, hauteur;
};

class indexBoites {
 public:
  // Sized from the boxes: the cell side is twice their median larger side.
  explicit indexBoites(const std::vector<rectangleBoite>& boites);

  void deplacer(std::size_t boite, const rectangleBoite& avant, const rectangleBoite& apres);
  // The boxes whose cells meet the rectangle, in increasing order, each once.
  const std::vector<std::size_t>& candidats(const rectangleBoite& zone);

 private:
  struct plage {
    std::int64_t x0, y0, x1, y1;
    bool large;
  };
  plage cellules(const rectangleBoite& r) const;
  void inserer(std::size_t boite, const rectangleBoite& r);
  void retirer(std::size_t boite, const rectangleBoite& r);
  static std::uint64_t cle(std::int64_t cx, std::int64_t cy);

  double cote_ = 1.0;
  std::size_t nombre_ = 0;
  std::unordered_map<std::uint64_t, std::vector<std::size_t>> cellules_;
  std::vector<std::size_t> larges_;
  std::vector<std::uint32_t> marques_;
  std::uint32_t marque_ = 0;
  std::vector<std::size_t> resultat_;
};
