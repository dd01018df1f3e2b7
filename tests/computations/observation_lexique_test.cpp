#include <gtest/gtest.h>

#include "computations/lexiqueObservations.h"

namespace {

std::vector<CString> jetons(const wchar_t* ligne) { return decouperLigneDonnees(CString(ligne)); }

TEST(LexiqueObservations, SeparatorsRunsAndEmptyTokens) {
  const auto t = jetons(L"  Nom=\t\"A\":X= 12.5 ::==  Y=3");
  ASSERT_EQ(t.size(), 6u);
  EXPECT_EQ(t[0], L"Nom");
  EXPECT_EQ(t[1], L"A");
  EXPECT_EQ(t[2], L"X");
  EXPECT_EQ(t[3], L"12.5");
  EXPECT_EQ(t[4], L"Y");
  EXPECT_EQ(t[5], L"3");
  EXPECT_TRUE(jetons(L"").empty());
  EXPECT_TRUE(jetons(L" \t:= ").empty());
}

TEST(LexiqueObservations, QuotedTokensKeepSeparatorsAndEmptyQuotesAreDropped) {
  const auto t = jetons(L"\"Borne 12: est\"\t\t100.5\t\"\"\t20");
  ASSERT_EQ(t.size(), 3u);
  EXPECT_EQ(t[0], L"Borne 12: est");
  EXPECT_EQ(t[1], L"100.5");
  EXPECT_EQ(t[2], L"20");
  // A quote glued to a word starts a new token.
  const auto colle = jetons(L"ab\"c d\"");
  ASSERT_EQ(colle.size(), 2u);
  EXPECT_EQ(colle[1], L"c d");
}

TEST(LexiqueObservations, UnclosedQuoteEndsTheLine) {
  const auto t = jetons(L"S1 100 \"nom sans fin 12 13");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[1], L"100");
}

TEST(LexiqueObservations, CommentOnlyWhenStarIsFirst) {
  EXPECT_TRUE(jetons(L"* Angles: grades").empty());
  EXPECT_TRUE(estLigneCommentaire(CString(L"*")));
  // A star after a blank is an ordinary token.
  const auto t = jetons(L" *x 1");
  ASSERT_EQ(t.size(), 2u);
  EXPECT_EQ(t[0], L"*x");
}

TEST(LexiqueObservations, KeywordsByTheirFirstLetters) {
  EXPECT_TRUE(motCleCorrespond(CString(L"angles"), L"ANGLES", 4));
  EXPECT_TRUE(motCleCorrespond(CString(L"AnGlXYZ"), L"ANGLES", 4));
  EXPECT_FALSE(motCleCorrespond(CString(L"ang"), L"ANGLES", 4));
  EXPECT_FALSE(motCleCorrespond(CString(L"nive"), L"ANGLES", 4));
  EXPECT_TRUE(motCleCorrespond(CString(L"Nivellement"), L"NIVE", 4));
  EXPECT_EQ(premiereLettre(CString(L"racine")), L'R');
  EXPECT_EQ(premiereLettre(CString(L"")), 0);
}

TEST(LexiqueObservations, NumbersReadTheirLongestPrefix) {
  EXPECT_DOUBLE_EQ(lireNombreDonnees(CString(L"12.5abc")), 12.5);
  EXPECT_DOUBLE_EQ(lireNombreDonnees(CString(L"  -3e2")), -300);
  EXPECT_DOUBLE_EQ(lireNombreDonnees(CString(L"+.25")), 0.25);
  EXPECT_DOUBLE_EQ(lireNombreDonnees(CString(L"1e")), 1);
  EXPECT_DOUBLE_EQ(lireNombreDonnees(CString(L"abc")), 0);
  EXPECT_DOUBLE_EQ(lireNombreDonnees(CString(L"-")), 0);
  EXPECT_DOUBLE_EQ(lireNombreDonnees(CString(L"12,5")), 12);
}

TEST(LexiqueObservations, NoInfinityOrNanFromText) {
  EXPECT_EQ(lireNombreDonnees(CString(L"inf")), 0);
  EXPECT_EQ(lireNombreDonnees(CString(L"nan")), 0);
  EXPECT_EQ(lireNombreDonnees(CString(L"1e999")), 0);
  double v = 5;
  EXPECT_FALSE(lireNombreStrict(CString(L"1e999"), v));
  EXPECT_EQ(v, 0);
}

TEST(LexiqueObservations, StrictReadingWantsTheWholeToken) {
  double v = 0;
  EXPECT_TRUE(lireNombreStrict(CString(L" 12.75 "), v));
  EXPECT_DOUBLE_EQ(v, 12.75);
  EXPECT_FALSE(lireNombreStrict(CString(L"12.75m"), v));
  EXPECT_FALSE(lireNombreStrict(CString(L""), v));
  EXPECT_FALSE(lireNombreStrict(CString(L"X"), v));
}

}  // namespace
