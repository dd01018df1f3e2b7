// The undo journal: a step's created, changed and erased objects come back as they were, so that
// the drawing written after undo is the drawing written before the step.
#include <gtest/gtest.h>

#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbdict.h"
#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbpoly.h"
#include "db/dbundo.h"
#include "db/dbxrecord.h"
#include "db/entity_test_util.h"
#include "dxf/dxf_writer.h"

namespace {

using enttest::Opened;

class UndoTest : public enttest::DrawingTest {
 protected:
  UndoJournal& journal() { return db_.undoJournal(); }
  std::string drawing() { return dxf::writeDrawingToString(&db_); }

  // Runs the change as one command.
  template <class F>
  void command(F change) {
    journal().beginStep();
    change();
    journal().endStep();
  }

  AcDbObjectId addRegApp(const wchar_t* name) {
    Opened<AcDbRegAppTable> table(db_.regAppTableId(), AcDb::kForWrite);
    auto* app = new AcDbRegAppTableRecord();
    app->setName(name);
    AcDbObjectId id;
    EXPECT_EQ(table->add(id, app), Acad::eOk);
    app->close();
    return id;
  }
};

TEST_F(UndoTest, CreatedChangedAndErasedObjectsComeBack) {
  AcDbObjectId circle = add(new AcDbCircle(AcGePoint3d(1, 2, 0), AcGeVector3d::kZAxis, 3.0));
  AcDbObjectId text = add(new AcDbText(AcGePoint3d(5, 5, 0), L"PT12"));
  const std::string before = drawing();
  const AcDbHandle seed = db_.handseed();
  std::vector<AcDbObjectId> modelBefore;
  {
    Opened<AcDbBlockTableRecord> model(db_.modelSpaceId());
    modelBefore = model->entityIds();
  }

  AcDbObjectId line;
  command([&] {
    line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
    Opened<AcDbCircle> c(circle, AcDb::kForWrite);
    c->setRadius(7.5);
    c->setCenter(AcGePoint3d(4, 4, 0));
    c->setColorIndex(1);
    Opened<AcDbText> t(text, AcDb::kForWrite);
    EXPECT_EQ(t->erase(), Acad::eOk);
  });
  ASSERT_NE(drawing(), before);
  EXPECT_EQ(journal().stepCount(), 1);

  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), before);
  EXPECT_EQ(journal().stepCount(), 0);
  EXPECT_TRUE(line.isErased());
  EXPECT_TRUE(line.isValid());  // the id stays usable
  EXPECT_FALSE(text.isErased());
  {
    // The undone line is not even among the erased entities of the block.
    Opened<AcDbBlockTableRecord> model(db_.modelSpaceId());
    EXPECT_EQ(model->entityIds(), modelBefore);
  }
  Opened<AcDbCircle> c(circle);
  EXPECT_DOUBLE_EQ(c->radius(), 3.0);
  EXPECT_EQ(c->colorIndex(), 256);

  // The seed goes back, but the line's handle is not given again.
  EXPECT_EQ(db_.handseed().value(), seed.value());
  AcDbObjectId next = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0)));
  EXPECT_GT(next.handle().value(), line.handle().value());
}

TEST_F(UndoTest, NewLayerAndBlockDefinitionGo) {
  const std::string before = drawing();
  AcDbObjectId block;
  command([&] {
    addLayer(L"BORNES", 3);
    block = addBlock(L"BORNE", AcGePoint3d(0, 0, 0),
                     {new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 0.5),
                      new AcDbAttributeDefinition(AcGePoint3d(1, 0, 0), L"", L"NUM", L"Number")});
    add(new AcDbBlockReference(AcGePoint3d(3, 3, 0), block));
  });
  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), before);
  {
    Opened<AcDbLayerTable> layers(db_.layerTableId());
    EXPECT_FALSE(layers->has(L"BORNES"));
    Opened<AcDbBlockTable> blocks(db_.blockTableId());
    EXPECT_FALSE(blocks->has(L"BORNE"));
  }
  // The names are free again.
  command([&] { addLayer(L"BORNES", 5); });
  Opened<AcDbLayerTable> layers(db_.layerTableId());
  EXPECT_TRUE(layers->has(L"BORNES"));
}

