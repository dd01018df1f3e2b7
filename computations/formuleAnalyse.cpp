// Recursive descent over the text without blanks:
//   expression := terme { ("+" | "-") terme }
//   terme      := puissance { ("*" | "/") puissance }
//   puissance  := facteur [ "^" puissance ]          (2^3^2 is 2^(3^2))
//   facteur    := { "+" | "-" } ( nombre | nom | nom "(" expression ")" | "(" expression ")" )
// Chains of "+ -" and of "* /" group from the left, as in arithmetic: a - b - c is (a - b) - c.
#include <cmath>
#include <cwchar>

#include "computations/formule.h"
#include "computations/formuleAutomate.h"
#include "computations/formuleFonctions.h"

namespace {

using noeud = std::unique_ptr<noeudFormule>;

noeud binaire(typeNoeud type, noeud gauche, noeud droite) {
  auto n = std::make_unique<noeudFormule>();
  n->type = type;
  n->gauche = std::move(gauche);
  n->droite = std::move(droite);
  return n;
}

noeud nombre(double valeur) {
  auto n = std::make_unique<noeudFormule>();
  n->type = typeNoeud::nombre;
  n->valeur = valeur;
  return n;
}

class analyseur {
 public:
  explicit analyseur(const std::wstring& texte) : texte_(texte) {}

  noeud toutLeTexte() {
    noeud n = expression();
    if (!n || position_ != texte_.size()) return nullptr;
    return n;
  }

 private:
  bool prendre(wchar_t c) {
    if (position_ < texte_.size() && texte_[position_] == c) {
      ++position_;
      return true;
    }
    return false;
  }

  noeud expression() {
    noeud gauche = terme();
    while (gauche) {
      typeNoeud type;
      if (prendre(L'+')) type = typeNoeud::addition;
      else if (prendre(L'-')) type = typeNoeud::soustraction;
      else break;
      noeud droite = terme();
      if (!droite) return nullptr;
      gauche = binaire(type, std::move(gauche), std::move(droite));
    }
    return gauche;
  }

  noeud terme() {
    noeud gauche = puissance();
    while (gauche) {
      typeNoeud type;
      if (prendre(L'*')) type = typeNoeud::multiplication;
      else if (prendre(L'/')) type = typeNoeud::division;
      else break;
      noeud droite = puissance();
      if (!droite) return nullptr;
      gauche = binaire(type, std::move(gauche), std::move(droite));
    }
    return gauche;
  }

  noeud puissance() {
    noeud base = facteur();
    if (!base || !prendre(L'^')) return base;
    noeud exposant = puissance();
    if (!exposant) return nullptr;
    return binaire(typeNoeud::puissance, std::move(base), std::move(exposant));
  }

  // A missing operand ("2*", "()", a stray character) is a syntax error.
  noeud facteur() {
    bool negatif = false;
    while (position_ < texte_.size() && (texte_[position_] == L'+' || texte_[position_] == L'-'))
      negatif ^= texte_[position_++] == L'-';
    if (position_ >= texte_.size()) return nullptr;
    const wchar_t c = texte_[position_];
    noeud n;
    if ((c >= L'0' && c <= L'9') || c == L'.') {
      std::wstring jeton;
      if (!automateLexical::nombres().lireJeton(texte_, position_, jeton)) return nullptr;
      position_ += jeton.size();
      const double valeur = std::wcstod(jeton.c_str(), nullptr);
      // A literal beyond the doubles (1E999) is a typing error, not an infinite weight.
      if (!std::isfinite(valeur)) return nullptr;
      return nombre(negatif ? -valeur : valeur);
    }
    if ((c >= L'a' && c <= L'z') || (c >= L'A' && c <= L'Z')) {
      std::wstring jeton;
      if (!automateLexical::noms().lireJeton(texte_, position_, jeton)) return nullptr;
      position_ += jeton.size();
      if (prendre(L'(')) {
        if (!fonctionConnue(jeton)) return nullptr;
        noeud argument = expression();
        if (!argument || !prendre(L')')) return nullptr;
        n = std::make_unique<noeudFormule>();
        n->type = typeNoeud::fonction;
        n->nom = enMinuscules(jeton);
        n->gauche = std::move(argument);
      } else {
        n = std::make_unique<noeudFormule>();
        n->type = negatif ? typeNoeud::variableNegative : typeNoeud::variable;
        n->nom = jeton;
        return n;
      }
    } else if (prendre(L'(')) {
      n = expression();
      if (!n || !prendre(L')')) return nullptr;
    } else {
      return nullptr;
    }
    // A sign before a group or a function: 0 - (...).
    if (negatif) n = binaire(typeNoeud::soustraction, nombre(0), std::move(n));
    return n;
  }

  const std::wstring& texte_;
  size_t position_ = 0;
};

}  // namespace

bool formule::analyser(const std::wstring& texte) {
  racine_.reset();
  std::wstring compact;
  for (wchar_t c : texte)
    if (c != L' ' && c != L'\t') compact += c;
  // Weight formulas are one line; the bound keeps the recursive parse, evaluation and release of
  // the tree shallow whatever a file holds.
  if (compact.size() > kLongueurMaxFormule) return false;
  racine_ = analyseur(compact).toutLeTexte();
  return racine_ != nullptr;
}
