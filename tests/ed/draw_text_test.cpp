// TEXT: start point, height (TEXTSIZE), rotation, justifications and styles.
#include <cmath>

#include "draw_fixture.h"

namespace {

class TextCommand : public DrawingCommand {
 protected:
  AcDbObjectId onlyText() {
    auto ids = entities<AcDbText>();
    EXPECT_EQ(ids.size(), 1u);
    return ids.empty() ? AcDbObjectId() : ids.back();
  }

  AcDbObjectId addStyle(const wchar_t* name, double fixedHeight) {
    AcDbTextStyleTable* table = nullptr;
    EXPECT_EQ(db->getTextStyleTable(table, AcDb::kForWrite), Acad::eOk);
    auto* style = new AcDbTextStyleTableRecord();
    style->setName(name);
    style->setTextSize(fixedHeight);
    style->setXScale(0.8);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, style), Acad::eOk);
    style->close();
    table->close();
    return id;
  }
};

TEST_F(TextCommand, StartPointWithTheDefaultHeightAndRotation) {
  run(L"TEXTE", {L"1,2", L"", L"", L"Borne 12"});
  read<AcDbText>(onlyText(), [&](const AcDbText& t) {
    EXPECT_POINT(t.position(), 1, 2);
    EXPECT_DOUBLE_EQ(t.height(), 2.5);
    EXPECT_DOUBLE_EQ(t.rotation(), 0.0);
    EXPECT_STREQ(t.textStringConst(), L"Borne 12");  // blanks are part of the text
    EXPECT_EQ(t.horizontalMode(), AcDb::kTextLeft);
    EXPECT_EQ(t.textStyle(), db->textstyle());
    EXPECT_EQ(t.layerId(), db->clayer());
  });
  EXPECT_TRUE(
      said(L"\nStyle de texte courant:  \"Standard\"  Hauteur de texte:  2.5000  Annotatif:  Non"
           L"\nSpécifiez le point de départ du texte ou [Justifier/Style]: 1,2\n"
           L"\nSpécifiez la hauteur <2.5000>: \n"
           L"\nSpécifiez l'angle de rotation du texte <0>: \n"
           L"\nEntrez le texte: Borne 12\n"));
}

TEST_F(TextCommand, HeightTypedBecomesTheDefaultAndAngleIsInDegrees) {
  run(L"TEXT", {L"0,0", L"5", L"30", L"Haut"});
  read<AcDbText>(onlyText(), [&](const AcDbText& t) {
    EXPECT_DOUBLE_EQ(t.height(), 5.0);
    EXPECT_NEAR(t.rotation(), M_PI / 6.0, 1e-12);
  });
  EXPECT_DOUBLE_EQ(db->textsize(), 5.0);
  clearTranscript();
  // Refused heights, then an empty text: nothing placed.
  run(L"TEXT", {L"0,0", L"0", L"-1", L"", L"", L""});
  EXPECT_TRUE(said(L"Hauteur de texte:  5.0000"));
  EXPECT_TRUE(said(L"Spécifiez la hauteur <5.0000>: "));
  EXPECT_TRUE(said(L"La valeur doit être non nulle."));
  EXPECT_TRUE(said(L"La valeur doit être positive."));
  EXPECT_EQ(entities<AcDbText>().size(), 1u);
}

