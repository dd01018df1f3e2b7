// Reading a survey point back from its block in the drawing.
#include <cwchar>
#include <string>

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "host/attributsBloc.h"
#include "points/attribsPoints.h"
#include "points/pointDuDessin.h"
#include "points/texteDecimal.h"

int pointDuDessin::updateFromDrawing(AcDbObjectId& id) {
  id_ = AcDbObjectId();
  AcDbBlockReference* bloc = nullptr;
  if (id.isNull() || acdbOpenObject(bloc, id, AcDb::kForRead) != Acad::eOk) return 0;
  x_ = bloc->position().x;
  y_ = bloc->position().y;
  id_ = id;
  const textesAttributs textes = lireAttributs(*bloc);
  bloc->close();
  const std::wstring* numero = texteAttribut(textes, globalAttribsPoints.numero);
  const std::wstring* texteCode = texteAttribut(textes, globalAttribsPoints.code);
  const std::wstring* texteZ = texteAttribut(textes, globalAttribsPoints.altitude);
  if (numero == nullptr) return 0;
  setNomPoint(numero->c_str());
  const long code = texteCode ? std::wcstol(texteCode->c_str(), nullptr, 10) : 1;
  code_ = (code < 0 || code > 9999) ? 1 : static_cast<int>(code);
  double altitude = kSansValeur;
  z_ = texteZ && lireDecimal(*texteZ, altitude) ? altitude : kSansValeur;
  return 1;
}
