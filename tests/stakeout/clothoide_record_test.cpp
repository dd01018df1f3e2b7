// The clothoid record on polylines: written, read back, refused when incomplete, moved with its
// polyline.
#include <gtest/gtest.h>

#include <cmath>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "ed/editor.h"
#include "ge/geline2d.h"
#include "lisp/interpreter.h"
#include "tools/clothoideEnregistrement.h"

namespace {

elementClothoide element(double a, double s0, double s1, double orientation, bool mirrored) {
  elementClothoide e;
  e.setParametre(a);
  e.setLongueurs(s0, s1);
  e.setOrigine(AcGePoint2d(500.0, -300.0));
  e.setOrientation(orientation);
  e.setMiroir(mirrored);
  return e;
}

void expectSameCurve(const elementClothoide& expected, const elementClothoide& actual) {
  for (int i = 0; i <= 10; ++i) {
    const double t = i / 10.0;
    AcGePoint2d p, q;
    ASSERT_TRUE(expected.pointA(expected.longueurDebut() * (1 - t) + expected.longueurFin() * t, p));
    ASSERT_TRUE(actual.pointA(actual.longueurDebut() * (1 - t) + actual.longueurFin() * t, q));
    EXPECT_NEAR(p.distanceTo(q), 0.0, 1e-7) << i;
  }
}

TEST(ClothoideRecord, EveryKindOfElementSurvivesTheRecord) {
  const elementClothoide cases[] = {
      element(100.0, 0.0, 80.0, 0.4, false),    // from the origin
      element(100.0, 0.0, 80.0, 2.0, true),     // mirrored
      element(150.0, 120.0, 20.0, -1.0, false), // walked towards the origin
      element(75.0, 90.0, 30.0, 3.0, true),     // mirrored and reversed
      element(200.0, 40.0, 160.0, 5.5, false),  // starts away from the origin
  };
  for (const elementClothoide& e : cases) {
    resbuf* chain = chaineClothoide(e);
    ASSERT_NE(chain, nullptr);
    elementClothoide read;
    EXPECT_TRUE(lireChaineClothoide(chain, read));
    acutRelRb(chain);
    EXPECT_NEAR(read.parametre(), e.parametre(), 1e-7);
    EXPECT_NEAR(read.longueurDebut(), e.longueurDebut(), 1e-7);
    EXPECT_NEAR(read.longueurFin(), e.longueurFin(), 1e-7);
    EXPECT_EQ(read.miroir(), e.miroir());
    expectSameCurve(e, read);
  }
}

TEST(ClothoideRecord, IncompleteOrForeignRecordsAreRefused) {
  const elementClothoide e = element(100.0, 0.0, 80.0, 0.4, false);
  resbuf* chain = chaineClothoide(e);
  ASSERT_NE(chain, nullptr);
  elementClothoide read;
  // Four points only: cut the chain after its fourth 1011 item.
  resbuf* fourth = chain->rbnext->rbnext->rbnext->rbnext->rbnext;
  resbuf* fifth = fourth->rbnext;
  fourth->rbnext = nullptr;
  EXPECT_FALSE(lireChaineClothoide(chain, read));
  fourth->rbnext = fifth;
  // Another marker.
  chain->rbnext->resval.rlong = 123411413;
  EXPECT_FALSE(lireChaineClothoide(chain, read));
  chain->rbnext->resval.rlong = kMarqueurClothoide;
  // A point stored under another group code.
  fifth->restype = 1010;
  EXPECT_FALSE(lireChaineClothoide(chain, read));
  fifth->restype = 1011;
  EXPECT_TRUE(lireChaineClothoide(chain, read));
  acutRelRb(chain);
  EXPECT_FALSE(lireChaineClothoide(nullptr, read));
  // An element without parameter has no record.
  EXPECT_EQ(chaineClothoide(element(0.0, 0.0, 80.0, 0.0, false)), nullptr);
}

TEST(ClothoideRecord, MovesWithConformalTransformationsOnly) {
  elementClothoide e = element(100.0, 10.0, 90.0, 0.7, false);
  AcGeMatrix2d move = AcGeMatrix2d::rotation(0.5, AcGePoint2d(3.0, 4.0));
  move.preMultBy(AcGeMatrix2d::scaling(2.0));
  move.preMultBy(AcGeMatrix2d::mirroring(AcGeLine2d(AcGePoint2d(0, 0), AcGeVector2d(1, 1))));
  elementClothoide moved = e;
  ASSERT_TRUE(transformerClothoide(moved, move));
  EXPECT_NEAR(moved.parametre(), 200.0, 1e-7);
  EXPECT_NE(moved.miroir(), e.miroir());
  AcGePoint2d p, q;
  ASSERT_TRUE(e.pointA(90.0, p));
  ASSERT_TRUE(moved.pointA(moved.longueurFin(), q));
  EXPECT_NEAR(p.transformBy(move).distanceTo(q), 0.0, 1e-7);

  AcGeMatrix2d stretch;
  stretch(0, 0) = 2.0;
  elementClothoide unchanged = e;
  EXPECT_FALSE(transformerClothoide(unchanged, stretch));
  expectSameCurve(e, unchanged);
}

TEST(ClothoideRecord, StoredOnAPolylineAndReadBack) {
  AcDbDatabase db(true, true);
  acdbHostApplicationServices()->setWorkingDatabase(&db);
  lisp::Interpreter lisp;
  lisp.setDatabase(&db);
  lisp.evaluate(L"(entmake '((0 . \"LWPOLYLINE\") (100 . \"AcDbEntity\") (100 . \"AcDbPolyline\")"
                L" (90 . 2) (10 0.0 0.0) (10 80.0 5.0)))");
  const AcDbObjectId polyline = lisp.evaluate(L"(entlast)").value->id;
  elementClothoide read;
  EXPECT_FALSE(lireClothoidePolyligne(polyline, read));
  const elementClothoide e = element(120.0, 0.0, 70.0, 0.1, true);
  ASSERT_TRUE(ecrireClothoidePolyligne(polyline, e));
  ASSERT_TRUE(lireClothoidePolyligne(polyline, read));
  expectSameCurve(e, read);

  // Moved with the polyline, or refused with the message when the move is not conformal.
  ASSERT_TRUE(placerClothoidePolyligne(polyline, AcGeMatrix2d::translation(AcGeVector2d(5, -2))));
  ASSERT_TRUE(lireClothoidePolyligne(polyline, read));
  EXPECT_NEAR(read.origine().x, e.origine().x + 5, 1e-7);
  EXPECT_NEAR(read.origine().y, e.origine().y - 2, 1e-7);
  AcGeMatrix2d stretch;
  stretch(1, 1) = 3.0;
  ed::Editor::instance().transcript().setCapture(true);
  ed::Editor::instance().transcript().clearCaptured();
  EXPECT_FALSE(placerClothoidePolyligne(polyline, stretch));
  EXPECT_EQ(ed::Editor::instance().transcript().captured(), L"\nErreur CL1 !!!");
  ed::Editor::instance().transcript().setCapture(false);
  elementClothoide unchanged;
  ASSERT_TRUE(lireClothoidePolyligne(polyline, unchanged));
  expectSameCurve(read, unchanged);
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}

}  // namespace
