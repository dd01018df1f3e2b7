// Label overlap reduction: each movable label box goes to the first of eight places around its
// block where the area it shares with the other boxes is strictly smaller, pass after pass, until
// the total shared area stops falling. Pure computation over the boxes; the LISP function reads
// them from the drawing and moves the attributes.
#pragma once
#include <cstdint>
#include <functional>
#include <vector>

// The entity that owns label boxes: a text (fixed obstacle) or a block reference.
struct entiteEtiquetee {
  std::int64_t nom[2] = {0, 0};  // the entity's selection name
  double x = 0.0, y = 0.0, z = 0.0;  // insertion point
  double echelleX = 1.0, echelleY = 1.0, rotation = 0.0;
  std::uint32_t index = 0;  // among the entities taken
  std::uint32_t genre = 0;  // kGenreTexte or kGenreBloc
};

constexpr std::uint32_t kGenreTexte = 1;
constexpr std::uint32_t kGenreBloc = 2;

struct boiteEtiquette {
  std::uint32_t entite = 0;      // index of the owning entity
  std::int64_t nom[2] = {0, 0};  // the labelled entity: the text, or the attribute
  double x = 0.0, y = 0.0, z = 0.0;  // lower-left corner
  double largeur = 0.0, hauteur = 0.0;
  bool fixe = false;
  bool deplace = false;
};

enum class rechercheVoisins { grille, toutesPaires };

struct bilanSuperpositions {
  int iterations = 0;
  std::vector<double> totaux;  // the shared area after each pass
};

struct suiviSuperpositions {
  // Before each box is placed: pass (from 1), box position (from 1), number of boxes.
  std::function<void(int, std::size_t, std::size_t)> element;
  // After each pass: the shared area it left.
  std::function<void(double)> finPasse;
};

// Clears the flags, fixes the boxes of texts and runs at most 50 passes. Boxes whose owner is not
// among the entities are left where they are. The grid search gives the same moves as the
// all-pairs one, which is kept as its reference.
bilanSuperpositions reduireSuperpositions(std::vector<boiteEtiquette>& boites,
                                          const std::vector<entiteEtiquetee>& entites,
                                          const suiviSuperpositions& suivi = {},
                                          rechercheVoisins recherche = rechercheVoisins::grille);

// The area two boxes share; 0 when they only touch or lie apart.
double surfaceCommune(const boiteEtiquette& a, const boiteEtiquette& b);
