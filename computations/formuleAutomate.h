// The finite automata that cut a formula into number and name tokens.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// One transition: from the source state, a character in [bas, haut] leads to the target state.
struct etatAutomate {
  int32_t source = -1;
  char bas = 0;
  char haut = 0;
  int32_t cible = -1;
};

class automateLexical {
 public:
  automateLexical(std::vector<int32_t> etatsFinaux, std::vector<etatAutomate> transitions);

  // Reads the longest run of accepted moves from texte[position]; lower-case ASCII letters are
  // matched as capitals but kept as typed in the token. Returns false (token empty) when the
  // state reached is not final.
  bool lireJeton(const std::wstring& texte, size_t position, std::wstring& jeton) const;

  // Numbers: signs, digits, one decimal point, an exponent "E" with its own sign.
  static const automateLexical& nombres();
  // Names: a letter, then letters and digits.
  static const automateLexical& noms();

 private:
  bool estFinal(int32_t etat) const;

  std::vector<int32_t> etatsFinaux_;
  std::vector<etatAutomate> transitions_;
  int32_t etatInitial_ = 0;
};
