// Writing drawing files: the layout of an R2007 file, safe replacement of the target, and the host
// executable that opens and saves drawings.
#include <gtest/gtest.h>

#include <sys/stat.h>

#include "db/dbents.h"
#include "dxf/dxf_writer.h"
#include "dxf_test_util.h"
#include "ge/gepnt3d.h"

using namespace dxftest;

namespace {

// The value of a header variable in written text ("$HANDSEED" -> "6A").
std::string headerValue(const std::string& text, const std::string& name) {
  size_t at = text.find("  9\n" + name + "\n");
  if (at == std::string::npos) return "";
  size_t valueLine = text.find('\n', text.find('\n', at + 4) + 1) + 1;
  return text.substr(valueLine, text.find('\n', valueLine) - valueLine);
}

size_t count(const std::string& text, const std::string& part) {
  size_t n = 0;
  for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
  return n;
}

}  // namespace

TEST(DxfWrite, NewDrawingIsAnR2007FileOtherReadersAccept) {
  AcDbDatabase db;
  std::string text = dxf::writeDrawingToString(&db);
  EXPECT_EQ(text.rfind("  0\nSECTION\n  2\nHEADER\n  9\n$ACADVER\n  1\nAC1021\n", 0), 0u);
  EXPECT_EQ(text.find('\r'), std::string::npos);
  EXPECT_EQ(text.substr(text.size() - 8), "  0\nEOF\n");
  EXPECT_EQ(headerValue(text, "$DWGCODEPAGE"), "ANSI_1252");
  EXPECT_EQ(headerValue(text, "$HANDSEED"), db.handseed().toHex());
  // Sections in order, tables framed and in the order readers expect.
  size_t previous = 0;
  for (const char* section : {"HEADER", "CLASSES", "TABLES", "BLOCKS", "ENTITIES", "OBJECTS"}) {
    size_t at = text.find(std::string("  0\nSECTION\n  2\n") + section + "\n");
    ASSERT_NE(at, std::string::npos) << section;
    EXPECT_GT(at + 1, previous) << section;
    previous = at;
  }
  previous = 0;
  for (const char* table : {"VPORT", "LTYPE", "LAYER", "STYLE", "VIEW", "UCS", "APPID", "DIMSTYLE",
                            "BLOCK_RECORD"}) {
    size_t at = text.find(std::string("  0\nTABLE\n  2\n") + table + "\n");
    ASSERT_NE(at, std::string::npos) << table;
    EXPECT_GT(at, previous) << table;
    previous = at;
  }
  EXPECT_EQ(count(text, "  0\nTABLE\n"), count(text, "  0\nENDTAB\n"));
  // The named-object dictionary opens the OBJECTS section.
  size_t objects = text.find("  2\nOBJECTS\n");
  EXPECT_EQ(text.find("  0\n", objects), text.find("  0\nDICTIONARY\n", objects));

  std::string path = scratchPath("new.dxf");
  ASSERT_EQ(db.saveAs(wide(path).c_str()), Acad::eOk) << db.lastError();
  EXPECT_EQ(readText(path), text);
  std::string report;
  EXPECT_EQ(ezdxfCheck(path, report), 0) << report;
}

TEST(DxfWrite, ValuesAreWrittenInTheFormatsReadersExpect) {
  AcDbDatabase db;
  {
    Opened<AcDbBlockTableRecord> model(db.modelSpaceId(), AcDb::kForWrite);
    auto* line = new AcDbLine(AcGePoint3d(1.5, 0.1 + 0.2, -0.0), AcGePoint3d(1e20, 2, 1e-7));
    model->appendAcDbEntity(line);
    line->close();
  }
  std::string text = dxf::writeDrawingToString(&db);
  size_t at = text.find("  0\nLINE\n");
  ASSERT_NE(at, std::string::npos);
  std::string line = text.substr(at, text.find("  0\n", at + 1) - at);
  EXPECT_NE(line.find(" 10\n1.5\n 20\n0.3\n 30\n0.0\n"), std::string::npos) << line;
  EXPECT_NE(line.find(" 11\n1.0e+20\n 21\n2.0\n 31\n1.0e-07\n"), std::string::npos) << line;
  // Handles in upper-case hex, codes right-aligned to three characters.
  std::string handle = line.substr(line.find("  5\n") + 4);
  handle = handle.substr(0, handle.find('\n'));
  EXPECT_FALSE(handle.empty());
  for (char c : handle) EXPECT_TRUE((c >= '0' && c <= '9') || (c >= 'A' && c <= 'F')) << handle;
}

// The host executable: one clear message and a non-zero exit for a drawing it cannot open.
TEST(Cadhost, OpensAndSavesDrawings) {
  std::string output;
  std::string out = scratchPath("cadhost_new.dxf");
  ASSERT_EQ(runCommand(std::string(CADHOST_PATH) + " --new --save " + out, output), 0) << output;
  EXPECT_EQ(ezdxfCheck(out, output), 0) << output;

  std::string copy = scratchPath("cadhost_copy.dxf");
  ASSERT_EQ(runCommand(std::string(CADHOST_PATH) + " " + dataPath("r12_cp1252.dxf") + " --save " + copy,
                       output), 0) << output;
  EXPECT_EQ(output.find("Avertissement"), std::string::npos) << output;  // nothing to repair
  EXPECT_EQ(ezdxfCheck(copy, output), 0) << output;

  std::string repaired = scratchPath("cadhost_repaired.dxf");
  ASSERT_EQ(runCommand(std::string(CADHOST_PATH) + " " + dataPath("malformed/polyline_without_seqend.dxf") +
                           " --save " + repaired, output), 0) << output;
  EXPECT_NE(output.find("Avertissement : ligne "), std::string::npos) << output;
  EXPECT_NE(output.find("POLYLINE sans SEQEND"), std::string::npos) << output;
}

TEST(Cadhost, ReportsAnUnreadableDrawingOnce) {
  std::string output;
  std::string bad = dataPath("malformed/odd_group_code.dxf");
  EXPECT_EQ(runCommand(std::string(CADHOST_PATH) + " " + bad + " --save " + scratchPath("never.dxf"), output), 1);
  EXPECT_EQ(output, "Erreur : impossible de lire le dessin \"" + bad +
                        "\" (ligne 61 : code de groupe invalide \"ab\")\n");
  struct stat info;
  EXPECT_NE(stat(scratchPath("never.dxf").c_str(), &info), 0);

  std::string missing = scratchPath("missing.dwg");
  EXPECT_EQ(runCommand(std::string(CADHOST_PATH) + " " + missing, output), 1);
  EXPECT_EQ(output, "Erreur : impossible de lire le dessin \"" + missing + "\" (fichier introuvable)\n");
  EXPECT_EQ(runCommand(std::string(CADHOST_PATH) + " --bogus", output), 2);
}

// The independent check: ezdxf writes every entity kind, cadhost reads and saves it, ezdxf reads
// it back and compares.
TEST(Cadhost, EzdxfRoundTrip) {
  std::string output;
  int status = runCommand("/usr/bin/python3 " + toolPath("ezdxf_roundtrip.py") + " " + CADHOST_PATH +
                              " " + scratchPath("ezdxf"), output);
  EXPECT_EQ(status, 0) << output;
}
