// Reading drawing files written by other programs, in every encoding and with damage.
#include <gtest/gtest.h>

#include <set>

#include "db/database_state.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbpoly.h"
#include "db/dbsymtb.h"
#include "dxf_test_util.h"

using namespace dxftest;

namespace {

std::wstring textOf(AcDbObjectId id) {
  Opened<AcDbText> text(id);
  return text ? std::wstring(text->textStringConst()) : L"?";
}

std::wstring layerOf(AcDbObjectId id) {
  Opened<AcDbEntity> entity(id);
  return entity ? entity->layerName() : L"?";
}

}  // namespace

TEST(DxfRead, R12FileInWindows1252WithFollowers) {
  AcDbDatabase db(false, true);
  // A ".dwg" name that does not exist is read from the ".dxf" beside it.
  std::string path = dataPath("r12_cp1252.dwg");
  ASSERT_EQ(db.readDwgFile(wide(path).c_str()), Acad::eOk) << db.lastError();
  EXPECT_TRUE(db.readReport().warnings.empty()) << allWarnings(db);

  std::vector<AcDbObjectId> texts = entitiesOfType(&db, "TEXT");
  ASSERT_EQ(texts.size(), 2u);
  EXPECT_EQ(textOf(texts[0]), L"Café €");
  EXPECT_EQ(textOf(texts[1]), L"Été");  // \U+ escapes of an older file
  std::vector<AcDbObjectId> lines = entitiesOfType(&db, "LINE");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(layerOf(lines[0]), L"Talus_é");
  EXPECT_EQ(db.textsize(), 0.35);
  {
    Opened<AcDbLayerTableRecord> current(db.clayer());
    ASSERT_TRUE(current);
    EXPECT_EQ(current->name(), L"Talus_é");
  }

  // INSERT, ATTRIB, SEQEND: the attribute belongs to the reference.
  std::vector<AcDbObjectId> inserts = entitiesOfType(&db, "INSERT");
  ASSERT_EQ(inserts.size(), 1u);
  AcDbObjectIdArray attributes;
  {
    Opened<AcDbBlockReference> insert(inserts[0]);
    insert->subentityIds(attributes);
    EXPECT_FALSE(insert->sequenceEndId().isNull());
  }
  ASSERT_EQ(attributes.length(), 1);
  {
    Opened<AcDbAttribute> attribute(attributes[0]);
    EXPECT_EQ(std::wstring(attribute->tagConst()), L"MATRICULE");
    EXPECT_EQ(std::wstring(attribute->textStringConst()), L"Pé1");
    EXPECT_EQ(attribute->ownerId(), inserts[0]);
  }

  // POLYLINE, VERTEX x3, SEQEND.
  std::vector<AcDbObjectId> polylines = entitiesOfType(&db, "POLYLINE");
  ASSERT_EQ(polylines.size(), 1u);
  AcDbObjectIdArray vertices;
  {
    Opened<AcDbEntity> polyline(polylines[0]);
    polyline->subentityIds(vertices);
  }
  EXPECT_EQ(vertices.length(), 3);

  // Objects of a file without handles got distinct ones.
  std::set<Adesk::UInt64> handles;
  for (AcDbObjectId id : {lines[0], texts[0], texts[1], inserts[0], polylines[0]}) {
    EXPECT_FALSE(id.handle().isNull());
    handles.insert(id.handle().value());
  }
  EXPECT_EQ(handles.size(), 5u);
  // Header variables the database does not model are kept.
  bool keptUnits = false;
  for (const HeaderVariable& variable : db.state().otherHeaderVariables) {
    if (variable.name == "$LUNITS") keptUnits = variable.items.at(0).integer == 2;
  }
  EXPECT_TRUE(keptUnits);
}

TEST(DxfRead, R2007FileIsUtf8AndKeepsHandlesAndXdata) {
  AcDbDatabase db(false, true);
  ASSERT_EQ(db.readDwgFile(wide(dataPath("r2007_utf8.dxf")).c_str()), Acad::eOk) << db.lastError();
  EXPECT_TRUE(db.readReport().warnings.empty()) << allWarnings(db);
  std::vector<AcDbObjectId> texts = entitiesOfType(&db, "TEXT");
  ASSERT_EQ(texts.size(), 1u);
  EXPECT_EQ(textOf(texts[0]), L"Café ∑ Ω");
  EXPECT_EQ(layerOf(texts[0]), L"Pente_é");
  std::vector<AcDbObjectId> lines = entitiesOfType(&db, "LINE");
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].handle().value(), 0x33u);
  Opened<AcDbLine> line(lines[0]);
  const DxfItemList& xdata = line->xDataItems();
  ASSERT_EQ(xdata.size(), 3u);
  EXPECT_EQ(xdata[0].text, L"MYSURVEY");
  EXPECT_EQ(xdata[1].text, L"Zoë");
  EXPECT_EQ(xdata[2].real, 2.5);
}

