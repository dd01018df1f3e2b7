// The code table and its XML code file: writing, reading back, files written by hand, bad files.
#include <gtest/gtest.h>

#include "codification/tableCodification.h"
#include "codification_fixture.h"
#include "ui/afxwin.h"

namespace {

class CodeFile : public DossierInstallation {
 protected:
  // A table holding only the codes of the file (the constructor's fallback is emptied first).
  tableCodification charger(const std::filesystem::path& fichier) {
    tableCodification table(cheminModule("rien").c_str());
    table.RemoveAll();
    table.load(fichier.wstring().c_str());
    return table;
  }
};

TEST_F(CodeFile, SavedTableReadsBackIdenticalWithAccentsAndTheLibraryLayout) {
  tableCodification table(cheminModule("absent").c_str());
  codifPoint haie;
  haie.code = 42;
  haie.libelle = L" Fossé, rivière, à, ç, œuvre ";
  haie.chemin = L"C:\\Blocs\\Été\\haie";
  haie.tailleBlock = 0.25;
  haie.precisionAltitudes = 3;
  haie.layers[kLayerObs] = L"Obs é";
  haie.coulLayers[kLayerCode] = 256;
  table.Add(haie);
  table.getCodif(7);
  ASSERT_EQ(table.count(), 4);
  const std::filesystem::path fichier = dossier / "copie.xml";
  EXPECT_TRUE(table.save(fichier.wstring().c_str()));

  tableCodification relue = charger(fichier);
  ASSERT_EQ(relue.count(), 4);
  for (int i = 0; i < 4; ++i) {
    const codifPoint& a = table.getAt(i);
    const codifPoint& b = relue.getAt(i);
    EXPECT_EQ(a.code, b.code);
    EXPECT_STREQ(a.libelle, b.libelle);
    EXPECT_STREQ(a.chemin, b.chemin);
    EXPECT_EQ(a.tailleBlock, b.tailleBlock);
    EXPECT_EQ(a.precisionAltitudes, b.precisionAltitudes);
    for (int l = 0; l < kNombreLayersCodif; ++l) {
      EXPECT_STREQ(a.getLayer(l), b.getLayer(l));
      EXPECT_EQ(a.coulLayers[l], b.coulLayers[l]);
    }
  }

  // No declaration, four blanks per level, strings marked UTF-8, the scale with six decimals.
  const std::string texte = lireFichier(fichier);
  EXPECT_EQ(
      texte.rfind("<codifPoints>\n    <TBdata>\n        <codifPoint>\n            <code>1</code>\n"
                  "            <libelle mode=\"utf8\">Point topo</libelle>\n",
                  0),
      0u)
      << texte;
  EXPECT_NE(texte.find("<tailleBlock>1.000000</tailleBlock>"), std::string::npos);
  EXPECT_NE(texte.find("<tailleBlock>0.250000</tailleBlock>\n"
                       "            <precisionAltitudes>3</precisionAltitudes>\n"
                       "            <layerBlock mode=\"utf8\">0</layerBlock>"),
            std::string::npos);
  EXPECT_NE(texte.find("\xC5\x93uvre"), std::string::npos);  // œ in UTF-8
  EXPECT_NE(texte.find("<coulLayerCode>256</coulLayerCode>\n        </codifPoint>"),
            std::string::npos);
}

TEST_F(CodeFile, HandWrittenFileIsReadInTheAnsiCodePageAndKeepsDefaultsForMissingValues) {
  tableCodification table = charger(donneesCodif("ecrit_a_la_main"));
  // The foreign element between codes and the element of another case are not codes.
  ASSERT_EQ(table.count(), 3);
  const codifPoint& fosse = table.getAt(0);
  EXPECT_EQ(fosse.code, 12);  // " 12abc": the leading number
  EXPECT_STREQ(fosse.libelle, L"Fossé œuvre");
  EXPECT_STREQ(fosse.chemin, L"C:\\blocs\\fossé.dwg");
  EXPECT_EQ(fosse.tailleBlock, -25.0);  // taken as read, not range-checked
  EXPECT_EQ(fosse.precisionAltitudes, 12);
  EXPECT_STREQ(fosse.getLayer(kLayerAltitudes), L"_ Altitudes Points");

  const codifPoint& reseau = table.getAt(1);
  EXPECT_EQ(reseau.code, 30);
  EXPECT_STREQ(reseau.libelle, L"Réseau");  // mode "asc": the ANSI code page
  EXPECT_STREQ(reseau.getLayer(kLayerCode), L"Codes à part");
  EXPECT_EQ(reseau.tailleBlock, 1.0);
  EXPECT_EQ(reseau.precisionAltitudes, 2);

  // UTF-8 as the module decodes it: beyond 16 bits "?", a stray byte skipped, a cut or broken
  // sequence ends the text.
  const codifPoint& macon = table.getAt(2);
  EXPECT_STREQ(macon.libelle, L"Maçon à ? fin");
  EXPECT_STREQ(macon.getLayer(kLayerObs), L"ab");
  EXPECT_STREQ(macon.getLayer(kLayerNumero), L"x");
}

TEST_F(CodeFile, BadFilesGiveTheDefaultsWrittenToTheDefaultFile) {
  for (const char* nom :
       {"pas_du_xml", "sans_codifpoints", "sans_tbdata", "tronque", "inexistant"}) {
    SCOPED_TRACE(nom);
    std::filesystem::remove(fichierDefaut());
    tableCodification table(donneesCodif(nom).wstring().c_str());
    ASSERT_EQ(table.count(), 2);
    EXPECT_EQ(table.getAt(0).code, 1);
    EXPECT_STREQ(table.getAt(0).libelle, L"Point topo");
    EXPECT_STREQ(table.getAt(0).chemin, cheminModule("biblio\\jaloblk1.dwg").c_str());
    EXPECT_EQ(table.getAt(1).code, 100);
    EXPECT_STREQ(table.getAt(1).libelle, L"Station");
    EXPECT_STREQ(table.getAt(1).chemin, cheminModule("biblio\\jaloblk3.dwg").c_str());
    EXPECT_STREQ(table.chemin(), cheminModule("defcodif").c_str());
    EXPECT_EQ(charger(fichierDefaut()).count(), 2);
  }
  // An empty path and a path of separators only load nothing.
  tableCodification table(cheminModule("rien").c_str());
  EXPECT_FALSE(table.load(L" ;. "));
  EXPECT_EQ(table.count(), 2);
}

TEST_F(CodeFile, NumbersWrittenAsWordsReadAsZero) {
  tableCodification table = charger(donneesCodif("nombres_en_mots"));
  ASSERT_EQ(table.count(), 1);
  EXPECT_EQ(table.getAt(0).code, 0);
  EXPECT_EQ(table.getAt(0).tailleBlock, 0.0);
  EXPECT_EQ(table.getAt(0).precisionAltitudes, 3);  // "3 decimales": the leading number
  EXPECT_EQ(table.getAt(0).coulLayers[kLayerBlock], 0);
}

TEST_F(CodeFile, GlobalTableWritesTheDefaultsOnceThenReadsItsFile) {
  ASSERT_FALSE(std::filesystem::exists(fichierDefaut()));
  tableCodification* table = globalCodification();
  EXPECT_EQ(table, globalCodification());
  EXPECT_EQ(table->count(), 2);
  ASSERT_TRUE(std::filesystem::exists(fichierDefaut()));

  table->getCodif(3).libelle = L"Borne";
  table->save();
  oublierGlobalCodification();
  table = globalCodification();
  ASSERT_EQ(table->count(), 3);
  EXPECT_STREQ(table->getLibelle(3), L"Borne");
}

class CodeTable : public DossierInstallation {};

TEST_F(CodeTable, LookupsCreateMissingCodesOnceWithTheirOwnLabels) {
  tableCodification table(L"");
  table.RemoveAll();
  EXPECT_EQ(table.indexOfCode(57), -1);
  codifPoint& code57 = table.getCodif(57);
  EXPECT_STREQ(code57.libelle, L"Code 57");
  EXPECT_EQ(code57.tailleBlock, 1.0);
  EXPECT_STREQ(table.getLibelle(58), L"Code N° 58");
  EXPECT_EQ(table.count(), 2);
  EXPECT_EQ(&table.getCodif(57), &table.getAt(0));
  EXPECT_STREQ(table.getLibelle(58), L"Code N° 58");
  EXPECT_EQ(table.count(), 2);
  EXPECT_EQ(table.indexOfCode(58), 1);

  for (int index : {-1, 2}) {
    try {
      table.getAt(index);
      ADD_FAILURE() << "index " << index << " accepted";
    } catch (CInvalidArgException* erreur) {
      erreur->Delete();
    }
  }
  table.removeAt(0);
  EXPECT_EQ(table.count(), 1);
  EXPECT_EQ(table.getAt(0).code, 58);
}

TEST_F(CodeTable, CopiesStartWithoutLayerIdsAndAssignmentKeepsTheTargets) {
  codifPoint source;
  source.code = 9;
  source.layerIds[0] = AcDbObjectId(reinterpret_cast<AcDbStub*>(0x10));
  codifPoint copie(source);
  EXPECT_EQ(copie.code, 9);
  EXPECT_TRUE(copie.layerIds[0].isNull());
  codifPoint cible;
  cible.layerIds[1] = AcDbObjectId(reinterpret_cast<AcDbStub*>(0x20));
  cible = source;
  EXPECT_EQ(cible.code, 9);
  EXPECT_TRUE(cible.layerIds[0].isNull());
  EXPECT_FALSE(cible.layerIds[1].isNull());
}

TEST_F(CodeTable, OrdersOfTheCodeList) {
  tableCodification table(L"");
  table.RemoveAll();
  const struct {
    int code;
    const wchar_t* libelle;
    int decimales;
    const wchar_t* chemin;
  } codes[] = {
      {100, L"station", 3, L"b.dwg"}, {1, L"Borne", 3, L"A.dwg"}, {5, L"arbre", 0, L"c.dwg"}};
  for (const auto& c : codes) {
    codifPoint codif;
    codif.code = c.code;
    codif.libelle = c.libelle;
    codif.precisionAltitudes = c.decimales;
    codif.chemin = c.chemin;
    table.Add(codif);
  }
  EXPECT_EQ(table.compareCodes(100, 5, 0), 1);
  EXPECT_EQ(table.compareCodes(5, 5, 0), 0);
  EXPECT_EQ(table.compareCodes(5, 1, 1), -1);    // "arbre" < "Borne" ignoring case
  EXPECT_EQ(table.compareCodes(1, 100, 2), -1);  // same decimals: by number
  EXPECT_EQ(table.compareCodes(100, 5, 2), 1);   // 3 decimals after 0
  EXPECT_EQ(table.compareCodes(1, 100, 3), -1);  // "A.dwg" < "b.dwg" ignoring case
  EXPECT_EQ(table.compareCodes(1, 100, 4), 0);
  EXPECT_EQ(table.compareCodes(1, 77, 0), 0);  // absent code
  EXPECT_EQ(table.count(), 3);

  table.sortByCode();
  EXPECT_EQ(table.getAt(0).code, 1);
  EXPECT_EQ(table.getAt(1).code, 5);
  EXPECT_EQ(table.getAt(2).code, 100);
  EXPECT_STREQ(table.getAt(2).libelle, L"station");
}

}  // namespace
