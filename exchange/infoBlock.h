// The description of a block definition, kept in three places: its comments, a record
// "BLOCKINFO_ARPENTA" in its extension dictionary and the same record on its first entity. Also
// the size of a block, as the extents of a reference at the origin with scale 1.
#pragma once
#include "db/dbid.h"
#include "ge/gepnt3d.h"
#include "ui/afxstr.h"

// The mark that tells our record from another application's one of the same name.
constexpr int kMarqueInfoBlock = 12744721;  // 0xC27811

// 1 and the three texts (each empty when absent); 0 when the id is not a block definition.
int readBlockInfo(AcDbObjectId bloc, CString& commentaires, CString& descriptionBloc, CString& descriptionEntite);
// Stores the text in the three places; 0 when the definition does not open for writing.
int writeBlockInfo(AcDbObjectId bloc, const wchar_t* texte);

// The first non-empty of the comments, the two records and the name.
CString descriptionBlock(AcDbObjectId bloc, const CString& nom);

struct etendueBlock {
  double tailleX = -2.0;  // below -1: the extents could not be computed
  double tailleY = -2.0;
  AcGePoint3d minimum;
};
etendueBlock mesurerBlock(AcDbObjectId bloc);
