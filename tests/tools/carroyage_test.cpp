// The coordinate grid: which nodes get a cross, where the ticks and labels go, and the command
// driven through its dialog.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <set>
#include <utility>

#include "db/dbdict.h"
#include "db/dbgroup.h"
#include "db/dbpl.h"
#include "tools/grilleCarroyage.h"
#include "tools/outils_fixture.h"

namespace {

using Noeud = std::pair<long, long>;

// Cross centres: the middle of every horizontal trait whose twin vertical trait follows it.
std::set<Noeud> croix(const dessinCarroyage& d, double taille) {
  std::set<Noeud> noeuds;
  for (size_t i = 0; i + 1 < d.traits.size(); ++i) {
    const traitCarroyage& a = d.traits[i];
    const traitCarroyage& b = d.traits[i + 1];
    if (a.y1 == a.y2 && std::fabs(a.x2 - a.x1 - taille) < 1e-9 && b.x1 == b.x2 &&
        std::fabs(b.y2 - b.y1 - taille) < 1e-9) {
      noeuds.insert({std::lround((a.x1 + a.x2) / 2), std::lround(a.y1)});
    }
  }
  return noeuds;
}

std::vector<sommetContour> polygone(std::initializer_list<std::pair<double, double>> points) {
  std::vector<sommetContour> contour;
  for (const auto& [x, y] : points) contour.push_back({x, y, 0.0});
  return contour;
}

const texteCarroyage* texteEn(const dessinCarroyage& d, double x, double y) {
  for (const texteCarroyage& t : d.textes) {
    if (std::fabs(t.x - x) < 1e-9 && std::fabs(t.y - y) < 1e-9) return &t;
  }
  return nullptr;
}

TEST(GrilleCarroyage, SquareGetsItsInsideNodesAndLabelsOnEveryLineItMeets) {
  parametresCarroyage p;
  const dessinCarroyage d = calculerCarroyage(polygone({{5, 5}, {245, 5}, {245, 245}, {5, 245}}), p);
  EXPECT_EQ(croix(d, 5.0), (std::set<Noeud>{{100, 100}, {100, 200}, {200, 100}, {200, 200}}));
  // Two lines each way meet the square, each labelled at both ends: 8 labels, 8 ticks.
  ASSERT_EQ(d.textes.size(), 8u);
  EXPECT_EQ(d.traits.size(), 4u * 2 + 8);
  // Outside labels: right-aligned before the first crossing, left-aligned after the last.
  const texteCarroyage* gauche = texteEn(d, 5 - 5.0, 100 - 1.0);
  ASSERT_NE(gauche, nullptr);
  EXPECT_TRUE(gauche->alignDroite);
  EXPECT_EQ(gauche->texte, L"100.00");
  EXPECT_EQ(gauche->rotation, 0.0);
  const texteCarroyage* droite = texteEn(d, 245 + 5.0, 200 - 1.0);
  ASSERT_NE(droite, nullptr);
  EXPECT_FALSE(droite->alignDroite);
  const texteCarroyage* bas = texteEn(d, 200 + 1.0, 5 - 5.0);
  ASSERT_NE(bas, nullptr);
  EXPECT_TRUE(bas->alignDroite);
  EXPECT_NEAR(bas->rotation, M_PI / 2, 1e-15);
  EXPECT_EQ(bas->texte, L"200.00");
  EXPECT_NE(texteEn(d, 100 + 1.0, 245 + 5.0), nullptr);
}

TEST(GrilleCarroyage, InsideLabelsStandWithinTheRegion) {
  parametresCarroyage p;
  p.ecrituresInternes = true;
  const dessinCarroyage d = calculerCarroyage(polygone({{5, 5}, {245, 5}, {245, 245}, {5, 245}}), p);
  // On horizontal lines the last label stands at half the cross size, the others at the full size.
  EXPECT_NE(texteEn(d, 5 + 5.0, 99), nullptr);
  ASSERT_NE(texteEn(d, 245 - 2.5, 99), nullptr);
  EXPECT_TRUE(texteEn(d, 245 - 2.5, 99)->alignDroite);
  EXPECT_NE(texteEn(d, 101, 5 + 5.0), nullptr);
  EXPECT_NE(texteEn(d, 101, 245 - 5.0), nullptr);
}

TEST(GrilleCarroyage, NodesOnTheOutlineGetNoCrossAndEdgesOnGridLinesAreLabelledAlike) {
  parametresCarroyage p;
  const dessinCarroyage d = calculerCarroyage(polygone({{0, 0}, {200, 0}, {200, 200}, {0, 200}}), p);
  EXPECT_EQ(croix(d, 5.0), (std::set<Noeud>{{100, 100}}));
  // y = 0, 100, 200 and x = 0, 100, 200: every line runs along or across the square.
  EXPECT_EQ(d.textes.size(), 12u);
  EXPECT_NE(texteEn(d, -5, -1), nullptr);
  EXPECT_NE(texteEn(d, -5, 199), nullptr);
}

TEST(GrilleCarroyage, ConcaveOutlineAndHoleKeepOnlyTheInsideStretches) {
  parametresCarroyage p;
  // A U: the line y = 100 crosses it four times; the notch between x = 150 and 250 is outside.
  const dessinCarroyage u = calculerCarroyage(
      polygone({{50, 50}, {350, 50}, {350, 150}, {250, 150}, {250, 80}, {150, 80}, {150, 150},
                {50, 150}}),
      p);
  EXPECT_EQ(croix(u, 5.0), (std::set<Noeud>{{100, 100}, {300, 100}}));
  size_t labelsY100 = 0;
  for (const texteCarroyage& t : u.textes) labelsY100 += t.texte == L"100.00" && t.rotation == 0;
  EXPECT_EQ(labelsY100, 2u);
  EXPECT_NE(texteEn(u, 45, 99), nullptr);
  EXPECT_NE(texteEn(u, 355, 99), nullptr);
  // An outline with a hole, joined to it by a cut: the node in the hole is outside.
  const dessinCarroyage trou = calculerCarroyage(
      polygone({{0, 0}, {400, 0}, {400, 400}, {0, 400}, {0, 210}, {150, 210}, {150, 250},
                {250, 250}, {250, 150}, {150, 150}, {150, 205}, {0, 205}}),
      p);
  const std::set<Noeud> noeuds = croix(trou, 5.0);
  EXPECT_EQ(noeuds.count({200, 200}), 0u);
  EXPECT_EQ(noeuds.count({100, 100}), 1u);
  EXPECT_EQ(noeuds.count({300, 300}), 1u);
  EXPECT_EQ(noeuds.size(), 8u);
}

TEST(GrilleCarroyage, ArcsBoundTheRegionWhereTheirBulgeSays) {
  parametresCarroyage p;
  // A circle of radius 150 about the origin made of two half circles.
  const std::vector<sommetContour> cercle = {{150, 0, 1.0}, {-150, 0, 1.0}};
  const dessinCarroyage d = calculerCarroyage(cercle, p);
  EXPECT_EQ(croix(d, 5.0).size(), 9u);  // (100, 100) lies 141 from the centre
  const double bord = std::sqrt(150.0 * 150.0 - 100.0 * 100.0);
  EXPECT_NE(texteEn(d, -bord - 5, 99), nullptr);
  EXPECT_NE(texteEn(d, bord + 5, 99), nullptr);
  EXPECT_NE(texteEn(d, 101, -bord - 5), nullptr);
  // The same half circles bulging inwards leave a lens of nothing: no region, no node.
  const std::vector<sommetContour> creux = {{150, 0, 0.2}, {-150, 0, 0.2}};
  EXPECT_EQ(croix(calculerCarroyage(creux, p), 5.0).count({0, 100}), 0u);
}

// The even-odd test of a point against a polygon, counted directly.
bool dedans(const std::vector<sommetContour>& c, double x, double y) {
  bool resultat = false;
  for (size_t i = 0, j = c.size() - 1; i < c.size(); j = i++) {
    if ((c[i].y > y) != (c[j].y > y) &&
        x < (c[j].x - c[i].x) * (y - c[i].y) / (c[j].y - c[i].y) + c[i].x) {
      resultat = !resultat;
    }
  }
  return resultat;
}

TEST(GrilleCarroyage, CrossesAreExactlyTheNodesInsideRandomStarRegions) {
  std::mt19937 aleas(18);
  std::uniform_real_distribution<double> rayon(100.0, 1000.0);
  parametresCarroyage p;
  p.pasX = 50.0;
  p.pasY = 70.0;
  for (int essai = 0; essai < 20; ++essai) {
    std::vector<sommetContour> etoile;
    const int n = 5 + essai * 3;
    for (int i = 0; i < n; ++i) {
      const double a = 2 * M_PI * i / n, r = rayon(aleas);
      etoile.push_back({std::round(r * std::cos(a)) + 0.5, std::round(r * std::sin(a)) + 0.5, 0.0});
    }
    std::set<Noeud> attendu;
    for (long i = -25; i <= 25; ++i) {
      for (long j = -20; j <= 20; ++j) {
        if (dedans(etoile, i * 50.0, j * 70.0)) attendu.insert({i * 50, j * 70});
      }
    }
    EXPECT_EQ(croix(calculerCarroyage(etoile, p), 5.0), attendu) << "star " << essai;
  }
}

TEST(GrilleCarroyage, LabelsFollowTheDecimalsAndNeverReadMinusZero) {
  EXPECT_EQ(texteCoordonnee(1200.0, 0), L"1200");
  EXPECT_EQ(texteCoordonnee(1200.0, 3), L"1200.000");
  EXPECT_EQ(texteCoordonnee(-0.001, 2), L"0.00");
  EXPECT_EQ(texteCoordonnee(-12.5, 1), L"-12.5");
}

TEST(GrilleCarroyage, NodeCountOfTheExtentsBoundsTheWork) {
  const auto carre = polygone({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}});
  EXPECT_EQ(noeudsDansEmprise(carre, 100, 100), 121.0);
  EXPECT_GT(noeudsDansEmprise(carre, 1e-6, 1e-6), kNoeudsCarroyageMax);
  parametresCarroyage fin;
  fin.pasX = fin.pasY = 1e-6;
  EXPECT_TRUE(calculerCarroyage(carre, fin).traits.empty());
  EXPECT_TRUE(calculerCarroyage(polygone({{3, 3}}), parametresCarroyage()).traits.empty());
}

