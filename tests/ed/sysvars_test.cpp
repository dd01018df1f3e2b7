// System variables through acedGetVar/acedSetVar and through LISP getvar/setvar.
#include <cstdlib>

#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/sysvars.h"
#include "ed_fixture.h"
#include "lisp/interpreter.h"

namespace {

class SysVars : public ScriptedEditor {
 protected:
  SysVars() : db_(true, true) {
    ed::Editor::instance().setCurrentDrawing(&db_, L"/chantier/lot 3/plan.dwg");
    lisp_.setDatabase(&db_);
    lisp_.setOutput(&ed::Editor::instance().transcript());
  }

  std::wstring stringVar(const wchar_t* name) {
    resbuf rb{};
    EXPECT_EQ(acedGetVar(name, &rb), RTNORM) << name;
    EXPECT_EQ(rb.restype, RTSTR) << name;
    std::wstring text = rb.restype == RTSTR ? rb.resval.rstring : L"";
    if (rb.restype == RTSTR) std::free(rb.resval.rstring);
    return text;
  }

  void addLayer(const wchar_t* name) {
    AcDbLayerTable* table = nullptr;
    ASSERT_EQ(db_.getLayerTable(table, AcDb::kForWrite), Acad::eOk);
    auto* record = new AcDbLayerTableRecord();
    record->setName(name);
    ASSERT_EQ(table->add(record), Acad::eOk);
    record->close();
    table->close();
  }

  AcDbDatabase db_;
  lisp::Interpreter lisp_;
};

TEST_F(SysVars, DrawingNameAndFolderAreReadOnly) {
  EXPECT_EQ(stringVar(L"dwgname"), L"plan.dwg");
  EXPECT_EQ(stringVar(L"DWGPREFIX"), L"/chantier/lot 3/");
  resbuf value{};
  value.restype = RTSTR;
  value.resval.rstring = const_cast<ACHAR*>(L"autre.dwg");
  EXPECT_EQ(acedSetVar(L"DWGNAME", &value), RTERROR);
  EXPECT_EQ(stringVar(L"DWGNAME"), L"plan.dwg");
  EXPECT_EQ(acedGetVar(L"PASUNEVARIABLE", &value), RTERROR);
}

TEST_F(SysVars, DrawingSettingsRoundTripThroughTheDatabase) {
  addLayer(L"Talus");
  EXPECT_EQ(lisp_.evaluateToText(L"(setvar \"clayer\" \"talus\")"), L"\"talus\"");
  EXPECT_EQ(stringVar(L"CLAYER"), L"Talus");
  EXPECT_NE(lisp_.evaluateToText(L"(setvar \"CLAYER\" \"Inconnu\")").find(L"rejected"),
            std::wstring::npos);
  EXPECT_EQ(stringVar(L"CLAYER"), L"Talus");

  EXPECT_EQ(lisp_.evaluateToText(L"(setvar \"TEXTSIZE\" 3)"), L"3");
  EXPECT_DOUBLE_EQ(db_.textsize(), 3.0);
  EXPECT_EQ(lisp_.evaluateToText(L"(getvar \"TEXTSIZE\")"), L"3.0");

  EXPECT_EQ(stringVar(L"CECOLOR"), L"BYLAYER");
  lisp_.evaluate(L"(setvar \"CECOLOR\" \"1\")");
  EXPECT_EQ(db_.cecolorIndex(), 1);

  EXPECT_EQ(lisp_.evaluateToText(L"(getvar \"LUPREC\")"), L"4");
  lisp_.evaluate(L"(setvar \"LUPREC\" 2)");
  EXPECT_EQ(lisp_.evaluateToText(L"(getvar \"luprec\")"), L"2");
  EXPECT_EQ(lisp_.units().luprec, 2);
  EXPECT_NE(lisp_.evaluateToText(L"(setvar \"LUNITS\" 9)").find(L"rejected"), std::wstring::npos);
}

TEST_F(SysVars, SessionSettingsAndViewDefaults) {
  EXPECT_EQ(lisp_.evaluateToText(L"(getvar \"CVPORT\")"), L"2");
  EXPECT_EQ(lisp_.evaluateToText(L"(getvar \"SCREENSIZE\")"), L"(1024.0 768.0)");
  EXPECT_EQ(lisp_.evaluateToText(L"(setvar \"CMDECHO\" 0)"), L"0");
  EXPECT_EQ(lisp_.evaluateToText(L"(getvar \"CMDECHO\")"), L"0");
  lisp_.evaluate(L"(setvar \"CMDECHO\" 1)");
  EXPECT_EQ(lisp_.evaluateToText(L"(getvar \"NOSUCH\")"), L"nil");
}

TEST_F(SysVars, OtherAreasAddTheirVariables) {
  static int stored = 5;
  ed::SysVarRegistry::instance().add(
      L"Pickbox",
      [](resbuf& r) {
        r.restype = RTSHORT;
        r.resval.rint = static_cast<short>(stored);
        return int(RTNORM);
      },
      [](const resbuf& v) {
        stored = v.resval.rint;
        return int(RTNORM);
      });
  EXPECT_EQ(lisp_.evaluateToText(L"(setvar \"PICKBOX\" 8)"), L"8");
  EXPECT_EQ(stored, 8);
}

TEST_F(SysVars, LispPromptsReadTheQueue) {
  answer({L"d", L"1,2", L"", L"12.5", L"bonjour tout", L"^C"});
  EXPECT_EQ(lisp_.evaluateToText(L"(initget \"Droite Gauche\") (getkword \"Côté: \")"),
            L"\"Droite\"");
  EXPECT_EQ(lisp_.evaluateToText(L"(getpoint \"Point: \")"), L"(1.0 2.0 0.0)");
  EXPECT_EQ(lisp_.evaluateToText(L"(getint \"Nombre: \")"), L"nil");
  EXPECT_EQ(lisp_.evaluateToText(L"(getreal)"), L"12.5");
  EXPECT_EQ(lisp_.evaluateToText(L"(getstring T \"Texte: \")"), L"\"bonjour tout\"");
  EXPECT_EQ(lisp_.evaluateToText(L"(getdist '(0 0) \"Distance: \")"),
            L"; error: Function cancelled");
  EXPECT_NE(transcript().find(L"Côté: d\nPoint: 1,2\nNombre: \n"), std::wstring::npos);
}

}  // namespace
