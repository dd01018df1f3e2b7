// Prompts answered from a queue: values, keywords, Enter, cancels and refused answers.
#include <cmath>
#include <numbers>

#include "db/dbdatabase.h"
#include "ed/aced.h"
#include "ed_fixture.h"

namespace {

class Prompts : public ScriptedEditor {};

TEST_F(Prompts, KeywordsByAbbreviationOrPrefixInAnyCase) {
  answer({L"o", L"OU", L"nOn", L"n"});
  ACHAR kw[kAcedGetStringBufferLength];
  for (const wchar_t* expected : {L"Oui", L"Oui", L"Non", L"Non"}) {
    acedInitGet(0, L"Oui Non");
    ASSERT_EQ(acedGetKword(L"Continuer ? [Oui/Non]: ", kw), RTNORM);
    EXPECT_STREQ(kw, expected);
  }
}

TEST_F(Prompts, KeywordAbbreviationInsideTheWordAndGlobalForms) {
  ACHAR kw[kAcedGetStringBufferLength];
  // Capitals inside the word: the capitals alone or the whole word, nothing in between.
  answer({L"x", L"EXIT", L"ex", L"X"});
  for (int i = 0; i < 3; ++i) {
    acedInitGet(0, L"eXit");
    ASSERT_EQ(acedGetKword(L"> ", kw), RTNORM);
    EXPECT_STREQ(kw, L"eXit");
  }
  EXPECT_NE(transcript().find(L"> ex\nMot-clé d'option non valide.\n> X\n"), std::wstring::npos);

  // Local names give their global counterpart; "_" picks a global name directly.
  answer({L"o", L"_no", L"_oui", L"n"});
  acedInitGet(0, L"Oui Non _Yes No");
  ASSERT_EQ(acedGetKword(L"> ", kw), RTNORM);
  EXPECT_STREQ(kw, L"Yes");
  acedInitGet(0, L"Oui Non _Yes No");
  ASSERT_EQ(acedGetKword(L"> ", kw), RTNORM);
  EXPECT_STREQ(kw, L"No");
  acedInitGet(0, L"Oui Non _Yes No");
  ASSERT_EQ(acedGetKword(L"> ", kw), RTNORM);
  EXPECT_STREQ(kw, L"No");
}

TEST_F(Prompts, KeywordAndArbitraryInputAtANumberPrompt) {
  answer({L"f", L"quoi", L"12"});
  int value = 0;
  ACHAR text[kAcedGetStringBufferLength];
  acedInitGet(0, L"Fermer");
  ASSERT_EQ(acedGetInt(L"Nombre: ", &value), RTKWORD);
  ASSERT_EQ(acedGetInput(text), RTNORM);
  EXPECT_STREQ(text, L"Fermer");
  acedInitGet(RSG_OTHER, L"Fermer");
  ASSERT_EQ(acedGetInt(L"Nombre: ", &value), RTKWORD);
  acedGetInput(text);
  EXPECT_STREQ(text, L"quoi");
  // The restrictions last for one call only: the keyword list is gone now.
  ASSERT_EQ(acedGetInt(L"Nombre: ", &value), RTNORM);
  EXPECT_EQ(value, 12);
}

TEST_F(Prompts, EnterGivesNoneUnlessRefusedByNoNull) {
  answer({L"", L"", L"3.5"});
  ads_real r = 0.0;
  EXPECT_EQ(acedGetReal(L"Valeur: ", &r), RTNONE);
  acedInitGet(RSG_NONULL, nullptr);
  ASSERT_EQ(acedGetReal(L"Valeur: ", &r), RTNORM);
  EXPECT_DOUBLE_EQ(r, 3.5);
  EXPECT_NE(transcript().find(L"Nécessite une valeur numérique."), std::wstring::npos);

  // Arbitrary input wins over the refusal of Enter: an empty text comes back as the input.
  answer({L""});
  ACHAR text[kAcedGetStringBufferLength] = L"x";
  acedInitGet(RSG_NONULL | RSG_OTHER, nullptr);
  ASSERT_EQ(acedGetReal(L"Valeur: ", &r), RTKWORD);
  acedGetInput(text);
  EXPECT_STREQ(text, L"");
}

TEST_F(Prompts, BadNumbersAreRefusedWithTheirMessageAndAskedAgain) {
  answer({L"1.5", L"abc", L"40000", L"0", L"-2", L"7"});
  int value = 0;
  acedInitGet(RSG_NOZERO | RSG_NONEG, nullptr);
  ASSERT_EQ(acedGetInt(L"Entier: ", &value), RTNORM);
  EXPECT_EQ(value, 7);
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"Entier: 1.5\nNécessite une valeur entière.\nEntier: abc\n"), std::wstring::npos);
  EXPECT_NE(t.find(L"Nécessite un entier entre -32768 et 32767."), std::wstring::npos);
  EXPECT_NE(t.find(L"La valeur doit être non nulle."), std::wstring::npos);
  EXPECT_NE(t.find(L"La valeur doit être positive."), std::wstring::npos);
  EXPECT_NE(t.find(L"Entier: 7\n"), std::wstring::npos);
}

