// Adding entities to model space with the drawing's defaults, one by one or many keeping their
// ids, and gathering them into one anonymous group (coordinate and legend tables, grids...).
#pragma once
#include "db/dbid.h"
#include "acarray.h"

class AcDbBlockTableRecord;
class AcDbDatabase;
class AcDbEntity;

class ajoutEspaceObjet {
 public:
  // Opens the model space of the working drawing for writing, once for all the entities.
  ajoutEspaceObjet();
  ~ajoutEspaceObjet();
  ajoutEspaceObjet(const ajoutEspaceObjet&) = delete;
  ajoutEspaceObjet& operator=(const ajoutEspaceObjet&) = delete;

  bool ouvert() const { return espace_ != nullptr; }
  // Gives the entity the drawing's defaults (current layer, colour...) unless told not to, appends
  // and closes it. The entity is deleted when it cannot be appended; its id, or null.
  AcDbObjectId ajouter(AcDbEntity* entite, bool defauts = true);
  AcDbDatabase* dessin() const { return dessin_; }
  const AcDbObjectIdArray& ajoutes() const { return ajoutes_; }
  void oublierAjoutes() { ajoutes_ = AcDbObjectIdArray(); }
  // Closes model space (before opening other objects of the drawing for writing).
  void fermer();

 private:
  AcDbDatabase* dessin_ = nullptr;
  AcDbBlockTableRecord* espace_ = nullptr;
  AcDbObjectIdArray ajoutes_;
};

// Appends the entity (given the drawing's current defaults first when asked) to the model space
// and closes it; on failure the entity is deleted and the id is null.
AcDbObjectId ajouterAuDessin(AcDbDatabase* dessin, AcDbEntity* entite, bool defauts = true);

// A new anonymous group of those entities in the drawing's group dictionary; false when it
// cannot be made or there is no entity.
bool grouperAnonyme(AcDbDatabase* dessin, const AcDbObjectIdArray& entites);
