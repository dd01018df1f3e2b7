// c:JLAJUSTERZ: the altitude difference of the transfer dialog added to every survey point, or to
// the selected ones; points without altitude are left as they are.
#include <gtest/gtest.h>

#include "computations/rattachementAltitudes.h"
#include "points/pointDuDessin.h"
#include "tools/outils_fixture.h"

namespace {

class AjusterZ : public OutilsDessin {
 protected:
  AjusterZ() { oublierRattachement(); }
  ~AjusterZ() override { oublierRattachement(); }

  double altitudeDuBloc(AcDbObjectId id) {
    pointDuDessin lu;
    return lu.updateFromDrawing(id) == 1 ? lu.getZ() : -1.0;
  }
};

TEST_F(AjusterZ, AllPointsShiftInTheDrawingAndInTheTable) {
  const AcDbObjectId a = pointTopo("1", 0, 0, 100.0);
  const AcDbObjectId b = pointTopo("2", 10, 0, 12.25);
  const AcDbObjectId sans = pointTopo("3", 20, 0, kSansValeur);
  answer({L"set 1280 102.5", L"ok"});
  eval(L"(c:JLAJUSTERZ)");
  EXPECT_NE(transcript().find(L"Rattachement des Altitudes"), std::wstring::npos) << transcript();
  EXPECT_DOUBLE_EQ(altitudeDuBloc(a), 102.5);
  EXPECT_DOUBLE_EQ(altitudeDuBloc(b), 14.75);
  EXPECT_EQ(altitudeDuBloc(sans), kSansValeur);
  EXPECT_DOUBLE_EQ(table().getData(0)->getZ(), 102.5);
  EXPECT_DOUBLE_EQ(table().getData(1)->getZ(), 14.75);
  EXPECT_EQ(table().getData(2)->getZ(), kSansValeur);
}

TEST_F(AjusterZ, OnlyTheSelectedPointsShiftAndCancelChangesNothing) {
  const AcDbObjectId a = pointTopo("1", 0, 0, 100.0);
  const AcDbObjectId b = pointTopo("2", 10, 0, 50.0);
  answer({L"click 1288", L"set 1289 -1.5", L"click 1286", L"ok", poignee(b), L""});
  eval(L"(c:JLAJUSTERZ)");
  EXPECT_DOUBLE_EQ(altitudeDuBloc(a), 100.0);
  EXPECT_DOUBLE_EQ(altitudeDuBloc(b), 48.5);
  EXPECT_DOUBLE_EQ(table().getData(0)->getZ(), 100.0);
  EXPECT_DOUBLE_EQ(table().getData(1)->getZ(), 48.5);

  answer({L"set 1280 500", L"cancel"});
  eval(L"(c:JLAJUSTERZ)");
  EXPECT_DOUBLE_EQ(altitudeDuBloc(a), 100.0);
  EXPECT_DOUBLE_EQ(altitudeDuBloc(b), 48.5);
}

}  // namespace
