// A point table: the points by value in insertion order, and an index from normalized name
// (lower case, blanks trimmed) to position. Names need not be unique: the index holds the last
// point added under a name.
#pragma once
#include "ge/gepnt3d.h"
#include "ge/gevec2d.h"
#include "points/pointDuDessin.h"
#include "ui/afxtempl.h"

class CResbuf;

class listePointsDuDessin {
 public:
  listePointsDuDessin();

  // Appends a copy; the index points its name at it.
  void Ajouter(const pointDuDessin& point);
  // A point named nom ("*" without one) at that position, unless its altitude is exactly 0.
  void CreerPoint(const AcGePoint3d& position, int code, const wchar_t* nom);
  // 1 and the position of the name, or 0 and -1.
  int existPoint(const wchar_t* nom, int& position) const;
  int getObjId(const wchar_t* nom, AcDbObjectId& id) const;
  // The insertion point of the point's block, or the record's coordinates when the block does not
  // open; 0 when the name is unknown.
  int getBlockPosition(const wchar_t* nom, AcGePoint3d& position, int& code) const;

  // Bounds-checked: the framework's invalid-argument exception outside 0..n-1.
  pointDuDessin* getData(int i);
  pointDuDessin* getData() { return points_.GetData(); }
  int nbPoint() const { return static_cast<int>(points_.GetSize()); }
  CString getNomTable() const { return nom_; }
  void setNomTable(const wchar_t* nom) { nom_ = nom ? nom : L""; }

  // The largest leading whole number of the names; 0 when none is above 0.
  int getMaxNum() const;
  int nombreAyantCode(int code) const;
  // The first point within 1e-6 of (x, y) on each axis.
  int getAt(double x, double y, pointDuDessin& trouve) const;
  // The nearest point in plane distance (the first on ties); 0 for an empty table.
  int findNearestTo(double x, double y, pointDuDessin& trouve) const;
  // The first point of that block takes x (mask bit 1), y (bit 2), z (bit 4) from the position.
  void notifyPositionPoint(const AcDbObjectId& id, const AcGePoint3d& position, int masque);
  // Adds dz to every altitude that has a value.
  void decalZ(const double& dz);
  void fusionnerAvec(const listePointsDuDessin& autre);
  // Every point's block brought up to date, under the progress dialog.
  void updateDrawing();
  // The table made again from the point blocks of the drawing (any block reference with a number
  // attribute), in the drawing's order; the name of the table is kept.
  void updateFromDrawing();

  // Points made from drawing entities the user selects, of the kinds whose bits are set (see
  // importPoints.cpp), then duplicates removed and numbers given after the highest one.
  void importFromDrawing(int kinds, CString& numberTag, CString& altitudeTag, CString& codeTag,
                         AcGeVector2d& textOffset);

  // The table in a value chain: its name (300), its point count (90), its points. 0 at the first
  // item that fails; reading keeps what was read before it.
  int saveToXRecord(CResbuf& chaine) const;
  int ReadFromXRecord(CResbuf& chaine);

  // Removes the point of that name and erases its block; the last point takes its place.
  void supprimerPoint(const wchar_t* nom);
  // Removes points at the same place (within 1e-8), keeping the one that sorts first by x, y,
  // code; the table is left as it was when there is none.
  void delDups();
  // all: every point is named after its position (1, 2, …) and its block updated. Otherwise the
  // points without a number ("", "*", ".") get the numbers after the highest one, in table order,
  // blocks untouched.
  void renumeroter(bool tous);

 private:
  void reindexer();

  CMap<CString, const CString&, int, int> index_;
  CArray<pointDuDessin, const pointDuDessin&> points_;
  CString nom_;
};

// The tables of a drawing and the current one.
class projetsTopo {
 public:
  projetsTopo();
  ~projetsTopo();
  projetsTopo(const projetsTopo&) = delete;
  projetsTopo& operator=(const projetsTopo&) = delete;

  // The framework's invalid-argument exception when there is no current table.
  listePointsDuDessin* currTable();
  int current() const { return current_; }
  void setCurrent(int index) { current_ = index; }
  int nbTables() const { return static_cast<int>(tables_.GetSize()); }
  listePointsDuDessin* getTable(int i) { return tables_.GetAt(i); }

  void creerTablePoints(const wchar_t* nom);
  // Nothing with one table or an index out of range; the current table stays the same one when it
  // can.
  void removeTablePoints(int i);
  void removeAll();
  void reset();
  void decalZ(const double& dz);
  void notifyPositionPoint(const AcDbObjectId& id, const AcGePoint3d& position, int masque);

  // The project in a value chain: current (90), table count (90), then each table. Saving prints
  // "\t*** ERREUR ***" at the first item that cannot be appended. Loading replaces the tables;
  // a chain that is empty, foreign or short leaves one empty table "LEVE" and gives 0.
  int SaveToXrecord(CResbuf& chaine) const;
  int LoadFromXrecord(CResbuf& chaine);

 private:
  int current_ = 0;
  CArray<listePointsDuDessin*, listePointsDuDessin*> tables_;
};

// The project every command and LISP function works on (set by setSrcInfosTopo); null until then.
extern projetsTopo* tablesPoints;
