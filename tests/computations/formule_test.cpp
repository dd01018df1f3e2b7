#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "computations/formule.h"
#include "computations/formuleFichier.h"

namespace {

tableVariables variables(double d1 = 3, double d2 = 4) {
  tableVariables t = tableVariables::avecVariablesInternes();
  t.definir(L"d1", d1);
  t.definir(L"d2", d2);
  t.definir(L"K", 0.5, L"constante");
  return t;
}

double valeur(const std::wstring& texte, const tableVariables& t = variables()) {
  formule f;
  EXPECT_TRUE(f.analyser(texte)) << std::string(texte.begin(), texte.end());
  return f.evaluer(t);
}

TEST(Formule, EvaluatesArithmeticWithPrecedenceSignsAndVariables) {
  const struct {
    const wchar_t* texte;
    double attendu;
  } cas[] = {
      {L"2*d1+1", 7},         {L"1+2*3", 7},          {L"(1+2)*3", 9},
      {L"2^3^2", 512},        {L"2*3^2", 18},         {L"10-4-3", 3},
      {L"100/10/5", 2},       {L"-d1", -3},           {L"--d1", 3},
      {L"-2", -2},            {L"1.5E3", 1500},       {L".5", 0.5},
      {L"1e-2*d2", 0.04},     {L"D1*K", 1.5},         {L"-(d1+d2)", -7},
      {L"((d1))*(d2-(1))", 9}, {L"racine(d1*d1+d2*d2)", 5}, {L"sqrt(16)+abs(-2)", 6},
      {L"ln(exp(2))", 2},     {L"log(1000)", 3},      {L" 2 *\td1 ", 6},
      {L"(-2)^3", -8},        {L"(-2)^-2", 0.25},     {L"1/(0.003+0.001*d1)^2", 1e6 / 36},
  };
  for (const auto& c : cas) EXPECT_NEAR(valeur(c.texte), c.attendu, 1e-9) << c.texte;
}

TEST(Formule, UndefinedOperationsGiveZeroNeverNan) {
  for (const wchar_t* texte : {L"1/0", L"0^2", L"(-8)^(1/3)", L"racine(-1)", L"ln(0)",
                               L"10^400", L"exp(1000)", L"d1/(d2-4)"}) {
    formule f(texte);
    ASSERT_TRUE(f.estValide()) << texte;
    EXPECT_EQ(f.evaluer(variables()), 0) << texte;
  }
}

TEST(Formule, PrintsFullyParenthesised) {
  EXPECT_EQ(formule(L"2*d1+1").imprimer(), L"( ( 2.0000 * d1 ) + 1.0000 )");
  EXPECT_EQ(formule(L"-d1").imprimer(), L"(-d1)");
  EXPECT_EQ(formule(L"--d1").imprimer(), L"d1");
  EXPECT_EQ(formule(L"-2").imprimer(), L"-2.0000");
  EXPECT_EQ(formule(L"a-b-c").imprimer(), L"( ( a - b ) - c )");
  EXPECT_EQ(formule(L"2^3^2").imprimer(), L"( 2.0000 ^ ( 3.0000 ^ 2.0000 ) )");
  EXPECT_EQ(formule(L"-(a)").imprimer(), L"( 0.0000 - a )");
  EXPECT_EQ(formule(L"racine(D1)").imprimer(), L"racine( D1 )");
  EXPECT_EQ(formule(L"1+").imprimer(), L"Erreur !!!");
}

TEST(Formule, RejectsMalformedText) {
  for (const wchar_t* texte :
       {L"(1+2", L"1+2)", L"1.5E", L"", L"2*", L"*3", L"()", L"1..2", L"d1(2)", L"inconnue(2)",
        L"2#3", L"1+2,5", L"é", L"(((1)", L"1E999*2", L"-9E400"}) {
    formule f;
    EXPECT_FALSE(f.analyser(texte)) << std::string(texte, texte + std::wcslen(texte));
    EXPECT_EQ(f.evaluer(variables()), 0);
  }
  formule f(L"d1");
  ASSERT_TRUE(f.estValide());
  EXPECT_FALSE(f.analyser(L"d1+"));  // a failed parse drops the previous tree
  EXPECT_FALSE(f.estValide());
  EXPECT_FALSE(formule(std::wstring(2000, L'1')).estValide());
}

TEST(Formule, VariablesAreFoundWithoutRegardToCaseAndUnknownOnesReported) {
  tableVariables t = variables();
  t.definir(L"Sigma", 2, L"écart");
  t.definir(L"SIGMA", 5);  // existing name: only the value changes
  EXPECT_EQ(t.chercher(L"sigma"), t.chercher(L"SiGmA"));
  EXPECT_EQ(t.at(t.chercher(L"sigma")).nom, L"sigma");
  EXPECT_EQ(t.at(t.chercher(L"sigma")).commentaire, L"écart");

  formule f(L"sigma*d1+inconnu-X2");
  EXPECT_EQ(f.nomsVariables(), (std::vector<std::wstring>{L"sigma", L"d1", L"inconnu", L"X2"}));
  EXPECT_EQ(f.premiereVariableInconnue(t), L"inconnu");
  EXPECT_EQ(f.evaluer(t), 15);  // unknown names count 0
}

TEST(Formule, RememberedIndicesFollowChangesOfTheTable) {
  tableVariables t = variables();
  formule f(L"K*d1");
  EXPECT_EQ(f.evaluer(t, true), 1.5);
  t.definir(L"d1", 10);
  EXPECT_EQ(f.evaluer(t, true), 5);
  t.supprimer(t.chercher(L"d1"));  // indices shift: K moves down by one
  EXPECT_EQ(f.evaluer(t, true), 0);
  t.definir(L"d1", 4);
  EXPECT_EQ(f.evaluer(t, true), 2);
}

formulesPoids exempleFormules() {
  formulesPoids f;
  f.texteLibre = L"notes";
  f.angles = L"1/(0.0015^2+(0.002/d2)^2)";
  f.gisements = L"1/sigmag^2";
  f.distances = L"1/(0.003+1e-6*d1)^2";
  f.variables.definir(L"sigmag", 0.0012, L"écart-type des gisements");
  f.variables.definir(L"vide", -3.5);
  return f;
}

TEST(FichierFormules, SaveThenLoadGivesTheSameFormulasAndConstants) {
  const formulesPoids origine = exempleFormules();
  const std::string octets = ecrireOctetsFormules(origine);
  formulesPoids lu;
  ASSERT_TRUE(lireOctetsFormules(octets, lu));
  EXPECT_EQ(lu.texteLibre, origine.texteLibre);
  EXPECT_EQ(lu.angles, origine.angles);
  EXPECT_EQ(lu.gisements, origine.gisements);
  EXPECT_EQ(lu.distances, origine.distances);
  ASSERT_EQ(lu.variables.taille(), origine.variables.taille());
  for (int i = 0; i < lu.variables.taille(); ++i) {
    EXPECT_EQ(lu.variables.at(i).nom, origine.variables.at(i).nom);
    EXPECT_EQ(lu.variables.at(i).valeur, origine.variables.at(i).valeur);
    EXPECT_EQ(lu.variables.at(i).commentaire, origine.variables.at(i).commentaire);
    EXPECT_EQ(lu.variables.at(i).interne, origine.variables.at(i).interne);
  }
  EXPECT_EQ(ecrireOctetsFormules(lu), octets);
  // Layout: signature, then the free text as c i <len> b <bytes> NUL.
  EXPECT_EQ(octets.substr(0, 5), std::string("i\x39\x30\0\0", 5));
  EXPECT_EQ(octets.substr(5, 13), std::string("ci\x05\0\0\0bnotes\0", 13));

  const std::wstring chemin = std::wstring(L"/tmp/formule_test_") +
                              std::to_wstring(::testing::UnitTest::GetInstance()->random_seed()) +
                              L".fmc";
  ASSERT_EQ(enregistrerFichierFormules(chemin, origine), L"");
  formulesPoids depuisFichier;
  ASSERT_EQ(chargerFichierFormules(chemin, depuisFichier), L"");
  EXPECT_EQ(ecrireOctetsFormules(depuisFichier), octets);
  std::remove(std::string(chemin.begin(), chemin.end()).c_str());
}

TEST(FichierFormules, DamagedFilesAreRejectedAndClearTheConstants) {
  const std::string bon = ecrireOctetsFormules(exempleFormules());
  std::string signature = bon;
  signature[1] = 0x3a;
  std::string balise = bon;
  balise[5] = 'x';
  std::string longueur = bon;
  longueur[7] = '\x7f';
  for (const std::string& mauvais : {signature, balise, longueur, bon.substr(0, bon.size() - 3),
                                     std::string(), std::string("i")}) {
    formulesPoids f = exempleFormules();
    f.angles = L"2";
    EXPECT_FALSE(lireOctetsFormules(mauvais, f));
    EXPECT_EQ(f.variables.chercher(L"sigmag"), -1);
    EXPECT_GE(f.variables.chercher(L"d1"), 0);
    EXPECT_EQ(f.angles, L"2");
  }
  formulesPoids f;
  EXPECT_EQ(chargerFichierFormules(L"/tmp/nexiste/pas.fmc", f), L"Erreur ouverture de fichier");
  EXPECT_EQ(enregistrerFichierFormules(L"/tmp/nexiste/pas.fmc", f), L"Erreur création de fichier");
}

}  // namespace
