// The survey project in its value chain and in the drawing's record, across a save and a reload.
#include <gtest/gtest.h>

#include <array>
#include <cstdio>
#include <filesystem>
#include <memory>
#include <string>

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "points/CResbuf.h"
#include "points/listePointsDuDessin.h"
#include "tools/command_output.h"
#include "points/stockageTopo.h"

namespace {

pointDuDessin point(const std::wstring& name, double x, double y, double z, int code) {
  pointDuDessin p;
  p.setParams(name.c_str(), AcGePoint3d(x, y, z), code);
  return p;
}

// Same tables, same points in the same order, same blocks.
void expectSameProject(projetsTopo& a, projetsTopo& b) {
  ASSERT_EQ(a.nbTables(), b.nbTables());
  EXPECT_EQ(a.current(), b.current());
  for (int t = 0; t < a.nbTables(); ++t) {
    listePointsDuDessin* ta = a.getTable(t);
    listePointsDuDessin* tb = b.getTable(t);
    EXPECT_EQ(ta->getNomTable(), tb->getNomTable());
    ASSERT_EQ(ta->nbPoint(), tb->nbPoint());
    for (int i = 0; i < ta->nbPoint(); ++i) {
      const pointDuDessin& pa = *ta->getData(i);
      const pointDuDessin& pb = *tb->getData(i);
      ASSERT_STREQ(pa.getNomPoint(), pb.getNomPoint());
      ASSERT_EQ(pa.getCode(), pb.getCode());
      ASSERT_EQ(pa.getX(), pb.getX());
      ASSERT_EQ(pa.getY(), pb.getY());
      ASSERT_EQ(pa.getZ(), pb.getZ());
    }
  }
}

TEST(ProjectChain, RoundTripAndEveryFallback) {
  projetsTopo project;
  project.currTable()->Ajouter(point(L"1", 1, 2, 3, 5));
  project.creerTablePoints(L"Implantation");
  project.getTable(1)->Ajouter(point(L"S1", 10, 20, 1e38, 100));
  project.setCurrent(1);
  CResbuf chain;
  ASSERT_EQ(project.SaveToXrecord(chain), 1);
  CResbuf reading(acutCopyRbChain(chain.chaine()));
  projetsTopo back;
  ASSERT_EQ(back.LoadFromXrecord(reading), 1);
  expectSameProject(project, back);

  CResbuf empty;
  EXPECT_EQ(back.LoadFromXrecord(empty), 0);
  ASSERT_EQ(back.nbTables(), 1);
  EXPECT_STREQ(back.currTable()->getNomTable().GetString(), L"LEVE");

  // Current 5 of 2 tables.
  CResbuf outOfRange;
  outOfRange.ajouterEntier(5);
  outOfRange.ajouterEntier(2);
  for (const wchar_t* name : {L"A", L"B"}) {
    outOfRange.ajouterChaine(name);
    outOfRange.ajouterEntier(0);
  }
  EXPECT_EQ(back.LoadFromXrecord(outOfRange), 1);
  EXPECT_EQ(back.nbTables(), 2);
  EXPECT_EQ(back.current(), 0);

  // A table announcing 3 points that holds 2: nothing of it is kept.
  CResbuf shortTable;
  shortTable.ajouterEntier(0);
  shortTable.ajouterEntier(1);
  shortTable.ajouterChaine(L"COURTE");
  shortTable.ajouterEntier(3);
  point(L"1", 0, 0, 0, 1).saveToXRecord(shortTable);
  point(L"2", 0, 0, 0, 1).saveToXRecord(shortTable);
  EXPECT_EQ(back.LoadFromXrecord(shortTable), 0);
  ASSERT_EQ(back.nbTables(), 1);
  EXPECT_STREQ(back.currTable()->getNomTable().GetString(), L"LEVE");
  EXPECT_EQ(back.currTable()->nbPoint(), 0);
}

class ProjectInDrawing : public ::testing::Test {
 protected:
  ProjectInDrawing() : db_(std::make_unique<AcDbDatabase>(true, false)) {
    acdbHostApplicationServices()->setWorkingDatabase(db_.get());
  }
  ~ProjectInDrawing() override {
    setSrcInfosTopo(nullptr, nullptr, 0, 0);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    std::filesystem::remove(file_);
  }
  // Saves (the host's save message first), reads the file back as the working drawing.
  void saveAndReopen() {
    enregistrerProjetDansDessin();
    ASSERT_EQ(db_->saveAs(file_.wstring().c_str()), Acad::eOk);
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    db_ = std::make_unique<AcDbDatabase>(false, true);
    ASSERT_EQ(db_->readDwgFile(file_.wstring().c_str()), Acad::eOk);
    acdbHostApplicationServices()->setWorkingDatabase(db_.get());
  }

