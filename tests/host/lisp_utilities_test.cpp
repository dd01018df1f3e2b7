// The module's small LISP functions, called as drawing routines call them, good and bad arguments.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>

#include "db/dbents.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"
#include "module_fixture.h"

namespace {

template <typename T>
struct Opened {
  explicit Opened(AcDbObjectId id) { acdbOpenObject(object, id, AcDb::kForRead); }
  ~Opened() {
    if (object) object->close();
  }
  T* object = nullptr;
};

AcDbObjectId lastEntity(AcDbDatabase* database) {
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, database->modelSpaceId(), AcDb::kForRead);
  AcDbBlockTableRecordIterator* it = nullptr;
  space->newIterator(it);
  AcDbObjectId last;
  for (; !it->done(); it->step()) it->getEntityId(last);
  delete it;
  space->close();
  return last;
}

TEST_F(ModuleHost, AnalyseSplitsWordsAndRefusesOtherArguments) {
  EXPECT_EQ(eval(L"(analyse \"  a,b  c \")"), L"(\"a\" \"b\" \"c\")");
  EXPECT_EQ(eval(L"(analyse \"un\\tdeux\\ntrois,,quatre\")"), L"(\"un\" \"deux\" \"trois\" \"quatre\")");
  EXPECT_EQ(eval(L"(analyse \" ,\\t\")"), L"nil");
  EXPECT_EQ(eval(L"(analyse 12)"), L"nil");
  EXPECT_EQ(eval(L"(analyse)"), L"nil");
}

TEST_F(ModuleHost, JalotextMakesOneTextOnlyWithItsFiveArguments) {
  EXPECT_EQ(eval(L"(JALOTEXT \"c\" '(10 20 5) 2.5 0 \"Borne\" 0.8)"), L"nil");  // no value
  Opened<AcDbText> text(lastEntity(database()));
  ASSERT_NE(text.object, nullptr);
  EXPECT_STREQ(text.object->textStringConst(), L"Borne");
  EXPECT_DOUBLE_EQ(text.object->widthFactor(), 0.8);
  EXPECT_DOUBLE_EQ(text.object->height(), 2.5);
  EXPECT_EQ(text.object->horizontalMode(), AcDb::kTextCenter);
  EXPECT_EQ(text.object->alignmentPoint(), AcGePoint3d(10, 20, 0));  // z dropped
  EXPECT_EQ(text.object->colorIndex(), 256);
  const AcDbObjectId first = lastEntity(database());
  text.object->close();
  text.object = nullptr;

  eval(L"(JALOTEXT \"C\" '(0 0) 2.5 0)");            // four arguments: nothing
  eval(L"(JALOTEXT \"C\" \"pas un point\" 2.5 0 \"x\")");  // wrong type: nothing
  EXPECT_EQ(lastEntity(database()), first);

  eval(L"(JALOTEXT \"gauche\" '(1 2) 1 1.5708 \"G\")");
  Opened<AcDbText> left(lastEntity(database()));
  ASSERT_NE(left.object, nullptr);
  EXPECT_EQ(left.object->horizontalMode(), AcDb::kTextLeft);
  EXPECT_EQ(left.object->position(), AcGePoint3d(1, 2, 0));
  EXPECT_NEAR(left.object->rotation(), 1.5708, 1e-12);
  EXPECT_DOUBLE_EQ(left.object->widthFactor(), 1.0);
}

