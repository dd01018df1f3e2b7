// A new drawing made current, its project designated with one empty table, the module's dialogs
// registered and the answers given in advance; a scratch folder for the files written.
#pragma once
#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

#include "codification/globalCodification.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbentity.h"
#include "db/dbsymtb.h"
#include "ed/ed_fixture.h"
#include "points/listePointsDuDessin.h"
#include "resources/ressourcesModule.h"
#include "ui/dialog_driver.h"

class ExchangeDrawing : public ScriptedEditor {
 protected:
  ExchangeDrawing() : db_(true, true) {
    acdbHostApplicationServices()->setWorkingDatabase(&db_);
    enregistrerRessources();
    ui::setDialogDriver(nullptr);
    oublierGlobalCodification();
    projet_.reset();
    tablesPoints = &projet_;
    dossier_ = std::filesystem::temp_directory_path() /
               ("echange_" + std::to_string(::getpid()) + "_" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::create_directories(dossier_);
  }
  ~ExchangeDrawing() override {
    tablesPoints = nullptr;
    retirerRessources();
    oublierGlobalCodification();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    std::error_code ignore;
    std::filesystem::permissions(dossier_, std::filesystem::perms::owner_all, ignore);
    std::filesystem::remove_all(dossier_, ignore);
  }

  listePointsDuDessin& table() { return *projet_.currTable(); }
  void ajouter(const wchar_t* nom, double x, double y, double z, int code = 1) {
    pointDuDessin point;
    point.setParams(nom, AcGePoint3d(x, y, z), code);
    table().Ajouter(point);
  }
  std::wstring chemin(const char* nom) const { return (dossier_ / nom).wstring(); }
  std::string contenu(const char* nom) const {
    std::ifstream f(dossier_ / nom, std::ios::binary);
    std::stringstream s;
    s << f.rdbuf();
    return s.str();
  }
  bool existe(const char* nom) const { return std::filesystem::exists(dossier_ / nom); }
  // How many entities of that class model space holds.
  int entitesDuModele(AcRxClass* classe) {
    AcDbBlockTableRecord* espace = nullptr;
    EXPECT_EQ(acdbOpenObject(espace, db_.modelSpaceId(), AcDb::kForRead), Acad::eOk);
    AcDbBlockTableRecordIterator* it = nullptr;
    espace->newIterator(it);
    int n = 0;
    for (; !it->done(); it->step()) {
      AcDbEntity* e = nullptr;
      if (it->getEntity(e, AcDb::kForRead) != Acad::eOk) continue;
      if (e->isKindOf(classe)) ++n;
      e->close();
    }
    delete it;
    espace->close();
    return n;
  }

  AcDbDatabase db_;
  projetsTopo projet_;
  std::filesystem::path dossier_;
};
