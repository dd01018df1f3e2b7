// A table of coordinate records with the path of its N X Y Z file: loading, saving, sorting the
// form's columns, renaming and placing the records as survey points.
#pragma once
#include <cstdint>

#include "exchange/pointXYZ.h"
#include "ui/afxtempl.h"

class tableCodification;

class tableObsXYZ {
 public:
  tableObsXYZ() = default;
  // Sets the path and loads the file into the empty table.
  explicit tableObsXYZ(const wchar_t* chemin);
  virtual ~tableObsXYZ() = default;

  // The file (the argument, else the table's path), emptying the table first when asked. False
  // for an empty path or a file that does not open (silently), or an error while reading
  // (message box).
  bool load(const wchar_t* chemin = nullptr, bool vider = false);
  // ".xyz" is added unless the name ends with it. False for an empty path, or with a message box
  // when the file cannot be written.
  bool save(const wchar_t* chemin = nullptr);

  // The order of two records (by id) for a column of the form: 0 names in natural order, 1 X,
  // 2 Y, 3 Z, 4 code, 5 id. -1, 0 or 1; 0 when an id is not in the table.
  int compare(std::uint32_t idA, std::uint32_t idB, int colonne) const;
  // Record i named prefix, premier + i, suffix.
  void renumber(const wchar_t* prefixe, int premier, const wchar_t* suffixe);
  // Every record as a survey point of the current table of the current project, replacing a
  // point of the same name; the codes' layers made first. The number of points placed.
  int placeInDrawing(tableCodification* codes);
  void add(const pointXYZ& record);
  void RemoveAll();

  int count() const { return static_cast<int>(records_.GetSize()); }
  const pointXYZ& getAt(int i) const { return records_.GetAt(i); }
  // Null when no record has that id.
  const pointXYZ* find(std::uint32_t id) const;

  const CString& chemin() const { return chemin_; }
  void setChemin(const wchar_t* chemin) { chemin_ = chemin != nullptr ? chemin : L""; }
  tableCodification* codes() const { return codes_; }
  void setCodes(tableCodification* codes) { codes_ = codes; }

 private:
  void indexer() const;

  tableCodification* codes_ = nullptr;
  CArray<pointXYZ, const pointXYZ&> records_;
  CString chemin_;
  // Position of each id, rebuilt when the records changed (sorting looks ids up many times).
  mutable CMap<std::uint32_t, std::uint32_t, int, int> index_;
  mutable bool indexAJour_ = false;
};
