// The terrain module loaded as the host loads it: its three exported functions on the faces of
// the working drawing, and loading through LISP.
#include <gtest/gtest.h>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "lisp/interpreter.h"
#include "rx/rxdlinkr.h"
#include "terrain/tin_interface.h"

namespace {

class TerrainModule : public ::testing::Test {
 protected:
  TerrainModule() : db_(true, true) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    lisp_.setDatabase(&db_);
  }
  ~TerrainModule() override {
    acrxDynamicLinker->unloadAll();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }
  template <typename F>
  F function(const char* name) {
    return reinterpret_cast<F>(acrxDynamicLinker->getSymbolAddress(kTerrainModuleName, name));
  }
  void face(const wchar_t* corners) {
    lisp_.evaluate(std::wstring(L"(entmake '((0 . \"3DFACE\") (8 . \"TERRAIN\")") + corners + L"))");
  }

  AcDbDatabase db_;
  lisp::Interpreter lisp_;
};

TEST_F(TerrainModule, ElevationsAndProfilesFromTheDrawingsFaces) {
  ASSERT_TRUE(acrxDynamicLinker->loadModule(L"" TERRAIN_MODULE_PATH)) << acrxDynamicLinker->lastError();
  auto currDwgData = function<CurrDwgDataFunction>(kCurrDwgDataSymbol);
  auto calcZPoint = function<CalcZPointFunction>(kCalcZPointSymbol);
  auto tinExtractPath = function<TinExtractPathFunction>(kTinExtractPathSymbol);
  ASSERT_NE(currDwgData, nullptr);
  ASSERT_NE(calcZPoint, nullptr);
  ASSERT_NE(tinExtractPath, nullptr);

  // A quadrilateral face (two triangles) and a triangular one (last corner repeated), on another
  // layer: every face counts.
  face(L"(10 0.0 0.0 10.0) (11 10.0 0.0 10.0) (12 10.0 10.0 20.0) (13 0.0 10.0 20.0)");
  lisp_.evaluate(L"(entmake '((0 . \"3DFACE\") (8 . \"0\") (10 10.0 0.0 10.0) (11 20.0 0.0 10.0)"
                 L" (12 10.0 10.0 20.0) (13 10.0 10.0 20.0)))");
  TinDrawingData* data = nullptr;
  ASSERT_NE(currDwgData(&data), 0);
  ASSERT_NE(data, nullptr);
  ASSERT_EQ(data->models.length(), 1);
  TinModel* model = data->models[data->current];
  AcGePoint3d p(5.0, 5.0, -1.0);
  ASSERT_NE(calcZPoint(model, &p), 0);
  EXPECT_DOUBLE_EQ(p.z, 15.0);
  AcGePoint3d outside(50.0, 5.0, -1.0);
  EXPECT_EQ(calcZPoint(model, &outside), 0);
  EXPECT_EQ(outside.z, -1.0);

  const AcGePoint3d from(-5, 2, 0), to(30, 2, 0);
  AcArray<AcGePoint3dArray> profile;
  ASSERT_NE(tinExtractPath(model, &from, &to, &profile), 0);
  ASSERT_EQ(profile.length(), 1);
  EXPECT_DOUBLE_EQ(profile[0][0].x, 0.0);
  EXPECT_NEAR(profile[0][profile[0].length() - 1].x, 18.0, 1e-9);
  EXPECT_EQ(calcZPoint(nullptr, &p), 0);
  EXPECT_EQ(tinExtractPath(model, nullptr, &to, &profile), 0);

  // The model follows the drawing: without faces there is a model with no ground.
  lisp_.evaluate(L"(entdel (entlast)) (entdel (entlast))");
  ASSERT_NE(currDwgData(&data), 0);
  p = AcGePoint3d(5.0, 5.0, 0.0);
  EXPECT_EQ(calcZPoint(data->models[0], &p), 0);
}

TEST_F(TerrainModule, LoadedAndUnloadedFromLisp) {
  const std::wstring path = L"" TERRAIN_MODULE_PATH;
  EXPECT_EQ(lisp_.evaluate(L"(arxload \"" + path + L"\")").value->text, path);
  EXPECT_TRUE(acrxDynamicLinker->isModuleLoaded(kTerrainModuleName));
  const auto listed = lisp_.evaluate(L"(member \"QBAL-ARX2008-64BITS.arx\" (arx))");
  EXPECT_NE(listed.value, nullptr);
  EXPECT_EQ(lisp_.evaluate(L"(arxunload \"QBAL-ARX2008-64BITS.arx\")").value->text,
            L"QBAL-ARX2008-64BITS.arx");
  EXPECT_FALSE(acrxDynamicLinker->isModuleLoaded(kTerrainModuleName));
  EXPECT_EQ(lisp_.evaluate(L"(arxload \"/nulle/part.arx\" 'echec)").value->text, L"ECHEC");
  const auto failed = lisp_.evaluate(L"(arxload \"/nulle/part.arx\")");
  EXPECT_FALSE(failed.ok);
  EXPECT_NE(failed.error.find(L"ARXLOAD"), std::wstring::npos);
}

}  // namespace
