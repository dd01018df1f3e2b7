// The table of point codes and its code file. Entries are kept in insertion order and are not
// unique by construction; every lookup by number takes the first entry with that number, and the
// creating lookups (getCodif, getLibelle) add a missing code at once, so that they never fail.
#pragma once
#include "codification/codifPoint.h"
#include "ui/afxtempl.h"

class tableCodification {
 public:
  // Loads the file given; if that gives no code, the default code file "defcodif" of the
  // installation folder; if that gives none either, the two default codes, written at once to
  // the default file.
  explicit tableCodification(const wchar_t* chemin = nullptr);
  tableCodification(const tableCodification& autre) = default;
  virtual ~tableCodification();
  // Copies the codes (the path stays).
  tableCodification& operator=(const tableCodification& autre);

  // Appends the codes of the file (the argument, else the table's path). True when the table
  // then holds at least one code.
  bool load(const wchar_t* chemin = nullptr);
  // Writes the whole table to the file (the argument, else the table's path), replacing it.
  bool save(const wchar_t* chemin = nullptr);
  // Only the two codes "Point topo" (1) and "Station" (100).
  void setDefaults();

  int indexOfCode(int code) const;  // -1 when absent
  codifPoint& getCodif(int code);   // appends "Code %d" when absent
  CString getLibelle(int code);     // appends "Code N° %d" when absent
  // The framework's invalid-argument exception outside 0..count()-1.
  codifPoint& getAt(int index);
  const codifPoint& getAt(int index) const;
  int count() const { return static_cast<int>(codes_.GetSize()); }
  int Add(const codifPoint& codif) { return static_cast<int>(codes_.Add(codif)); }
  void removeAt(int index);
  void RemoveAll() { codes_.RemoveAll(); }
  // Ascending by number; entries with the same number keep no particular order.
  void sortByCode();
  // createLayers of every code on one layer table (the current drawing's when null).
  void createLayers(AcDbLayerTable* table = nullptr);
  // The code dialog on entry index, in edit mode. IDOK when the entry was changed.
  int editCode(int index);
  // The order of the code list's column: 0 number, 1 label (ignoring case), 2 altitude decimals
  // then number, 3 block path (ignoring case). -1, 0 or 1; 0 when either code is absent.
  int compareCodes(int codeA, int codeB, int colonne) const;

  const CString& chemin() const { return chemin_; }
  void setChemin(const CString& chemin) { chemin_ = chemin; }

 private:
  CString chemin_;
  CArray<codifPoint, const codifPoint&> codes_;
};
