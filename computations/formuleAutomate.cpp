#include "computations/formuleAutomate.h"

#include <algorithm>
#include <utility>

automateLexical::automateLexical(std::vector<int32_t> etatsFinaux,
                                 std::vector<etatAutomate> transitions)
    : etatsFinaux_(std::move(etatsFinaux)), transitions_(std::move(transitions)) {}

bool automateLexical::estFinal(int32_t etat) const {
  return std::find(etatsFinaux_.begin(), etatsFinaux_.end(), etat) != etatsFinaux_.end();
}

bool automateLexical::lireJeton(const std::wstring& texte, size_t position,
                                std::wstring& jeton) const {
  jeton.clear();
  int32_t etat = etatInitial_;
  for (size_t i = position; i < texte.size(); ++i) {
    wchar_t c = texte[i];
    if (c >= L'a' && c <= L'z') c = static_cast<wchar_t>(c - L'a' + L'A');
    // The first matching transition wins; characters beyond ASCII never match.
    const auto transition =
        std::find_if(transitions_.begin(), transitions_.end(), [&](const etatAutomate& t) {
          return t.source == etat && c >= static_cast<unsigned char>(t.bas) &&
                 c <= static_cast<unsigned char>(t.haut);
        });
    if (transition == transitions_.end()) break;
    jeton += texte[i];
    etat = transition->cible;
  }
  if (!estFinal(etat)) {
    jeton.clear();
    return false;
  }
  return !jeton.empty();
}

const automateLexical& automateLexical::nombres() {
  static const automateLexical automate(
      {2, 3, 4, 7}, {{0, '+', '+', 1}, {0, '-', '-', 1}, {0, '.', '.', 8}, {0, '0', '9', 2},
                     {1, '+', '+', 1}, {1, '-', '-', 1}, {1, '.', '.', 8}, {1, '0', '9', 2},
                     {2, '0', '9', 2}, {2, '.', '.', 3}, {2, 'E', 'E', 5}, {3, '0', '9', 4},
                     {4, '0', '9', 4}, {4, 'E', 'E', 5}, {5, '+', '+', 6}, {5, '-', '-', 6},
                     {5, '0', '9', 7}, {6, '0', '9', 7}, {7, '0', '9', 7}, {8, '0', '9', 4}});
  return automate;
}

const automateLexical& automateLexical::noms() {
  static const automateLexical automate({1}, {{0, 'A', 'Z', 1}, {1, 'A', 'Z', 1}, {1, '0', '9', 1}});
  return automate;
}