class CommandeCarroyage : public OutilsDessin {
 protected:
  AcDbObjectId region(std::initializer_list<std::pair<double, double>> points, bool fermee) {
    auto* polyligne = new AcDbPolyline();
    unsigned int i = 0;
    for (const auto& [x, y] : points) polyligne->addVertexAt(i++, AcGePoint2d(x, y));
    polyligne->setClosed(fermee);
    return ajouter(polyligne);
  }
  size_t groupes() {
    AcDbDictionary* dictionnaire = nullptr;
    if (dessin()->getGroupDictionary(dictionnaire, AcDb::kForRead) != Acad::eOk) return 0;
    const size_t n = dictionnaire->numEntries();
    dictionnaire->close();
    return n;
  }
};

TEST_F(CommandeCarroyage, DrawsEachRegionAsOneGroupAndIgnoresOtherEntities) {
  const AcDbObjectId ouverte = region({{5, 5}, {245, 5}, {245, 245}, {5, 245}}, false);
  const AcDbObjectId deuxieme = region({{1005, 5}, {1245, 5}, {1245, 245}}, true);
  const AcDbObjectId ligne = ajouter(new AcDbLine(AcGePoint3d(0, 0, 0), AcGePoint3d(9, 9, 0)));
  answer({L"choose 1222 0", L"check 1140 on", L"click 1146", poignee(ouverte), poignee(deuxieme),
          poignee(ligne), L"", L"ok"});
  commandeCarroyage();
  EXPECT_NE(transcript().find(L"Selectionnez les polylines à carroyer"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"2 régions"), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"Ecritures internes"), std::wstring::npos);
  EXPECT_EQ(groupes(), 2u);
  // The open square is closed by a straight side: its four nodes are crossed.
  bool label100 = false;
  for (const AcDbObjectId& id : entites<AcDbText>()) {
    AcDbText* texte = nullptr;
    ASSERT_EQ(acdbOpenObject(texte, id, AcDb::kForRead), Acad::eOk);
    label100 = label100 || std::wstring(texte->textStringConst()) == L"100";
    EXPECT_EQ(texte->colorIndex(), 256);
    texte->close();
  }
  EXPECT_TRUE(label100) << transcript();
  EXPECT_GT(entites<AcDbLine>().size(), 8u + 1);
}

TEST_F(CommandeCarroyage, BadStepsKeepTheDialogOpenAndHugeGridsAreRefused) {
  const AcDbObjectId carre = region({{0, 0}, {1000, 0}, {1000, 1000}, {0, 1000}}, true);
  answer({L"set 1145 0", L"ok", L"", L"set 1145 -5", L"ok", L"", L"cancel"});
  commandeCarroyage();
  EXPECT_NE(transcript().find(L"Entrez un nombre compris entre"), std::wstring::npos) << transcript();
  EXPECT_EQ(entites<AcDbText>().size(), 0u);

  answer({L"set 1145 0.000001", L"set 1142 0.000001", L"click 1146", poignee(carre), L"", L"ok"});
  commandeCarroyage();
  EXPECT_NE(transcript().find(L"Carroyage refusé"), std::wstring::npos) << transcript();
  EXPECT_EQ(entites<AcDbLine>().size(), 0u);
  EXPECT_EQ(groupes(), 0u);
  // Nothing chosen: OK draws nothing.
  answer({L"ok"});
  commandeCarroyage();
  EXPECT_EQ(entites<AcDbText>().size(), 0u);
}

}  // namespace