TEST_F(Prompts, CancelAndExhaustedSourceGiveRtcan) {
  answer({L"^C"});
  ads_point p;
  EXPECT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTCAN);
  EXPECT_NE(transcript().find(L"Point: *Annuler*\n"), std::wstring::npos);
  // Nothing left to read in the middle of a prompt.
  int value;
  EXPECT_EQ(acedGetInt(L"Entier: ", &value), RTCAN);
  ACHAR text[kAcedGetStringBufferLength];
  EXPECT_EQ(acedGetString(1, L"Nom: ", text), RTCAN);
}

TEST_F(Prompts, PointsAbsoluteRelativeAndPolar) {
  answer({L"1,2", L"@3,4", L"10,20,30", L"@", L"@2<90", L"n'importe", L"5,5"});
  ads_point p;
  ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[0], 1.0);
  EXPECT_DOUBLE_EQ(p[1], 2.0);
  EXPECT_DOUBLE_EQ(p[2], 0.0);
  ads_point base = {10.0, 10.0, 5.0};
  ASSERT_EQ(acedGetPoint(base, L"Point: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[0], 13.0);
  EXPECT_DOUBLE_EQ(p[1], 14.0);
  EXPECT_DOUBLE_EQ(p[2], 5.0);
  ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[2], 30.0);
  // "@" alone is the last point entered; without a base, relative input starts from it too.
  ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[0], 10.0);
  ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
  EXPECT_NEAR(p[0], 10.0, 1e-12);
  EXPECT_NEAR(p[1], 22.0, 1e-12);
  ASSERT_EQ(acedGetPoint(nullptr, L"Point: ", p), RTNORM);
  EXPECT_DOUBLE_EQ(p[0], 5.0);
  EXPECT_NE(transcript().find(L"Point: n'importe\nPoint non valide.\nPoint: 5,5\n"),
            std::wstring::npos);
}

