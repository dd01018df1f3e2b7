#include "exchange/infoBlock.h"

#include "db/dbblkref.h"
#include "db/dbdict.h"
#include "db/dbentity.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "db/dbxrecord.h"
#include "points/CResbuf.h"

namespace {

constexpr wchar_t kCle[] = L"BLOCKINFO_ARPENTA";

// The description of the object's record when it carries our mark.
bool lireEnregistrement(AcDbObjectId objet, CString& texte) {
  AcDbObject* o = nullptr;
  if (acdbOpenObject(o, objet, AcDb::kForRead) != Acad::eOk) return false;
  const AcDbObjectId idDictionnaire = o->extensionDictionary();
  o->close();
  AcDbDictionary* dictionnaire = nullptr;
  if (idDictionnaire.isNull() || acdbOpenObject(dictionnaire, idDictionnaire, AcDb::kForRead) != Acad::eOk) return false;
  AcDbObject* trouve = nullptr;
  resbuf* donnees = nullptr;
  if (dictionnaire->getAt(kCle, trouve, AcDb::kForRead) == Acad::eOk) {
    if (auto* enregistrement = AcDbXrecord::cast(trouve)) enregistrement->rbChain(donnees);
    trouve->close();
  }
  dictionnaire->close();
  CResbuf chaine(donnees);
  Adesk::Int32 marque = 0;
  std::wstring lu;
  if (!chaine.lireEntier(marque) || marque != kMarqueInfoBlock || !chaine.lireChaine(lu)) return false;
  texte = lu.c_str();
  return true;
}

// Replaces the record in the extension dictionary of an object open for writing.
void ecrireEnregistrement(AcDbObject* objet, const CResbuf& chaine) {
  objet->createExtensionDictionary();
  AcDbDictionary* dictionnaire = nullptr;
  if (acdbOpenObject(dictionnaire, objet->extensionDictionary(), AcDb::kForWrite) != Acad::eOk) return;
  AcDbObject* ancien = nullptr;
  if (dictionnaire->getAt(kCle, ancien, AcDb::kForWrite) == Acad::eOk) {
    if (auto* enregistrement = AcDbXrecord::cast(ancien)) {
      enregistrement->setFromRbChain(*chaine.chaine());
      ancien->close();
      dictionnaire->close();
      return;
    }
    ancien->close();
  }
  auto* enregistrement = new AcDbXrecord();
  enregistrement->setFromRbChain(*chaine.chaine());
  AcDbObjectId id;
  if (dictionnaire->setAt(kCle, enregistrement, id) == Acad::eOk) {
    enregistrement->close();
  } else {
    delete enregistrement;
  }
  dictionnaire->close();
}

}  // namespace

int readBlockInfo(AcDbObjectId bloc, CString& commentaires, CString& descriptionBloc, CString& descriptionEntite) {
  commentaires.Empty();
  descriptionBloc.Empty();
  descriptionEntite.Empty();
  AcDbBlockTableRecord* definition = nullptr;
  if (acdbOpenObject(definition, bloc, AcDb::kForRead) != Acad::eOk) return 0;
  const ACHAR* texte = nullptr;
  if (definition->comments(texte) == Acad::eOk && texte != nullptr) commentaires = texte;
  AcDbBlockTableRecordIterator* entites = nullptr;
  if (definition->newIterator(entites) == Acad::eOk) {
    for (; !entites->done(); entites->step()) {
      AcDbObjectId id;
      if (entites->getEntityId(id) == Acad::eOk && lireEnregistrement(id, descriptionEntite)) break;
    }
    delete entites;
  }
  definition->close();
  lireEnregistrement(bloc, descriptionBloc);
  return 1;
}

int writeBlockInfo(AcDbObjectId bloc, const wchar_t* texte) {
  AcDbBlockTableRecord* definition = nullptr;
  if (acdbOpenObject(definition, bloc, AcDb::kForWrite) != Acad::eOk) return 0;
  CResbuf chaine;
  chaine.ajouterEntier(kMarqueInfoBlock);
  chaine.ajouterChaine(texte);
  definition->setComments(texte);
  AcDbBlockTableRecordIterator* entites = nullptr;
  if (definition->newIterator(entites) == Acad::eOk) {
    AcDbEntity* premiere = nullptr;
    if (!entites->done() && entites->getEntity(premiere, AcDb::kForWrite) == Acad::eOk) {
      ecrireEnregistrement(premiere, chaine);
      premiere->close();
    }
    delete entites;
  }
  definition->close();
  if (acdbOpenObject(definition, bloc, AcDb::kForWrite) == Acad::eOk) {
    ecrireEnregistrement(definition, chaine);
    definition->close();
  }
  return 1;
}

CString descriptionBlock(AcDbObjectId bloc, const CString& nom) {
  CString commentaires, descriptionBloc, descriptionEntite;
  readBlockInfo(bloc, commentaires, descriptionBloc, descriptionEntite);
  for (const CString* texte : {&commentaires, &descriptionBloc, &descriptionEntite})
    if (!texte->IsEmpty()) return *texte;
  return nom;
}

etendueBlock mesurerBlock(AcDbObjectId bloc) {
  etendueBlock etendue;
  AcDbBlockReference reference(AcGePoint3d::kOrigin, bloc);
  AcDbExtents limites;
  if (reference.getGeomExtents(limites) != Acad::eOk) return etendue;
  etendue.tailleX = limites.maxPoint().x - limites.minPoint().x;
  etendue.tailleY = limites.maxPoint().y - limites.minPoint().y;
  etendue.minimum = limites.minPoint();
  return etendue;
}