TEST_F(UndoTest, MarkGroupIsOneStep) {
  const std::string before = drawing();
  journal().startUndoMark();
  command([&] { add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0))); });
  journal().startUndoMark();  // nested marks belong to the outer group
  command([&] { addLayer(L"TOPO", 2); });
  journal().endUndoMark();
  EXPECT_EQ(journal().stepCount(), 0);
  EXPECT_EQ(journal().undoLastStep(), Acad::eInvalidInput);  // the group is still open
  journal().endUndoMark();
  EXPECT_EQ(journal().stepCount(), 1);

  const std::string afterGroup = drawing();
  command([&] { add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(0, 1, 0))); });
  EXPECT_EQ(journal().stepCount(), 2);
  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), afterGroup);
  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), before);
}

// Objects that keep lists of values (vertices, text chunks) are read back over their changed
// selves: the lists must come back whole, neither doubled nor left with the step's items.
TEST_F(UndoTest, ListsAndRepeatedOpeningsWithinAStep) {
  auto* outline = new AcDbPolyline();
  outline->addVertexAt(0, AcGePoint2d(0, 0));
  outline->addVertexAt(1, AcGePoint2d(10, 0), 0.25);
  outline->addVertexAt(2, AcGePoint2d(10, 10));
  AcDbObjectId polyline = add(outline);
  auto* note = new AcDbMText();
  note->setContents(std::wstring(600, L'a').c_str());  // long enough to be written in chunks
  AcDbObjectId mtext = add(note);
  const std::string before = drawing();

  command([&] {
    {
      Opened<AcDbPolyline> p(polyline, AcDb::kForWrite);
      p->removeVertexAt(1);
      p->addVertexAt(0, AcGePoint2d(-5, -5));
    }
    {
      // Opened again in the same step: the state saved stays the one before the step.
      Opened<AcDbPolyline> p(polyline, AcDb::kForWrite);
      p->addVertexAt(3, AcGePoint2d(20, 20));
    }
    Opened<AcDbMText> m(mtext, AcDb::kForWrite);
    m->setContents(L"short");
  });
  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), before);
  Opened<AcDbPolyline> p(polyline);
  EXPECT_EQ(p->numVerts(), 3u);
}

TEST_F(UndoTest, WhenThereIsNothingToUndo) {
  EXPECT_EQ(journal().undoLastStep(), Acad::eNotApplicable);
  // Changes outside steps, steps that change nothing and changes while recording is off are not
  // steps.
  add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 0, 0)));
  command([] {});
  db_.disableUndoRecording(true);
  EXPECT_FALSE(db_.undoRecording());
  command([&] { addLayer(L"SILENT", 1); });
  db_.disableUndoRecording(false);
  EXPECT_EQ(journal().undoLastStep(), Acad::eNotApplicable);

  // Not while an object is open.
  command([&] { addLayer(L"LOUD", 1); });
  {
    Opened<AcDbLayerTable> layers(db_.layerTableId());
    EXPECT_EQ(journal().undoLastStep(), Acad::eWasOpenedForRead);
  }
  // clear forgets the steps, not the changes.
  journal().clear();
  EXPECT_EQ(journal().undoLastStep(), Acad::eNotApplicable);
  Opened<AcDbLayerTable> layers(db_.layerTableId());
  EXPECT_TRUE(layers->has(L"LOUD"));
  EXPECT_TRUE(layers->has(L"SILENT"));
}

