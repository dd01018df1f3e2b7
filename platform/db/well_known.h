// What a drawing reader calls once the objects of a file are in the database: finding the tables,
// standard records and dictionaries, and creating what an older or smaller file lacks. Platform
// code only.
#pragma once
#include <string>
#include <vector>

#include "db/dbid.h"

class AcDbDatabase;

// Fills the database's table, dictionary, record and current-setting ids from what was read
// (tables by kind, *Model_Space/*Paper_Space, layer 0, ByLayer/ByBlock/Continuous, the root and
// group dictionaries; CLAYER/TEXTSTYLE/CELTYPE by the names the header gave), and creates what is
// missing: tables, standard records, BLOCK/ENDBLK objects of each block record, the root
// dictionary with its standard entries, layouts. Layer linetypes read by name before their table
// are resolved here too. Call it after every object is placed and before anything opens them.
void resolveWellKnownObjects(AcDbDatabase* database);

// The names the header gave for the current layer, text style and linetype, before the tables
// could resolve them ($CLAYER, $TEXTSTYLE, $CELTYPE). resolveWellKnownObjects looks them up.
struct PendingHeaderNames {
  std::wstring clayer, textstyle, celtype;
};
void setPendingHeaderNames(AcDbDatabase* database, const PendingHeaderNames& names);

// Puts a block definition read from a file together: the BLOCK object, its entities in order and
// the ENDBLK object. The block table record is the BLOCK's owner (330) when the file gave one,
// else the record of the BLOCK's name, created when missing (files without a BLOCK_RECORD
// table). The record takes the definition's base point, description, path and flags from the
// BLOCK item; the entities and both markers become owned by the record. Returns the record.
AcDbObjectId assembleBlockDefinition(AcDbDatabase* database, AcDbObjectId blockBegin,
                                     const std::vector<AcDbObjectId>& entities,
                                     AcDbObjectId blockEnd);

// Appends an entity read from the ENTITIES section to model space, or to paper space when it says
// so (67 = 1); the entity becomes owned by it. The block table and the record are found by name
// (and created when the file had none).
void appendToLayout(AcDbDatabase* database, AcDbObjectId entity, bool paperSpace);