TEST_F(Prompts, DistanceFromNumberBaseOrTwoPoints) {
  answer({L"2.5", L"3,4", L"0,0", L"6,8"});
  ads_real d = 0.0;
  ASSERT_EQ(acedGetDist(nullptr, L"Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 2.5);
  ads_point origin = {0.0, 0.0, 0.0};
  ASSERT_EQ(acedGetDist(origin, L"Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 5.0);
  ASSERT_EQ(acedGetDist(nullptr, L"Distance: ", &d), RTNORM);
  EXPECT_DOUBLE_EQ(d, 10.0);
  EXPECT_NE(transcript().find(L"Spécifiez le deuxième point: 6,8\n"), std::wstring::npos);
}

TEST_F(Prompts, AnglesInDegreesGiveRadians) {
  answer({L"90", L"-90", L"0,5"});
  ads_real a = 0.0;
  ASSERT_EQ(acedGetAngle(nullptr, L"Angle: ", &a), RTNORM);
  EXPECT_NEAR(a, std::numbers::pi / 2, 1e-12);
  ASSERT_EQ(acedGetOrient(nullptr, L"Angle: ", &a), RTNORM);
  EXPECT_NEAR(a, 3 * std::numbers::pi / 2, 1e-12);
  ads_point origin = {0.0, 0.0, 0.0};
  ASSERT_EQ(acedGetAngle(origin, L"Angle: ", &a), RTNORM);
  EXPECT_NEAR(a, std::numbers::pi / 2, 1e-12);
}

TEST_F(Prompts, AnglesFollowTheDrawingsAngleBaseAndDirection) {
  AcDbDatabase drawing(true, false);
  ed::Editor::instance().setCurrentDrawing(&drawing, L"");
  resbuf value{};
  value.restype = RTREAL;
  value.resval.rreal = std::numbers::pi / 2;  // zero towards north
  ASSERT_EQ(acedSetVar(L"ANGBASE", &value), RTNORM);
  value.restype = RTSHORT;
  value.resval.rint = 1;  // clockwise
  ASSERT_EQ(acedSetVar(L"ANGDIR", &value), RTNORM);
  answer({L"30", L"30", L"0,0", L"0,5", L"0,0", L"0,5"});
  ads_real a = 0.0;
  // 30 typed is 30 degrees clockwise from north: 60 degrees from east.
  ASSERT_EQ(acedGetAngle(nullptr, L"Angle: ", &a), RTNORM);
  EXPECT_NEAR(a, 330.0 * std::numbers::pi / 180, 1e-12);  // counter-clockwise from the base
  ASSERT_EQ(acedGetOrient(nullptr, L"Angle: ", &a), RTNORM);
  EXPECT_NEAR(a, 60.0 * std::numbers::pi / 180, 1e-12);  // from east
  // Two points due north: the base itself.
  ASSERT_EQ(acedGetAngle(nullptr, L"Angle: ", &a), RTNORM);
  EXPECT_NEAR(a, 0.0, 1e-12);
  ASSERT_EQ(acedGetOrient(nullptr, L"Angle: ", &a), RTNORM);
  EXPECT_NEAR(a, std::numbers::pi / 2, 1e-12);
  ed::Editor::instance().setCurrentDrawing(nullptr, L"");
}

TEST_F(Prompts, StringsWithAndWithoutBlanks) {
  answer({L"  mot suite", L"une phrase entière"});
  ACHAR text[kAcedGetStringBufferLength];
  // Without blanks a blank ends the answer; what follows answers the next prompt.
  ASSERT_EQ(acedGetString(0, L"Nom: ", text), RTNORM);
  EXPECT_STREQ(text, L"mot");
  ASSERT_EQ(acedGetString(0, L"Nom: ", text), RTNORM);
  EXPECT_STREQ(text, L"suite");
  ASSERT_EQ(acedGetString(1, L"Texte: ", text), RTNORM);
  EXPECT_STREQ(text, L"une phrase entière");

  answer({std::wstring(3000, L'a'), L"abcdef"});
  ASSERT_EQ(acedGetString(1, L"Texte: ", text), RTNORM);
  EXPECT_EQ(std::wstring(text).size(), size_t(kAcedGetStringBufferLength - 1));
  ACHAR small[4];
  EXPECT_EQ(acedGetString(1, L"Texte: ", small, 4), RTINPUTTRUNCATED);
  EXPECT_STREQ(small, L"abc");
}

TEST_F(Prompts, PrintfUsesWideStringsAndEchoFollowsThePrompt) {
  acutPrintf(L"\nCalque %s : %d objets, %.2f m\n", L"Talus", 3, 12.5);
  EXPECT_EQ(transcript(), L"\nCalque Talus : 3 objets, 12.50 m\n");
}

}  // namespace
