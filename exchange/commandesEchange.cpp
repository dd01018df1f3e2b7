#include "exchange/commandesEchange.h"

#include "codification/globalCodification.h"
#include "db/dbapserv.h"
#include "db/dbents.h"
#include "ed/aced.h"
#include "exchange/CDlgCommentaireBlock.h"
#include "exchange/CTabListePoints.h"
#include "exchange/CTableLegendes.h"
#include "exchange/CformulaireXYZ.h"
#include "exchange/ajoutDessin.h"
#include "points/DlgPntsDuDessin.h"
#include "points/listePointsDuDessin.h"
#include "resources/ressourcesModule.h"

namespace {

// The buttons each point command shows in the point-list dialog.
constexpr int kMasqueImport = 4 | 8;      // Placer, Importer
constexpr int kMasqueExport = 1 | 16;     // Exporter, Raffraichir
constexpr int kMasqueTableXYZ = 2 | 16;   // Table XYZ, Raffraichir
constexpr int kMasqueMiseAJour = 16;      // Raffraichir

listePointsDuDessin* tableCourante() {
  if (tablesPoints == nullptr || tablesPoints->current() < 0 || tablesPoints->current() >= tablesPoints->nbTables()) {
    acutPrintf(L"\nAucune table de points n'est désignée pour ce dessin");
    return nullptr;
  }
  return tablesPoints->currTable();
}

void ouvrirListePoints(int masque) {
  tableCodification* codes = globalCodification();
  listePointsDuDessin* table = tableCourante();
  if (table == nullptr) return;
  ressourcesCourantes ressources;
  DlgPntsDuDessin dialogue(codes, table);
  dialogue.m_masque = masque;
  dialogue.DoModal();
}

// Altitudes outside this range are not real ones (the unknown altitude is 1e38).
constexpr double kAltitudeMax = 1e8;

}  // namespace

void commandeCoordsXYZ() { ouvrirFormulaireXYZ(); }
void commandeImportPoints() { ouvrirListePoints(kMasqueImport); }
void commandeExportPoints() { ouvrirListePoints(kMasqueExport); }
void commandeTableXYZ() { ouvrirListePoints(kMasqueTableXYZ); }
void commandeMajPoints() { ouvrirListePoints(kMasqueMiseAJour); }

void commandePtsEn3D() {
  listePointsDuDessin* table = tableCourante();
  if (table == nullptr) return;
  int places = 0;
  {
    ajoutEspaceObjet espace;
    for (int i = 0; espace.ouvert() && i < table->nbPoint(); ++i) {
      const pointDuDessin& point = *table->getData(i);
      if (point.getZ() < -kAltitudeMax || point.getZ() >= kAltitudeMax) continue;
      if (!espace.ajouter(new AcDbPoint(point.getAs3dPnt())).isNull()) ++places;
    }
  }
  acutPrintf(L"\n %d points placés", places);
}

void lispDecrireBlock() { decrireBlock(); }
void lispTableGendes() { tableDesLegendes(); }
void lispGererLeves() { gererLeves(); }
