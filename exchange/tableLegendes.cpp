#include "exchange/tableLegendes.h"

#include <algorithm>
#include <map>

#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "exchange/ajoutDessin.h"
#include "exchange/infoBlock.h"

namespace {

constexpr Adesk::UInt16 kCouleurDuCalque = 256;  // BYLAYER

std::map<AcDbObjectId, int> referencesDuModele(AcDbDatabase* dessin) {
  std::map<AcDbObjectId, int> compte;
  AcDbBlockTableRecord* espace = nullptr;
  if (acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForRead) != Acad::eOk) return compte;
  AcDbBlockTableRecordIterator* entites = nullptr;
  if (espace->newIterator(entites) == Acad::eOk) {
    for (; !entites->done(); entites->step()) {
      AcDbEntity* entite = nullptr;
      if (entites->getEntity(entite, AcDb::kForRead) != Acad::eOk) continue;
      if (auto* reference = AcDbBlockReference::cast(entite)) ++compte[reference->blockTableRecord()];
      entite->close();
    }
    delete entites;
  }
  espace->close();
  return compte;
}

void ajouterTexte(ajoutEspaceObjet& espace, const CString& texte, double x, double y, double hauteur,
                  AcDbObjectId calque = AcDbObjectId()) {
  auto* t = new AcDbText(AcGePoint3d(x, y, 0.0), texte.GetString());
  t->setDatabaseDefaults(espace.dessin());
  t->setTextStyle(espace.dessin()->textstyle());
  t->setHeight(hauteur);
  t->setRotation(0.0);
  t->setWidthFactor(1.0);
  if (!calque.isNull()) t->setLayer(calque);
  espace.ajouter(t, false);
}

// The sample of a block: its larger side b long, its lower-left corner on (x, y).
void ajouterEchantillon(ajoutEspaceObjet& espace, const infoBlocks& bloc, double taille, double x, double y) {
  auto* reference = new AcDbBlockReference(AcGePoint3d(x, y, 0.0), bloc.id);
  reference->setDatabaseDefaults(espace.dessin());
  reference->setScaleFactors(AcGeScale3d(taille / std::max(bloc.tailleX, bloc.tailleY)));
  AcDbExtents limites;
  if (reference->getGeomExtents(limites) == Acad::eOk) {
    const AcGePoint3d& bas = limites.minPoint();
    reference->setPosition(reference->position() + AcGeVector3d(x - bas.x, y - bas.y, -bas.z));
  }
  reference->setColorIndex(kCouleurDuCalque);
  espace.ajouter(reference, false);
}

}  // namespace

double pasLegende(const paramsLegende& p) {
  return std::max(1.2 * std::max(p.tailleBlocs, p.tailleTextes), p.distanceLignes);
}

double longueurTraitCalque(const paramsLegende& p) { return std::max(5.0 * p.tailleTextes, p.longueurTrait); }

std::vector<infoBlocks> listerBlocks(AcDbDatabase* dessin) {
  std::vector<infoBlocks> blocs;
  AcDbBlockTable* table = nullptr;
  if (dessin == nullptr || dessin->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return blocs;
  const std::map<AcDbObjectId, int> compte = referencesDuModele(dessin);
  AcDbBlockTableIterator* it = nullptr;
  if (table->newIterator(it) == Acad::eOk) {
    for (; !it->done(); it->step()) {
      AcDbBlockTableRecord* definition = nullptr;
      if (it->getRecord(definition, AcDb::kForRead) != Acad::eOk) continue;
      infoBlocks bloc;
      const ACHAR* nom = nullptr;
      if (definition->getName(nom) == Acad::eOk && nom != nullptr) bloc.nom = nom;
      bloc.id = definition->objectId();
      const bool presentation = definition->isLayout();
      definition->close();
      if (presentation) continue;
      const auto trouve = compte.find(bloc.id);
      bloc.occurrences = trouve != compte.end() ? trouve->second : 0;
      const etendueBlock etendue = mesurerBlock(bloc.id);
      bloc.tailleX = etendue.tailleX;
      bloc.tailleY = etendue.tailleY;
      bloc.minX = etendue.minimum.x;
      bloc.minY = etendue.minimum.y;
      if (bloc.tailleX >= -1.0 && bloc.tailleY >= -1.0) blocs.push_back(bloc);
    }
    delete it;
  }
  table->close();
  return blocs;
}

int dessinerLegende(const std::vector<infoBlocks>& blocs, const std::vector<CString>& descriptions,
                    const std::vector<bool>& coches, const paramsLegende& params, double x, double y) {
  ajoutEspaceObjet espace;
  if (!espace.ouvert()) return 0;
  const double s = pasLegende(params);
  const double t = params.tailleTextes, b = params.tailleBlocs;
  int dessines = 0;
  for (size_t i = 0; i < blocs.size(); ++i) {
    if (i >= coches.size() || !coches[i] || std::max(blocs[i].tailleX, blocs[i].tailleY) == 0.0) continue;
    ajouterEchantillon(espace, blocs[i], b, x, y);
    ajouterTexte(espace, i < descriptions.size() ? descriptions[i] : blocs[i].nom, x + 2.5 * b, y, t);
    y -= s;
    ++dessines;
  }
  AcDbObjectIdArray groupeBlocs = espace.ajoutes();
  espace.oublierAjoutes();
  if (params.legendeCalques) {
    y -= 2 * s;
    const double longueur = longueurTraitCalque(params);
    AcDbLayerTable* calques = nullptr;
    AcDbSymbolTableIterator* it = nullptr;
    if (espace.dessin()->getLayerTable(calques, AcDb::kForRead) == Acad::eOk) {
      if (calques->newIterator(it) == Acad::eOk) {
        for (; !it->done(); it->step()) {
          AcDbSymbolTableRecord* calque = nullptr;
          if (it->getRecord(calque, AcDb::kForRead) != Acad::eOk) continue;
          const ACHAR* nom = nullptr;
          CString nomCalque;
          if (calque->getName(nom) == Acad::eOk && nom != nullptr) nomCalque = nom;
          const AcDbObjectId id = calque->objectId();
          calque->close();
          auto* trait = new AcDbLine(AcGePoint3d(x, y, 0.0), AcGePoint3d(x + longueur, y, 0.0));
          trait->setDatabaseDefaults(espace.dessin());
          trait->setColorIndex(kCouleurDuCalque);
          if (trait->setLinetype(L"_BYLAYER") != Acad::eOk) trait->setLinetype(L"BYLAYER");
          trait->setLayer(id);
          espace.ajouter(trait, false);
          ajouterTexte(espace, nomCalque, x + 3 * t + longueur, y, t, id);
          y -= s;
        }
        delete it;
      }
      calques->close();
    }
  }
  espace.fermer();
  if (params.grouper) {
    grouperAnonyme(espace.dessin(), groupeBlocs);
    grouperAnonyme(espace.dessin(), espace.ajoutes());
  }
  return dessines;
}
