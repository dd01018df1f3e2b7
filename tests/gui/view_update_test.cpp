// The view follows the drawing by drawing again only the entities that changed: after additions,
// changes, erasures and undo, the picture is the one a new view draws, without building the whole
// display list again; a change to a layer or a block definition builds it once.
#include <gtest/gtest.h>

#include <QImage>
#include <memory>

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "db/dbundo.h"
#include "gui/example_view_fixture.h"

namespace {

using guitest::entitiesOf;

template <class T>
class Open {
 public:
  Open(AcDbObjectId id, AcDb::OpenMode mode = AcDb::kForWrite) {
    EXPECT_EQ(acdbOpenObject(object_, id, mode), Acad::eOk);
  }
  ~Open() {
    if (object_ != nullptr) object_->close();
  }
  T* operator->() const { return object_; }

 private:
  T* object_ = nullptr;
};

class ViewUpdate : public guitest::ExampleViewTest {
 protected:
  void SetUp() override {
    guitest::ExampleViewTest::SetUp();
    if (HasFatalFailure()) return;
    view_.renderImage();  // the picture the updates start from
    rebuildsAtStart_ = view_.fullRebuildCount();
  }

  AcDbObjectId addLine(const AcGePoint3d& a, const AcGePoint3d& b) {
    Open<AcDbBlockTableRecord> model(db()->modelSpaceId());
    auto* line = new AcDbLine(a, b);
    AcDbObjectId id;
    EXPECT_EQ(model->appendAcDbEntity(id, line), Acad::eOk);
    line->setColorIndex(1);
    line->close();
    return id;
  }

  // A point of the drawing well inside the picture, a share of the way across it.
  AcGePoint3d at(double u, double v) const {
    QPointF p = view_.toDrawing(QPointF(800 * u, 600 * v));
    return AcGePoint3d(p.x(), p.y(), 0);
  }

  // The view, brought up to date, against a new view of the same drawing and placement.
  void expectSameAsNewView(const char* after) {
    view_.updateFromChanges();
    QImage updated = view_.renderImage();
    gui::DrawingView fresh;
    fresh.resize(800, 600);
    fresh.setDocument(document_);
    QImage full = fresh.renderImage();
    // A text cut by the edge of a redrawn place may differ by an antialiased pixel or two.
    EXPECT_LT(differingPixels(updated, full), 40) << after;
    EXPECT_EQ(view_.displayList().items().size(), fresh.displayList().items().size() + erasedItems_)
        << after;
  }

  unsigned long rebuildsAtStart_ = 0;
  size_t erasedItems_ = 0;  // erased entities keep their item in the updated view
};

TEST_F(ViewUpdate, AddedChangedAndErasedEntitiesAreDrawnWithoutARebuild) {
  AcDbObjectId added = addLine(at(0.1, 0.1), at(0.6, 0.4));
  expectSameAsNewView("an added line");
  EXPECT_LT(view_.lastDrawnCount(), view_.displayList().items().size());

  std::vector<AcDbObjectId> lines = entitiesOf<AcDbLine>(db());
  ASSERT_GE(lines.size(), 2u);
  {
    Open<AcDbLine> line(lines.front());
    line->setStartPoint(at(0.9, 0.9));
  }
  expectSameAsNewView("a moved line");

  {
    Open<AcDbLine> line(added);
    ASSERT_EQ(line->erase(), Acad::eOk);
  }
  // An erased entity has no item in a new view; it keeps its (empty) place in this one.
  erasedItems_ = 1;
  expectSameAsNewView("an erased line");
  EXPECT_FALSE(view_.displayList().items()[view_.displayList().indexOf(added)].shows());
  EXPECT_EQ(view_.fullRebuildCount(), rebuildsAtStart_);
}

TEST_F(ViewUpdate, UndoOfACommandIsDrawnWithoutARebuild) {
  std::vector<AcDbObjectId> lines = entitiesOf<AcDbLine>(db());
  ASSERT_FALSE(lines.empty());
  UndoJournal& journal = db()->undoJournal();
  journal.beginStep();
  AcDbObjectId added = addLine(at(0.2, 0.8), at(0.8, 0.2));
  {
    Open<AcDbLine> line(lines.front());
    line->setEndPoint(at(0.05, 0.5));
  }
  journal.endStep();
  expectSameAsNewView("a command");
  ASSERT_EQ(journal.undoLastStep(), Acad::eOk);
  erasedItems_ = 1;  // the line the command made
  expectSameAsNewView("its undo");
  EXPECT_FALSE(view_.displayList().items()[view_.displayList().indexOf(added)].shows());
  EXPECT_EQ(view_.fullRebuildCount(), rebuildsAtStart_);
}

TEST_F(ViewUpdate, AnAttributeRedrawsItsReferenceAndALayerRebuildsOnce) {
  std::vector<AcDbObjectId> references = entitiesOf<AcDbBlockReference>(db());
  ASSERT_FALSE(references.empty());
  AcDbObjectId attributeId;
  {
    Open<AcDbBlockReference> reference(references.front(), AcDb::kForRead);
    std::unique_ptr<AcDbObjectIterator> it(reference->attributeIterator());
    for (; !it->done() && attributeId.isNull(); it->step()) attributeId = it->objectId();
  }
  ASSERT_FALSE(attributeId.isNull()) << "the example's points carry attributes";
  {
    Open<AcDbAttribute> attribute(attributeId);
    attribute->setTextString(L"CHANGÉ 1234567890");
  }
  expectSameAsNewView("an attribute");
  EXPECT_EQ(view_.fullRebuildCount(), rebuildsAtStart_);

  AcDbObjectId layerId;
  {
    Open<AcDbBlockReference> reference(references.front(), AcDb::kForRead);
    layerId = reference->layerId();
  }
  {
    Open<AcDbLayerTableRecord> layer(layerId);
    layer->setIsOff(true);
  }
  view_.updateFromChanges();
  EXPECT_EQ(view_.fullRebuildCount(), rebuildsAtStart_ + 1);
  expectSameAsNewView("a layer turned off");
  view_.updateFromChanges();  // nothing new
  EXPECT_EQ(view_.fullRebuildCount(), rebuildsAtStart_ + 1);
}

TEST_F(ViewUpdate, AnEntityOfABlockDefinitionRebuildsTheView) {
  std::vector<AcDbObjectId> references = entitiesOf<AcDbBlockReference>(db());
  ASSERT_FALSE(references.empty());
  AcDbObjectId block;
  {
    Open<AcDbBlockReference> reference(references.front(), AcDb::kForRead);
    block = reference->blockTableRecord();
  }
  {
    Open<AcDbBlockTableRecord> record(block);
    auto* circle = new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 2.0);
    ASSERT_EQ(record->appendAcDbEntity(circle), Acad::eOk);
    circle->close();
  }
  view_.updateFromChanges();
  EXPECT_EQ(view_.fullRebuildCount(), rebuildsAtStart_ + 1);
  expectSameAsNewView("a circle added to a block");
}

}  // namespace
