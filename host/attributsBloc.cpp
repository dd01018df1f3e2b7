#include "host/attributsBloc.h"

#include "db/dbblkref.h"
#include "db/dbents.h"
#include "ui/afxstr.h"

namespace {

std::wstring majuscules(const wchar_t* texte) {
  CString copie(texte ? texte : L"");
  copie.MakeUpper();
  return copie.GetString();
}

// Each attribute opened in that mode; attributes that do not open are passed over.
void parcourir(const AcDbBlockReference& bloc, AcDb::OpenMode mode,
               const std::function<void(AcDbAttribute&)>& visite) {
  AcDbObjectIterator* it = bloc.attributeIterator();
  for (; !it->done(); it->step()) {
    AcDbAttribute* attribut = nullptr;
    if (acdbOpenObject(attribut, it->objectId(), mode) != Acad::eOk) continue;
    visite(*attribut);
    attribut->close();
  }
  delete it;
}

}  // namespace

textesAttributs lireAttributs(const AcDbBlockReference& bloc) {
  textesAttributs textes;
  parcourir(bloc, AcDb::kForRead, [&textes](AcDbAttribute& attribut) {
    textes.emplace(majuscules(attribut.tagConst()), attribut.textStringConst());
  });
  return textes;
}

const std::wstring* texteAttribut(const textesAttributs& textes, const wchar_t* etiquette) {
  auto it = textes.find(majuscules(etiquette));
  return it == textes.end() ? nullptr : &it->second;
}

void modifierAttributs(const AcDbBlockReference& bloc, const std::function<void(AcDbAttribute&)>& change) {
  parcourir(bloc, AcDb::kForWrite, change);
}
