#include "codification/attributCode.h"

#include "codification/valeursCodification.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "os/codepage.h"

bool lireAttributCode(AcDbObjectId reference, int& code) {
  AcDbBlockReference* bloc = nullptr;
  if (acdbOpenObject(bloc, reference, AcDb::kForRead) != Acad::eOk) return false;
  AcDbObjectIterator* attributs = bloc->attributeIterator();
  bloc->close();
  bool lu = false;
  for (; !lu && !attributs->done(); attributs->step()) {
    AcDbAttribute* attribut = nullptr;
    if (acdbOpenObject(attribut, attributs->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    if (CString(attribut->tagConst()).CompareNoCase(L"CODE") == 0) {
      code = entierEnTete(wideToAnsi(attribut->textStringConst()).c_str());
      lu = true;
    }
    attribut->close();
  }
  delete attributs;
  return lu;
}
