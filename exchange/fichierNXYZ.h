// The text of N X Y Z coordinate files, in the ANSI code page: one record per line, "name X Y
// [Z [code [observation words...]]]", separated by blanks and tabs. Reading skips what it cannot
// use and stops at an overlong line; writing gives back what reading takes.
#pragma once
#include <string>
#include <string_view>

#include "exchange/pointXYZ.h"
#include "ui/afxtempl.h"

// Longest line kept, without its line break; a longer one ends the reading.
constexpr size_t kLongueurLigneNXYZ = 1023;

// Appends one record (fresh id, selection cleared) per usable line of the text.
void lireTexteNXYZ(std::string_view texte, CArray<pointXYZ, const pointXYZ&>& records);

// One record as written: a line break, then name, X, Y, Z, code and the observation after a tab
// when there is one. The file is the records one after the other.
void ecrireRecordNXYZ(const pointXYZ& record, std::string& sortie);
