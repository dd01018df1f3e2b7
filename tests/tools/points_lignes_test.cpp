// Survey points and the lines through them: a polyline rebuilt through the points near it, a
// parallel with its offset points, points moved onto a curve.
#include <gtest/gtest.h>

#include "db/dbblkref.h"
#include "db/dbpl.h"
#include "tools/deportPoints.h"
#include "tools/outils_fixture.h"
#include "tools/pointsDecales.h"
#include "tools/projectionPolyligne.h"

namespace {

TEST(ProjectionPolyligne, NearPointsInLineOrderWithoutRepeats) {
  const std::vector<pointProjete> candidats = {
      {5, 1, 2.0, 1.0}, {1, 0, 0.5, 0.0}, {9, 9, 1.0, 2.0}, {3, 0, 1.0000005, 0.1}, {4, 0, 1.0, 0.5}};
  // (9, 9) lies exactly at the search distance: not taken. (3, 0) projects within 1e-6 of (4, 0),
  // which sorts first among equals by the order found.
  const std::vector<pointProjete> gardes = sommetsProjection(candidats, 2.0);
  ASSERT_EQ(gardes.size(), 3u);
  EXPECT_EQ(gardes[0].x, 1);
  EXPECT_EQ(gardes[1].x, 4);
  EXPECT_EQ(gardes[2].x, 5);
  const std::vector<pointProjete> tous = sommetsProjection(candidats, 0.0);  // no distance: every point
  ASSERT_EQ(tous.size(), 3u);
  EXPECT_EQ(tous[1].x, 9);
  EXPECT_TRUE(sommetsProjection({{1, 0, 0.5, 0.0}, {1, 0, 0.5, 0.0}}, 2.0).empty());
}

TEST(PointsDecales, SideOfThePickedPointGivesTheSign) {
  const AcGePoint2d a(0, 0), b(10, 0);
  EXPECT_DOUBLE_EQ(decalageSigne(a, b, 0.0, AcGePoint2d(5, 2), AcGePoint2d(5, 0)), -2.0);
  EXPECT_DOUBLE_EQ(decalageSigne(a, b, 0.0, AcGePoint2d(5, -3), AcGePoint2d(5, 0)), 3.0);
  // On the line counts as the right side.
  EXPECT_DOUBLE_EQ(decalageSigne(a, b, 0.0, AcGePoint2d(15, 0), AcGePoint2d(10, 0)), 5.0);
  // A counter-clockwise half circle from (0, 0) to (10, 0) dips below the chord, its centre
  // (5, 0) on its left: a point inside it is on the left.
  EXPECT_LT(decalageSigne(a, b, 1.0, AcGePoint2d(5, -3), AcGePoint2d(5, -5)), 0.0);
  EXPECT_GT(decalageSigne(a, b, 1.0, AcGePoint2d(5, -7), AcGePoint2d(5, -5)), 0.0);
  EXPECT_GT(decalageSigne(a, b, -1.0, AcGePoint2d(5, 3), AcGePoint2d(5, 5)), 0.0);
}

TEST(PointsDecales, RepeatedVerticesCountOnce) {
  EXPECT_EQ(sommetsDistincts({{0, 0}, {0, 1e-7}, {1, 0}, {1, 0}, {0, 0}}),
            (std::vector<unsigned int>{0, 2, 4}));
}

class PointsEtLignes : public OutilsDessin {
 protected:
  AcDbObjectId polyligne(std::initializer_list<std::pair<double, double>> points, bool fermee = false,
                         double bulge = 0.0) {
    auto* p = new AcDbPolyline();
    unsigned int i = 0;
    for (const auto& [x, y] : points) p->addVertexAt(i++, AcGePoint2d(x, y), bulge);
    p->setClosed(fermee);
    return ajouter(p);
  }
  std::vector<AcGePoint2d> sommets(AcDbObjectId id) {
    std::vector<AcGePoint2d> resultat;
    AcDbPolyline* p = nullptr;
    if (acdbOpenObject(p, id, AcDb::kForRead) != Acad::eOk) return resultat;
    for (unsigned int i = 0; i < p->numVerts(); ++i) {
      AcGePoint2d s;
      double bulge = 0.0;
      p->getPointAt(i, s);
      p->getBulgeAt(i, bulge);
      EXPECT_EQ(bulge, 0.0);
      resultat.push_back(s);
    }
    p->close();
    return resultat;
  }
  AcGePoint3d position(AcDbObjectId id) {
    AcDbBlockReference* bloc = nullptr;
    AcGePoint3d p;
    if (acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) return p;
    p = bloc->position();
    bloc->close();
    return p;
  }
};

TEST_F(PointsEtLignes, ProjPolyGoesThroughThePointsNearItInOrder) {
  const AcDbObjectId ligne = polyligne({{0, 0}, {10, 0}, {20, 0}}, false, 0.2);
  pointTopo("1", 15, 0.3);
  pointTopo("2", 2, 0.5);
  pointTopo("3", 5, 5);  // too far
  ajouter(new AcDbPoint(AcGePoint3d(8, -1, 0)));
  ajouter(new AcDbPoint(AcGePoint3d(-1.5, 0.2, 0)));  // beyond the start, on the extension
  answer({poignee(ligne), L""});
  eval(L"(c:projpoly)");
  EXPECT_NE(transcript().find(L"Distance de recherche <2.0>:"), std::wstring::npos) << transcript();
  const std::vector<AcGePoint2d> attendus = {{-1.5, 0.2}, {2, 0.5}, {8, -1}, {15, 0.3}};
  EXPECT_EQ(sommets(ligne), attendus);
}

TEST_F(PointsEtLignes, ProjPolyNeedsTwoPointsAndAPolyline) {
  const AcDbObjectId ligne = polyligne({{0, 0}, {10, 0}, {20, 0}});
  pointTopo("1", 3, 0.5);
  answer({poignee(ligne), L"1"});
  eval(L"(c:projpoly)");
  EXPECT_EQ(sommets(ligne), (std::vector<AcGePoint2d>{{0, 0}, {10, 0}, {20, 0}}));
  pointTopo("2", 12, -0.5);
  answer({poignee(ligne), L"1"});
  eval(L"(c:projpoly)");
  EXPECT_EQ(sommets(ligne), (std::vector<AcGePoint2d>{{3, 0.5}, {12, -0.5}}));

  const AcDbObjectId texte = ajouter(new AcDbText(AcGePoint3d(50, 50, 0), L"x", AcDbObjectId::kNull, 1, 0));
  clearTranscript();
  answer({poignee(texte)});
  eval(L"(c:projpoly)");
  EXPECT_NE(transcript().find(L"\nSelectionnez une polyline "), std::wstring::npos);
}

TEST_F(PointsEtLignes, ParallelGetsRaisedPointsWhereTheLineHadPoints) {
  const AcDbObjectId ligne = polyligne({{0, 0}, {10, 0}, {10, 10}});
  pointTopo("1", 0, 0, 100.0);
  pointTopo("7", 10, 10, 105.0);
  pointTopo("2", 40, 40, 1.0);
  // Above the first side: its left, so the parallel runs inside the corner.
  answer({poignee(ligne), L"5,2", L"", L"0.5"});
  eval(L"(C:pointsParDecalage)");
  EXPECT_NE(transcript().find(L"\nDistance :[2.0000]"), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"\nRaffaichir la table des points"), std::wstring::npos);
  ASSERT_EQ(table().nbPoint(), 5);
  const pointDuDessin& a = *table().getData(3);
  EXPECT_STREQ(a.getNomPoint(), "8");
  EXPECT_NEAR(a.getX(), 0, 1e-9);
  EXPECT_NEAR(a.getY(), 2, 1e-9);
  EXPECT_DOUBLE_EQ(a.getZ(), 100.5);
  const pointDuDessin& b = *table().getData(4);
  EXPECT_STREQ(b.getNomPoint(), "9");
  EXPECT_NEAR(b.getX(), 8, 1e-9);
  EXPECT_NEAR(b.getY(), 10, 1e-9);
  EXPECT_DOUBLE_EQ(b.getZ(), 105.5);
  EXPECT_FALSE(b.getId().isNull());
  const std::vector<AcDbObjectId> lignes = entites<AcDbPolyline>();
  ASSERT_EQ(lignes.size(), 2u);
  EXPECT_EQ(sommets(lignes[1]), (std::vector<AcGePoint2d>{{0, 2}, {8, 2}, {8, 10}}));
}

