// The import options: the kinds checked, "&Tous" / "&Aucun", the offset controls that follow
// "Importer textes", the attribute tags and the text offset taken from the drawing.
#include <gtest/gtest.h>

#include "exchange/CParamImportPntsDuDessin.h"
#include "exchange_fixture.h"
#include "lisp/interpreter.h"

namespace {

class ImportOptions : public ExchangeDrawing {
 protected:
  ImportOptions() { lisp_.setDatabase(&db_); }
  struct choix {
    int m_types;
    CString m_tagNumero, m_tagAltitude, m_tagCode;
    AcGeVector2d m_decalage;
  };
  choix run(std::deque<std::wstring> actions, INT_PTR attendu = IDOK) {
    answer(std::move(actions));
    CParamImportPntsDuDessin options;
    EXPECT_EQ(options.DoModal(), attendu);
    return {options.m_types, options.m_tagNumero, options.m_tagAltitude, options.m_tagCode, options.m_decalage};
  }
  lisp::Interpreter lisp_;
};

TEST_F(ImportOptions, KindsAsBitsAndTheOffsetFollowsTexts) {
  choix options = run({L"ok"});
  EXPECT_EQ(options.m_types, 0xFFF);
  EXPECT_EQ(options.m_tagNumero, L"NUMPT");
  EXPECT_EQ(options.m_tagAltitude, L"Z");
  EXPECT_EQ(options.m_tagCode, L"");

  options = run({L"click 1125", L"check 1117 on", L"check 1115 on", L"ok"});
  EXPECT_EQ(options.m_types, 512 | 4);
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"1257 édition (grisé)"), std::wstring::npos) << t;

  options = run({L"click Aucun", L"check 1127 on", L"set 1257 0.5", L"set 1258 -1.25", L"ok"});
  EXPECT_EQ(options.m_types, 2048);
  EXPECT_EQ(options.m_decalage.x, 0.5);
  EXPECT_EQ(options.m_decalage.y, -1.25);

  run({L"click Tous", L"set 1257 0.5", L"cancel"}, IDCANCEL);
}

TEST_F(ImportOptions, TagsPickedInsideBlocksAndOffsetTakenFromAText) {
  lisp_.evaluate(L"(entmake '((0 . \"BLOCK\") (2 . \"B\") (70 . 2) (10 0.0 0.0 0.0)))");
  lisp_.evaluate(L"(entmake '((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . 0.5)))");
  lisp_.evaluate(L"(entmake '((0 . \"ENDBLK\")))");
  lisp_.evaluate(L"(entmake '((0 . \"INSERT\") (2 . \"B\") (66 . 1) (10 10.0 10.0 0.0)))");
  lisp_.evaluate(L"(entmake '((0 . \"ATTRIB\") (10 10.0 12.0 0.0) (40 . 1.0) (1 . \"P7\") (2 . \"MATRICULE\") (70 . 0)))");
  lisp_.evaluate(L"(entmake '((0 . \"ATTRIB\") (10 10.0 14.0 0.0) (40 . 1.0) (1 . \"12.5\") (2 . \"ALTI\") (70 . 0)))");
  lisp_.evaluate(L"(entmake '((0 . \"SEQEND\")))");
  lisp_.evaluate(L"(entmake '((0 . \"TEXT\") (10 50.0 50.0 0.0) (40 . 1.0) (1 . \"104.20\")))");
  choix options =
      run({L"click configurer", L"10.3,12.3", L"10.3,14.3", L"", L"check 1127 on", L"click Prélever", L"50.3,50.3",
           L"49,48.5", L"ok"});
  EXPECT_EQ(options.m_tagNumero, L"MATRICULE");
  EXPECT_EQ(options.m_tagAltitude, L"ALTI");
  EXPECT_EQ(options.m_tagCode, L"");
  EXPECT_DOUBLE_EQ(options.m_decalage.x, -1.0);
  EXPECT_DOUBLE_EQ(options.m_decalage.y, -1.5);
  EXPECT_NE(transcript().find(L"\nSelectionnez un modele de Numéro  de point:"), std::wstring::npos);

  // A missed second pick changes nothing.
  options = run({L"click configurer", L"10.3,12.3", L"300,300", L"ok"});
  EXPECT_EQ(options.m_tagNumero, L"NUMPT");
}

}  // namespace