TEST_F(ModuleHost, GetsegtypeGivesTheSegmentUnderThePoint) {
  eval(L"(setq p (entmake '((0 . \"LWPOLYLINE\") (100 . \"AcDbEntity\") (100 . \"AcDbPolyline\")"
       L" (90 . 3) (70 . 1) (10 0.0 0.0) (10 10.0 0.0) (42 . 0.5) (10 10.0 10.0))))");
  eval(L"(setq p (entlast))");
  EXPECT_EQ(eval(L"(getsegtype p '(5 0.1))"), L"(\"LINE\" (0.0 0.0 0.0) (10.0 0.0 0.0))");
  EXPECT_EQ(eval(L"(getsegtype p '(11 5 0))"), L"(\"ARC\" (10.0 0.0 0.0) (10.0 10.0 0.0) 0.5)");
  // A point near the closing segment, from the last vertex back to the first.
  EXPECT_EQ(eval(L"(getsegtype p '(4 5.1))"), L"(\"LINE\" (10.0 10.0 0.0) (0.0 0.0 0.0))");
  EXPECT_EQ(eval(L"(getsegtype p \"x\")"), L"nil");
  eval(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
  EXPECT_EQ(eval(L"(getsegtype (entlast) '(0.5 0))"), L"nil");
}

TEST_F(ModuleHost, SxdReplacesTheGroupOfTheSameKey) {
  eval(L"(entmake '((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 0.0 0.0)))");
  eval(L"(setq e (entlast))");
  EXPECT_EQ(eval(L"(sxd e '(\"A\" 1.0))"), L"T");
  EXPECT_EQ(eval(L"(sxd e '(\"a\" 2.0))"), L"T");
  EXPECT_EQ(eval(L"(cdr (assoc -3 (entget e '(\"JALOPLUS\"))))"),
            L"((\"JALOPLUS\" (1002 . \"{\") (1000 . \"a\") (1040 . 2.0) (1002 . \"}\")))");
  EXPECT_EQ(eval(L"(sxd e '(7 \"sept\"))"), L"T");
  EXPECT_EQ(eval(L"(sxd e '(1.5 2.5))"), L"T");  // a point: two reals, its own group
  EXPECT_EQ(eval(L"(cdr (assoc -3 (entget e '(\"JALOPLUS\"))))"),
            L"((\"JALOPLUS\" (1002 . \"{\") (1000 . \"a\") (1040 . 2.0) (1002 . \"}\")"
            L" (1002 . \"{\") (1070 . 7) (1000 . \"sept\") (1002 . \"}\")"
            L" (1002 . \"{\") (1040 . 1.5) (1040 . 2.5) (1002 . \"}\")))");

  clearTranscript();
  EXPECT_EQ(eval(L"(sxd)"), L"nil");
  EXPECT_EQ(eval(L"(sxd \"e\" '(1))"), L"nil");
  EXPECT_EQ(eval(L"(sxd e \"texte\")"), L"nil");
  EXPECT_EQ(eval(L"(sxd e (list \"k\" e))"), L"nil");
  EXPECT_EQ(transcript(),
            L"\nNombre de parametres insuffisant"
            L"\n1er param doit etre un nom d'entite"
            L"\nType 2 eme param=5005\n2 eme param doit etre une liste de Xdata"
            L"\nMauvais type d'element dans la liste (buildxdata)");
}

TEST_F(ModuleHost, KGetPtAsksWithItsPromptOrSaysWhatIsWrong) {
  answer({L"", L"3,4"});  // an empty answer is refused: input is required
  EXPECT_EQ(eval(L"(k_getpt \"\\nPoint : \" nil)"), L"(3.0 4.0 0.0)");
  answer({L"@1,1"});
  EXPECT_EQ(eval(L"(k_getpt \"\\nSuivant : \" '(10 10 7))"), L"(11.0 11.0 0.0)");
  answer({L"^C"});
  EXPECT_EQ(eval(L"(k_getpt \"\\nPoint : \" nil)"), L"nil");
  clearTranscript();
  eval(L"(k_getpt)");
  eval(L"(k_getpt 5 nil)");
  eval(L"(k_getpt \"x\")");
  eval(L"(k_getpt \"x\" \"y\")");
  EXPECT_EQ(transcript(), L"\n1er param = NULL\n1er param n'est pas une chaine\n2eme param = NULL"
                          L"\n2eme param n'est pas un point, son code est 5005");
}

TEST_F(ModuleHost, AttributesByTag) {
  // A block with two attributes, placed twice.
  eval(L"(entmake '((0 . \"BLOCK\") (2 . \"BORNE\") (70 . 2) (10 0.0 0.0 0.0)))");
  eval(L"(entmake '((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . 1.0)))");
  eval(L"(entmake '((0 . \"ATTDEF\") (10 1.0 0.0 0.0) (40 . 1.0) (1 . \"\") (3 . \"Num\") (2 . \"NUMPT\") (70 . 0)))");
  eval(L"(entmake '((0 . \"ATTDEF\") (10 1.0 -2.0 0.0) (40 . 1.0) (1 . \"\") (3 . \"Alt\") (2 . \"Z\") (70 . 1)))");
  eval(L"(entmake '((0 . \"ENDBLK\")))");
  for (int i = 0; i < 2; ++i) {
    eval(L"(entmake '((0 . \"INSERT\") (2 . \"BORNE\") (66 . 1) (10 5.0 5.0 0.0)))");
    eval(L"(entmake '((0 . \"ATTRIB\") (10 6.0 5.0 0.0) (40 . 1.0) (1 . \"12\") (2 . \"NUMPT\") (70 . 0)))");
    eval(L"(entmake '((0 . \"ATTRIB\") (10 6.0 3.0 0.0) (40 . 1.0) (1 . \"104.2\") (2 . \"Z\") (70 . 1)))");
    eval(L"(entmake '((0 . \"SEQEND\")))");
  }
  eval(L"(setq b (entlast))");
  EXPECT_EQ(eval(L"(calctailleblock \"BORNE\")"), eval(L"(calctailleblock \"borne\")"));
  EXPECT_EQ(eval(L"(calctailleblock \"INCONNU\")"), L"nil");
  EXPECT_EQ(eval(L"(calctailleblock 3)"), L"nil");
  EXPECT_NE(eval(L"(calctailleblock \"BORNE\")"), L"nil");

  eval(L"(modif-attrib b \"numpt\" \"P7\")");
  EXPECT_EQ(eval(L"(cdr (assoc 1 (entget (entnext b))))"), L"\"P7\"");

  clearTranscript();
  eval(L"(attrvisibility (ssget \"X\" '((0 . \"INSERT\"))) '(\"z\" 1 \"NUMPT\" 3 \"OBS\"))");
  EXPECT_EQ(transcript(), L"\n\r element        0 /        2\r element        2 /        2");
  EXPECT_EQ(eval(L"(cdr (assoc 70 (entget (entnext b))))"), L"1");           // toggled
  EXPECT_EQ(eval(L"(cdr (assoc 70 (entget (entnext (entnext b)))))"), L"0");  // made visible
  clearTranscript();
  eval(L"(attrvisibility \"x\" '(\"Z\" 2))");
  eval(L"(attrvisibility b nil)");
  EXPECT_EQ(transcript(), L"\nparametres incorrects.\nparametres incorrects.");
}

TEST_F(ModuleHost, JldelfileDeletesOnlyWhatExists) {
  const std::filesystem::path file = std::filesystem::temp_directory_path() / "jldelfile_essai.txt";
  std::ofstream(file) << "x";
  const std::wstring call = L"(jldelfile \"" + file.wstring() + L"\")";
  EXPECT_EQ(eval(call), L"1");
  EXPECT_FALSE(std::filesystem::exists(file));
  EXPECT_EQ(eval(call), L"nil");
  EXPECT_EQ(eval(L"(jldelfile 1)"), L"nil");
}

}  // namespace
