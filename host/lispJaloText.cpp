// JALOTEXT: a text entity placed by the drawing routines.
#include <cwctype>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "host/lispArguments.h"
#include "host/lispUtilitaires.h"

namespace {

struct parametresTexte {
  wchar_t justification = L'L';
  AcGePoint3d position;
  double hauteur = 0.0;
  double rotation = 0.0;  // (radians)
  const wchar_t* texte = L"";
  double facteurLargeur = 1.0;
};

// Five arguments at least: justification, point, height, rotation and text, then an optional
// width factor. False when one of the five is missing or of another type.
bool lireParametres(parametresTexte& p) {
  argumentsLisp args;
  if (args.type() != RTSTR) return false;
  const wchar_t* justification = args.courant()->resval.rstring;
  p.justification = static_cast<wchar_t>(std::towupper(justification && *justification ? *justification : L'L'));
  args.suivant();
  if (!args.estPoint()) return false;
  p.position.set(args.courant()->resval.rpoint[0], args.courant()->resval.rpoint[1], 0.0);
  args.suivant();
  if (!args.estNombre()) return false;
  p.hauteur = args.nombre();
  args.suivant();
  if (!args.estNombre()) return false;
  p.rotation = args.nombre();
  args.suivant();
  if (args.type() != RTSTR) return false;
  p.texte = args.courant()->resval.rstring;
  args.suivant();
  if (args.estNombre()) p.facteurLargeur = args.nombre();
  return true;
}

void aligner(AcDbText& texte, const parametresTexte& p) {
  switch (p.justification) {
    case L'C': texte.setHorizontalMode(AcDb::kTextCenter); break;
    case L'M': texte.setHorizontalMode(AcDb::kTextMid); break;
    case L'R': texte.setHorizontalMode(AcDb::kTextRight); break;
    default: return;  // left on the base line: the position is enough
  }
  texte.setAlignmentPoint(p.position);
}

}  // namespace

void lispJaloText() {
  parametresTexte p;
  if (!lireParametres(p)) return;
  AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
  if (dessin == nullptr) return;
  auto* texte = new AcDbText();
  texte->setDatabaseDefaults(dessin);
  texte->setPosition(p.position);
  texte->setHeight(p.hauteur);
  texte->setRotation(p.rotation);
  texte->setTextString(p.texte);
  texte->setWidthFactor(p.facteurLargeur);
  texte->setTextStyle(dessin->textstyle());
  texte->setColorIndex(256);
  texte->setNormal(AcGeVector3d(0.0, 0.0, 1.0));
  aligner(*texte, p);
  AcDbBlockTableRecord* espace = nullptr;
  if (acdbOpenObject(espace, dessin->modelSpaceId(), AcDb::kForWrite) != Acad::eOk) {
    delete texte;
    return;
  }
  if (espace->appendAcDbEntity(texte) == Acad::eOk) {
    texte->close();
  } else {
    delete texte;
  }
  espace->close();
}
