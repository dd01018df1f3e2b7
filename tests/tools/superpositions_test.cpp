// Label overlap reduction: the places chosen, when the passes stop, the grid search against the
// all-pairs one, the record files, and superpos on a drawing.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <random>

#include "codification/globalCodification.h"
#include "db/dbblkref.h"
#include "points/attribsPoints.h"
#include "points/pointDuDessin.h"
#include "tools/fichiersSuperpos.h"
#include "tools/outils_fixture.h"
#include "tools/superpositions.h"

namespace {

entiteEtiquetee bloc(std::uint32_t index, double x, double y, double echelle = 1.0) {
  entiteEtiquetee e;
  e.index = index;
  e.genre = kGenreBloc;
  e.x = x;
  e.y = y;
  e.echelleX = e.echelleY = echelle;
  return e;
}

entiteEtiquetee texte(std::uint32_t index, double x, double y) {
  entiteEtiquetee e = bloc(index, x, y);
  e.genre = kGenreTexte;
  return e;
}

boiteEtiquette boite(std::uint32_t entite, double x, double y, double w, double h) {
  boiteEtiquette b;
  b.entite = entite;
  b.x = x;
  b.y = y;
  b.largeur = w;
  b.hauteur = h;
  return b;
}

TEST(Superpositions, SeparateLabelsStayAfterOnePass) {
  std::vector<entiteEtiquetee> entites = {bloc(0, 0, 0), bloc(1, 10, 0), texte(2, 20, 0)};
  // Touching boxes share no area.
  std::vector<boiteEtiquette> boites = {boite(0, 0, 0, 2, 1), boite(1, 2, 0, 2, 1),
                                        boite(2, 4, 0, 2, 1)};
  const bilanSuperpositions bilan = reduireSuperpositions(boites, entites);
  EXPECT_EQ(bilan.iterations, 1);
  EXPECT_EQ(bilan.totaux, std::vector<double>{0.0});
  for (const boiteEtiquette& b : boites) EXPECT_FALSE(b.deplace);
  EXPECT_TRUE(boites[2].fixe);
  EXPECT_FALSE(boites[0].fixe);
}

TEST(Superpositions, ALabelOnATextGoesToTheFirstFreePlaceAndTheTextStays) {
  // Block at (0, 0), scale 2: d = 1.1. Its 2 x 1 label lies on a text; above is free.
  std::vector<entiteEtiquetee> entites = {texte(0, -1, -0.5), bloc(1, 0, 0, 2.0)};
  std::vector<boiteEtiquette> boites = {boite(0, -1, -0.5, 2, 1), boite(1, -1, -0.5, 2, 1)};
  const bilanSuperpositions bilan = reduireSuperpositions(boites, entites);
  EXPECT_TRUE(boites[1].deplace);
  EXPECT_DOUBLE_EQ(boites[1].x, -1.0);  // x - w/2
  EXPECT_DOUBLE_EQ(boites[1].y, 1.1);   // y + d
  EXPECT_FALSE(boites[0].deplace);
  EXPECT_DOUBLE_EQ(boites[0].x, -1.0);
  EXPECT_EQ(bilan.totaux.front(), 0.0);
  EXPECT_EQ(bilan.iterations, 1);  // the first pass left nothing: the next one is not run
}

TEST(Superpositions, PlacesAreTriedInOrderAndOnlyAStrictGainMoves) {
  // A wide text covers the block from just above its centre: "right" still meets it, "below
  // right" is the first place that clears.
  std::vector<entiteEtiquetee> entites = {texte(0, -50, 0.2), bloc(1, 0, 0)};
  std::vector<boiteEtiquette> boites = {boite(0, -50, 0.2, 100, 50), boite(1, -1, -0.5, 2, 1)};
  reduireSuperpositions(boites, entites);
  EXPECT_DOUBLE_EQ(boites[1].x, 0.55);
  EXPECT_DOUBLE_EQ(boites[1].y, -1.55);

  // A text covering every place: all eight are as bad as staying, so the label stays; the total
  // does not fall between the first two passes, which end the run.
  // (A block of scale 0 keeps every place exact, so that equal really is equal.)
  std::vector<entiteEtiquetee> couvert = {texte(0, -100, -100), bloc(1, 0, 0, 0.0)};
  std::vector<boiteEtiquette> sous = {boite(0, -100, -100, 200, 200), boite(1, -1, -0.5, 2, 1)};
  const bilanSuperpositions bilan = reduireSuperpositions(sous, couvert);
  EXPECT_FALSE(sous[1].deplace);
  EXPECT_EQ(bilan.iterations, 2);
  EXPECT_EQ(bilan.totaux, (std::vector<double>{2.0, 2.0}));
}

// A crowded plan: point labels of varied sizes round random points, free texts among them.
void planEncombre(unsigned graine, size_t points, std::vector<entiteEtiquetee>& entites,
                  std::vector<boiteEtiquette>& boites) {
  std::mt19937 aleas(graine);
  std::uniform_real_distribution<double> position(0.0, std::sqrt(double(points)) * 3.0);
  std::uniform_real_distribution<double> taille(0.3, 2.5);
  std::uniform_int_distribution<int> genre(0, 9);
  for (std::uint32_t i = 0; i < points; ++i) {
    const double x = position(aleas), y = position(aleas);
    const bool estTexte = genre(aleas) == 0;
    entites.push_back(estTexte ? texte(i, x, y) : bloc(i, x, y, taille(aleas)));
    const int etiquettes = estTexte ? 1 : 1 + genre(aleas) % 3;
    for (int k = 0; k < etiquettes; ++k) {
      boites.push_back(boite(i, x + k * 0.4, y - k * 0.5, taille(aleas) * 2, taille(aleas) * 0.5));
    }
  }
  // One huge box (a title) among them, which the grid keeps apart.
  boites.push_back(boite(0, 0, 0, 500, 40));
}

TEST(Superpositions, GridSearchMovesExactlyAsTheAllPairsRule) {
  for (unsigned graine : {1u, 2u, 3u, 4u}) {
    std::vector<entiteEtiquetee> entites;
    std::vector<boiteEtiquette> boites;
    planEncombre(graine, 600, entites, boites);
    std::vector<boiteEtiquette> reference = boites;
    const bilanSuperpositions parGrille = reduireSuperpositions(boites, entites);
    const bilanSuperpositions parPaires =
        reduireSuperpositions(reference, entites, {}, rechercheVoisins::toutesPaires);
    ASSERT_EQ(parGrille.totaux, parPaires.totaux) << "plan " << graine;
    EXPECT_GT(parGrille.iterations, 1);
    size_t deplaces = 0;
    for (size_t i = 0; i < boites.size(); ++i) {
      ASSERT_EQ(boites[i].x, reference[i].x) << "box " << i;
      ASSERT_EQ(boites[i].y, reference[i].y) << "box " << i;
      ASSERT_EQ(boites[i].deplace, reference[i].deplace);
      deplaces += boites[i].deplace;
    }
    EXPECT_GT(deplaces, 100u);
    EXPECT_LT(parGrille.totaux.back(), parGrille.totaux.front());
  }
}

TEST(FichiersSuperpos, RecordsComeBackWholeAndBadOnesAreDropped) {
  std::FILE* fichier = std::tmpfile();
  ASSERT_NE(fichier, nullptr);
  entiteEtiquetee e = bloc(3, 1.5, -2.5, 0.75);
  e.nom[0] = 0x1122334455667788;
  e.nom[1] = 42;
  e.rotation = 0.25;
  ASSERT_TRUE(ecrireEntite(fichier, e));
  entiteEtiquetee mauvaise = e;
  mauvaise.x = std::nan("");
  ASSERT_TRUE(ecrireEntite(fichier, mauvaise));
  std::vector<unsigned char> octets = lireFichier(fichier);
  ASSERT_EQ(octets.size(), 2 * kTailleEnregistrement);
  std::uint32_t genre = 0;
  std::memcpy(&genre, octets.data() + 68, 4);
  EXPECT_EQ(genre, kGenreBloc);
  octets.push_back(0);  // a part record at the end
  const std::vector<entiteEtiquetee> lues = lireEntites(octets);
  ASSERT_EQ(lues.size(), 1u);
  EXPECT_EQ(lues[0].nom[0], e.nom[0]);
  EXPECT_EQ(lues[0].y, -2.5);
  EXPECT_EQ(lues[0].echelleY, 0.75);
  EXPECT_EQ(lues[0].index, 3u);
  std::fclose(fichier);

  fichier = std::tmpfile();
  boiteEtiquette b = boite(3, 4, 5, 6, 7);
  b.fixe = true;
  b.nom[1] = 9;
  ASSERT_TRUE(ecrireBoite(fichier, b));
  const std::vector<boiteEtiquette> boites = lireBoites(lireFichier(fichier));
  std::fclose(fichier);
  ASSERT_EQ(boites.size(), 1u);
  EXPECT_EQ(boites[0].entite, 3u);
  EXPECT_EQ(boites[0].nom[1], 9);
  EXPECT_EQ(boites[0].hauteur, 7.0);
  EXPECT_TRUE(boites[0].fixe);
  EXPECT_FALSE(boites[0].deplace);
}

class LispSuperpos : public OutilsDessin {
 protected:
  AcDbObjectId point(const char* nom, double x, double y) { return pointTopo(nom, x, y); }
  std::map<std::wstring, AcGePoint3d> positions(AcDbObjectId id) {
    std::map<std::wstring, AcGePoint3d> vues;
    AcDbBlockReference* reference = nullptr;
    if (acdbOpenObject(reference, id, AcDb::kForRead) != Acad::eOk) return vues;
    AcDbObjectIterator* it = reference->attributeIterator();
    for (; !it->done(); it->step()) {
      AcDbAttribute* a = nullptr;
      if (acdbOpenObject(a, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
      if (!a->isInvisible()) vues[a->tagConst()] = a->position();
      a->close();
    }
    delete it;
    reference->close();
    return vues;
  }
};

TEST_F(LispSuperpos, CrowdedPointsGetTheirLabelsApartAndTextsStay) {
  const AcDbObjectId a = point("1", 0, 0);
  const AcDbObjectId b = point("2", 0.3, 0.2);
  auto* libre = new AcDbText(AcGePoint3d(0.5, 0.5, 0), L"Chemin", AcDbObjectId::kNull, 1.0, 0.0);
  const AcDbObjectId t = ajouter(libre);
  const auto avantA = positions(a), avantB = positions(b);
  ASSERT_FALSE(avantA.empty());
  EXPECT_EQ(eval(L"(superpos (ssget \"X\"))"), L"nil");
  EXPECT_NE(transcript().find(L"\nVerification des superpositions\n"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"\rIteration 1 Element "), std::wstring::npos) << transcript();
  EXPECT_NE(transcript().find(L"\t Surface commune: "), std::wstring::npos);
  size_t bouges = 0;
  for (const auto& [etiquette, position] : positions(a)) bouges += !(position == avantA.at(etiquette));
  for (const auto& [etiquette, position] : positions(b)) bouges += !(position == avantB.at(etiquette));
  EXPECT_GT(bouges, 0u);
  AcDbText* reste = nullptr;
  ASSERT_EQ(acdbOpenObject(reste, t, AcDb::kForRead), Acad::eOk);
  EXPECT_EQ(reste->position(), AcGePoint3d(0.5, 0.5, 0));
  reste->close();
}

TEST_F(LispSuperpos, WrongArgumentsDoNothingQuietly) {
  point("1", 0, 0);
  EXPECT_EQ(eval(L"(superpos)"), L"nil");
  EXPECT_EQ(eval(L"(superpos 3)"), L"nil");
  EXPECT_EQ(eval(L"(superpos (entlast))"), L"nil");
  EXPECT_EQ(transcript(), L"");
}

TEST_F(LispSuperpos, ThinningDialogChangesNothing) {
  point("1", 0, 0);
  answer({L"set 3003 12", L"ok"});
  EXPECT_EQ(eval(L"(c:AllegerDessin)"), L"T");
  EXPECT_NE(transcript().find(L"Alléger le dessin"), std::wstring::npos);
  EXPECT_NE(transcript().find(L"Cacher les numeros , les altitudes, puis les points"), std::wstring::npos);
  answer({L"cancel"});
  EXPECT_EQ(eval(L"(c:AllegerDessin)"), L"nil");
  EXPECT_EQ(entites<AcDbBlockReference>().size(), 1u);
}

}  // namespace
