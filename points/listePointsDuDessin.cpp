#include "points/listePointsDuDessin.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "db/dbblkref.h"
#include "os/codepage.h"

namespace {

constexpr int kTailleIndex = 10037;
constexpr double kMemePosition = 1e-6;  // getAt (drawing units)
constexpr double kDoublon = 1e-8;       // delDups (drawing units)

CString nomNormalise(const char* nom, const wchar_t* aRogner) {
  CString texte(ansiToWide(nom ? nom : "").c_str());
  texte.Trim(aRogner);
  texte.MakeLower();
  return texte;
}

// The key of a point added; after removals and renumbering tabs are trimmed as well.
CString cleAjout(const char* nom) { return nomNormalise(nom, L" "); }
CString cleReindex(const char* nom) { return nomNormalise(nom, L" \t"); }

CString cleDemande(const wchar_t* nom) {
  CString texte(nom ? nom : L"");
  texte.Trim(L" ");
  texte.MakeLower();
  return texte;
}

}  // namespace

listePointsDuDessin::listePointsDuDessin() { index_.InitHashTable(kTailleIndex); }

void listePointsDuDessin::Ajouter(const pointDuDessin& point) {
  pointDuDessin copie;
  copie = point;
  const int position = static_cast<int>(points_.Add(copie));
  index_[cleAjout(copie.getNomPoint())] = position;
}

void listePointsDuDessin::CreerPoint(const AcGePoint3d& position, int code, const wchar_t* nom) {
  if (position.z == 0.0) return;
  pointDuDessin point;
  point.setParams(nom ? nom : L"*", position, code);
  point.setId(AcDbObjectId());
  Ajouter(point);
}

int listePointsDuDessin::existPoint(const wchar_t* nom, int& position) const {
  if (index_.Lookup(cleDemande(nom), position)) return 1;
  position = -1;
  return 0;
}

int listePointsDuDessin::getObjId(const wchar_t* nom, AcDbObjectId& id) const {
  int position = -1;
  if (!existPoint(nom, position) || position < 0 || position >= nbPoint()) return 0;
  id = points_[position].getId();
  return 1;
}

int listePointsDuDessin::getBlockPosition(const wchar_t* nom, AcGePoint3d& position, int& code) const {
  int i = -1;
  if (!existPoint(nom, i) || i < 0 || i >= nbPoint()) return 0;
  const pointDuDessin& point = points_[i];
  AcDbBlockReference* bloc = nullptr;
  if (!point.getId().isNull() && acdbOpenObject(bloc, point.getId(), AcDb::kForRead) == Acad::eOk) {
    position = bloc->position();
    bloc->close();
  } else {
    position = point.getAs3dPnt();
  }
  code = point.getCode();
  return 1;
}

pointDuDessin* listePointsDuDessin::getData(int i) { return &points_.GetAt(i); }

int listePointsDuDessin::getMaxNum() const {
  long plusGrand = 0;
  for (int i = 0; i < nbPoint(); ++i) {
    plusGrand = std::max(plusGrand, std::strtol(points_[i].getNomPoint(), nullptr, 10));
  }
  return static_cast<int>(plusGrand);
}

int listePointsDuDessin::nombreAyantCode(int code) const {
  int nombre = 0;
  for (int i = 0; i < nbPoint(); ++i) nombre += points_[i].getCode() == code ? 1 : 0;
  return nombre;
}

int listePointsDuDessin::getAt(double x, double y, pointDuDessin& trouve) const {
  for (int i = 0; i < nbPoint(); ++i) {
    const pointDuDessin& p = points_[i];
    if (std::fabs(p.getX() - x) < kMemePosition && std::fabs(p.getY() - y) < kMemePosition) {
      trouve = p;
      return 1;
    }
  }
  return 0;
}

int listePointsDuDessin::findNearestTo(double x, double y, pointDuDessin& trouve) const {
  if (nbPoint() == 0) return 0;
  double meilleur = 1e36;  // squared distance
  int choisi = 0;
  for (int i = 0; i < nbPoint(); ++i) {
    const double dx = points_[i].getX() - x, dy = points_[i].getY() - y;
    if (dx * dx + dy * dy < meilleur) {
      meilleur = dx * dx + dy * dy;
      choisi = i;
    }
  }
  trouve = points_[choisi];
  return 1;
}

void listePointsDuDessin::notifyPositionPoint(const AcDbObjectId& id, const AcGePoint3d& position,
                                              int masque) {
  for (int i = 0; i < nbPoint(); ++i) {
    pointDuDessin& p = points_[i];
    if (p.getId() != id) continue;
    if (masque & 1) p.setX(position.x);
    if (masque & 2) p.setY(position.y);
    if (masque & 4) p.setZ(position.z);
    return;
  }
}

