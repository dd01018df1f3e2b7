// Block descriptions and the legend table on a drawing with nested blocks, described blocks, a
// block of a single point and a block never inserted.
#include <gtest/gtest.h>

#include "db/acdbads.h"
#include "db/dbblkref.h"
#include "db/dbdict.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "db/dbxrecord.h"
#include "exchange/CDlgCommentaireBlock.h"
#include "exchange/CTableLegendes.h"
#include "exchange/infoBlock.h"
#include "exchange/tableLegendes.h"
#include "exchange_fixture.h"
#include "lisp/interpreter.h"

namespace {

class BlocksLegend : public ExchangeDrawing {
 protected:
  BlocksLegend() {
    lisp_.setDatabase(&db_);
    // REGARD: a 4 x 2 frame; NID holds REGARD and a circle; PT is one point; ABSENT is never placed.
    make(L"((0 . \"BLOCK\") (2 . \"REGARD\") (70 . 0) (10 0.0 0.0 0.0))");
    make(L"((0 . \"LINE\") (10 1.0 1.0 0.0) (11 5.0 3.0 0.0))");
    make(L"((0 . \"ENDBLK\"))");
    make(L"((0 . \"BLOCK\") (2 . \"NID\") (70 . 0) (10 0.0 0.0 0.0))");
    make(L"((0 . \"INSERT\") (2 . \"REGARD\") (10 0.0 0.0 0.0))");
    make(L"((0 . \"CIRCLE\") (10 0.0 0.0 0.0) (40 . 1.0))");
    make(L"((0 . \"ENDBLK\"))");
    make(L"((0 . \"BLOCK\") (2 . \"PT\") (70 . 0) (10 0.0 0.0 0.0))");
    make(L"((0 . \"POINT\") (10 0.0 0.0 0.0))");
    make(L"((0 . \"ENDBLK\"))");
    make(L"((0 . \"BLOCK\") (2 . \"ABSENT\") (70 . 0) (10 0.0 0.0 0.0))");
    make(L"((0 . \"LINE\") (10 0.0 0.0 0.0) (11 1.0 1.0 0.0))");
    make(L"((0 . \"ENDBLK\"))");
    make(L"((0 . \"INSERT\") (2 . \"REGARD\") (10 100.0 100.0 0.0))");
    regard_ = dernier();
    make(L"((0 . \"INSERT\") (2 . \"REGARD\") (10 110.0 100.0 0.0))");
    make(L"((0 . \"INSERT\") (2 . \"NID\") (10 120.0 100.0 0.0))");
    make(L"((0 . \"INSERT\") (2 . \"PT\") (10 130.0 100.0 0.0))");
    make(L"((0 . \"MTEXT\") (10 0.0 -50.0 0.0) (40 . 1.0) (1 . \"{\\\\LRegard} EU\"))");
    mtexte_ = dernier();
    make(L"((0 . \"LAYER\") (2 . \"RESEAUX\") (70 . 0) (62 . 3) (6 . \"CONTINUOUS\"))");
  }
  void make(const std::wstring& list) { lisp_.evaluate(L"(entmake '" + list + L")"); }
  std::wstring dernier() {
    ads_name nom;
    acdbEntLast(nom);
    AcDbObjectId id;
    acdbGetObjectId(id, nom);
    ACHAR texte[17];
    id.handle().getIntoAsciiBuffer(texte);
    return L"#" + std::wstring(texte);
  }
  AcDbObjectId bloc(const wchar_t* nom) {
    AcDbBlockTable* table = nullptr;
    db_.getBlockTable(table, AcDb::kForRead);
    AcDbObjectId id;
    table->getAt(nom, id);
    table->close();
    return id;
  }
  const infoBlocks* info(const std::vector<infoBlocks>& blocs, const wchar_t* nom) {
    for (const infoBlocks& b : blocs)
      if (b.nom == nom) return &b;
    return nullptr;
  }