TEST_F(UndoTest, ExtendedDataAndExtensionDictionary) {
  addRegApp(L"TOPOGRAPHIE");
  AcDbObjectId line = add(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(10, 0, 0)));
  {
    Opened<AcDbLine> l(line, AcDb::kForWrite);
    resbuf* data = acutBuildList(1001, L"TOPOGRAPHIE", 1000, L"old", 1040, 1.5, 0);
    EXPECT_EQ(l->setXData(data), Acad::eOk);
    acutRelRb(data);
  }
  const std::string before = drawing();

  command([&] {
    Opened<AcDbLine> l(line, AcDb::kForWrite);
    resbuf* data = acutBuildList(1001, L"TOPOGRAPHIE", 1000, L"new", 0);
    EXPECT_EQ(l->setXData(data), Acad::eOk);
    acutRelRb(data);
    ASSERT_EQ(l->createExtensionDictionary(), Acad::eOk);
    Opened<AcDbDictionary> dict(l->extensionDictionary(), AcDb::kForWrite);
    auto* record = new AcDbXrecord();
    resbuf* chain = acutBuildList(1, L"station", 40, 12.5, 0);
    record->setFromRbChain(*chain);
    acutRelRb(chain);
    AcDbObjectId recordId;
    EXPECT_EQ(dict->setAt(L"MESURE", record, recordId), Acad::eOk);
    record->close();
  });
  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), before);
  Opened<AcDbLine> l(line);
  EXPECT_TRUE(l->extensionDictionary().isNull());
  resbuf* data = l->xData(L"TOPOGRAPHIE");
  ASSERT_NE(data, nullptr);
  ASSERT_NE(data->rbnext, nullptr);
  EXPECT_STREQ(data->rbnext->resval.rstring, L"old");
  acutRelRb(data);
}

TEST_F(UndoTest, ContainersAndFollowers) {
  AcDbObjectId block = addBlock(L"REPERE", AcGePoint3d(0, 0, 0),
                                {new AcDbAttributeDefinition(AcGePoint3d(0, 0, 0), L"", L"ALT",
                                                             L"Altitude")});
  AcDbObjectId polyline = add(new AcDb2dPolyline());
  {
    Opened<AcDb2dPolyline> p(polyline, AcDb::kForWrite);
    auto* vertex = new AcDb2dVertex(AcGePoint3d(0, 0, 0));
    EXPECT_EQ(p->appendVertex(vertex), Acad::eOk);
    vertex->close();
  }
  AcDbObjectId reference = add(new AcDbBlockReference(AcGePoint3d(2, 2, 0), block));
  const std::string before = drawing();

  AcDbObjectId attributeId;
  command([&] {
    {
      Opened<AcDb2dPolyline> p(polyline, AcDb::kForWrite);
      auto* vertex = new AcDb2dVertex(AcGePoint3d(5, 0, 0), 0.5);
      EXPECT_EQ(p->appendVertex(vertex), Acad::eOk);
      vertex->close();
    }
    {
      Opened<AcDbBlockReference> r(reference, AcDb::kForWrite);
      auto* attribute = new AcDbAttribute(AcGePoint3d(2, 2, 0), L"152.30", L"ALT");
      EXPECT_EQ(r->appendAttribute(attributeId, attribute), Acad::eOk);
      attribute->close();
    }
    Opened<AcDbDictionary> named(db_.namedObjectsDictionaryId(), AcDb::kForWrite);
    auto* record = new AcDbXrecord();
    AcDbObjectId recordId;
    EXPECT_EQ(named->setAt(L"LEVE_PARAMS", record, recordId), Acad::eOk);
    record->close();
  });
  ASSERT_NE(drawing(), before);
  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), before);
  EXPECT_TRUE(attributeId.isErased());

  // The reference takes attributes again after the undo, closed by a live SEQEND.
  {
    Opened<AcDbBlockReference> r(reference, AcDb::kForWrite);
    auto* attribute = new AcDbAttribute(AcGePoint3d(2, 2, 0), L"98.10", L"ALT");
    EXPECT_EQ(r->appendAttribute(attribute), Acad::eOk);
    attribute->close();
  }
  const std::string after = drawing();
  size_t attrib = after.find("ATTRIB\n");
  ASSERT_NE(attrib, std::string::npos);
  EXPECT_NE(after.find("98.10"), std::string::npos);
  EXPECT_NE(after.find("SEQEND", attrib), std::string::npos);
}

