#include "points/stockageTopo.h"

#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbsymtb.h"
#include "db/dbxrecord.h"
#include "ed/aced.h"
#include "points/CResbuf.h"
#include "points/listePointsDuDessin.h"

namespace {

const wchar_t* const kCleDonnees = L"ARPENTA4_JALO_DATA";
int g_enregistrer = 0;  // the save flag of setSrcInfosTopo

// The layer "0" record that owns the storage; made (colour 1) when the drawing lacks it.
AcDbObjectId calqueZero(AcDbDatabase* db) {
  AcDbLayerTable* calques = nullptr;
  AcDbObjectId id;
  if (db == nullptr || db->getLayerTable(calques, AcDb::kForWrite) != Acad::eOk) return id;
  if (calques->getAt(L"0", id) != Acad::eOk) {
    auto* calque = new AcDbLayerTableRecord();
    calque->setName(L"0");
    calque->setColorIndex(1);
    if (calques->add(id, calque) == Acad::eOk) {
      calque->close();
    } else {
      delete calque;
    }
  }
  calques->close();
  return id;
}

// The record replaces any earlier one; nothing is written (or said) when the places do not open.
void ecrireEnregistrement(AcDbDatabase* db, const resbuf* chaine) {
  AcDbLayerTableRecord* calque = nullptr;
  if (acdbOpenObject(calque, calqueZero(db), AcDb::kForWrite) != Acad::eOk) return;
  calque->createExtensionDictionary();
  AcDbDictionary* dictionnaire = nullptr;
  AcDbObjectId existant;
  AcDbXrecord* ancien = nullptr;
  if (acdbOpenObject(dictionnaire, calque->extensionDictionary(), AcDb::kForWrite) == Acad::eOk &&
      chaine != nullptr && dictionnaire->getAt(kCleDonnees, existant) == Acad::eOk &&
      acdbOpenObject(ancien, existant, AcDb::kForWrite) == Acad::eOk) {
    // Rewritten in place, the record keeps its handle from one save to the next.
    ancien->setXlateReferences(true);
    ancien->setFromRbChain(*chaine, db);
    ancien->close();
    dictionnaire->close();
  } else if (dictionnaire != nullptr) {
    auto* enregistrement = new AcDbXrecord();
    enregistrement->setXlateReferences(true);
    if (chaine != nullptr) enregistrement->setFromRbChain(*chaine, db);
    AcDbObjectId id;
    if (dictionnaire->setAt(kCleDonnees, enregistrement, id) == Acad::eOk) {
      enregistrement->close();
    } else {
      delete enregistrement;
    }
    dictionnaire->close();
  }
  calque->close();
}

// The stored chain, or null when the drawing holds none.
resbuf* lireEnregistrement(AcDbDatabase* db) {
  AcDbLayerTableRecord* calque = nullptr;
  if (acdbOpenObject(calque, calqueZero(db), AcDb::kForRead) != Acad::eOk) return nullptr;
  const AcDbObjectId idDictionnaire = calque->extensionDictionary();
  calque->close();
  AcDbDictionary* dictionnaire = nullptr;
  if (idDictionnaire.isNull() ||
      acdbOpenObject(dictionnaire, idDictionnaire, AcDb::kForRead) != Acad::eOk) {
    return nullptr;
  }
  AcDbObject* objet = nullptr;
  resbuf* chaine = nullptr;
  if (dictionnaire->getAt(kCleDonnees, objet, AcDb::kForRead) == Acad::eOk) {
    if (auto* enregistrement = AcDbXrecord::cast(objet)) enregistrement->rbChain(chaine, db);
    objet->close();
  }
  dictionnaire->close();
  return chaine;
}

}  // namespace

void setSrcInfosTopo(AcDbDatabase* db, projetsTopo* projets, int saveFlag, int load) {
  g_enregistrer = saveFlag;
  tablesPoints = projets;
  if (load == 0 || tablesPoints == nullptr) return;
  CResbuf chaine(lireEnregistrement(db));
  acutPrintf(L"\nLecture des données Topo");
  tablesPoints->LoadFromXrecord(chaine);
}

void purgeInfosTopo() { ecrireEnregistrement(acdbHostApplicationServices()->workingDatabase(), nullptr); }

void enregistrerProjetDansDessin() {
  if (tablesPoints == nullptr) return;
  AcDbDatabase* db = acdbHostApplicationServices()->workingDatabase();
  CResbuf chaine;
  // After an item that cannot be appended the partial chain is still written.
  if (g_enregistrer != 0) tablesPoints->SaveToXrecord(chaine);
  ecrireEnregistrement(db, chaine.chaine());
}

bool projetEnregistre(AcDbDatabase* db) {
  resbuf* chaine = lireEnregistrement(db);
  const bool present = chaine != nullptr;
  acutRelRb(chaine);
  return present;
}
