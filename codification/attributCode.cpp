#include "codification/attributCode.h"

#include "codification/valeursCodification.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "host/attributsBloc.h"
#include "os/codepage.h"

bool lireAttributCode(AcDbObjectId reference, int& code) {
  AcDbBlockReference* bloc = nullptr;
  if (acdbOpenObject(bloc, reference, AcDb::kForRead) != Acad::eOk) return false;
  const textesAttributs textes = lireAttributs(*bloc);
  bloc->close();
  const std::wstring* texte = texteAttribut(textes, L"CODE");
  if (texte != nullptr) code = entierEnTete(wideToAnsi(*texte).c_str());
  return texte != nullptr;
}
