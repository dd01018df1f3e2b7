#include "computations/variablesFormule.h"

#include <algorithm>
#include <cwctype>

std::wstring enMinuscules(const std::wstring& texte) {
  std::wstring resultat = texte;
  for (wchar_t& c : resultat) c = static_cast<wchar_t>(std::towlower(c));
  return resultat;
}

tableVariables tableVariables::avecVariablesInternes() {
  tableVariables table;
  for (const wchar_t* nom : {L"d1", L"d2", L"d3", L"ang"}) table.definir(nom, 0, L"", true);
  return table;
}

void tableVariables::definir(const std::wstring& nom, double valeur,
                             const std::wstring& commentaire, bool interne) {
  const int indice = chercher(nom);
  if (indice >= 0) {
    variables_[indice].valeur = valeur;
    return;
  }
  variables_.push_back({enMinuscules(nom), valeur, commentaire, interne});
}

int tableVariables::chercher(const std::wstring& nom) const {
  const std::wstring cle = enMinuscules(nom);
  for (size_t i = 0; i < variables_.size(); ++i)
    if (variables_[i].nom == cle) return static_cast<int>(i);
  return -1;
}

void tableVariables::supprimer(int indice) {
  if (indice >= 0 && indice < taille()) variables_.erase(variables_.begin() + indice);
}

void tableVariables::viderVariablesUtilisateur() {
  std::erase_if(variables_, [](const variableFormule& v) { return !v.interne; });
}
