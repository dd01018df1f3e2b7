// What the drawing tools leave in a saved drawing, read back with ezdxf (an independent reader):
// the grid's lines, texts and group, the texts that replace attributes, the labels moved apart.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "db/dbblkref.h"
#include "db/dbpl.h"
#include "os/codepage.h"
#include "tools/command_output.h"
#include "tools/outils_fixture.h"

namespace {

class DessinEnregistre : public OutilsDessin {
 protected:
  // The drawing saved and listed by ezdxf, one item a line.
  std::vector<std::string> relu() {
    const std::filesystem::path fichier =
        std::filesystem::temp_directory_path() / ("outils_" + std::to_string(getpid()) + ".dxf");
    EXPECT_EQ(dessin()->saveAs(utf8ToWide(fichier.string()).c_str()), Acad::eOk);
    const std::string sortie = commandOutput("/usr/bin/python3 " TEST_TOOLS_DIR "/outils_dump.py " + fichier.string());
    std::filesystem::remove(fichier);
    std::vector<std::string> lignes;
    std::istringstream flux(sortie);
    for (std::string ligne; std::getline(flux, ligne);) lignes.push_back(ligne);
    return lignes;
  }
  static size_t compter(const std::vector<std::string>& lignes, const std::string& debut) {
    return std::count_if(lignes.begin(), lignes.end(),
                         [&](const std::string& l) { return l.rfind(debut, 0) == 0; });
  }
  static bool contient(const std::vector<std::string>& lignes, const std::string& ligne) {
    return std::find(lignes.begin(), lignes.end(), ligne) != lignes.end();
  }
  AcDbObjectId region(std::initializer_list<std::pair<double, double>> points) {
    auto* p = new AcDbPolyline();
    unsigned int i = 0;
    for (const auto& [x, y] : points) p->addVertexAt(i++, AcGePoint2d(x, y));
    p->setClosed(true);
    return ajouter(p);
  }
};

TEST_F(DessinEnregistre, GridOfASquareAndOfAConcaveRegion) {
  const AcDbObjectId carre = region({{5, 5}, {245, 5}, {245, 245}, {5, 245}});
  const AcDbObjectId u = region({{1050, 50}, {1350, 50}, {1350, 150}, {1250, 150}, {1250, 80},
                                 {1150, 80}, {1150, 150}, {1050, 150}});
  answer({L"check 1140 on", L"choose 1222 0.000", L"click 1146", poignee(carre), poignee(u), L"",
          L"ok"});
  commandeCarroyage();
  const std::vector<std::string> lignes = relu();
  ASSERT_FALSE(lignes.empty()) << "ezdxf could not read the drawing";
  // The square: crosses at its four nodes.
  for (const char* croix : {"LINE 97.5 100 102.5 100", "LINE 100 97.5 100 102.5",
                            "LINE 197.5 200 202.5 200", "LINE 200 197.5 200 202.5"}) {
    EXPECT_TRUE(contient(lignes, croix)) << croix;
  }
  // Inside labels with three decimals: left-aligned at x0 + s, right-aligned at xl - s/2.
  EXPECT_TRUE(contient(lignes, "TEXT 10 99 0 0 0 |100.000"));
  EXPECT_TRUE(contient(lignes, "TEXT 242.5 99 0 2 1 |100.000"));
  EXPECT_TRUE(contient(lignes, "TEXT 101 10 90 0 0 |100.000"));
  EXPECT_TRUE(contient(lignes, "TEXT 101 240 90 2 1 |100.000"));
  EXPECT_TRUE(contient(lignes, "LINE 5 100 7.5 100"));  // tick at the first crossing
  // The U: crosses on both arms at y = 100, none in the notch, labels at its outer sides only.
  EXPECT_TRUE(contient(lignes, "LINE 1097.5 100 1102.5 100"));
  EXPECT_TRUE(contient(lignes, "LINE 1297.5 100 1302.5 100"));
  EXPECT_FALSE(contient(lignes, "LINE 1197.5 100 1202.5 100"));
  EXPECT_TRUE(contient(lignes, "TEXT 1055 99 0 0 0 |100.000"));
  EXPECT_FALSE(contient(lignes, "TEXT 1155 99 0 0 0 |100.000"));
  // One anonymous group per region, holding all it drew.
  ASSERT_EQ(compter(lignes, "GROUP 1 "), 2u);
  EXPECT_EQ(compter(lignes, "LWPOLYLINE"), 2u);
  EXPECT_TRUE(contient(lignes, "GROUP 1 24"));  // 4 crosses (8 lines), 8 ticks, 8 labels
}

TEST_F(DessinEnregistre, DissociatedAttributesAndMovedLabels) {
  pointTopo("1", 0, 0);
  pointTopo("2", 0.4, 0.3);
  pointTopo("3", 0.2, -0.4);
  ajouter(new AcDbText(AcGePoint3d(0.8, 0.0, 0), L"Borne", AcDbObjectId::kNull, 0.5, 0.0));
  EXPECT_EQ(eval(L"(superpos (ssget \"X\"))"), L"nil");
  // What the database holds is what ezdxf reads: moved attributes and the text left in place.
  std::vector<std::string> attendus;
  for (const AcDbObjectId& id : entites<AcDbBlockReference>()) {
    AcDbBlockReference* bloc = nullptr;
    ASSERT_EQ(acdbOpenObject(bloc, id, AcDb::kForRead), Acad::eOk);
    AcDbObjectIterator* it = bloc->attributeIterator();
    for (; !it->done(); it->step()) {
      AcDbAttribute* a = nullptr;
      if (acdbOpenObject(a, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
      char ligne[128];
      std::snprintf(ligne, sizeof ligne, "ATTRIB %s %.6f %.6f", wideToUtf8(a->tagConst()).c_str(),
                    a->position().x, a->position().y);
      attendus.push_back(ligne);
      a->close();
    }
    delete it;
    bloc->close();
  }
  const std::vector<std::string> lignes = relu();
  std::vector<std::string> lus;
  for (const std::string& l : lignes) {
    if (l.rfind("ATTRIB", 0) != 0) continue;
    std::istringstream mots(l);
    std::string genre, tag;
    double x, y;
    mots >> genre >> tag >> x >> y;
    char ligne[128];
    std::snprintf(ligne, sizeof ligne, "ATTRIB %s %.6f %.6f", tag.c_str(), x, y);
    lus.push_back(ligne);
  }
  EXPECT_EQ(lus, attendus);
  EXPECT_TRUE(contient(lignes, "TEXT 0.8 0 0 0 0 |Borne"));

  // Then the attributes of every block, survey points included, become texts.
  EXPECT_EQ(eval(L"(c:DISSOCBLOCK T (ssget \"X\" '((0 . \"INSERT\"))))"), L"T");
  const std::vector<std::string> apres = relu();
  EXPECT_EQ(compter(apres, "ATTRIB"), 0u);
  EXPECT_TRUE(contient(apres, "TEXT 0.8 0 0 0 0 |Borne"));
  EXPECT_EQ(compter(apres, "TEXT"), 1u + 3u * 3u);  // number, code and altitude of each point
  EXPECT_EQ(compter(apres, "INSERT"), 3u);
}

}  // namespace
