// The line tokenizer shared by the text data files of the computations (observation files,
// least-squares data files): blank, tab, ":" and "=" separate tokens, a double quote opens a token
// that runs to the next double quote and may hold separators, a line starting with "*" is a
// comment. Keywords are recognised by their first letters, without regard to case.
#pragma once
#include <vector>

#include "ui/afxstr.h"

// The longest line a data file may hold; the rest of a longer line is dropped by the readers.
constexpr int kLongueurMaxLigneDonnees = 1023;

// The separators between tokens.
inline constexpr wchar_t kSeparateursDonnees[] = L" \t:=";

// True when the line's first character is "*" (no blank may precede it).
bool estLigneCommentaire(const CString& ligne);

// The tokens of one line, in order; empty tokens are dropped, a comment line gives none. A quoted
// token missing its closing quote ends the line's tokens (that token is dropped too). The quotes
// are not part of the token.
std::vector<CString> decouperLigneDonnees(const CString& ligne);

// True when the token, upper-cased, starts with the first `lettres` letters of the keyword
// (given in capitals): motCleCorrespond(L"Angles", L"ANGLES", 4) is true. A token shorter than
// `lettres` never matches.
bool motCleCorrespond(const CString& jeton, const wchar_t* motCle, int lettres);

// The token's first character upper-cased, or 0 for an empty token.
wchar_t premiereLettre(const CString& jeton);

// The number written at the start of the token, as the standard text-to-double conversion reads
// it: leading blanks skipped, the longest leading part that forms a decimal number; 0 when there
// is none. A value that is not finite (an overflow, "inf", "nan") reads as 0 so that no data file
// can bring one into a computation.
double lireNombreDonnees(const CString& jeton);

// As lireNombreDonnees, and tells whether the whole token (blanks around it aside) is a number.
bool lireNombreStrict(const CString& jeton, double& valeur);
