#include <gtest/gtest.h>

#include "points/numeroteur.h"

namespace {

std::wstring text(const CString& s) { return s.GetString(); }

TEST(IncrementeAlpha, CountsOnLettersWithCarry) {
  EXPECT_EQ(text(incrementeAlpha(L"")), L"A");
  EXPECT_EQ(text(incrementeAlpha(L"A")), L"B");
  EXPECT_EQ(text(incrementeAlpha(L"AZ")), L"BA");
  EXPECT_EQ(text(incrementeAlpha(L"ZZ")), L"AAA");
  EXPECT_EQ(text(incrementeAlpha(L"P1")), L"P2");
  EXPECT_EQ(text(incrementeAlpha(L"a")), L"b");
  EXPECT_EQ(text(incrementeAlpha(L"9")), L":");
  EXPECT_EQ(text(incrementeAlpha(L"éZ")), L"êA");
}

TEST(NumeroteurEntier, SeriesStepsAndRestarts) {
  numeroteurEntier names;
  EXPECT_EQ(text(names.getNextName()), L"1");  // nothing set: number 1, step 1
  names.setParams(L"S", 1, L"", 2);
  EXPECT_EQ(text(names.getNextName()), L"S1");
  EXPECT_EQ(text(names.getNextName()), L"S3");
  EXPECT_EQ(text(names.getNextName()), L"S5");

  names.setParams(L"S", 1, L"", 1);
  names.getNextName();
  names.getNextName();
  names.incrementePrefixe();
  EXPECT_EQ(text(names.prefixe()), L"T");
  EXPECT_EQ(text(names.getNextName()), L"T1");

  names.setDepart(10);
  names.incrementeSuffixe();
  EXPECT_EQ(text(names.getNextName()), L"T10A");

  numeroteur& base = names;  // the series moves on through the base class as well
  base.avance();
  EXPECT_EQ(text(base.getNextName()), L"T12A");
}

TEST(NumeroteurEntier, CurrentNumberConsumesOnlyWhenAsked) {
  numeroteurEntier names;
  names.setParams(L"", 4, L"", 1);
  EXPECT_EQ(names.numeroCourant(0), 4);
  EXPECT_EQ(names.numeroCourant(0), 4);
  EXPECT_EQ(names.numeroCourant(1), 4);
  EXPECT_EQ(names.numeroCourant(1), 5);
  EXPECT_EQ(text(names.getNextName()), L"6");

  numeroteurEntier copy = names;  // a copy keeps its own strings
  copy.incrementePrefixe();
  EXPECT_EQ(text(names.prefixe()), L"");
  EXPECT_EQ(text(copy.prefixe()), L"A");
}

}  // namespace