  std::unique_ptr<AcDbDatabase> db_;
  // One file per test: ctest runs the tests of this program side by side.
  std::filesystem::path file_ =
      std::filesystem::temp_directory_path() /
      (std::string("point_storage_") + ::testing::UnitTest::GetInstance()->current_test_info()->name() + ".dxf");
};

TEST_F(ProjectInDrawing, TwoTablesOfAThousandPointsComeBackUnchanged) {
  projetsTopo project;
  project.currTable()->setNomTable(L"LEVE");
  project.creerTablePoints(L"Contrôle");
  for (int t = 0; t < 2; ++t) {
    for (int i = 0; i < 1000; ++i) {
      const double z = i % 7 == 0 ? kSansValeur : 100.0 + i * 0.001;
      project.getTable(t)->Ajouter(point(std::to_wstring(t * 1000 + i + 1), 1000.5 + i, 2000.25 - i, z, 1 + i % 9999));
    }
  }
  project.setCurrent(1);
  // One point shown by an entity of the drawing: its reference comes back by its handle.
  AcDbBlockTableRecord* space = nullptr;
  ASSERT_EQ(acdbOpenObject(space, db_->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
  AcDbObjectId shown;
  auto* mark = new AcDbPoint(AcGePoint3d(1000.5, 2000.25, 0));
  ASSERT_EQ(space->appendAcDbEntity(shown, mark), Acad::eOk);
  mark->close();
  space->close();
  project.getTable(0)->getData(0)->setId(shown);
  const AcDbHandle handle = shown.handle();

  setSrcInfosTopo(db_.get(), &project, 1, 0);
  saveAndReopen();
  projetsTopo back;
  setSrcInfosTopo(db_.get(), &back, 1, 1);
  expectSameProject(project, back);
  EXPECT_EQ(back.getTable(0)->getData(0)->getId().handle(), handle);
  EXPECT_TRUE(back.getTable(0)->getData(1)->getId().isNull());

  const std::string codes = commandOutput("/usr/bin/python3 " TEST_TOOLS_DIR "/point_record.py " + file_.string());
  EXPECT_EQ(codes.rfind("90 90 300 90 92 310 90 40 40 40 330 92 310 90 40 40 40 90 92", 0), 0u) << codes.substr(0, 80);
}

TEST_F(ProjectInDrawing, WithoutSavingFlagTheRecordIsEmpty) {
  projetsTopo project;
  project.currTable()->Ajouter(point(L"1", 1, 2, 3, 5));
  setSrcInfosTopo(db_.get(), &project, 0, 0);
  saveAndReopen();
  projetsTopo back;
  back.currTable()->Ajouter(point(L"9", 0, 0, 1, 1));
  setSrcInfosTopo(db_.get(), &back, 1, 1);
  ASSERT_EQ(back.nbTables(), 1);
  EXPECT_EQ(back.currTable()->nbPoint(), 0);
  EXPECT_EQ(commandOutput("/usr/bin/python3 " TEST_TOOLS_DIR "/point_record.py " + file_.string()), "\n");
}

}  // namespace
