#include "computations/poidsObservations.h"

#include <cmath>

#include "computations/moindresCarresCalcul.h"
#include "computations/moindresCarresGeometrie.h"

poidsReseau::poidsReseau(const formulesPoids& f, CString& journal)
    : variables_(f.variables), journal_(journal) {
  for (const wchar_t* nom : {L"d1", L"d2", L"d3", L"ang"}) variables_.definir(nom, 0, L"", true);
  const std::pair<formuleUtilisee*, const std::wstring*> formules[] = {
      {&angles_, &f.angles}, {&gisements_, &f.gisements}, {&distances_, &f.distances}};
  const wchar_t* genres[] = {L"angles", L"gisements", L"distances"};
  for (int i = 0; i < 3; ++i) {
    formuleUtilisee& u = *formules[i].first;
    u.genre = genres[i];
    u.texte = *formules[i].second;
    u.utilisable = u.expression.analyser(u.texte) &&
                   u.expression.premiereVariableInconnue(variables_).empty();
  }
}

double poidsReseau::evaluer(formuleUtilisee& f) {
  if (!f.utilisable) {
    if (!f.signale) {
      CString ligne;
      const std::wstring inconnue = f.expression.premiereVariableInconnue(variables_);
      if (!f.expression.estValide())
        ligne.Format(L"Formule des %s \"%s\" : Erreur dans la formule, poids 0", f.genre,
                     f.texte.c_str());
      else
        ligne.Format(L"Formule des %s \"%s\" : variable inconnue %s, poids 0", f.genre,
                     f.texte.c_str(), inconnue.c_str());
      ajouterLigne(journal_, ligne);
      f.signale = true;
    }
    return 0;
  }
  return std::fabs(f.expression.evaluer(variables_, true));
}

double poidsReseau::poids(const reseauMoindresCarres& r, const observationMC& o) {
  if (o.poids != kSansValeur) return o.poids;
  auto fixer = [&](const wchar_t* nom, double valeur) { variables_.definir(nom, valeur); };
  const pointPlan s = positionPoint(r, o.station), t = positionPoint(r, o.visee);
  if (o.type == kObsDistance) {
    fixer(L"d1", distancePlan(s, t));
    return evaluer(distances_);
  }
  if (o.type != kObsAngle) return 1;
  if (o.reference < 0) {
    fixer(L"d1", distancePlan(s, t));
    fixer(L"ang", versGrades(o.valeur));
    return evaluer(gisements_);
  }
  const pointPlan ref = positionPoint(r, o.reference);
  fixer(L"d1", distancePlan(s, ref));
  fixer(L"d2", distancePlan(s, t));
  fixer(L"d3", distancePlan(ref, t));
  fixer(L"ang", versGrades(o.valeur));
  return evaluer(angles_);
}
