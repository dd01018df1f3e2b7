// Points made from the entities of the drawing: polyline vertices, points, mesh and face corners,
// line ends, point blocks, blocks carrying given attributes, blocks in 3D, texts holding a number.
// Each kind has its code (9988 to 9999) registered in the codification with its description.
#include <map>
#include <string>
#include <vector>

#include "codification/globalCodification.h"
#include "db/acutads.h"
#include "db/dbblkref.h"
#include "db/dbents.h"
#include "db/dbextents.h"
#include "db/dbmtext.h"
#include "db/dbpl.h"
#include "db/dbpoly.h"
#include "ed/aced.h"
#include "ed/acedsel.h"
#include "host/attributsBloc.h"
#include "points/attribsPoints.h"
#include "points/listePointsDuDessin.h"
#include "points/texteDecimal.h"

namespace {

// The kinds, in the order their rules are tried.
struct regleImport {
  int bit;
  const wchar_t* classe;
  int code;
  const wchar_t* description;
};

const regleImport kRegles[] = {
    {0x4, L"AcDb3dPolyline", 9999, L"Sommets importes a partir de polylines 3d"},
    {0x1, L"AcDb2dPolyline", 9998, L"Sommets importes a partir de Polylines 2d"},
    {0x200, L"AcDbPoint", 9997, L"Sommets importes a partir des points Autocad"},
    {0x2, L"AcDbPolygonMesh", 9996, L"Sommets importes a partir de 3dMesh"},
    {0x400, L"AcDbPolyFaceMesh", 9995, L"Sommets importes a partir de PolyfaceMesh"},
    {0x40, L"AcDbFace", 9994, L"Sommets importes a partir des facettes "},
    {0x80, L"AcDbLine", 9993, L"Sommets importes a partir des lignes"},
    {0x100, L"AcDbPolyline", 9992, L"Sommets importes a partir des polylines"},
    {0x10, L"AcDbBlockReference", 9991, L"Points importes a partir des blocs"},
    {0x20, L"AcDbBlockReference", 9989, L"Points importes a partir des blocs avec attributs"},
    {0x8, L"AcDbBlockReference", 9990, L"Sommets importes a partir des Blocks en 3D"},
    {0x800, L"AcDbText", 9988, L"Sommets importes a partir des Textes"},
    {0x800, L"AcDbMText", 9988, L"Sommets importes a partir des Textes"},
};

const wchar_t* const kImportCode = L"Import Code";

// Registration of a rule's codes: while its flag is clear a missing code is added; the first code
// found already there sets the flag and the rule registers nothing more in this import.
class enregistreurCodes {
 public:
  void enregistrer(int bit, int code, const wchar_t* description) {
    bool& fini = fini_[bit];
    if (fini) return;
    tableCodification* table = globalCodification();
    if (table->indexOfCode(code) >= 0) {
      fini = true;
      return;
    }
    codifPoint entree;
    entree.code = code;
    entree.libelle = description;
    table->Add(entree);
  }

