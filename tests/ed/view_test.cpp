// The view of a drawing: where it opens, zooms computed by hand, ZOOM as typed, the view
// variables and the automation zoom.
#include <cstdio>
#include <filesystem>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/host_commands.h"
#include "ed/view.h"
#include "ed_fixture.h"
#include "rx/acaxdoc.h"
#include "rx/acdocman.h"
#include "rx/cmdrun.h"

namespace {

class ViewTest : public ScriptedEditor {
 protected:
  void SetUp() override {
    acDocManager->closeAll();
    ed::registerHostCommands();
    document = acDocManager->newDocument();
    ASSERT_NE(document, nullptr);
    db = document->database();
  }
  void TearDown() override {
    acDocManager->closeAll();
    for (const std::wstring& file : files) std::filesystem::remove(file);
  }

  void addLine(AcDbDatabase* target, AcGePoint3d from, AcGePoint3d to) {
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(acdbOpenObject(model, target->modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* line = new AcDbLine(from, to);
    model->appendAcDbEntity(line);
    line->close();
    model->close();
  }

  void zoom(std::deque<std::wstring> answers) {
    answer(std::move(answers));
    AcEdCommandOutcome outcome = acedRunCommand(L"ZOOM");
    EXPECT_TRUE(outcome.found);
    EXPECT_EQ(db->openObjectCount(), 0);
  }

  // A drawing file in the temporary folder, removed after the test.
  std::wstring tempFile(const wchar_t* name) {
    std::wstring path = (std::filesystem::temp_directory_path() / name).wstring();
    files.push_back(path);
    return path;
  }

  ed::View view() { return ed::View::current(); }
  bool said(const std::wstring& text) { return transcript().find(text) != std::wstring::npos; }

  AcApDocument* document = nullptr;
  AcDbDatabase* db = nullptr;
  std::vector<std::wstring> files;
};

#define EXPECT_VIEW(v, cx, cy, h)               \
  do {                                          \
    EXPECT_NEAR((v).center().x, (cx), 1e-9);    \
    EXPECT_NEAR((v).center().y, (cy), 1e-9);    \
    EXPECT_NEAR((v).height(), (h), 1e-9);       \
  } while (0)

TEST_F(ViewTest, ANewDrawingShowsItsLimitsAndPixelsMapToDrawingUnits) {
  EXPECT_VIEW(view(), 6.0, 4.5, 9.0);
  EXPECT_NEAR(view().width(), 12.0, 1e-12);
  // A window twice as wide as the screen's aspect: the width decides, 100 / (4/3) = 75.
  ASSERT_EQ(view().zoomWindow(AcGePoint3d(100, 50, 0), AcGePoint3d(0, 0, 0)), Acad::eOk);
  EXPECT_VIEW(view(), 50.0, 25.0, 75.0);
  EXPECT_NEAR(view().unitsPerPixel(), 75.0 / 768.0, 1e-12);
  AcGePoint3d corner = view().pixelToDrawing(0, 0);
  EXPECT_NEAR(corner.x, 0.0, 1e-9);
  EXPECT_NEAR(corner.y, 62.5, 1e-9);
  AcGePoint2d pixel = view().drawingToPixel(AcGePoint3d(100, -12.5, 0));
  EXPECT_NEAR(pixel.x, 1024.0, 1e-9);
  EXPECT_NEAR(pixel.y, 768.0, 1e-9);
  // A tall window: the height decides.
  ASSERT_EQ(view().zoomWindow(AcGePoint3d(10, 5, 0), AcGePoint3d(20, 45, 0)), Acad::eOk);
  EXPECT_VIEW(view(), 15.0, 25.0, 40.0);
  EXPECT_EQ(view().zoomWindow(AcGePoint3d(3, 3, 0), AcGePoint3d(3, 3, 0)), Acad::eInvalidInput);
  EXPECT_VIEW(view(), 15.0, 25.0, 40.0);
  // The screen can change size; the view keeps its centre and height.
  EXPECT_EQ(view().setScreenSize(0, 10), Acad::eInvalidInput);
  ASSERT_EQ(view().setScreenSize(800, 800), Acad::eOk);
  EXPECT_NEAR(view().width(), 40.0, 1e-12);
}

TEST_F(ViewTest, ExtentsPreviousAndScales) {
  addLine(db, AcGePoint3d(0, 0, 0), AcGePoint3d(40, 10, 0));
  ASSERT_EQ(view().zoomExtents(), Acad::eOk);
  // 40 wide needs 30 high at 4:3, and 5 % more for the margin.
  EXPECT_VIEW(view(), 20.0, 5.0, 31.5);
  ASSERT_EQ(view().zoomScale(2.0), Acad::eOk);
  EXPECT_VIEW(view(), 20.0, 5.0, 15.75);
  // Relative to the limits (12 x 9 by default): scale 3 is a third of their height.
  ASSERT_EQ(view().zoomScaleLimits(3.0), Acad::eOk);
  EXPECT_VIEW(view(), 20.0, 5.0, 3.0);
  EXPECT_EQ(view().zoomScale(0.0), Acad::eInvalidInput);
  ASSERT_EQ(view().zoomPrevious(), Acad::eOk);
  EXPECT_VIEW(view(), 20.0, 5.0, 15.75);
  ASSERT_EQ(view().zoomPrevious(), Acad::eOk);
  ASSERT_EQ(view().zoomPrevious(), Acad::eOk);
  EXPECT_VIEW(view(), 6.0, 4.5, 9.0);
  EXPECT_EQ(view().zoomPrevious(), Acad::eNotApplicable);
  // ZOOM Tout covers the limits and the extents together: (0,0)-(40,10) and (0,0)-(12,9).
  ASSERT_EQ(view().zoomAll(), Acad::eOk);
  EXPECT_VIEW(view(), 20.0, 5.0, 30.0);
  // Only so many views are remembered.
  for (int i = 0; i < 15; ++i) view().zoomScale(2.0);
  int back = 0;
  while (view().zoomPrevious() == Acad::eOk) ++back;
  EXPECT_EQ(back, static_cast<int>(ed::kPreviousViewCount));
}

TEST_F(ViewTest, ZoomCommandWindowExtentsAndKeywords) {
  addLine(db, AcGePoint3d(0, 0, 0), AcGePoint3d(40, 10, 0));
  zoom({L"0,0", L"100,50"});
  EXPECT_VIEW(view(), 50.0, 25.0, 75.0);
  EXPECT_TRUE(said(L"Spécifiez le coin de la fenêtre, entrez un facteur d'échelle (nX ou nXP), ou "
                   L"[Tout/Centre/DYnamique/Etendu/Précédent/Echelle/Fenêtre/Objet] <temps réel> : "
                   L"0,0\n\nSpécifiez le coin opposé : 100,50\n"));
  zoom({L"e"});
  EXPECT_VIEW(view(), 20.0, 5.0, 31.5);
  zoom({L"P"});
  EXPECT_VIEW(view(), 50.0, 25.0, 75.0);
  // Fenêtre typed without its accent, then a window given corner by corner.
  zoom({L"fenetre", L"10,5", L"20,45"});
  EXPECT_VIEW(view(), 15.0, 25.0, 40.0);
  EXPECT_TRUE(said(L"Spécifiez le premier coin : 10,5\n"));
  zoom({L"2x"});
  EXPECT_VIEW(view(), 15.0, 25.0, 20.0);
  zoom({L"ec", L"abc", L"4"});
  EXPECT_VIEW(view(), 15.0, 25.0, 2.25);
  EXPECT_TRUE(said(L"Nécessite un facteur d'échelle positif (n, nX ou nXP)."));
  // Something that is neither a point, a scale nor a keyword is asked again.
  zoom({L"zz", L"tout"});
  EXPECT_VIEW(view(), 20.0, 5.0, 30.0);
  EXPECT_TRUE(said(L"Nécessite un point, un facteur d'échelle (nX ou nXP) ou un mot-clé d'option."));
  // Two corners at one place are refused; the opposite corner is asked again.
  zoom({L"1,1", L"1,1", L"^C"});
  EXPECT_TRUE(said(L"1,1\nLa fenêtre doit avoir une largeur ou une hauteur.\n"));
  zoom({L""});
  EXPECT_TRUE(said(L"Appuyez sur Echap ou Entrée pour quitter"));
  EXPECT_VIEW(view(), 20.0, 5.0, 30.0);
}

TEST_F(ViewTest, ZoomCentreAndItsDefaults) {
  zoom({L"c", L"100,100", L"50"});
  EXPECT_VIEW(view(), 100.0, 100.0, 50.0);
  // Enter keeps the centre and shows the current height as the default.
  zoom({L"C", L"", L"2x"});
  EXPECT_VIEW(view(), 100.0, 100.0, 25.0);
  EXPECT_TRUE(said(L"Entrez une valeur d'agrandissement ou une hauteur <50.0000> : 2x\n"));
  zoom({L"c", L"0,0", L"-5", L"0", L""});
  EXPECT_VIEW(view(), 0.0, 0.0, 25.0);
  // A cancel leaves the view alone.
  zoom({L"c", L"^C"});
  EXPECT_VIEW(view(), 0.0, 0.0, 25.0);
  ed::View fresh(document->viewState(), db);
  fresh.resetToDrawing();
  zoom({L"p"});
  EXPECT_TRUE(said(L"Aucune vue précédente n'est enregistrée."));
}

TEST_F(ViewTest, ZoomObjectsShowsWhatWasSelected) {
  addLine(db, AcGePoint3d(0, 0, 0), AcGePoint3d(40, 10, 0));
  addLine(db, AcGePoint3d(100, 100, 0), AcGePoint3d(140, 130, 0));
  zoom({L"o", L"dernier", L""});
  EXPECT_VIEW(view(), 120.0, 115.0, 31.5);
  EXPECT_TRUE(said(L"Choix des objets : "));
  // Nothing selected: the view stays.
  zoom({L"o", L""});
  EXPECT_VIEW(view(), 120.0, 115.0, 31.5);
}

TEST_F(ViewTest, ViewVariablesFollowTheZoomAndRefuseToBeSet) {
  view().zoomWindow(AcGePoint3d(0, 0, 0), AcGePoint3d(100, 50, 0));
  resbuf rb{};
  ASSERT_EQ(acedGetVar(L"VIEWCTR", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RT3DPOINT);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 50.0);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[1], 25.0);
  ASSERT_EQ(acedGetVar(L"viewsize", &rb), RTNORM);
  EXPECT_DOUBLE_EQ(rb.resval.rreal, 75.0);
  EXPECT_EQ(acedSetVar(L"VIEWSIZE", &rb), RTERROR);
  ASSERT_EQ(acedGetVar(L"SCREENSIZE", &rb), RTNORM);
  EXPECT_EQ(rb.restype, RTPOINT);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 1024.0);