// Damaged files: each gives one clear error naming its line, or a drawing repaired with warnings;
// never a crash.
struct DamagedFile {
  const char* file;
  Acad::ErrorStatus status;  // eOk: repaired
  const char* message;       // part of the error, or of a warning of the repaired drawing
};

void PrintTo(const DamagedFile& damaged, std::ostream* out) { *out << damaged.file; }

class DxfDamagedFile : public testing::TestWithParam<DamagedFile> {};

TEST_P(DxfDamagedFile, ErrorOrRepair) {
  const DamagedFile& damaged = GetParam();
  AcDbDatabase db(false, true);
  std::string path = dataPath(std::string("malformed/") + damaged.file);
  Acad::ErrorStatus es = db.readDwgFile(wide(path).c_str());
  EXPECT_EQ(es, damaged.status) << db.lastError();
  if (damaged.status != Acad::eOk) {
    EXPECT_NE(db.lastError().find(damaged.message), std::string::npos) << db.lastError();
    EXPECT_NE(db.lastError().find(damaged.file), std::string::npos) << db.lastError();
    return;
  }
  EXPECT_TRUE(hasWarning(db, damaged.message)) << allWarnings(db);
  // The repaired drawing saves into a file the independent reader accepts.
  std::string out = scratchPath(std::string("repaired_") + damaged.file);
  ASSERT_EQ(db.saveAs(wide(out).c_str()), Acad::eOk) << db.lastError();
  std::string report;
  EXPECT_EQ(ezdxfCheck(out, report), 0) << report;
}

INSTANTIATE_TEST_SUITE_P(
    Malformed, DxfDamagedFile,
    testing::Values(
        DamagedFile{"truncated.dxf", Acad::eDxfReadAborted, "fin de fichier inattendue dans section ENTITIES"},
        DamagedFile{"truncated_pair.dxf", Acad::eDxfReadAborted, "ligne 55 : fin de fichier inattendue"},
        DamagedFile{"odd_group_code.dxf", Acad::eInvalidDxfCode, "ligne 61 : code de groupe invalide \"ab\""},
        DamagedFile{"bad_number.dxf", Acad::eInvalidDxfCode, "ligne 42 : nombre invalide \"1.0.0\" (code 21)"},
        DamagedFile{"empty.dxf", Acad::eDxfReadAborted, "fichier vide"},
        DamagedFile{"not_dxf.dxf", Acad::eInvalidDxfCode, "ligne 1 : code de groupe invalide"},
        DamagedFile{"missing_endsec.dxf", Acad::eOk, "section ENTITIES sans ENDSEC"},
        DamagedFile{"missing_eof.dxf", Acad::eOk, "EOF manquant"},
        DamagedFile{"unknown_section.dxf", Acad::eOk, "section inconnue \"MYSTERY\" ignorée"},
        DamagedFile{"dangling_handle.dxf", Acad::eOk, "poignée 9999, code 330"},
        DamagedFile{"duplicate_handle.dxf", Acad::eOk, "poignée 2A en double"},
        DamagedFile{"polyline_without_seqend.dxf", Acad::eOk, "POLYLINE sans SEQEND"},
        // The model space record is gone but its block and layout remain: both are relinked to
        // the record made anew, so the layout does not point at nothing.
        DamagedFile{"lost_model_space_record.dxf", Acad::eOk, "poignée 12, code 330"}),
    [](const testing::TestParamInfo<DamagedFile>& param) {
      std::string name = param.param.file;
      return name.substr(0, name.find('.'));
    });

