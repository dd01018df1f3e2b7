// Both traverse dialogs driven as a script drives them: rows typed, files saved and loaded,
// the open traverse's bearings from the calculator, the stations placed in the current table.
#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <iterator>
#include <memory>

#include "codification/globalCodification.h"
#include "computations/corrPolygoDLG.h"
#include "computations/corrPolygoOuverteDLG.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "ed/ed_fixture.h"
#include "points/listePointsDuDessin.h"
#include "points/stockageTopo.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

namespace {

std::string lire(const char* chemin) {
  std::ifstream f(chemin, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(f)), std::istreambuf_iterator<char>());
}

class DialoguesPolygonales : public ScriptedEditor {
 protected:
  DialoguesPolygonales() : db_(true, false) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    oublierGlobalCodification();
    projet_.creerTablePoints(L"LEVE");
    setSrcInfosTopo(&db_, &projet_, 0, 0);
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
  }
  ~DialoguesPolygonales() override {
    retirerRessources();
    setSrcInfosTopo(nullptr, nullptr, 0, 0);
    oublierGlobalCodification();
    EXPECT_EQ(db_.openObjectCount(), 0);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    std::remove("/tmp/traverse_dialogue.obs");
  }

  AcDbDatabase db_;
  projetsTopo projet_;
};

TEST_F(DialoguesPolygonales, ClosedRowsSavedThenLoadedIntoANewDialog) {
  answer({L"set 1012 Borne 1", L"set 1022 12.5", L"choose 1036 Radians", L"choose 1034 #3",
          L"set 1024 B", L"set 1026 1.5707963", L"set 1029 25.123456", L"set 1031 x",
          L"click 3210", L"set 1024 Q", L"click 3210", L"select 1038 1", L"click 3211",
          L"set 1024 A", L"click 3210", L"click 3214", L"filtre 1 /tmp/TRAVERSE_DIALOGUE",
          L"ok"});
  {
    corrPolygoDLG dialogue;
    EXPECT_EQ(dialogue.DoModal(), IDOK);
  }
  const std::string fichier = lire("/tmp/traverse_dialogue.obs");
  EXPECT_NE(fichier.find("Nom=\"Borne 1\" X= 1000.00000 Y= 1000.00000 Z= 100.00000 Gis= 12.50000\r\n"),
            std::string::npos)
      << fichier;
  EXPECT_NE(fichier.find("\r\n\"B\"\t\t\t1.57080\t25.12346\t\t0.00000\r\n"), std::string::npos);
  EXPECT_EQ(fichier.find("\"Q\""), std::string::npos);
  answer({L"click 3215", L"/tmp/traverse_dialogue.obs", L"ok"});
  corrPolygoDLG relu;
  EXPECT_EQ(relu.DoModal(), IDOK);
  EXPECT_EQ(relu.donnees().depart.nom, L"Borne 1");
  EXPECT_EQ(relu.donnees().unite, kUniteRadians);
  EXPECT_EQ(relu.donnees().nivellement, kNivellementRacines);
  ASSERT_EQ(relu.donnees().lignes.size(), 2u);
  EXPECT_EQ(relu.donnees().lignes[1].station, L"A");
}

TEST_F(DialoguesPolygonales, BadInputIsToldAndChangesNothing) {
  answer({L"set 1024 A", L"click 3210", L"click 3212", L"ok", L"click 3213", L"ok",
          L"click 3215", L"annuler", L"set 1015 abc", L"click 3212", L"ok", L"cancel"});
  corrPolygoDLG dialogue;
  dialogue.DoModal();
  const std::wstring& t = transcript();
  size_t fois = 0;
  for (size_t p = t.find(L"Erreur , données insuffisantes"); p != std::wstring::npos;
       p = t.find(L"Erreur , données insuffisantes", p + 1)) {
    ++fois;
  }
  EXPECT_EQ(fois, 2u) << t;
  // A station field that is not a number stops the computation with the framework's message.
  EXPECT_NE(t.find(L"Entrez un nombre"), std::wstring::npos) << t;
  EXPECT_EQ(dialogue.donnees().lignes.size(), 1u);
  EXPECT_EQ(projet_.currTable()->nbPoint(), 0);
}

TEST_F(DialoguesPolygonales, ZeroDistancesGiveAMessageNotAReport) {
  answer({L"set 1024 B", L"click 3210", L"set 1024 A", L"click 3210", L"click 3212", L"ok",
          L"cancel"});
  corrPolygoDLG dialogue;
  dialogue.DoModal();
  EXPECT_NE(transcript().find(L"somme des distances est nulle"), std::wstring::npos) << transcript();
  EXPECT_EQ(transcript().find(L"Résultats des calculs"), std::wstring::npos);
}

