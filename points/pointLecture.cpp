// Reading a survey point back from its block in the drawing.
#include <cwchar>
#include <cwctype>
#include <string>

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "points/attribsPoints.h"
#include "points/pointDuDessin.h"

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

// An optional sign, digits and at most one decimal point, nothing else.
bool estNombreDecimal(const std::wstring& texte) {
  size_t i = (!texte.empty() && (texte[0] == L'-' || texte[0] == L'+')) ? 1 : 0;
  bool chiffre = false, point = false;
  for (; i < texte.size(); ++i) {
    if (std::iswdigit(texte[i])) {
      chiffre = true;
    } else if (texte[i] == L'.' && !point) {
      point = true;
    } else {
      return false;
    }
  }
  return chiffre;
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
  z_ = textes.altitude && estNombreDecimal(textes.texteAltitude)
           ? std::wcstod(textes.texteAltitude.c_str(), nullptr)
           : kSansValeur;
  return 1;
}
