// The oriented rectangle, by its opposite side or corner and dragged from a script, and block
// attributes turned into texts.
#include <gtest/gtest.h>

#include <cmath>

#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbpl.h"
#include "tools/outils_fixture.h"
#include "tools/rectangleOriente.h"

namespace {

using Sommets = std::vector<AcGePoint2d>;

Sommets arrondis(const std::array<AcGePoint2d, 4>& sommets) {
  Sommets resultat;
  for (const AcGePoint2d& s : sommets) {
    resultat.emplace_back(std::round(s.x * 1e9) / 1e9 + 0.0, std::round(s.y * 1e9) / 1e9 + 0.0);
  }
  return resultat;
}

TEST(RectangleOriente, OppositeSideOrCornerGiveTheSecondSide) {
  rectangleOriente r;
  r.origine.set(0, 0);
  r.angle = 0.0;
  r.premier = 10.0;
  r.parCoteOppose(AcGePoint2d(3, 4));
  EXPECT_EQ(arrondis(r.sommets()), (Sommets{{0, 0}, {10, 0}, {10, 4}, {0, 4}}));
  r.parCoteOppose(AcGePoint2d(-30, -4));  // only the distance to the first side counts
  EXPECT_EQ(arrondis(r.sommets()), (Sommets{{0, 0}, {10, 0}, {10, -4}, {0, -4}}));
  r.parDiagonale(AcGePoint2d(6, 2));
  EXPECT_EQ(arrondis(r.sommets()), (Sommets{{0, 0}, {6, 0}, {6, 2}, {0, 2}}));
  r.parDiagonale(AcGePoint2d(0, 1e-9));
  EXPECT_EQ(r.premier, 0.0);
  EXPECT_EQ(r.second, 0.0);

  // Tilted: origin (1, 1), first side towards (4, 5) (length 5), corner opposite at (1 + 3 - 4,
  // 1 + 4 + 3) = (0, 8).
  rectangleOriente t;
  t.origine.set(1, 1);
  t.angle = std::atan2(4.0, 3.0);
  t.premier = 5.0;
  t.parDiagonale(AcGePoint2d(0, 8));
  EXPECT_NEAR(t.premier, 5.0, 1e-12);
  EXPECT_NEAR(t.second, 5.0, 1e-12);
  EXPECT_EQ(arrondis(t.sommets())[2], AcGePoint2d(0, 8));
}

TEST(RectangleOriente, FirstSideOfNoLengthTakesItsDirectionFromTheSidePoint) {
  rectangleOriente r;
  r.premier = 0.0;
  r.parCoteOppose(AcGePoint2d(0, 5));
  EXPECT_DOUBLE_EQ(r.second, 5.0);
  EXPECT_NEAR(r.angle, 0.0, 1e-15);
  EXPECT_EQ(arrondis(r.sommets()), (Sommets{{0, 0}, {0, 0}, {0, 5}, {0, 5}}));
}

class CommandesRectangle : public OutilsDessin {
 protected:
  Sommets dernierRectangle() {
    const std::vector<AcDbObjectId> ids = entites<AcDbPolyline>();
    if (ids.empty()) return {};
    AcDbPolyline* p = nullptr;
    Sommets sommets;
    if (acdbOpenObject(p, ids.back(), AcDb::kForRead) != Acad::eOk) return sommets;
    EXPECT_TRUE(p->isClosed());
    for (unsigned int i = 0; i < p->numVerts(); ++i) {
      AcGePoint2d s;
      p->getPointAt(i, s);
      sommets.emplace_back(std::round(s.x * 1e9) / 1e9 + 0.0, std::round(s.y * 1e9) / 1e9 + 0.0);
    }
    p->close();
    return sommets;
  }
};

TEST_F(CommandesRectangle, DraggedBySideThenByCorner) {
  answer({L"0,0", L"10,0", L">5,5", L">3,-2", L"3,4"});
  commandeRect3Pt();
  EXPECT_EQ(dernierRectangle(), (Sommets{{0, 0}, {10, 0}, {10, 4}, {0, 4}}));
  EXPECT_NE(transcript().find(L"\nOrigine Rotation Diagonale <Point sur le côté opposé>"),
            std::wstring::npos) << transcript();

  answer({L"0,0", L"10,0", L"D", L">1,1", L"6,2"});
  commandeRect3Pt();
  EXPECT_NE(transcript().find(L"\nOrigine Rotation Cote <Point sur le côté opposé>"), std::wstring::npos);
  EXPECT_EQ(dernierRectangle(), (Sommets{{0, 0}, {6, 0}, {6, 2}, {0, 2}}));

  // Back to the origin, then to the rotation, from the drag.
  answer({L"0,0", L"10,0", L"O", L"5,5", L"5,6", L"R", L"5,10", L"D", L"C", L"7,10"});
  commandeRect3Pt();
  EXPECT_EQ(dernierRectangle(), (Sommets{{5, 5}, {5, 10}, {7, 10}, {7, 5}}));
  EXPECT_EQ(entites<AcDbPolyline>().size(), 3u);
}

TEST_F(CommandesRectangle, CancelledAnywhereDrawsNothing) {
  for (std::deque<std::wstring> reponses :
       {std::deque<std::wstring>{L"^C"}, {L"0,0", L"^C"}, {L"0,0", L"10,0", L">3,3", L"^C"},
        {L"0,0", L"10,0", L"D", L">3,3", L"^C"}, {L"0,0", L"10,0", L">3,3"}}) {
    answer(reponses);
    commandeRect3Pt();
  }
  EXPECT_TRUE(entites<AcDbPolyline>().empty());
}

class Dissociation : public OutilsDessin {
 protected:
  // A block with attributes that is not a survey point: a point block without its mark.
  AcDbObjectId blocOrdinaire(const char* nom, double x, double y) {
    const AcDbObjectId id = pointTopo(nom, x, y);
    AcDbBlockReference* bloc = nullptr;
    if (acdbOpenObject(bloc, id, AcDb::kForWrite) == Acad::eOk) {
      resbuf* marque = acutBuildList(1001, L"JALOPLUS", 0);
      bloc->setXData(marque);
      acutRelRb(marque);
      bloc->close();
    }
    return id;
  }
  struct vu {
    std::wstring texte;
    AcGePoint3d position;
    double hauteur;
    AcDbObjectId layer;
  };
  std::vector<vu> attributs(AcDbObjectId id) {
    std::vector<vu> resultat;
    AcDbBlockReference* bloc = nullptr;
    if (acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) return resultat;
    AcDbObjectIterator* it = bloc->attributeIterator();
    for (; !it->done(); it->step()) {
      AcDbAttribute* a = nullptr;
      if (acdbOpenObject(a, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
      resultat.push_back({a->textStringConst(), a->position(), a->height(), a->layerId()});
      a->close();
    }
    delete it;
    bloc->close();
    return resultat;
  }
  std::vector<vu> textes() {
    std::vector<vu> resultat;
    for (const AcDbObjectId& id : entites<AcDbText>()) {
      AcDbText* t = nullptr;
      if (acdbOpenObject(t, id, AcDb::kForRead) != Acad::eOk) continue;
      resultat.push_back({t->textStringConst(), t->position(), t->height(), t->layerId()});
      t->close();
    }
    return resultat;
  }
};

TEST_F(Dissociation, AttributesBecomeTextsAndSurveyPointsStayUnlessAsked) {
  const AcDbObjectId ordinaire = blocOrdinaire("12", 5, 5);
  const AcDbObjectId point = pointTopo("13", 20, 5);
  const std::vector<vu> avant = attributs(ordinaire);
  ASSERT_FALSE(avant.empty());
  answer({poignee(ordinaire), poignee(point), L""});
  EXPECT_EQ(eval(L"(c:DISSOCBLOCK)"), L"T");
  EXPECT_NE(transcript().find(L"\nSelectionnez les elements a dissocier"), std::wstring::npos);
  EXPECT_TRUE(attributs(ordinaire).empty());
  EXPECT_EQ(attributs(point).size(), avant.size());
  // One text per attribute that held something, where it stood and as it looked.
  std::vector<vu> attendus;
  for (const vu& a : avant) {
    if (CString(a.texte.c_str()).Trim().GetLength() > 0) attendus.push_back(a);
  }
  const std::vector<vu> faits = textes();
  ASSERT_EQ(faits.size(), attendus.size());
  for (size_t i = 0; i < faits.size(); ++i) {
    EXPECT_EQ(faits[i].texte, attendus[i].texte);
    EXPECT_EQ(faits[i].position, attendus[i].position);
    EXPECT_EQ(faits[i].hauteur, attendus[i].hauteur);
    EXPECT_EQ(faits[i].layer, attendus[i].layer);
  }
  EXPECT_LT(faits.size(), avant.size());  // the empty observation left no text

  EXPECT_EQ(eval(L"(c:DISSOCBLOCK T (ssget \"X\" '((0 . \"INSERT\"))))"), L"T");
  EXPECT_TRUE(attributs(point).empty());
}

TEST_F(Dissociation, BadArgumentsAndEmptySelections) {
  const AcDbObjectId point = pointTopo("13", 20, 5);
  EXPECT_EQ(eval(L"(c:DISSOCBLOCK T 5)"), L"nil");
  EXPECT_NE(transcript().find(L"jeu de sélection"), std::wstring::npos);
  answer({L""});
  EXPECT_EQ(eval(L"(c:DISSOCBLOCK T)"), L"nil");
  answer({L"^C"});
  EXPECT_EQ(eval(L"(c:DISSOCBLOCK T)"), L"nil");
  EXPECT_FALSE(attributs(point).empty());
}

}  // namespace
