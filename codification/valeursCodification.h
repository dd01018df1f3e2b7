// How the code file's values are read and written: the trimming of names, the decoding of its
// strings (UTF-8 when marked, else the ANSI code page) and the leading-number conversions.
#pragma once
#include <string>
#include <string_view>

#include "ui/afxstr.h"

// The characters that trimming of paths, layer names and code texts removes at both ends.
extern const wchar_t* const kCaracteresARogner;  // " \t,;."

// A copy trimmed of kCaracteresARogner at both ends.
CString rogner(const CString& texte);

// The UTF-8 bytes decoded as the code file's reader has always done it: a byte that cannot start
// a sequence is skipped, a malformed or cut sequence ends the text, and characters beyond 16 bits
// become "?".
std::wstring decoderUtf8(std::string_view octets);

// The leading number of the text, as atoi and atof read it: leading blanks, an optional sign,
// digits (for the real: an optional decimal part and exponent); the first character that does not
// fit ends it; no number gives 0. The integer saturates at the limits of 32 bits.
int entierEnTete(const char* texte);
double reelEnTete(const char* texte);
