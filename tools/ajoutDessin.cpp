#include "tools/ajoutDessin.h"

#include "db/dbdatabase.h"
#include "db/dbdict.h"
#include "db/dbentity.h"
#include "db/dbgroup.h"
#include "db/dbsymtb.h"

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

bool grouperAnonyme(AcDbDatabase* dessin, const AcDbObjectIdArray& ids) {
  if (dessin == nullptr || ids.isEmpty()) return false;
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
  groupe->append(ids);
  groupe->close();
  groupes->close();
  return true;
}
