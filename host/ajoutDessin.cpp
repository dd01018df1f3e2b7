#include "host/ajoutDessin.h"

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbentity.h"
#include "db/dbgroup.h"
#include "db/dbsymtb.h"

ajoutEspaceObjet::ajoutEspaceObjet() : dessin_(acdbHostApplicationServices()->workingDatabase()) {
  if (dessin_ != nullptr && acdbOpenObject(espace_, dessin_->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    espace_ = nullptr;
  }
}

ajoutEspaceObjet::~ajoutEspaceObjet() { fermer(); }

void ajoutEspaceObjet::fermer() {
  if (espace_ != nullptr) espace_->close();
  espace_ = nullptr;
}

AcDbObjectId ajoutEspaceObjet::ajouter(AcDbEntity* entite, bool defauts) {
  AcDbObjectId id;
  if (espace_ == nullptr) {
    delete entite;
    return id;
  }
  if (defauts) entite->setDatabaseDefaults(dessin_);
  if (espace_->appendAcDbEntity(id, entite) != Acad::eOk) {
    delete entite;
    return AcDbObjectId();
  }
  entite->close();
  ajoutes_.append(id);
  return id;
}

AcDbObjectId ajouterAuDessin(AcDbDatabase* dessin, AcDbEntity* entite, bool defauts) {
  AcDbObjectId id;
  AcDbBlockTableRecord* espace = nullptr;
  if (dessin == nullptr ||
      acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    delete entite;
    return id;
  }
  if (defauts) entite->setDatabaseDefaults(dessin);
  if (espace->appendAcDbEntity(id, entite) == Acad::eOk) {
    entite->close();
  } else {
    delete entite;
    id.setNull();
  }
  espace->close();
  return id;
}

bool grouperAnonyme(AcDbDatabase* dessin, const AcDbObjectIdArray& entites) {
  if (dessin == nullptr || entites.isEmpty()) return false;
  AcDbDictionary* groupes = nullptr;
  if (dessin->getGroupDictionary(groupes, AcDb::kForWrite) != Acad::eOk) return false;
  auto* groupe = new AcDbGroup(L"", true);
  AcDbObjectId id;
  if (groupes->setAt(L"*", groupe, id) != Acad::eOk) {
    delete groupe;
    groupes->close();
    return false;
  }
  groupe->setAnonymous();
  groupe->append(entites);
  groupe->close();
  groupes->close();
  return true;
}