TEST_F(TextCommand, JustificationsSetBothModesAndKeepTheirPoint) {
  struct Case {
    const wchar_t* typed;
    AcDb::TextHorzMode horizontal;
    AcDb::TextVertMode vertical;
    const wchar_t* prompt;
  };
  const Case cases[] = {
      {L"c", AcDb::kTextCenter, AcDb::kTextBase, L"point central de la ligne de base"},
      {L"M", AcDb::kTextMid, AcDb::kTextBase, L"point milieu du texte"},
      {L"droite", AcDb::kTextRight, AcDb::kTextBase, L"extrémité droite"},
      {L"hg", AcDb::kTextLeft, AcDb::kTextTop, L"point supérieur gauche"},
      {L"HC", AcDb::kTextCenter, AcDb::kTextTop, L"point supérieur central"},
      {L"HD", AcDb::kTextRight, AcDb::kTextTop, L"point supérieur droit"},
      {L"MG", AcDb::kTextLeft, AcDb::kTextVertMid, L"point milieu gauche"},
      {L"mc", AcDb::kTextCenter, AcDb::kTextVertMid, L"point milieu central"},
      {L"MD", AcDb::kTextRight, AcDb::kTextVertMid, L"point milieu droit"},
      {L"BG", AcDb::kTextLeft, AcDb::kTextBottom, L"point inférieur gauche"},
      {L"_BC", AcDb::kTextCenter, AcDb::kTextBottom, L"point inférieur central"},
      {L"BD", AcDb::kTextRight, AcDb::kTextBottom, L"point inférieur droit"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.typed);
    clearTranscript();
    run(L"TEXT", {L"j", c.typed, L"10,10", L"", L"", L"Repère"});
    EXPECT_TRUE(said(
        L"\nEntrez une option [Aligné/Fixe/Centre/Milieu/Droite/HG/HC/HD/MG/MC/MD/BG/BC/BD]: "));
    EXPECT_TRUE(said(c.prompt));
    auto ids = entities<AcDbText>();
    ASSERT_FALSE(ids.empty());
    read<AcDbText>(ids.back(), [&](const AcDbText& t) {
      EXPECT_EQ(t.horizontalMode(), c.horizontal);
      EXPECT_EQ(t.verticalMode(), c.vertical);
      EXPECT_POINT(t.alignmentPoint(), 10, 10);
      // The start of the base line lies left of the point for centred and right texts, below it
      // for middle ("Milieu" included) and top ones, above it for bottom ones (the descenders hang
      // below the line).
      if (c.horizontal == AcDb::kTextLeft) {
        EXPECT_NEAR(t.position().x, 10.0, 1e-9);
      } else {
        EXPECT_LT(t.position().x, 10.0);
      }
      if (c.vertical == AcDb::kTextBase && c.horizontal != AcDb::kTextMid) {
        EXPECT_NEAR(t.position().y, 10.0, 1e-9);
      } else if (c.vertical == AcDb::kTextBottom) {
        EXPECT_GT(t.position().y, 10.0);
      } else {
        EXPECT_LT(t.position().y, 10.0);
      }
    });
  }
}

TEST_F(TextCommand, AlignedTextTakesItsAngleAndHeightFromTheBaseLine) {
  run(L"TEXT", {L"j", L"a", L"0,0", L"0,10", L"ABC"});
  read<AcDbText>(onlyText(), [&](const AcDbText& t) {
    EXPECT_EQ(t.horizontalMode(), AcDb::kTextAlign);
    EXPECT_POINT(t.position(), 0, 0);
    EXPECT_POINT(t.alignmentPoint(), 0, 10);
    EXPECT_NEAR(t.rotation(), M_PI / 2.0, 1e-12);
    EXPECT_GT(t.height(), 2.5);  // three letters stretched over 10 units
  });
  EXPECT_FALSE(said(L"Spécifiez la hauteur"));
  EXPECT_FALSE(said(L"Spécifiez l'angle de rotation"));
}

TEST_F(TextCommand, StyleOptionListsChangesAndUsesTheFixedHeight) {
  AcDbObjectId fixedStyle = addStyle(L"Cotes", 3.0);
  run(L"TEXT", {L"s", L"?", L"Inconnu", L"cotes", L"2,2", L"", L"Tête"});
  EXPECT_TRUE(said(L"\n  \"Standard\""));
  EXPECT_TRUE(said(L"\n  \"Cotes\""));
  EXPECT_TRUE(said(L"Impossible de trouver le style de texte \"Inconnu\"."));
  EXPECT_TRUE(said(L"Style de texte courant:  \"Cotes\"  Hauteur de texte:  3.0000"));
  EXPECT_FALSE(said(L"Spécifiez la hauteur"));
  EXPECT_EQ(db->textstyle(), fixedStyle);
  read<AcDbText>(onlyText(), [&](const AcDbText& t) {
    EXPECT_EQ(t.textStyle(), fixedStyle);
    EXPECT_DOUBLE_EQ(t.height(), 3.0);
    EXPECT_DOUBLE_EQ(t.widthFactor(), 0.8);
  });
}

}  // namespace