TEST_F(PointsEtLignes, ParallelThatDegeneratesOrAHeightRefusedMakesNothing) {
  const AcDbObjectId carre = polyligne({{0, 0}, {2, 0}, {2, 2}, {0, 2}}, true);
  pointTopo("1", 0, 0);
  answer({poignee(carre), L"1,0.5", L"5", L"0"});
  eval(L"(C:pointsParDecalage)");
  EXPECT_NE(transcript().find(L"\nEchec, cette polyline dégénère "), std::wstring::npos) << transcript();
  answer({poignee(carre), L"1,-0.5", L"", L"^C"});
  eval(L"(C:pointsParDecalage)");
  EXPECT_EQ(table().nbPoint(), 1);
  EXPECT_EQ(entites<AcDbPolyline>().size(), 1u);
  clearTranscript();
  const AcDbObjectId texte = ajouter(new AcDbText(AcGePoint3d(50, 50, 0), L"x", AcDbObjectId::kNull, 1, 0));
  answer({poignee(texte)});
  eval(L"(C:pointsParDecalage)");
  EXPECT_NE(transcript().find(L"\nCe n'est pas une polyline, recommencez "), std::wstring::npos);
}

TEST_F(PointsEtLignes, PointsWithinTheCaptureDistanceMoveOntoTheCurve) {
  oublierDistanceCapture();
  const AcDbObjectId ligne = ajouter(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 0, 10)));
  const AcDbObjectId pres = pointTopo("1", 10, 0.3, 50.0);
  const AcDbObjectId limite = pointTopo("2", 20, -0.5, 50.0);
  const AcDbObjectId loin = pointTopo("3", 30, 0.6, 50.0);
  const AcGePoint3d ouEtaitLoin = position(loin);
  answer({poignee(ligne), L"", poignee(pres), poignee(limite), poignee(loin), L""});
  eval(L"(c:JLDEPORTPNTS)");
  EXPECT_NE(transcript().find(L"\nDistance :[0.5000]"), std::wstring::npos) << transcript();
  EXPECT_NEAR(position(pres).y, 0.0, 1e-9);
  EXPECT_NEAR(position(pres).z, 1.0, 1e-6);  // the curve's altitude there
  EXPECT_NEAR(position(limite).y, 0.0, 1e-9);
  EXPECT_EQ(position(loin), ouEtaitLoin);
  EXPECT_NEAR(table().getData(0)->getY(), 0.0, 1e-9);

  answer({poignee(ligne), L"-3", poignee(loin), L""});
  eval(L"(c:JLDEPORTPNTS)");
  EXPECT_NEAR(position(loin).y, 0.0, 1e-9);
  clearTranscript();
  answer({poignee(ligne), L"0", L""});
  eval(L"(c:JLDEPORTPNTS)");
  answer({poignee(ligne), L"^C"});
  eval(L"(c:JLDEPORTPNTS)");
  EXPECT_NE(transcript().find(L"\nDistance :[0.0001]"), std::wstring::npos) << transcript();
  EXPECT_EQ(distanceCaptureRetenue(-3), 3.0);

  const AcDbObjectId texte = ajouter(new AcDbText(AcGePoint3d(50, 50, 0), L"x", AcDbObjectId::kNull, 1, 0));
  answer({poignee(texte)});
  eval(L"(c:JLDEPORTPNTS)");
  EXPECT_NE(transcript().find(L"\nCe n'est pas une courbe, recommencez "), std::wstring::npos);
}

}  // namespace
