// The layers of a code, resolved in the current drawing and created when missing.
#include <gtest/gtest.h>

#include "codification/tableCodification.h"
#include "codification_fixture.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "rx/acdocman.h"

namespace {

class CodeLayers : public DossierInstallation {
 protected:
  CodeLayers() {
    acDocManager->closeAll();
    acDocManager->newDocument();
  }
  ~CodeLayers() override { acDocManager->closeAll(); }

  AcDbObjectId layer(const wchar_t* nom, int* couleur = nullptr) {
    AcDbLayerTable* table = nullptr;
    AcDbObjectId id;
    EXPECT_EQ(
        acdbHostApplicationServices()->workingDatabase()->getLayerTable(table, AcDb::kForRead),
        Acad::eOk);
    table->getAt(nom, id);
    table->close();
    AcDbLayerTableRecord* record = nullptr;
    if (couleur != nullptr && acdbOpenObject(record, id, AcDb::kForRead) == Acad::eOk) {
      *couleur = record->colorIndex();
      record->close();
    }
    return id;
  }
};

TEST_F(CodeLayers, NamesAreTrimmedAndMissingLayersCreatedInTheirColours) {
  codifPoint codif;
  codif.layers[kLayerObs] = L" ;. ";
  codif.layers[kLayerAltitudes] = L"\tAltis. ";
  codif.coulLayers[kLayerAltitudes] = 3;
  codif.createLayers();
  EXPECT_STREQ(codif.getLayer(kLayerObs), L"0");
  EXPECT_STREQ(codif.getLayer(kLayerAltitudes), L"Altis");
  int couleur = 0;
  EXPECT_EQ(codif.layerIds[kLayerAltitudes], layer(L"Altis", &couleur));
  EXPECT_EQ(couleur, 3);
  EXPECT_EQ(codif.layerIds[kLayerObs], layer(L"0"));
  EXPECT_EQ(codif.layerIds[kLayerBlock], layer(L"0"));
  EXPECT_EQ(codif.layerIds[kLayerNumero], layer(L"_ Numero Points", &couleur));
  EXPECT_EQ(couleur, 7);
  for (const AcDbObjectId& id : codif.layerIds) EXPECT_FALSE(id.isNull());

  // A table resolves every code on one opening; layers already there are found, not doubled.
  tableCodification table(cheminModule("rien").c_str());
  table.getAt(0).layers[kLayerCode] = L"Altis";
  table.createLayers();
  EXPECT_EQ(table.getAt(0).layerIds[kLayerCode], codif.layerIds[kLayerAltitudes]);
  EXPECT_EQ(table.getAt(1).layerIds[kLayerCode], layer(L"_ Codes Points"));

  // Sorting moves the ids with their codes.
  table.getCodif(0).createLayers();
  table.sortByCode();
  EXPECT_EQ(table.getAt(1).layerIds[kLayerCode], codif.layerIds[kLayerAltitudes]);
}

}  // namespace
