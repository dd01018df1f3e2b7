// PLINE: vertices, widths, tangent arcs, closing and undo, checked on the polyline drawn.
#include <cmath>

#include "db/dbpl.h"
#include "draw_fixture.h"

namespace {

struct Vertex {
  double x, y, bulge, startWidth, endWidth;
};

class PolylineCommand : public DrawingCommand {
 protected:
  // The vertices of the only polyline of the drawing.
  std::vector<Vertex> vertices(bool* closed = nullptr) {
    std::vector<Vertex> result;
    auto ids = entities<AcDbPolyline>();
    EXPECT_EQ(ids.size(), 1u);
    if (ids.size() != 1) return result;
    read<AcDbPolyline>(ids[0], [&](const AcDbPolyline& pl) {
      for (unsigned int i = 0; i < pl.numVerts(); ++i) {
        AcGePoint2d p;
        Vertex v{};
        pl.getPointAt(i, p);
        pl.getBulgeAt(i, v.bulge);
        pl.getWidthsAt(i, v.startWidth, v.endWidth);
        v.x = p.x;
        v.y = p.y;
        result.push_back(v);
      }
      if (closed) *closed = pl.isClosed();
    });
    return result;
  }
};

const double kTan22_5 = std::tan(M_PI / 8.0);

TEST_F(PolylineCommand, WidthThenPointsThenClose) {
  run(L"POLYLIGN", {L"0,0", L"la", L"1", L"", L"10,0", L"10,10", L"c"});
  bool closed = false;
  auto v = vertices(&closed);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_TRUE(closed);
  for (const Vertex& each : v) {
    EXPECT_DOUBLE_EQ(each.startWidth, 1.0);
    EXPECT_DOUBLE_EQ(each.endWidth, 1.0);
    EXPECT_DOUBLE_EQ(each.bulge, 0.0);
  }
  EXPECT_TRUE(
      said(L"\nLa largeur courante de la ligne est 0.0000"
           L"\nSpécifiez le point suivant ou [Arc/Demi-largeur/LOngueur/annUler/LArgeur]: la\n"
           L"\nSpécifiez la largeur de départ <0.0000>: 1\n"
           L"\nSpécifiez la largeur de fin <1.0000>: \n"));
  EXPECT_TRUE(said(L"[Arc/Clore/Demi-largeur/LOngueur/annUler/LArgeur]: c\n"));
}

TEST_F(PolylineCommand, TaperedSegmentLeavesTheNextAtItsEndWidthAndTheWidthIsRemembered) {
  run(L"PLINE", {L"0,0", L"D", L"0", L"1", L"10,0", L"20,0", L""});
  auto v = vertices();
  ASSERT_EQ(v.size(), 3u);
  EXPECT_DOUBLE_EQ(v[0].startWidth, 0.0);
  EXPECT_DOUBLE_EQ(v[0].endWidth, 2.0);  // a half-width of 1
  EXPECT_DOUBLE_EQ(v[1].startWidth, 2.0);
  EXPECT_DOUBLE_EQ(v[1].endWidth, 2.0);
  // The next polyline starts with the last width.
  clearTranscript();
  run(L"PLINE", {L"0,5", L"10,5", L"^C"});
  EXPECT_TRUE(said(L"La largeur courante de la ligne est 2.0000"));
  auto ids = entities<AcDbPolyline>();
  ASSERT_EQ(ids.size(), 2u);  // the cancel keeps the segment drawn
  read<AcDbPolyline>(ids[1], [](const AcDbPolyline& pl) {
    double width = 0.0;
    EXPECT_EQ(pl.getConstantWidth(width), Acad::eOk);
    EXPECT_DOUBLE_EQ(width, 2.0);
  });
}

TEST_F(PolylineCommand, ArcsAreTangentToWhatPrecedesThem) {
  // A semicircle leaving (10,0) eastwards, then a line leaving the arc westwards.
  run(L"PLINE", {L"0,0", L"10,0", L"a", L"10,10", L"li", L"0,10", L""});
  auto v = vertices();
  ASSERT_EQ(v.size(), 4u);
  EXPECT_DOUBLE_EQ(v[0].bulge, 0.0);
  EXPECT_NEAR(v[1].bulge, 1.0, 1e-12);
  EXPECT_DOUBLE_EQ(v[2].bulge, 0.0);
  EXPECT_TRUE(
      said(L"\nSpécifiez l'extrémité de l'arc ou\n"
           L"[Angle/CEntre/CLore/DIrection/DEmi-largeur/LIgne/Rayon/Second pt/annUler/LArgeur]: "
           L"10,10\n"));
}

TEST_F(PolylineCommand, ChainedArcsAndAClosingArc) {
  // First arc leaves eastwards (nothing before it); the second goes on from the first one's end
  // tangent (north); clockwise turns give negative bulges.
  run(L"PLINE", {L"0,0", L"A", L"10,10", L"0,20", L"20,20", L"cl"});
  bool closed = false;
  auto v = vertices(&closed);
  ASSERT_EQ(v.size(), 3u);
  EXPECT_NEAR(v[0].bulge, kTan22_5, 1e-12);
  EXPECT_NEAR(v[1].bulge, kTan22_5, 1e-12);
  // At (0,20) the travel is westwards: (20,20) lies straight behind, no arc goes there.
  EXPECT_TRUE(said(L"Aucun arc ne passe par ces points."));
  // The closing arc leaves (0,20) westwards and comes back to (0,0): a half turn to the left.
  EXPECT_TRUE(closed);
  EXPECT_NEAR(v[2].bulge, 1.0, 1e-12);
}

TEST_F(PolylineCommand, ArcOptionsFixTheArcOtherwiseThanByTangency) {
  run(L"PLINE", {L"0,0", L"a",     L"s",
                 L"5,5", L"10,0",             // through a second point: clockwise half circle
                 L"r",   L"5",     L"20,0",   // radius: the shorter arc, counter-clockwise
                 L"ce",  L"25,0",  L"25,10",  // centre: three quarters round to the ray's end
                 L"a",   L"-90",   L"35,0",   // included angle, clockwise
                 L"di",  L"35,10", L"45,0",   // start tangent northwards
                 L"r",   L"1",     L"100,0",  // too small a radius: refused
                 L""});
  auto v = vertices();
  ASSERT_EQ(v.size(), 6u);
  const double expected[] = {-1.0, 1.0, std::tan(3.0 * M_PI / 8.0), -kTan22_5, -1.0, 0.0};
  for (size_t i = 0; i < v.size(); ++i) EXPECT_NEAR(v[i].bulge, expected[i], 1e-12) << i;
  EXPECT_NEAR(v[3].x, 25.0, 1e-12);  // the centred arc ends on the ray, at its radius
  EXPECT_NEAR(v[3].y, 5.0, 1e-12);
  EXPECT_TRUE(said(L"Aucun arc ne passe par ces points."));
}

TEST_F(PolylineCommand, UndoLengthAndBadAnswers) {
  run(L"PLINE", {L"0,0", L"u", L"3,4", L"9,9", L"U", L"lo", L"5", L"x", L""});
  auto v = vertices();
  ASSERT_EQ(v.size(), 3u);
  EXPECT_NEAR(v[2].x, 6.0, 1e-12);  // 5 further along the segment (3,4)
  EXPECT_NEAR(v[2].y, 8.0, 1e-12);
  EXPECT_TRUE(said(L"Tous les segments ont déjà été annulés."));
  EXPECT_TRUE(said(L"Nécessite un point ou un mot-clé d'option."));
}

TEST_F(PolylineCommand, NothingDrawnWithoutASegment) {
  run(L"PLINE", {L"0,0", L""});
  EXPECT_TRUE(entities<AcDbPolyline>().empty());
  run(L"PLINE", {L"0,0", L"la", L"-1", L"^C"});
  EXPECT_TRUE(said(L"La valeur doit être positive."));
  EXPECT_TRUE(entities<AcDbPolyline>().empty());
}

}  // namespace
