#include "computations/formule.h"

#include <cmath>

#include "computations/formuleFonctions.h"
#include "ui/afxstr.h"

namespace {

double valeurVariable(const noeudFormule& n, const tableVariables& variables, bool memoriser) {
  int indice = n.indiceVariable;
  // A remembered index is trusted only while it still names the variable (the table may change).
  if (indice < 0 || indice >= variables.taille() ||
      variables.at(indice).nom != enMinuscules(n.nom)) {
    indice = variables.chercher(n.nom);
    if (memoriser) n.indiceVariable = indice;
  }
  return indice >= 0 ? variables.at(indice).valeur : 0;
}

double puissance(double base, double exposant) {
  if (base == 0) return 0;
  if (base < 0 && exposant != std::floor(exposant)) return 0;
  return std::pow(base, exposant);
}

double evaluerNoeud(const noeudFormule* n, const tableVariables& variables, bool memoriser) {
  if (!n) return 0;
  auto g = [&] { return evaluerNoeud(n->gauche.get(), variables, memoriser); };
  auto d = [&] { return evaluerNoeud(n->droite.get(), variables, memoriser); };
  double resultat = 0;
  switch (n->type) {
    case typeNoeud::addition: resultat = g() + d(); break;
    case typeNoeud::soustraction: resultat = g() - d(); break;
    case typeNoeud::multiplication: resultat = g() * d(); break;
    case typeNoeud::division: {
      const double diviseur = d();
      resultat = diviseur == 0 ? 0 : g() / diviseur;
      break;
    }
    case typeNoeud::puissance: {
      const double base = g();
      resultat = puissance(base, d());
      break;
    }
    case typeNoeud::variableNegative: resultat = -valeurVariable(*n, variables, memoriser); break;
    case typeNoeud::variable: resultat = valeurVariable(*n, variables, memoriser); break;
    case typeNoeud::nombre: resultat = n->valeur; break;
    case typeNoeud::fonction: resultat = appliquerFonction(n->nom, g()); break;
    case typeNoeud::erreur: break;
  }
  return std::isfinite(resultat) ? resultat : 0;
}

std::wstring imprimerNoeud(const noeudFormule* n) {
  if (!n) return L"#ERR";
  CString texte;
  const wchar_t* operateur = nullptr;
  switch (n->type) {
    case typeNoeud::addition: operateur = L"+"; break;
    case typeNoeud::soustraction: operateur = L"-"; break;
    case typeNoeud::multiplication: operateur = L"*"; break;
    case typeNoeud::division: operateur = L"/"; break;
    case typeNoeud::puissance: operateur = L"^"; break;
    case typeNoeud::variableNegative: texte.Format(L"(-%s)", n->nom.c_str()); break;
    case typeNoeud::variable: return n->nom;
    case typeNoeud::nombre: texte.Format(L"%.4f", n->valeur); break;
    case typeNoeud::fonction:
      return n->nom + L"( " + imprimerNoeud(n->gauche.get()) + L" )";
    case typeNoeud::erreur: return L"#ERR";
  }
  if (operateur) {
    if (!n->gauche || !n->droite) return L"#ERR";
    return L"( " + imprimerNoeud(n->gauche.get()) + L" " + operateur + L" " +
           imprimerNoeud(n->droite.get()) + L" )";
  }
  return texte.GetString();
}

void collecterNoms(const noeudFormule* n, std::vector<std::wstring>& noms) {
  if (!n) return;
  if (n->type == typeNoeud::variable || n->type == typeNoeud::variableNegative)
    noms.push_back(n->nom);
  collecterNoms(n->gauche.get(), noms);
  collecterNoms(n->droite.get(), noms);
}

}  // namespace

double formule::evaluer(const tableVariables& variables, bool memoriserIndices) const {
  return evaluerNoeud(racine_.get(), variables, memoriserIndices);
}

std::wstring formule::imprimer() const {
  return racine_ ? imprimerNoeud(racine_.get()) : L"Erreur !!!";
}

std::vector<std::wstring> formule::nomsVariables() const {
  std::vector<std::wstring> noms;
  collecterNoms(racine_.get(), noms);
  return noms;
}

std::wstring formule::premiereVariableInconnue(const tableVariables& variables) const {
  for (const std::wstring& nom : nomsVariables())
    if (variables.chercher(nom) < 0) return nom;
  return L"";
}