  lisp::Interpreter lisp_;
  std::wstring regard_, mtexte_;
};

TEST_F(BlocksLegend, DescriptionInThreePlacesAndForeignRecordsIgnored) {
  const AcDbObjectId regard = bloc(L"REGARD");
  EXPECT_EQ(descriptionBlock(regard, L"REGARD"), L"REGARD");
  ASSERT_EQ(writeBlockInfo(regard, L"Regard EU"), 1);
  CString commentaires, surBloc, surEntite;
  ASSERT_EQ(readBlockInfo(regard, commentaires, surBloc, surEntite), 1);
  EXPECT_EQ(commentaires, L"Regard EU");
  EXPECT_EQ(surBloc, L"Regard EU");
  EXPECT_EQ(surEntite, L"Regard EU");
  EXPECT_EQ(readBlockInfo(AcDbObjectId(), commentaires, surBloc, surEntite), 0);

  // Another application's record of the same name, without our mark.
  const AcDbObjectId absent = bloc(L"ABSENT");
  AcDbBlockTableRecord* definition = nullptr;
  ASSERT_EQ(acdbOpenObject(definition, absent, AcDb::kForWrite), Acad::eOk);
  definition->createExtensionDictionary();
  AcDbDictionary* dictionnaire = nullptr;
  ASSERT_EQ(acdbOpenObject(dictionnaire, definition->extensionDictionary(), AcDb::kForWrite), Acad::eOk);
  auto* etranger = new AcDbXrecord();
  resbuf texte{};
  texte.restype = 300;
  texte.resval.rstring = const_cast<ACHAR*>(L"autre");
  resbuf entier{};
  entier.restype = 90;
  entier.resval.rlong = 5;
  entier.rbnext = &texte;
  etranger->setFromRbChain(entier);
  AcDbObjectId id;
  dictionnaire->setAt(L"BLOCKINFO_ARPENTA", etranger, id);
  etranger->close();
  dictionnaire->close();
  definition->close();
  EXPECT_EQ(descriptionBlock(absent, L"ABSENT"), L"ABSENT");
}

TEST_F(BlocksLegend, DialogPicksABlockAndAMultiLineTextThenStoresTheDescription) {
  answer({L"click Choisir", L"0,-200", regard_, mtexte_, L"click Modifier", L"ok"});
  decrireBlock();
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"1237 édition (grisé)"), std::wstring::npos) << t;
  EXPECT_NE(t.find(L"\nSelectionnez un block"), std::wstring::npos);
  EXPECT_NE(t.find(L"4.000000"), std::wstring::npos);  // size X
  EXPECT_NE(t.find(L"{\\LRegard} EU"), std::wstring::npos);
  CString commentaires, surBloc, surEntite;
  readBlockInfo(bloc(L"REGARD"), commentaires, surBloc, surEntite);
  // The field shows the comments (empty), so "Modifier" stores nothing until a text is typed.
  EXPECT_EQ(commentaires, L"");

  answer({L"click Choisir", regard_, L"", L"set 1242 Regard EU", L"click Modifier", L"ok"});
  decrireBlock();
  readBlockInfo(bloc(L"REGARD"), commentaires, surBloc, surEntite);
  EXPECT_EQ(commentaires, L"Regard EU");
  EXPECT_EQ(surEntite, L"Regard EU");
  EXPECT_NE(transcript().find(L"Block REGARD"), std::wstring::npos);  // the proposal before it was described
}

TEST_F(BlocksLegend, BlockListCountsSizesAndUsedOnes) {
  const std::vector<infoBlocks> blocs = listerBlocks(&db_);
  ASSERT_NE(info(blocs, L"REGARD"), nullptr);
  EXPECT_EQ(info(blocs, L"*Model_Space"), nullptr);
  EXPECT_EQ(info(blocs, L"REGARD")->occurrences, 2);  // the one inside NID is not in model space
  EXPECT_DOUBLE_EQ(info(blocs, L"REGARD")->tailleX, 4.0);
  EXPECT_DOUBLE_EQ(info(blocs, L"REGARD")->tailleY, 2.0);
  EXPECT_DOUBLE_EQ(info(blocs, L"NID")->tailleX, 6.0);  // circle from -1 to the frame's 5
  EXPECT_EQ(info(blocs, L"ABSENT")->occurrences, 0);
  EXPECT_DOUBLE_EQ(info(blocs, L"PT")->tailleX, 0.0);

  answer({L"click Utilisés", L"ok", L"0,0"});
  tableDesLegendes();
  const std::wstring& t = transcript();
  EXPECT_NE(t.find(L"[x] 0: REGARD | REGARD | 2 | 4.00 | 2.00"), std::wstring::npos) << t;
  EXPECT_NE(t.find(L"[ ] 3: ABSENT | ABSENT | 0 |"), std::wstring::npos) << t;
  EXPECT_NE(t.find(L"\nPosition des la table des légendes"), std::wstring::npos);
}

