// calctailleblock, attrvisibility and modif-attrib: block sizes and attributes by tag.
#include <cwchar>
#include <string>
#include <vector>

#include "db/dbapserv.h"
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "host/attributsBloc.h"
#include "host/lispArguments.h"
#include "host/lispUtilitaires.h"
#include "lisp/acedads.h"

namespace {

constexpr size_t kLongueurEtiquetteMax = 64;
constexpr int kPairesMax = 25;

enum modeVisibilite { kVisible = 1, kInvisible = 2, kBascule = 3 };

struct regleEtiquette {
  std::wstring etiquette;
  int mode;
};

bool memeEtiquette(const wchar_t* a, const std::wstring& b) { return wcscasecmp(a, b.c_str()) == 0; }

// Calls change on every attribute of the block reference, opened for write.
void pourChaqueAttribut(AcDbObjectId reference, const std::function<void(AcDbAttribute&)>& change) {
  AcDbBlockReference* bloc = nullptr;
  if (acdbOpenObject(bloc, reference, AcDb::kForRead) != Acad::eOk) return;
  modifierAttributs(*bloc, change);
  bloc->close();
}

void appliquerVisibilite(AcDbAttribute& attribut, const std::vector<regleEtiquette>& regles) {
  for (const regleEtiquette& regle : regles) {
    if (!memeEtiquette(attribut.tagConst(), regle.etiquette)) continue;
    if (regle.mode == kVisible) attribut.setInvisible(false);
    if (regle.mode == kInvisible) attribut.setInvisible(true);
    if (regle.mode == kBascule) attribut.setInvisible(!attribut.isInvisible());
    return;  // the first matching pair applies
  }
}

// The pairs (tag mode) of the list argument, read until an item breaks the pattern.
std::vector<regleEtiquette> lireRegles(argumentsLisp& args) {
  std::vector<regleEtiquette> regles;
  args.suivant();  // past the list's opening
  while (static_cast<int>(regles.size()) < kPairesMax && args.type() == RTSTR) {
    std::wstring etiquette = args.courant()->resval.rstring ? args.courant()->resval.rstring : L"";
    if (etiquette.size() > kLongueurEtiquetteMax) etiquette.resize(kLongueurEtiquetteMax);
    args.suivant();
    if (args.type() != RTSHORT) break;
    regles.push_back({etiquette, args.courant()->resval.rint});
    args.suivant();
  }
  return regles;
}

bool estReference(AcDbObjectId id) {
  AcDbBlockReference* bloc = nullptr;
  if (acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) return false;
  bloc->close();
  return true;
}

}  // namespace

void lispCalcTailleBlock() {
  argumentsLisp args;
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  if (args.type() != RTSTR || dessin == nullptr) {
    acedRetNil();
    return;
  }
  AcDbBlockTable* table = nullptr;
  AcDbObjectId definition;
  if (dessin->getBlockTable(table, AcDb::kForRead) == Acad::eOk) {
    table->getAt(args.courant()->resval.rstring, definition);
    table->close();
  }
  AcDbExtents etendue;
  // A reference made only to be measured: it never enters the drawing.
  AcDbBlockReference essai(AcGePoint3d(0, 0, 0), definition);
  if (definition.isNull() || essai.getGeomExtents(etendue) != Acad::eOk) {
    acedRetNil();
    return;
  }
  ads_point taille = {etendue.maxPoint().x - etendue.minPoint().x,
                      etendue.maxPoint().y - etendue.minPoint().y, 0.0};
  acedRetPoint(taille);
}

void lispAttrVisibility() {
  argumentsLisp args;
  const int typeSelection = args.type();
  ads_name selection = {0, 0};
  if (typeSelection == RTPICKS) ads_name_set(args.courant()->resval.rlname, selection);
  args.suivant();
  if ((typeSelection != RTPICKS && typeSelection != RTENAME) || args.type() != RTLB) {
    acutPrintf(L"\nparametres incorrects.");
    return;
  }
  const std::vector<regleEtiquette> regles = lireRegles(args);
  acutPrintf(L"\n");
  if (typeSelection != RTPICKS) return;  // an entity name is accepted but gives no work
  Adesk::Int32 total = 0;
  acedSSLength(selection, &total);
  for (Adesk::Int32 i = 0; i < total; ++i) {
    if (i % 10 == 0) acutPrintf(L"\r element %8ld / %8ld", static_cast<long>(i), static_cast<long>(total));
    ads_name entite;
    AcDbObjectId id;
    if (acedSSName(selection, i, entite) != RTNORM || acdbGetObjectId(id, entite) != Acad::eOk) continue;
    if (!estReference(id)) continue;
    pourChaqueAttribut(id, [&regles](AcDbAttribute& a) { appliquerVisibilite(a, regles); });
  }
  acutPrintf(L"\r element %8ld / %8ld", static_cast<long>(total), static_cast<long>(total));
}

void lispModifAttrib() {
  argumentsLisp args;
  if (args.type() != RTENAME) return;
  AcDbObjectId id;
  if (acdbGetObjectId(id, args.courant()->resval.rlname) != Acad::eOk || !estReference(id)) return;
  args.suivant();
  if (args.type() != RTSTR) return;
  const std::wstring etiquette = args.courant()->resval.rstring;
  args.suivant();
  if (args.type() != RTSTR) return;
  const std::wstring texte = args.courant()->resval.rstring;
  pourChaqueAttribut(id, [&](AcDbAttribute& attribut) {
    if (memeEtiquette(attribut.tagConst(), etiquette)) attribut.setTextString(texte.c_str());
  });
}