  // Extents follow what model space holds; an empty drawing has them inverted.
  ASSERT_EQ(acedGetVar(L"EXTMIN", &rb), RTNORM);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 1e20);
  addLine(db, AcGePoint3d(-3, 2, 0), AcGePoint3d(7, 9, 1));
  ASSERT_EQ(acedGetVar(L"EXTMAX", &rb), RTNORM);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 7.0);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[2], 1.0);

  // New limits change what ZOOM n means.
  resbuf limit{};
  limit.restype = RTPOINT;
  limit.resval.rpoint[0] = 420.0;
  limit.resval.rpoint[1] = 297.0;
  ASSERT_EQ(acedSetVar(L"LIMMAX", &limit), RTNORM);
  ASSERT_EQ(acedGetVar(L"LIMMAX", &rb), RTNORM);
  EXPECT_DOUBLE_EQ(rb.resval.rpoint[0], 420.0);
  ASSERT_EQ(view().zoomScaleLimits(1.0), Acad::eOk);
  EXPECT_NEAR(view().height(), 315.0, 1e-9);  // 420 wide at 4:3
  limit.restype = RTSTR;
  limit.resval.rstring = const_cast<ACHAR*>(L"0,0");
  EXPECT_EQ(acedSetVar(L"LIMMIN", &limit), RTERROR);
}

