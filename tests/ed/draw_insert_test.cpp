// INSERT: block references of the drawing's blocks or of drawing files, with their attributes.
#include <unistd.h>

#include <cmath>
#include <filesystem>
#include <map>

#include "draw_fixture.h"

namespace {

struct AttributeSeen {
  std::wstring value;
  AcGePoint3d position;
  double height;
  double rotation;
};

class InsertCommand : public DrawingCommand {
 protected:
  // BORNE: a circle and four attribute definitions (asked, asked without prompt, constant,
  // preset), each at its own place in the block.
  void defineBlock() {
    AcDbBlockTable* table = nullptr;
    ASSERT_EQ(db->getBlockTable(table, AcDb::kForWrite), Acad::eOk);
    auto* block = new AcDbBlockTableRecord();
    block->setName(L"BORNE");
    AcDbObjectId id;
    ASSERT_EQ(table->add(id, block), Acad::eOk);
    table->close();
    add(block, new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 0.5));
    add(block, definition(AcGePoint3d(1, 0, 0), L"", L"NUMPT", L"Numéro du point"));
    add(block, definition(AcGePoint3d(1, -1, 0), L"0.00", L"ALT", L""));
    auto* constant = definition(AcGePoint3d(0, 1, 0), L"X", L"CONST", L"Constante");
    constant->setConstant(true);
    add(block, constant);
    auto* preset = definition(AcGePoint3d(0, 2, 0), L"p", L"PRE", L"Prédéfini");
    preset->setPreset(true);
    add(block, preset);
    block->close();
  }

  static AcDbAttributeDefinition* definition(const AcGePoint3d& at, const wchar_t* value,
                                             const wchar_t* tag, const wchar_t* prompt) {
    auto* def = new AcDbAttributeDefinition(at, value, tag, prompt);
    def->setHeight(1.0);
    return def;
  }

  static void add(AcDbBlockTableRecord* block, AcDbEntity* entity) {
    ASSERT_EQ(block->appendAcDbEntity(entity), Acad::eOk);
    entity->close();
  }

