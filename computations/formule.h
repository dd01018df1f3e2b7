// A weight formula: parsed once into an expression tree, then evaluated for every observation.
#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "computations/variablesFormule.h"

enum class typeNoeud : int8_t {
  erreur = 0,
  addition = 1,
  soustraction = 2,
  multiplication = 3,
  division = 4,
  puissance = 5,
  variableNegative = 6,
  variable = 7,
  nombre = 8,
  fonction = 9,  // name() of the function, its argument as the left child
};

struct noeudFormule {
  typeNoeud type = typeNoeud::erreur;
  std::wstring nom;
  double valeur = 0;
  std::unique_ptr<noeudFormule> gauche;
  std::unique_ptr<noeudFormule> droite;
  mutable int32_t indiceVariable = -1;  // cached position in the variable table
};

// Longest formula accepted, in characters without blanks.
inline constexpr size_t kLongueurMaxFormule = 1000;

class formule {
 public:
  formule() = default;
  explicit formule(const std::wstring& texte) { analyser(texte); }

  // Blanks and tabs are ignored; succeeds only when the whole text is one expression.
  bool analyser(const std::wstring& texte);
  bool estValide() const { return racine_ != nullptr; }

  // 0 without a tree. Divisions by zero, undefined powers and functions outside their domain
  // give 0, so that a result is always a finite number.
  double evaluer(const tableVariables& variables, bool memoriserIndices = false) const;
  // Fully parenthesised, or "Erreur !!!" without a tree.
  std::wstring imprimer() const;
  // Names of the variables, depth first (node, left, right).
  std::vector<std::wstring> nomsVariables() const;
  // The first variable of the formula missing from the table, empty when all are known.
  std::wstring premiereVariableInconnue(const tableVariables& variables) const;

 private:
  std::unique_ptr<noeudFormule> racine_;
};
