// LINE: one line per segment, undo of the last segment, closing, continuing the last line.
#include "draw_fixture.h"

namespace {

class LineCommand : public DrawingCommand {
 protected:
  std::vector<std::pair<AcGePoint3d, AcGePoint3d>> segments() {
    std::vector<std::pair<AcGePoint3d, AcGePoint3d>> result;
    for (AcDbObjectId id : entities<AcDbLine>())
      read<AcDbLine>(id,
                     [&](const AcDbLine& l) { result.emplace_back(l.startPoint(), l.endPoint()); });
    return result;
  }
};

TEST_F(LineCommand, SegmentsThenCloseBackToTheFirstPoint) {
  run(L"LIGNE", {L"0,0", L"10,0", L"@0,5", L"c"});
  auto lines = segments();
  ASSERT_EQ(lines.size(), 3u);
  EXPECT_POINT(lines[0].first, 0, 0);
  EXPECT_POINT(lines[0].second, 10, 0);
  EXPECT_POINT(lines[1].second, 10, 5);  // relative to the previous point
  EXPECT_POINT(lines[2].first, 10, 5);
  EXPECT_POINT(lines[2].second, 0, 0);
  // Clore is offered once two segments exist.
  EXPECT_TRUE(
      said(L"Spécifiez le premier point: 0,0\n"
           L"\nSpécifiez le point suivant ou [annUler]: 10,0\n"
           L"\nSpécifiez le point suivant ou [annUler]: @0,5\n"
           L"\nSpécifiez le point suivant ou [Clore/annUler]: c\n"));
}

TEST_F(LineCommand, UndoRemovesTheLastSegmentAndTheNextStartsFromItsStart) {
  run(L"LINE", {L"0,0", L"u", L"5,0", L"C", L"5,5", L"annuler", L"0,5", L""});
  auto lines = segments();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_POINT(lines[1].first, 5, 0);
  EXPECT_POINT(lines[1].second, 0, 5);
  EXPECT_TRUE(said(L"Tous les segments ont déjà été annulés."));
  // "C" is no keyword with fewer than two segments: refused and asked again.
  EXPECT_TRUE(said(L"Nécessite un point ou un mot-clé d'option."));
}

TEST_F(LineCommand, EnterAtTheFirstPointContinuesFromTheLastLine) {
  run(L"LINE", {L""});  // nothing to continue
  EXPECT_TRUE(segments().empty());
  run(L"LINE", {L"0,0", L"3,4", L""});
  run(L"LINE", {L"", L"6,0", L""});
  auto lines = segments();
  ASSERT_EQ(lines.size(), 2u);
  EXPECT_POINT(lines[1].first, 3, 4);
  EXPECT_POINT(lines[1].second, 6, 0);
}

TEST_F(LineCommand, CancelKeepsTheSegmentsDrawnOnTheCurrentLayerAndColour) {
  AcDbLayerTable* layers = nullptr;
  ASSERT_EQ(db->getLayerTable(layers, AcDb::kForWrite), Acad::eOk);
  auto* layer = new AcDbLayerTableRecord();
  layer->setName(L"Talus");
  AcDbObjectId layerId;
  ASSERT_EQ(layers->add(layerId, layer), Acad::eOk);
  layer->close();
  layers->close();
  db->setClayer(layerId);
  db->setCecolorIndex(3);

  run(L"LINE", {L"0,0", L"1,1", L"2,0", L"^C"});
  auto ids = entities<AcDbLine>();
  ASSERT_EQ(ids.size(), 2u);
  read<AcDbLine>(ids[1], [&](const AcDbLine& l) {
    EXPECT_EQ(l.layerId(), layerId);
    EXPECT_EQ(l.colorIndex(), 3);
  });
  EXPECT_TRUE(said(L"*Annuler*"));
}

}  // namespace
