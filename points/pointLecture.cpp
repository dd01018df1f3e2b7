// Reading a survey point back from its block in the drawing.
#include <cwchar>
#include <string>

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "points/attribsPoints.h"
#include "points/pointDuDessin.h"
#include "points/texteDecimal.h"

namespace {

struct textesPoint {
  bool numero = false, code = false, altitude = false;
  std::wstring texteNumero, texteCode, texteAltitude;
};

bool memeEtiquette(const ACHAR* etiquette, const CString& attendue) {
  return etiquette != nullptr && attendue.CompareNoCase(etiquette) == 0;
}

// The first attribute of each tag wins.
textesPoint lireAttributs(const AcDbBlockReference& bloc) {
  textesPoint textes;
  AcDbObjectIterator* it = bloc.attributeIterator();
  for (; !it->done(); it->step()) {
    AcDbAttribute* attribut = nullptr;
    if (acdbOpenObject(attribut, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    const ACHAR* etiquette = attribut->tagConst();
    const std::wstring texte = attribut->textStringConst();
    if (!textes.numero && memeEtiquette(etiquette, globalAttribsPoints.numero)) {
      textes.numero = true;
      textes.texteNumero = texte;
    } else if (!textes.code && memeEtiquette(etiquette, globalAttribsPoints.code)) {
      textes.code = true;
      textes.texteCode = texte;
    } else if (!textes.altitude && memeEtiquette(etiquette, globalAttribsPoints.altitude)) {
      textes.altitude = true;
      textes.texteAltitude = texte;
    }
    attribut->close();
  }
  delete it;
  return textes;
}

}  // namespace

int pointDuDessin::updateFromDrawing(AcDbObjectId& id) {
  id_ = AcDbObjectId();
  AcDbBlockReference* bloc = nullptr;
  if (id.isNull() || acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) return 0;
  x_ = bloc->position().x;
  y_ = bloc->position().y;
  id_ = id;
  const textesPoint textes = lireAttributs(*bloc);
  bloc->close();
  if (!textes.numero) return 0;
  setNomPoint(textes.texteNumero.c_str());
  const long code = textes.code ? std::wcstol(textes.texteCode.c_str(), nullptr, 10) : 1;
  code_ = (code < 0 || code > 9999) ? 1 : static_cast<int>(code);
  double altitude = kSansValeur;
  z_ = textes.altitude && lireDecimal(textes.texteAltitude, altitude) ? altitude : kSansValeur;
  return 1;
}