TEST(DxfRead, RepairsKeepWhatCanBeKept) {
  {
    AcDbDatabase db(false, true);
    ASSERT_EQ(db.readDwgFile(wide(dataPath("malformed/duplicate_handle.dxf")).c_str()), Acad::eOk);
    std::vector<AcDbObjectId> lines = entitiesOfType(&db, "LINE");
    ASSERT_EQ(lines.size(), 3u);
    EXPECT_EQ(lines[0].handle().value(), 0x2Au);  // the first keeps the handle
    EXPECT_NE(lines[1].handle().value(), 0x2Au);
    EXPECT_GT(db.handseed().value(), lines[1].handle().value());
  }
  {
    AcDbDatabase db(false, true);
    ASSERT_EQ(db.readDwgFile(wide(dataPath("malformed/polyline_without_seqend.dxf")).c_str()), Acad::eOk);
    std::vector<AcDbObjectId> polylines = entitiesOfType(&db, "POLYLINE");
    ASSERT_EQ(polylines.size(), 1u);
    EXPECT_EQ(entitiesOfType(&db, "LINE").size(), 1u);  // the entity after the run is not a vertex
    Opened<AcDbEntity> polyline(polylines[0]);
    AcDbObjectIdArray vertices;
    polyline->subentityIds(vertices);
    EXPECT_EQ(vertices.length(), 3);
    EXPECT_FALSE(polyline->sequenceEndId().isNull());
  }
  {
    AcDbDatabase db(false, true);
    ASSERT_EQ(db.readDwgFile(wide(dataPath("malformed/dangling_handle.dxf")).c_str()), Acad::eOk);
    std::vector<AcDbObjectId> lines = entitiesOfType(&db, "LINE");
    ASSERT_EQ(lines.size(), 2u);
    Opened<AcDbEntity> line(lines[0]);
    EXPECT_TRUE(line->persistentReactorIds().empty());
  }
}

TEST(DxfRead, AFileThatCannotBeReadLeavesTheDatabaseAsItWas) {
  AcDbDatabase db;  // a new drawing
  AcDbObjectId modelSpace = db.modelSpaceId();
  std::string missing = scratchPath("no_such_drawing.dxf");
  EXPECT_EQ(db.readDwgFile(wide(missing).c_str()), Acad::eFileNotFound);
  EXPECT_EQ(db.lastError(), "impossible de lire le dessin \"" + missing + "\" (fichier introuvable)");
  EXPECT_EQ(db.readDwgFile(wide(dataPath("malformed/bad_number.dxf")).c_str()), Acad::eInvalidDxfCode);
  EXPECT_EQ(db.modelSpaceId(), modelSpace);
  EXPECT_TRUE(modelSpace.isValid());
}

TEST(DxfRead, UnknownKindsAreKeptAsProxies) {
  // A HATCH and a custom object: neither is modelled, both come back unchanged.
  std::string text =
      "  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1015\n  0\nENDSEC\n"
      "  0\nSECTION\n  2\nENTITIES\n"
      "  0\nHATCH\n  5\n50\n100\nAcDbEntity\n  8\n0\n100\nAcDbHatch\n 10\n0.0\n 20\n0.0\n 30\n0.0\n"
      "  2\nSOLID\n 70\n1\n 71\n0\n 91\n0\n 75\n0\n 76\n1\n 98\n0\n"
      "  0\nENDSEC\n"
      "  0\nSECTION\n  2\nOBJECTS\n"
      "  0\nDICTIONARY\n  5\nC\n330\n0\n100\nAcDbDictionary\n  3\nMY_THING\n350\n51\n"
      "  0\nMY_CUSTOM_OBJECT\n  5\n51\n330\nC\n100\nMyCustomData\n  1\nkeep me\n 40\n2.5\n"
      "  0\nENDSEC\n  0\nEOF\n";
  std::string in = scratchPath("proxies_in.dxf");
  writeText(in, text);
  AcDbDatabase db(false, true);
  ASSERT_EQ(db.readDwgFile(wide(in).c_str()), Acad::eOk) << db.lastError();
  EXPECT_EQ(entitiesOfType(&db, "HATCH").size(), 1u);
  std::string out = scratchPath("proxies_out.dxf");
  ASSERT_EQ(db.saveAs(wide(out).c_str()), Acad::eOk) << db.lastError();
  std::string written = readText(out);
  EXPECT_NE(written.find("  0\nHATCH\n  5\n50\n"), std::string::npos);
  EXPECT_NE(written.find("  0\nMY_CUSTOM_OBJECT\n  5\n51\n330\nC\n100\nMyCustomData\n  1\nkeep me\n 40\n2.5\n"),
            std::string::npos);
}

TEST(DxfRead, ABareEntitiesSectionGetsTheStandardObjects) {
  // No header, no tables, no handles: what some programs export.
  AcDbDatabase db(false, true);
  ASSERT_EQ(db.readDwgFile(wide(dataPath("entities_only.dxf")).c_str()), Acad::eOk) << db.lastError();
  EXPECT_EQ(entitiesOfType(&db, "LINE").size(), 1u);
  EXPECT_EQ(entitiesOfType(&db, "CIRCLE").size(), 1u);
  EXPECT_FALSE(db.layerZero().isNull());
  EXPECT_FALSE(db.namedObjectsDictionaryId().isNull());
  std::string out = scratchPath("entities_only_out.dxf");
  ASSERT_EQ(db.saveAs(wide(out).c_str()), Acad::eOk) << db.lastError();
  std::string report;
  EXPECT_EQ(ezdxfCheck(out, report), 0) << report;
}