 private:
  std::map<int, bool> fini_;
};


double altitudeDe(const std::wstring* texte) {
  double z = kSansValeur;
  return texte != nullptr && lireDecimal(*texte, z) ? z : kSansValeur;
}

// The corners of the followers of a polyline or mesh, of one vertex class.
template <typename Sommet, typename Proprietaire>
std::vector<AcGePoint3d> sommetsDe(const Proprietaire& proprietaire) {
  std::vector<AcGePoint3d> sommets;
  AcDbObjectIterator* it = proprietaire.vertexIterator();
  for (; !it->done(); it->step()) {
    AcDbEntity* entite = nullptr;
    if (acdbOpenObject(entite, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
    if (auto* sommet = Sommet::cast(entite)) sommets.push_back(sommet->position());
    entite->close();
  }
  delete it;
  return sommets;
}

class importateur {
 public:
  importateur(listePointsDuDessin& table, const CString& numero, const CString& altitude,
              const CString& code, const AcGeVector2d& decalage, int kinds)
      : table_(table), numero_(numero), altitude_(altitude), code_(code), decalage_(decalage),
        kinds_(kinds) {}

  void importer(AcDbEntity* entite) {
    for (const regleImport& regle : kRegles) {
      AcRxClass* classe = AcRxClass::findByName(regle.classe);
      if ((kinds_ & regle.bit) == 0 || classe == nullptr || !entite->isKindOf(classe)) continue;
      if (appliquer(regle, entite)) return;
    }
  }

 private:
  // True when the rule matched the entity (a block that no rule matches gives nothing).
  bool appliquer(const regleImport& regle, AcDbEntity* entite) {
    std::vector<AcGePoint3d> sommets;
    if (auto* p3d = AcDb3dPolyline::cast(entite)) {
      sommets = sommetsDe<AcDb3dPolylineVertex>(*p3d);
    } else if (auto* p2d = AcDb2dPolyline::cast(entite)) {
      AcDbObjectIterator* it = p2d->vertexIterator();
      for (; !it->done(); it->step()) {
        AcDb2dVertex* sommet = nullptr;
        if (acdbOpenObject(sommet, it->objectId(), AcDb::kForRead) != Acad::eOk) continue;
        sommets.push_back(p2d->vertexPosition(*sommet));
        sommet->close();
      }
      delete it;
    } else if (auto* point = AcDbPoint::cast(entite)) {
      sommets.push_back(point->position());
    } else if (auto* maillage = AcDbPolygonMesh::cast(entite)) {
      sommets = sommetsDe<AcDbPolygonMeshVertex>(*maillage);
    } else if (auto* faces = AcDbPolyFaceMesh::cast(entite)) {
      sommets = sommetsDe<AcDbPolyFaceMeshVertex>(*faces);
    } else if (auto* face = AcDbFace::cast(entite)) {
      for (Adesk::UInt16 i = 0; i < 4; ++i) {
        AcGePoint3d coin;
        if (face->getVertexAt(i, coin) == Acad::eOk) sommets.push_back(coin);
      }
    } else if (auto* ligne = AcDbLine::cast(entite)) {
      sommets = {ligne->startPoint(), ligne->endPoint()};
    } else if (auto* polyligne = AcDbPolyline::cast(entite)) {
      for (unsigned int i = 0; i < polyligne->numVerts(); ++i) {
        AcGePoint2d p;
        polyligne->getPointAt(i, p);
        sommets.emplace_back(p.x, p.y, polyligne->elevation());
      }
    } else if (auto* bloc = AcDbBlockReference::cast(entite)) {
      return appliquerBloc(regle, *bloc);
    } else if (auto* texte = AcDbText::cast(entite)) {
      double z = kSansValeur;
      if (!lireDecimal(texte->textStringConst(), z)) return true;
      sommets.emplace_back(texte->position().x + decalage_.x, texte->position().y + decalage_.y, z);
    } else if (auto* mtexte = AcDbMText::cast(entite)) {
      double z = kSansValeur;
      AcDbExtents etendue;
      if (!lireDecimal(mtexte->text(), z) || mtexte->getGeomExtents(etendue) != Acad::eOk) return true;
      sommets.emplace_back(etendue.minPoint().x, etendue.minPoint().y, z);
    }
    if (!sommets.empty()) codes_.enregistrer(regle.bit, regle.code, regle.description);
    for (const AcGePoint3d& sommet : sommets) table_.CreerPoint(sommet, regle.code, nullptr);
    return true;
  }

  bool appliquerBloc(const regleImport& regle, AcDbBlockReference& bloc) {
    const textesAttributs textes = lireAttributs(bloc);
    if (regle.bit == 0x10) {
      const std::wstring* nom = texteAttribut(textes, globalAttribsPoints.numero);
      const std::wstring* z = texteAttribut(textes, globalAttribsPoints.altitude);
      if (nom == nullptr || z == nullptr) return false;
      const std::wstring* texteCode = texteAttribut(textes, globalAttribsPoints.code);
      const long lu = texteCode ? std::wcstol(texteCode->c_str(), nullptr, 10) : regle.code;
      const int code = (lu < 1 || lu > 9999) ? regle.code : static_cast<int>(lu);
      codes_.enregistrer(regle.bit, regle.code, regle.description);
      pointDuDessin point;
      point.setParams(nom->c_str(), AcGePoint3d(bloc.position().x, bloc.position().y, altitudeDe(z)), code);
      point.setId(bloc.objectId());
      table_.Ajouter(point);
      return true;
    }
    if (regle.bit == 0x20) {
      const std::wstring* nom = texteAttribut(textes, numero_);
      const std::wstring* z = texteAttribut(textes, altitude_);
      if (nom == nullptr || z == nullptr) return false;
      const std::wstring* texteCode = texteAttribut(textes, code_);
      const int lu = texteCode ? static_cast<int>(std::wcstol(texteCode->c_str(), nullptr, 10)) : 0;
      const int code = lu == 0 ? regle.code : lu;
      codes_.enregistrer(regle.bit, code, code == regle.code ? regle.description : kImportCode);
      table_.CreerPoint(AcGePoint3d(bloc.position().x, bloc.position().y, altitudeDe(z)), code, nom->c_str());
      return true;
    }
    if (bloc.position().z == 0.0) return false;  // 0x8: blocks in 3D only
    codes_.enregistrer(regle.bit, regle.code, regle.description);
    table_.CreerPoint(bloc.position(), regle.code, nullptr);
    return true;
  }

  listePointsDuDessin& table_;
  const CString& numero_;
  const CString& altitude_;
  const CString& code_;
  AcGeVector2d decalage_;
  int kinds_;
  enregistreurCodes codes_;
};

}  // namespace

void listePointsDuDessin::importFromDrawing(int kinds, CString& numberTag, CString& altitudeTag,
                                            CString& codeTag, AcGeVector2d& textOffset) {
  // One "<OR … OR>" filter group of the selected kinds' classes.
  resbuf tete{};
  resbuf* queue = &tete;
  auto ajouter = [&queue](int code, const wchar_t* texte) {
    queue->rbnext = acutBuildList(code, texte, 0);
    queue = queue->rbnext;
  };
  ajouter(-4, L"<OR");
  bool aucune = true;
  for (const regleImport& regle : kRegles) {
    if ((kinds & regle.bit) == 0) continue;
    ajouter(100, regle.classe);
    aucune = false;
  }
  ajouter(-4, L"OR>");
  if (aucune) {
    acutRelRb(tete.rbnext);
    return;
  }
  acutPrintf(L"\nSelectionnez :");
  ads_name selection;
  const int resultat = acedSSGet(nullptr, nullptr, nullptr, tete.rbnext, selection);
  acutRelRb(tete.rbnext);
  if (resultat != RTNORM) return;
  importateur import(*this, numberTag, altitudeTag, codeTag, textOffset, kinds);
  Adesk::Int32 nombre = 0;
  acedSSLength(selection, &nombre);
  for (Adesk::Int32 i = 0; i < nombre; ++i) {
    ads_name nom;
    AcDbObjectId id;
    AcDbEntity* entite = nullptr;
    if (acedSSName(selection, i, nom) != RTNORM || acdbGetObjectId(id, nom) != Acad::eOk ||
        acdbOpenObject(entite, id, AcDb::kForRead) != Acad::eOk) {
      continue;
    }
    import.importer(entite);
    entite->close();
  }
  acedSSFree(selection);
  delDups();
  renumeroter(false);
}
