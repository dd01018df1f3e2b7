// The named values a formula is evaluated over: the observation's own quantities (built in) and
// the user's constants.
#pragma once
#include <string>
#include <vector>

struct variableFormule {
  std::wstring nom;  // lower case
  double valeur = 0;
  std::wstring commentaire;
  bool interne = false;  // set by the computation for each observation, never saved
};

class tableVariables {
 public:
  // The four quantities the adjustment sets for each observation: "d1", "d2", "d3", "ang".
  static tableVariables avecVariablesInternes();

  // An existing name (any case) only gets the new value; otherwise a new entry is added.
  void definir(const std::wstring& nom, double valeur, const std::wstring& commentaire = L"",
               bool interne = false);
  int chercher(const std::wstring& nom) const;  // -1 when unknown
  void supprimer(int indice);
  void viderVariablesUtilisateur();

  int taille() const { return static_cast<int>(variables_.size()); }
  const variableFormule& at(int indice) const { return variables_.at(indice); }
  variableFormule& at(int indice) { return variables_.at(indice); }

 private:
  std::vector<variableFormule> variables_;
};

std::wstring enMinuscules(const std::wstring& texte);