  std::map<std::wstring, AttributeSeen> attributesOf(AcDbObjectId referenceId) {
    std::map<std::wstring, AttributeSeen> seen;
    read<AcDbBlockReference>(referenceId, [&](const AcDbBlockReference& ref) {
      AcDbObjectIterator* it = ref.attributeIterator();
      for (it->start(); !it->done(); it->step()) {
        AcDbAttribute* attribute = nullptr;
        if (acdbOpenObject(attribute, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
        seen[attribute->tagConst()] = {attribute->textStringConst(), attribute->position(),
                                       attribute->height(), attribute->rotation()};
        attribute->close();
      }
      delete it;
    });
    return seen;
  }
};

TEST_F(InsertCommand, ScaledRotatedReferenceWithItsAttributesAskedInOrder) {
  defineBlock();
  run(L"INSERER", {L"borne", L"10,20", L"2", L"", L"90", L"A12", L""});
  auto ids = entities<AcDbBlockReference>();
  ASSERT_EQ(ids.size(), 1u);
  read<AcDbBlockReference>(ids[0], [&](const AcDbBlockReference& ref) {
    EXPECT_POINT(ref.position(), 10, 20);
    EXPECT_DOUBLE_EQ(ref.scaleFactors().sx, 2.0);
    EXPECT_DOUBLE_EQ(ref.scaleFactors().sy, 2.0);  // Y defaults to X
    EXPECT_NEAR(ref.rotation(), M_PI / 2.0, 1e-12);
    EXPECT_EQ(ref.layerId(), db->clayer());
  });
  auto attributes = attributesOf(ids[0]);
  ASSERT_EQ(attributes.size(), 3u);  // the constant one stays in the definition
  EXPECT_EQ(attributes[L"NUMPT"].value, L"A12");
  EXPECT_EQ(attributes[L"ALT"].value, L"0.00");  // Enter takes the default
  EXPECT_EQ(attributes[L"PRE"].value, L"p");     // preset: not asked
  // (1,0) in the block, scaled by 2 and turned a quarter: 2 above the insertion point.
  EXPECT_POINT(attributes[L"NUMPT"].position, 10, 22);
  EXPECT_POINT(attributes[L"ALT"].position, 12, 22);
  EXPECT_DOUBLE_EQ(attributes[L"NUMPT"].height, 2.0);
  EXPECT_NEAR(attributes[L"NUMPT"].rotation, M_PI / 2.0, 1e-12);
  EXPECT_TRUE(said(L"\nEntrez les valeurs d'attribut\nNuméro du point: A12\n\nALT <0.00>: \n"));
  EXPECT_FALSE(said(L"Constante"));
  EXPECT_FALSE(said(L"Prédéfini"));
}

TEST_F(InsertCommand, UnknownNameIsAskedAgainAndTheLastBlockIsTheDefault) {
  defineBlock();
  run(L"INSERT", {L"Inconnu", L"BORNE", L"0,0", L"", L"3", L"", L"1", L""});
  EXPECT_TRUE(said(L"\nBloc ou fichier \"Inconnu\" introuvable."));
  clearTranscript();
  run(L"INSERT", {L"", L"5,5", L"", L"", L"", L"2", L""});
  EXPECT_TRUE(said(L"\nEntrez le nom du bloc ou [?] <BORNE>: \n"));
  auto ids = entities<AcDbBlockReference>();
  ASSERT_EQ(ids.size(), 2u);
  read<AcDbBlockReference>(ids[0], [](const AcDbBlockReference& ref) {
    EXPECT_DOUBLE_EQ(ref.scaleFactors().sx, 1.0);
    EXPECT_DOUBLE_EQ(ref.scaleFactors().sy, 3.0);
  });
  EXPECT_EQ(attributesOf(ids[1])[L"NUMPT"].value, L"2");
  // The list shows the drawing's blocks, not its layouts.
  clearTranscript();
  run(L"INSERT", {L"?", L"^C"});
  EXPECT_TRUE(said(L"\n  \"BORNE\""));
  EXPECT_FALSE(said(L"Model_Space"));
  EXPECT_EQ(entities<AcDbBlockReference>().size(), 2u);
}

TEST_F(InsertCommand, DrawingFileBecomesABlockNamedAfterIt) {
  std::filesystem::path folder =
      std::filesystem::temp_directory_path() / ("draw_insert_" + std::to_string(getpid()));
  std::filesystem::create_directories(folder);
  {
    AcDbDatabase source(true, true);
    AcDbBlockTableRecord* space = nullptr;
    ASSERT_EQ(acdbOpenObject(space, source.modelSpaceId(), AcDb::kForWrite), Acad::eOk);
    auto* circle = new AcDbCircle(AcGePoint3d(0, 0, 0), AcGeVector3d::kZAxis, 1.0);
    ASSERT_EQ(space->appendAcDbEntity(circle), Acad::eOk);
    circle->close();
    space->close();
    ASSERT_EQ(source.saveAs((folder / "repere.dxf").wstring().c_str()), Acad::eOk);
  }
  // ".dwg" (given or implied) falls back to the ".dxf" beside it.
  run(L"INSERT", {(folder / "repere.dwg").wstring(), L"1,1", L"", L"", L""});
  run(L"INSERT", {(folder / "repere").wstring(), L"2,2", L"", L"", L""});
  std::filesystem::remove_all(folder);

  AcDbBlockTable* table = nullptr;
  ASSERT_EQ(db->getBlockTable(table, AcDb::kForRead), Acad::eOk);
  AcDbObjectId blockId;
  EXPECT_EQ(table->getAt(L"repere", blockId), Acad::eOk);
  table->close();
  auto ids = entities<AcDbBlockReference>();
  ASSERT_EQ(ids.size(), 2u);
  read<AcDbBlockReference>(ids[1], [&](const AcDbBlockReference& ref) {
    EXPECT_EQ(ref.blockTableRecord(), blockId);
    EXPECT_POINT(ref.position(), 2, 2);
  });
}

}  // namespace