TEST_F(DialoguesPolygonales, OpenTraverseBearingsFromTheCalculatorAndStationsPlaced) {
  // Start A (0, 0), arrival B (200, 0), both bearings east; a straight line through P.
  answer({L"set 1064 A", L"set 1060 0", L"set 1061 0", L"set 1040 B", L"set 1046 200",
          L"set 1048 0", L"click 1057", L"set 1082 -100", L"set 1083 0", L"focus 1081", L"ok",
          L"click 1059", L"set 1082 100", L"set 1083 0", L"focus 1081", L"ok",
          L"set 1087 200", L"choose 1066 Simple",
          L"set 1068 P", L"set 1069 200", L"set 1070 100", L"set 1071 0.5", L"click 3210",
          L"set 1068 B", L"click 3210", L"click 3213", L"set 1101 7", L"click 1102", L"ok", L"ok",
          L"ok"});
  corrPolygoOuverteDLG dialogue;
  EXPECT_EQ(dialogue.DoModal(), IDOK);
  // A code the table lacked was shown in the code dialog before use.
  EXPECT_NE(transcript().find(L"Dialogue « Codification »"), std::wstring::npos) << transcript();
  EXPECT_NEAR(dialogue.donnees().depart.gisement, 100, 1e-9);
  EXPECT_NEAR(dialogue.donnees().arrivee.gisement, 100, 1e-9);
  listePointsDuDessin* table = projet_.currTable();
  ASSERT_EQ(table->nbPoint(), 3);
  int position = -1;
  ASSERT_TRUE(table->existPoint(L"P", position));
  const pointDuDessin& p = *table->getData(position);
  EXPECT_NEAR(p.getX(), 100, 1e-9);
  EXPECT_NEAR(p.getY(), 0, 1e-9);
  EXPECT_NEAR(p.getZ(), 0.5 - 0.5, 1e-9);  // the height misclosure 1.0 shared equally
  EXPECT_EQ(p.getCode(), 7);
  EXPECT_GE(globalCodification()->indexOfCode(7), 0);
}

// Every field and combo of both dialogs, each with a value it does not hold at first and how to
// read what the dialog stored.
struct ChampSaisi {
  bool ouverte;
  const wchar_t* action;  // the script line that fills the control
  int liste;              // where the focus goes next
  std::wstring (*lu)(const dialoguePolygonale&);
  const wchar_t* attendu;
};

std::wstring nombre(double v) {
  CString t;
  t.Format(L"%g", v);
  return t.GetString();
}

const ChampSaisi kChamps[] = {
    {false, L"set 1012 Borne", 1038, [](const dialoguePolygonale& d) { return std::wstring(d.donnees().depart.nom); }, L"Borne"},
    {false, L"set 1015 7.5", 1038, [](const dialoguePolygonale& d) { return nombre(d.donnees().depart.x); }, L"7.5"},
    {false, L"set 1022 12", 1038, [](const dialoguePolygonale& d) { return nombre(d.donnees().depart.gisement); }, L"12"},
    {false, L"set 1024 B", 1038, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().station); }, L"B"},
    {false, L"set 1026 101", 1038, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().angle); }, L"101"},
    {false, L"set 1029 55", 1038, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().distance); }, L"55"},
    {false, L"set 1031 0.3", 1038, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().denivelee); }, L"0.3"},
    {false, L"choose 1036 Radians", 1038, [](const dialoguePolygonale& d) { return nombre(d.donnees().unite); }, L"2"},
    {false, L"choose 1034 Simple", 1038, [](const dialoguePolygonale& d) { return nombre(d.donnees().nivellement); }, L"1"},
    {true, L"set 1064 D", 1065, [](const dialoguePolygonale& d) { return std::wstring(d.donnees().depart.nom); }, L"D"},
    {true, L"set 1054 9", 1065, [](const dialoguePolygonale& d) { return nombre(d.donnees().arrivee.z); }, L"9"},
    {true, L"set 1087 33", 1065, [](const dialoguePolygonale& d) { return nombre(d.donnees().fermeture); }, L"33"},
    {true, L"set 1068 P", 1065, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().station); }, L"P"},
    {true, L"set 1069 201", 1065, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().angle); }, L"201"},
    {true, L"set 1070 42", 1065, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().distance); }, L"42"},
    {true, L"set 1071 -1", 1065, [](const dialoguePolygonale& d) { return std::wstring(d.ligneEnCours().denivelee); }, L"-1"},
    {true, L"choose 1067 Radians", 1065, [](const dialoguePolygonale& d) { return nombre(d.donnees().unite); }, L"2"},
    {true, L"choose 1066 Prop. distances", 1065, [](const dialoguePolygonale& d) { return nombre(d.donnees().nivellement); }, L"2"},
};

// Leaving a field stores it, and only then: a value typed and cancelled without leaving its
// field is not kept. The buttons read every field first, so only the focus can show this.
TEST_F(DialoguesPolygonales, LeavingAnyFieldStoresItAndOnlyThen) {
  for (const ChampSaisi& champ : kChamps) {
    SCOPED_TRACE(champ.action);
    const std::wstring focus = L"focus " + std::to_wstring(champ.liste);
    auto executer = [&](std::deque<std::wstring> script) {
      answer(std::move(script));
      std::unique_ptr<dialoguePolygonale> d;
      if (champ.ouverte) {
        d = std::make_unique<corrPolygoOuverteDLG>();
      } else {
        d = std::make_unique<corrPolygoDLG>();
      }
      EXPECT_EQ(d->DoModal(), IDCANCEL);
      return champ.lu(*d);
    };
    const std::wstring initial = executer({L"cancel"});
    ASSERT_NE(initial, champ.attendu);
    EXPECT_EQ(executer({champ.action, focus, L"cancel"}), champ.attendu);
    EXPECT_EQ(executer({champ.action, L"cancel"}), initial);
  }
}

}  // namespace