// Erasing an owner erases what it owns without opening it; undo brings both back.
TEST_F(UndoTest, ErasedOwnersBringBackWhatTheyOwn) {
  AcDbObjectId block = addBlock(L"REPERE", AcGePoint3d(0, 0, 0),
                                {new AcDbAttributeDefinition(AcGePoint3d(0, 0, 0), L"", L"ALT",
                                                             L"Altitude")});
  AcDbObjectId polyline = add(new AcDb2dPolyline());
  AcDbObjectId reference = add(new AcDbBlockReference(AcGePoint3d(2, 2, 0), block));
  AcDbObjectId vertex, attributeId, first, second;
  {
    Opened<AcDb2dPolyline> p(polyline, AcDb::kForWrite);
    for (double x : {0.0, 5.0}) {
      auto* v = new AcDb2dVertex(AcGePoint3d(x, 0, 0));
      EXPECT_EQ(p->appendVertex(vertex, v), Acad::eOk);
      v->close();
    }
    Opened<AcDbBlockReference> r(reference, AcDb::kForWrite);
    auto* attribute = new AcDbAttribute(AcGePoint3d(2, 2, 0), L"152.30", L"ALT");
    EXPECT_EQ(r->appendAttribute(attributeId, attribute), Acad::eOk);
    attribute->close();
    Opened<AcDbDictionary> named(db_.namedObjectsDictionaryId(), AcDb::kForWrite);
    auto* record = new AcDbXrecord();
    EXPECT_EQ(named->setAt(L"LEVE_PARAMS", record, first), Acad::eOk);
    record->close();
  }
  const std::string before = drawing();

  command([&] {
    Opened<AcDb2dPolyline> p(polyline, AcDb::kForWrite);
    EXPECT_EQ(p->erase(), Acad::eOk);
    Opened<AcDbBlockReference> r(reference, AcDb::kForWrite);
    EXPECT_EQ(r->erase(), Acad::eOk);
    // A new object under the same key: the dictionary erases the one it replaces.
    Opened<AcDbDictionary> named(db_.namedObjectsDictionaryId(), AcDb::kForWrite);
    auto* record = new AcDbXrecord();
    EXPECT_EQ(named->setAt(L"LEVE_PARAMS", record, second), Acad::eOk);
    record->close();
  });
  ASSERT_TRUE(vertex.isErased());
  ASSERT_TRUE(first.isErased());
  EXPECT_EQ(journal().undoLastStep(), Acad::eOk);
  EXPECT_EQ(drawing(), before);
  EXPECT_FALSE(vertex.isErased());
  EXPECT_FALSE(attributeId.isErased());
  EXPECT_FALSE(first.isErased());
  EXPECT_TRUE(second.isErased());
}

}  // namespace

namespace {

// A drawing read into an existing database keeps that database's journal, emptied: a command on
// the drawing read is undone on it, and nothing of the former contents can be undone.
TEST(UndoAfterRead, TheJournalFollowsTheDatabaseThatReadTheFile) {
  AcDbDatabase db;
  db.undoJournal().beginStep();
  {
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(acdbOpenObject(model, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* entity = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(1, 1, 0));
    model->appendAcDbEntity(entity);
    entity->close();
    model->close();
  }
  db.undoJournal().endStep();
  ASSERT_EQ(db.readDwgFile(TEST_DATA_DIR L"/dxf/r2007_utf8.dxf"), Acad::eOk) << db.lastError();
  EXPECT_EQ(db.undoJournal().undoLastStep(), Acad::eNotApplicable);

  const std::string before = dxf::writeDrawingToString(&db);
  db.undoJournal().beginStep();
  AcDbObjectId line;
  {
    AcDbBlockTableRecord* model = nullptr;
    ASSERT_EQ(acdbOpenObject(model, db.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* entity = new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(2, 2, 0));
    model->appendAcDbEntity(line, entity);
    entity->close();
    model->close();
  }
  db.undoJournal().endStep();
  ASSERT_EQ(db.undoJournal().undoLastStep(), Acad::eOk);
  EXPECT_TRUE(line.isErased());
  EXPECT_EQ(dxf::writeDrawingToString(&db), before);
  EXPECT_EQ(db.openObjectCount(), 0);
}

}  // namespace