TEST_F(ViewTest, AngleConventionsAndRanges) {
  resbuf rb{};
  rb.restype = RTREAL;
  rb.resval.rreal = 7.0;
  ASSERT_EQ(acedSetVar(L"ANGBASE", &rb), RTNORM);
  ASSERT_EQ(acedGetVar(L"ANGBASE", &rb), RTNORM);
  EXPECT_NEAR(rb.resval.rreal, 7.0 - 6.283185307179586, 1e-12);
  rb.restype = RTSTR;
  rb.resval.rstring = const_cast<ACHAR*>(L"90");
  EXPECT_EQ(acedSetVar(L"ANGBASE", &rb), RTERROR);
  rb.restype = RTSHORT;
  rb.resval.rint = 2;
  EXPECT_EQ(acedSetVar(L"ANGDIR", &rb), RTERROR);
  rb.resval.rint = 1;
  ASSERT_EQ(acedSetVar(L"ANGDIR", &rb), RTNORM);
  ASSERT_EQ(acedGetVar(L"ANGDIR", &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 1);
  // Both are settings of the drawing: another drawing has its own.
  acDocManager->newDocument();
  ASSERT_EQ(acedGetVar(L"ANGDIR", &rb), RTNORM);
  EXPECT_EQ(rb.resval.rint, 0);
  ASSERT_EQ(acedGetVar(L"CDATE", &rb), RTNORM);
  EXPECT_GT(rb.resval.rreal, 20000101.0);
}

TEST_F(ViewTest, OpenedDrawingsStartAtTheirSavedViewElseTheirExtents) {
  AcDbDatabase saved(true, true);
  addLine(&saved, AcGePoint3d(100, 100, 0), AcGePoint3d(140, 130, 0));
  std::wstring plain = tempFile(L"vue_etendue.dxf");
  ASSERT_EQ(saved.saveAs(plain.c_str()), Acad::eOk);

  AcDbViewportTable* table = nullptr;
  ASSERT_EQ(saved.getViewportTable(table, AcDb::kForRead), Acad::eOk);
  AcDbViewportTableRecord* active = nullptr;
  ASSERT_EQ(table->getAt(L"*Active", active, AcDb::kForWrite), Acad::eOk);
  table->close();
  DxfItemList items = active->otherItems();
  for (DxfItem& item : items) {
    if (item.code == 12) item = DxfItem::makePoint(12, 500.0, 300.0, 0.0, 2);
    if (item.code == 40) item = DxfItem::makeReal(40, 200.0);
  }
  active->setOtherItems(items);
  active->close();
  std::wstring withView = tempFile(L"vue_enregistree.dxf");
  ASSERT_EQ(saved.saveAs(withView.c_str()), Acad::eOk);

  ASSERT_NE(acDocManager->openDocument(withView.c_str()), nullptr);
  EXPECT_VIEW(view(), 500.0, 300.0, 200.0);
  ASSERT_NE(acDocManager->openDocument(plain.c_str()), nullptr);
  // (100,100)-(140,130): 30 high at 4:3, plus the margin.
  EXPECT_VIEW(view(), 120.0, 115.0, 31.5);
}

// A drawing given to the editor without a document still has a view, set up from that drawing.
TEST_F(ViewTest, ADrawingWithoutADocumentHasAViewOfItsOwn) {
  acDocManager->closeAll();
  AcDbDatabase first(true, true), second(true, true);
  addLine(&first, AcGePoint3d(0, 0, 0), AcGePoint3d(40, 10, 0));
  ed::Editor::instance().setCurrentDrawing(&first, L"premier.dwg");
  EXPECT_VIEW(view(), 20.0, 5.0, 31.5);
  view().zoomScale(2.0);
  EXPECT_NEAR(view().height(), 15.75, 1e-9);
  ed::Editor::instance().setCurrentDrawing(&second, L"second.dwg");
  EXPECT_VIEW(view(), 6.0, 4.5, 9.0);
  ed::resetViewWithoutDocument();
  ed::Editor::instance().setCurrentDrawing(nullptr, L"");
}

TEST_F(ViewTest, AutomationZoomWindowMovesTheActiveView) {
  AcAxApplication* app = acedGetAcadApplication();
  ASSERT_EQ(app->invoke(L"ZoomWindow", {AcGePoint3d(-10, -5, 0), AcGePoint3d(30, 25, 0)}), S_OK);
  EXPECT_VIEW(view(), 10.0, 10.0, 30.0);
  EXPECT_EQ(app->invoke(L"ZoomWindow", {AcGePoint3d(1, 1, 0), AcGePoint3d(1, 1, 0)}), E_INVALIDARG);
  EXPECT_VIEW(view(), 10.0, 10.0, 30.0);
  // Each document keeps its own view.
  acDocManager->newDocument();
  EXPECT_VIEW(view(), 6.0, 4.5, 9.0);
  acDocManager->setCurDocument(document, AcAp::kNone, true);
  EXPECT_VIEW(view(), 10.0, 10.0, 30.0);
}

}  // namespace
