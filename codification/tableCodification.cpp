#include "codification/tableCodification.h"

#include <tinyxml2.h>

#include <algorithm>
#include <cstdio>

#include "codification/valeursCodification.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "db/dbsymtb.h"
#include "ed/aced.h"
#include "host/cheminInstallation.h"
#include "os/codepage.h"
#include "os/winfile.h"

namespace {

// The path as the file functions receive it: through the ANSI code page, as the module has
// always passed it (characters outside it become "?").
std::wstring cheminFichier(const CString& chemin) {
  return ansiToWide(wideToAnsi(chemin.GetString()));
}

int signe(int valeur) { return (valeur > 0) - (valeur < 0); }

}  // namespace

tableCodification::tableCodification(const wchar_t* chemin) {
  if (chemin != nullptr) {
    chemin_ = chemin;
    load();
  }
  if (count() == 0) {
    chemin_ = cheminInstallation(FICHIER_CODIFICATION);
    load();
  }
  if (count() == 0) {
    setDefaults();
    save();
  }
}

tableCodification::~tableCodification() = default;

tableCodification& tableCodification::operator=(const tableCodification& autre) {
  if (this != &autre) codes_.Copy(autre.codes_);
  return *this;
}

bool tableCodification::load(const wchar_t* chemin) {
  const CString utilise = rogner(chemin != nullptr ? CString(chemin) : chemin_);
  if (utilise.IsEmpty()) return false;
  try {
    FILE* fichier = _wfopen(cheminFichier(utilise).c_str(), L"rb");
    if (fichier == nullptr) return false;
    tinyxml2::XMLDocument document;
    const tinyxml2::XMLError erreur = document.LoadFile(fichier);
    std::fclose(fichier);
    if (erreur != tinyxml2::XML_SUCCESS || document.FirstChild() == nullptr) return false;
    const tinyxml2::XMLElement* racine = document.FirstChildElement("codifPoints");
    const tinyxml2::XMLElement* donnees =
        racine != nullptr ? racine->FirstChildElement("TBdata") : nullptr;
    if (donnees == nullptr) return false;
    int nombre = 0;
    for (const tinyxml2::XMLElement* e = donnees->FirstChildElement("codifPoint"); e != nullptr;
         e = e->NextSiblingElement("codifPoint")) {
      ++nombre;
    }
    const tinyxml2::XMLElement* element = donnees->FirstChildElement("codifPoint");
    for (int i = 0; i < nombre && element != nullptr; ++i) {
      codifPoint codif;
      if (codif.readXml(element)) codes_.Add(codif);
      element = element->NextSiblingElement("codifPoint");
    }
    return count() > 0;
  } catch (...) {
    acutPrintf(L"\nechec lecture de donnees a partir de [%s] datasize=%d", utilise.GetString(),
               count());
    codes_.RemoveAll();
    return false;
  }
}

bool tableCodification::save(const wchar_t* chemin) {
  const CString utilise = chemin != nullptr ? CString(chemin) : chemin_;
  tinyxml2::XMLDocument document;
  tinyxml2::XMLElement* racine = document.NewElement("codifPoints");
  document.InsertEndChild(racine);
  tinyxml2::XMLElement* donnees = racine->InsertNewChildElement("TBdata");
  for (int i = 0; i < count(); ++i) codes_[i].writeXml(donnees);
  FILE* fichier = _wfopen(cheminFichier(utilise).c_str(), L"wb");
  if (fichier == nullptr) return true;  // the caller is told nothing: the table stays in memory
  document.SaveFile(fichier);
  std::fclose(fichier);
  return true;
}

void tableCodification::setDefaults() {
  codes_.RemoveAll();
  codifPoint point;
  point.code = 1;
  point.libelle = L"Point topo";
  point.chemin = cheminInstallation(FICHIER_BLOC_POINT);
  codes_.Add(point);
  codifPoint station;
  station.code = 100;
  station.libelle = L"Station";
  station.chemin = cheminInstallation(FICHIER_BLOC_STATION);
  codes_.Add(station);
}

int tableCodification::indexOfCode(int code) const {
  for (int i = 0; i < count(); ++i) {
    if (codes_[i].code == code) return i;
  }
  return -1;
}

codifPoint& tableCodification::getCodif(int code) {
  const int index = indexOfCode(code);
  if (index >= 0) return codes_[index];
  codifPoint nouveau;
  nouveau.code = code;
  nouveau.libelle.Format(L"Code %d", code);
  return codes_[codes_.Add(nouveau)];
}

CString tableCodification::getLibelle(int code) {
  const int index = indexOfCode(code);
  if (index >= 0) return codes_[index].libelle;
  codifPoint nouveau;
  nouveau.code = code;
  nouveau.libelle.Format(L"Code N° %d", code);
  codes_.Add(nouveau);
  return nouveau.libelle;
}

codifPoint& tableCodification::getAt(int index) { return codes_.GetAt(index); }

const codifPoint& tableCodification::getAt(int index) const { return codes_.GetAt(index); }

void tableCodification::removeAt(int index) { codes_.RemoveAt(index); }

void tableCodification::sortByCode() {
  // Entries are moved, so that they keep their layer ids.
  std::sort(codes_.GetData(), codes_.GetData() + count(),
            [](const codifPoint& a, const codifPoint& b) { return a.code < b.code; });
}

void tableCodification::createLayers(AcDbLayerTable* table) {
  AcDbLayerTable* ouverte = nullptr;
  if (table == nullptr) {
    AcDbDatabase* dessin = acdbHostApplicationServices()->workingDatabase();
    if (dessin == nullptr || dessin->getLayerTable(ouverte, AcDb::kForWrite) != Acad::eOk) return;
    table = ouverte;
  }
  for (int i = 0; i < count(); ++i) codes_[i].createLayers(table);
  if (ouverte != nullptr) ouverte->close();
}

int tableCodification::compareCodes(int codeA, int codeB, int colonne) const {
  const int a = indexOfCode(codeA);
  const int b = indexOfCode(codeB);
  if (a < 0 || b < 0) return 0;
  const codifPoint& A = codes_[a];
  const codifPoint& B = codes_[b];
  switch (colonne) {
    case 0:
      return signe((A.code > B.code) - (A.code < B.code));
    case 1:
      return signe(A.libelle.CompareNoCase(B.libelle));
    case 2:
      if (A.precisionAltitudes != B.precisionAltitudes) {
        return A.precisionAltitudes < B.precisionAltitudes ? -1 : 1;
      }
      return signe((A.code > B.code) - (A.code < B.code));
    case 3:
      return signe(A.chemin.CompareNoCase(B.chemin));
    default:
      return 0;
  }
}
