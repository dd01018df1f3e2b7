// The attributes of a block reference, as the module reads and changes them (point blocks,
// blocks of the drawing routines).
#pragma once
#include <functional>
#include <map>
#include <string>

class AcDbAttribute;
class AcDbBlockReference;

// The texts of the attributes of an open block reference by tag in upper case; the first
// attribute of each tag wins.
typedef std::map<std::wstring, std::wstring> textesAttributs;
textesAttributs lireAttributs(const AcDbBlockReference& bloc);
// The text of that tag (any case), or null when the block has none.
const std::wstring* texteAttribut(const textesAttributs& textes, const wchar_t* etiquette);

// Each attribute of an open block reference, opened for write while change runs.
void modifierAttributs(const AcDbBlockReference& bloc, const std::function<void(AcDbAttribute&)>& change);