void listePointsDuDessin::decalZ(const double& dz) {
  for (int i = 0; i < nbPoint(); ++i) {
    if (points_[i].getZ() != kSansValeur) points_[i].setZ(points_[i].getZ() + dz);
  }
}

void listePointsDuDessin::fusionnerAvec(const listePointsDuDessin& autre) {
  for (int i = 0; i < autre.nbPoint(); ++i) Ajouter(autre.points_[i]);
}

void listePointsDuDessin::supprimerPoint(const wchar_t* nom) {
  const CString cle = cleDemande(nom);
  int position = -1;
  if (!index_.Lookup(cle, position) || position < 0 || position >= nbPoint()) return;
  AcDbEntity* bloc = nullptr;
  if (acdbOpenObject(bloc, points_[position].getId(), AcDb::kForWrite) == Acad::eOk) {
    bloc->erase();
    bloc->close();
  }
  const int dernier = nbPoint() - 1;
  if (position != dernier) {
    points_[position] = points_[dernier];
    index_[cleReindex(points_[position].getNomPoint())] = position;
  }
  index_.RemoveKey(cle);
  points_.RemoveAt(dernier);
}

void listePointsDuDessin::delDups() {
  std::vector<pointDuDessin> tries(points_.GetData(), points_.GetData() + nbPoint());
  const auto avant = [](const pointDuDessin& a, const pointDuDessin& b) {
    if (std::fabs(a.getX() - b.getX()) > kDoublon) return a.getX() < b.getX();
    if (std::fabs(a.getY() - b.getY()) > kDoublon) return a.getY() < b.getY();
    return a.getCode() < b.getCode();
  };
  std::sort(tries.begin(), tries.end(), avant);
  std::vector<bool> doublon(tries.size(), false);
  bool trouve = false;
  for (size_t i = 0; i < tries.size(); ++i) {
    if (doublon[i]) continue;
    for (size_t j = i + 1; j < tries.size() && tries[i].distanceTo(tries[j]) < kDoublon; ++j) {
      doublon[j] = true;
      trouve = true;
    }
  }
  if (!trouve) return;
  points_.RemoveAll();
  for (size_t i = 0; i < tries.size(); ++i) {
    if (!doublon[i]) points_.Add(tries[i]);
  }
  reindexer();
}

void listePointsDuDessin::renumeroter(bool tous) {
  if (tous) {
    for (int i = 0; i < nbPoint(); ++i) {
      CString nom;
      nom.Format(L"%d", i + 1);
      points_[i].setNomPoint(nom.GetString());
      points_[i].updateDrawing();
    }
  } else {
    int suivant = getMaxNum();
    for (int i = 0; i < nbPoint(); ++i) {
      CString nom(ansiToWide(points_[i].getNomPoint()).c_str());
      nom.Trim(L" *.");
      if (!nom.IsEmpty()) continue;
      CString numero;
      numero.Format(L"%d", ++suivant);
      points_[i].setNomPoint(numero.GetString());
    }
  }
  reindexer();
}

void listePointsDuDessin::reindexer() {
  index_.RemoveAll();
  for (int i = 0; i < nbPoint(); ++i) index_[cleReindex(points_[i].getNomPoint())] = i;
}

projetsTopo* tablesPoints = nullptr;

projetsTopo::projetsTopo() { reset(); }

projetsTopo::~projetsTopo() { removeAll(); }

listePointsDuDessin* projetsTopo::currTable() { return tables_.GetAt(current_); }

void projetsTopo::creerTablePoints(const wchar_t* nom) {
  auto* table = new listePointsDuDessin;
  table->setNomTable(nom);
  tables_.Add(table);
}

void projetsTopo::removeTablePoints(int i) {
  if (nbTables() <= 1 || i < 0 || i >= nbTables()) return;
  if (current_ >= i) current_ = std::max(current_ - 1, 0);
  delete tables_[i];
  tables_.RemoveAt(i);
}

void projetsTopo::removeAll() {
  for (int i = 0; i < nbTables(); ++i) delete tables_[i];
  tables_.RemoveAll();
  current_ = -1;
}

void projetsTopo::reset() {
  removeAll();
  creerTablePoints(L"LEVE");
  current_ = 0;
}

void projetsTopo::decalZ(const double& dz) {
  for (int i = 0; i < nbTables(); ++i) tables_[i]->decalZ(dz);
}

void projetsTopo::notifyPositionPoint(const AcDbObjectId& id, const AcGePoint3d& position, int masque) {
  for (int i = 0; i < nbTables(); ++i) tables_[i]->notifyPositionPoint(id, position, masque);
}
