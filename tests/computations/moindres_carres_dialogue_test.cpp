// The least-squares dialogs driven by actions, as a user works through them.
#include <gtest/gtest.h>

#include <cstdio>
#include <string>

#include "codification/globalCodification.h"
#include "computations/formuleDialogue.h"
#include "computations/moindresCarresDialogue.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "ed/ed_fixture.h"
#include "points/pointDuDessin.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

namespace {

const std::wstring kExemple = std::wstring(L"" TEST_DATA_DIR) + L"/../../examples/reseau-exemple.mc";

class DialoguesMoindresCarres : public ScriptedEditor {
 protected:
  DialoguesMoindresCarres() : db_(true, false) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
    oublierGlobalCodification();
  }
  ~DialoguesMoindresCarres() override {
    EXPECT_EQ(db_.openObjectCount(), 0);
    retirerRessources();
    oublierGlobalCodification();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  bool contient(const std::wstring& texte) { return transcript().find(texte) != std::wstring::npos; }

  AcDbDatabase db_;
};

TEST_F(DialoguesMoindresCarres, DataSolutionIterationAltitudesAndPlacing) {
  answer({L"click Itérer", L"click Solution", L"click Données", kExemple, L"click Solution",
          L"click Itérer", L"click Altitudes", L"click 1108", L"7", L"ok"});
  CDlgMoindresCarres dialogue;
  dialogue.DoModal();
  EXPECT_TRUE(contient(L"Aucune donnée : choisissez un fichier avec \"Données\"")) << transcript();
  EXPECT_TRUE(contient(L"Point 3        P10   | Point 4        P12   | Point 5        P11"));
  EXPECT_TRUE(contient(L"Calcul du point P10  à l'aide de 3 equations "));
  EXPECT_TRUE(contient(L"Vecteur Solution (6 elements)"));
  EXPECT_TRUE(contient(L"Vecteur Solution (3 elements)"));  // the altitudes of P10, P11, P12
  EXPECT_TRUE(contient(L"\n3 points placés."));
  const reseauMoindresCarres& r = dialogue.reseau();
  const pointACalculer& p10 = r.points[r.chercherPoint(CString("P10"))];
  // The data were simulated from (1250, 1310, 151.02) with millimetre noise.
  EXPECT_NEAR(p10.x, 1250.0, 0.02);
  EXPECT_NEAR(p10.y, 1310.0, 0.02);
  EXPECT_NEAR(p10.z, 151.02, 0.01);
  pointDuDessin lu;
  int blocs = 0;
  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db_.getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbBlockTableRecord* espace = nullptr;
  ASSERT_EQ(table->getAt(ACDB_MODEL_SPACE, espace, AcDb::kForRead), Acad::eOk);
  table->close();
  AcDbBlockTableRecordIterator* it = nullptr;
  espace->newIterator(it);
  for (; !it->done(); it->step()) {
    AcDbObjectId id;
    it->getEntityId(id);
    if (lu.updateFromDrawing(id) == 1) {
      ++blocs;
      EXPECT_EQ(lu.getCode(), 7);
    }
  }
  delete it;
  espace->close();
  EXPECT_EQ(blocs, 3);
}

TEST_F(DialoguesMoindresCarres, AFailedSolutionKeepsIterateDisabled) {
  const std::string chemin = "/tmp/moindres_carres_dialogue_" +
                             std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".mc";
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("A 0 0\r\nOBS\r\nA NORD P - 50\r\n", f);  // one distance cannot place P
  std::fclose(f);
  answer({L"click Données", std::wstring(chemin.begin(), chemin.end()), L"click Solution",
          L"click Itérer", L"ok"});
  CDlgMoindresCarres dialogue;
  dialogue.DoModal();
  std::remove(chemin.c_str());
  EXPECT_TRUE(contient(L"Point P non calculé : observations insuffisantes pour le situer")) << transcript();
  const size_t solution = transcript().find(L"Action : click Solution");
  ASSERT_NE(solution, std::wstring::npos);
  EXPECT_NE(transcript().find(L"1091 bouton (grisé) : Itérer", solution), std::wstring::npos);
  EXPECT_EQ(transcript().find(L"Vecteur Solution"), std::wstring::npos);
}

TEST_F(DialoguesMoindresCarres, APointWithOnlyAnAltitudeIsNotPlaced) {
  const std::string chemin = "/tmp/moindres_carres_altitude_" +
                             std::to_string(::testing::UnitTest::GetInstance()->random_seed()) + ".mc";
  std::FILE* f = std::fopen(chemin.c_str(), "wb");
  ASSERT_NE(f, nullptr);
  std::fputs("A 0 0 100\r\nOBS\r\nA NORD P 50 100 2.000\r\nP NORD H - - -0.500\r\n", f);
  std::fclose(f);
  answer({L"click Données", std::wstring(chemin.begin(), chemin.end()), L"click Solution",
          L"click Altitudes", L"click 1108", L"", L"ok"});
  CDlgMoindresCarres dialogue;
  dialogue.DoModal();
  std::remove(chemin.c_str());
  EXPECT_TRUE(contient(L"\nPoint H non placé : altitude seule, pas de position en plan.")) << transcript();
  EXPECT_FALSE(contient(L"Point A non placé"));  // a known point is for "Placer Canevas"
  // The count ends its line: the dialog's return starts on the next one.
  EXPECT_TRUE(contient(L"\n1 points placés.\nDialogue"));
}

TEST_F(DialoguesMoindresCarres, FormulasAreCheckedComputedAndGetConstants) {
  formulesPoids formules;
  answer({L"set 1193 2*d1+k", L"click 1204", L"set 1191 (1+", L"click 1202", L"set 1192 x1*2",
          L"click 1203", L"click Ajouter", L"set 3260 x1", L"set 3261 0.25", L"set 3262 essai",
          L"ok", L"set 1206 3", L"set 1191 1/ang", L"set 1209 50", L"click Calculer", L"ok"});
  CDlgFormulePoids dialogue(&formules);
  dialogue.DoModal();
  EXPECT_TRUE(contient(L"OK : ( ( 2.0000 * d1 ) + k )")) << transcript();
  EXPECT_TRUE(contient(L"Erreur dans la formule"));
  EXPECT_TRUE(contient(L"Variable inconnue : x1"));
  EXPECT_TRUE(contient(L"d1 | * obs *"));
  EXPECT_TRUE(contient(L"x1 | 0.2500 | essai"));
  EXPECT_TRUE(contient(L"1212 édition (lecture seule) : 0.0200"));  // 1/50
  EXPECT_TRUE(contient(L"1210 édition (lecture seule) : 0.5000"));  // x1 * 2
  EXPECT_TRUE(contient(L"1211 édition (lecture seule) : 6.0000"));  // k unknown: 0
  EXPECT_EQ(formules.distances, L"2*d1+k");
  EXPECT_EQ(formules.variables.at(formules.variables.chercher(L"X1")).valeur, 0.25);
}

}  // namespace
