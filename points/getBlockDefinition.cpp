#include "points/getBlockDefinition.h"

#include <cwctype>
#include <memory>
#include <string>

#include "db/acdbads.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "host/cheminInstallation.h"

namespace {

bool finitPar(const std::wstring& texte, const std::wstring& fin) {
  return texte.size() >= fin.size() && texte.compare(texte.size() - fin.size(), fin.size(), fin) == 0;
}

// "c:\biblio\Borne.DWG" gives "borne"; empty when the path has no folder part.
std::wstring nomDeBloc(std::wstring chemin) {
  for (wchar_t& c : chemin) c = static_cast<wchar_t>(std::towlower(c));
  const size_t separateur = chemin.find_last_of(L"/\\");
  if (separateur == std::wstring::npos) return {};
  std::wstring nom = chemin.substr(separateur + 1);
  if (finitPar(nom, L".dwg")) nom.resize(nom.size() - 4);
  if (!nom.empty() && acdbSNValid(nom.c_str(), 0) != RTNORM) {
    for (wchar_t& c : nom)
      if (!std::iswalnum(c)) c = L'_';
  }
  return nom;
}

AcDbObjectId blocExistant(AcDbDatabase* dessin, const std::wstring& nom) {
  AcDbBlockTable* table = nullptr;
  AcDbObjectId id;
  if (dessin->getBlockTable(table, AcDb::kForRead) != Acad::eOk) return id;
  table->getAt(nom.c_str(), id);
  table->close();
  return id;
}

std::unique_ptr<AcDbDatabase> lireDessin(std::wstring chemin) {
  std::wstring minuscule = chemin;
  for (wchar_t& c : minuscule) c = static_cast<wchar_t>(std::towlower(c));
  if (!finitPar(minuscule, L".dwg")) chemin += L".dwg";
  auto source = std::make_unique<AcDbDatabase>(false, true);
  if (source->readDwgFile(chemin.c_str()) != Acad::eOk) return nullptr;
  return source;
}

}  // namespace

AcDbObjectId getBlockDefinition(const wchar_t* cheminBloc, AcDbDatabase* dessin) {
  if (cheminBloc == nullptr || dessin == nullptr) return AcDbObjectId();
  const std::wstring nom = nomDeBloc(cheminBloc);
  if (nom.empty()) return AcDbObjectId();
  AcDbObjectId id = blocExistant(dessin, nom);
  if (!id.isNull()) return id;
  std::unique_ptr<AcDbDatabase> source = lireDessin(cheminBloc);
  // A drawing moved with its library is looked for again in the installation folder.
  if (!source) source = lireDessin(cheminInstallation(cheminBloc));
  if (!source || dessin->insert(id, nom.c_str(), source.get(), true) != Acad::eOk) return AcDbObjectId();
  return id;
}
