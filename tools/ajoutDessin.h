// Adding the entities a drawing tool makes to the drawing.
#pragma once
#include "db/dbid.h"

class AcDbDatabase;
class AcDbEntity;

// Appends the entity (given the drawing's current defaults first when asked) to the model space
// and closes it; on failure the entity is deleted and the id is null.
AcDbObjectId ajouterAuDessin(AcDbDatabase* dessin, AcDbEntity* entite, bool defauts = true);

// Gathers the entities into a new anonymous group of the drawing; false when it cannot.
bool grouperAnonyme(AcDbDatabase* dessin, const AcDbObjectIdArray& ids);
