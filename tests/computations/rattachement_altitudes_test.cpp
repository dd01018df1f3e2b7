// The altitude transfer dialog: its three linked values, its modes, and the altitude taken from a
// survey point picked in the drawing.
#include <gtest/gtest.h>

#include "codification/globalCodification.h"
#include "computations/CDlgRattachZ.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/ed_fixture.h"
#include "points/pointDuDessin.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

namespace {

class RattachementZ : public ScriptedEditor {
 protected:
  RattachementZ() : db_(true, false) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    oublierGlobalCodification();
    oublierRattachement();
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
  }
  ~RattachementZ() override {
    retirerRessources();
    oublierRattachement();
    oublierGlobalCodification();
    EXPECT_EQ(db_.openObjectCount(), 0);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  }

  std::wstring poser(const wchar_t* nom, double z) {
    pointDuDessin p;
    p.setParams(nom, AcGePoint3d(10, 20, z), 1);
    p.creer(true, L"");
    return poignee(p.getId());
  }
  std::wstring ligne() {
    auto* l = new AcDbLine(AcGePoint3d(500, 500, 0), AcGePoint3d(600, 600, 0));
    AcDbBlockTableRecord* espace = nullptr;
    EXPECT_EQ(acdbOpenObject(espace, db_.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    AcDbObjectId id;
    espace->appendAcDbEntity(id, l);
    l->close();
    espace->close();
    return poignee(id);
  }
  static std::wstring poignee(AcDbObjectId id) {
    AcDbObject* objet = nullptr;
    if (acdbOpenObject(objet, id, AcDb::kForRead) != Acad::eOk) return L"";
    wchar_t texte[32];
    objet->objectId().handle().getIntoAsciiBuffer(texte);
    objet->close();
    return std::wstring(L"#") + texte;
  }

  AcDbDatabase db_;
};

TEST_F(RattachementZ, NewAltitudeGivesTheDifferenceAndValuesStayForTheNextOpening) {
  answer({L"set 1280 102.5", L"focus 1279", L"set 1279 50", L"focus 1280", L"check 1286 on", L"ok"});
  double difference = 0;
  bool tous = true;
  ASSERT_TRUE(demanderRattachementZ(difference, tous));
  EXPECT_DOUBLE_EQ(difference, 2.5);
  EXPECT_FALSE(tous);
  EXPECT_NE(transcript().find(L"1280 édition : 52.5000"), std::wstring::npos) << transcript();
  // Text that is not a number changes nothing; the difference mode enables its own edit only.
  answer({L"set 1279 abc", L"focus 1280", L"check 1288 on", L"set 1289 -0.75", L"focus 1279", L"ok"});
  ASSERT_TRUE(demanderRattachementZ(difference, tous));
  EXPECT_DOUBLE_EQ(difference, -0.75);
  EXPECT_TRUE(tous);
  EXPECT_DOUBLE_EQ(rattachementCourant().precedente, 50);
  EXPECT_DOUBLE_EQ(rattachementCourant().nouvelle, 49.25);
  // Cancel reports nothing but keeps what was typed.
  answer({L"set 1280 53", L"focus 1279", L"cancel"});
  EXPECT_FALSE(demanderRattachementZ(difference, tous));
  EXPECT_DOUBLE_EQ(difference, -0.75);
  EXPECT_DOUBLE_EQ(rattachementCourant().difference, 3);
}

TEST_F(RattachementZ, SelectAsksUntilASurveyPointWithAnAltitudeIsPicked) {
  const std::wstring sansZ = poser(L"12", 1e38);
  const std::wstring avecZ = poser(L"13", 87.25);
  const std::wstring autre = ligne();
  ASSERT_FALSE(avecZ.empty());
  answer({L"check 1288 on", L"set 1289 1", L"focus 1279", L"click 1284", autre, sansZ, avecZ, L"ok"});
  double difference = 0;
  bool tous = false;
  ASSERT_TRUE(demanderRattachementZ(difference, tous));
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"Ce n'est pas un point Arpenta !"), std::wstring::npos) << t;
  EXPECT_NE(t.find(L"Altitude invalide !"), std::wstring::npos) << t;
  EXPECT_DOUBLE_EQ(rattachementCourant().precedente, 87.25);
  EXPECT_DOUBLE_EQ(rattachementCourant().nouvelle, 88.25);
  // A cancelled pick keeps the previous altitude.
  answer({L"click 1284", L"^C", L"ok"});
  ASSERT_TRUE(demanderRattachementZ(difference, tous));
  EXPECT_DOUBLE_EQ(rattachementCourant().precedente, 87.25);
}

}  // namespace