TEST_F(BlocksLegend, LegendRowsSampleScaleAndLayerLines) {
  paramsLegende p;
  EXPECT_DOUBLE_EQ(pasLegende(p), 1.2);
  p.distanceLignes = 3;
  EXPECT_DOUBLE_EQ(pasLegende(p), 3.0);
  p.distanceLignes = 1;
  EXPECT_DOUBLE_EQ(longueurTraitCalque(p), 5.0);

  std::vector<infoBlocks> blocs = listerBlocks(&db_);
  std::vector<CString> descriptions;
  std::vector<bool> coches;
  for (const infoBlocks& b : blocs) {
    descriptions.push_back(b.nom + L" décrit");
    coches.push_back(b.nom == L"REGARD" || b.nom == L"PT" || b.nom == L"NID");
  }
  p.legendeCalques = true;
  p.grouper = true;
  ASSERT_EQ(dessinerLegende(blocs, descriptions, coches, p, 0, 0), 2);  // PT has no size
  std::vector<AcDbBlockReference*> echantillons;
  std::vector<std::pair<std::wstring, AcGePoint3d>> textes;
  std::vector<AcGePoint3d> traits;
  AcDbBlockTableRecord* espace = nullptr;
  acdbOpenObject(espace, db_.modelSpaceId(), AcDb::kForRead);
  AcDbBlockTableRecordIterator* it = nullptr;
  espace->newIterator(it);
  double echelleRegard = 0, yRegard = 1, xBasRegard = 1;
  for (; !it->done(); it->step()) {
    AcDbEntity* e = nullptr;
    it->getEntity(e, AcDb::kForRead);
    if (auto* r = AcDbBlockReference::cast(e); r && r->position().y < 50) {
      AcDbExtents x;
      r->getGeomExtents(x);
      if (r->blockTableRecord() == bloc(L"REGARD")) {
        echelleRegard = r->scaleFactors().sx;
        yRegard = x.minPoint().y;
        xBasRegard = x.minPoint().x;
      }
      EXPECT_EQ(r->colorIndex(), 256);
    } else if (auto* txt = AcDbText::cast(e); txt && txt->isA() == AcDbText::desc()) {
      textes.emplace_back(txt->textStringConst(), txt->position());
    } else if (auto* l = AcDbLine::cast(e)) {
      traits.push_back(l->startPoint());
      EXPECT_DOUBLE_EQ(l->endPoint().x - l->startPoint().x, 5.0);
    }
    e->close();
  }
  delete it;
  espace->close();
  EXPECT_DOUBLE_EQ(echelleRegard, 0.25);
  EXPECT_NEAR(xBasRegard, 0.0, 1e-9);
  ASSERT_GE(textes.size(), 3u);
  EXPECT_EQ(textes[0].first, L"REGARD décrit");
  EXPECT_DOUBLE_EQ(textes[0].second.x, 2.5);
  EXPECT_EQ(textes[1].first, L"NID décrit");
  EXPECT_DOUBLE_EQ(textes[1].second.y, -1.2);
  EXPECT_NEAR(yRegard, 0.0, 1e-9);
  // Layers start 2 steps below the last block row: -2.4 - 2.4; names 8 to the right.
  ASSERT_FALSE(traits.empty());
  EXPECT_DOUBLE_EQ(traits[0].y, -2.4 - 2.4);
  EXPECT_EQ(textes[2].first, L"0");
  EXPECT_DOUBLE_EQ(textes[2].second.x, 8.0);
  AcDbDictionary* groupes = nullptr;
  db_.getGroupDictionary(groupes, AcDb::kForRead);
  EXPECT_EQ(groupes->numEntries(), 2u);
  groupes->close();
}

}  // namespace
