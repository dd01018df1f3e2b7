// Code-page conversions. The ANSI code page of the stand-in is Windows-1252 (the host's Western
// European setting); narrow text of the module (point names, data files) is in it.
#pragma once
#include <string>
#include <string_view>

#include "os/windef.h"

#define CP_ACP 0
#define CP_OEMCP 1
#define CP_THREAD_ACP 3
#define CP_UTF8 65001
#define MB_PRECOMPOSED 0x00000001
#define MB_ERR_INVALID_CHARS 0x00000008
#define WC_NO_BEST_FIT_CHARS 0x00000400
#define WC_ERR_INVALID_CHARS 0x00000080

// As on Windows: a length of -1 means "up to and including the terminating NUL"; a destination size
// of 0 asks for the needed size; a destination too small gives 0 and ERROR_INSUFFICIENT_BUFFER.
// CP_ACP, CP_THREAD_ACP and 1252 are Windows-1252; CP_OEMCP is read as Windows-1252 too; CP_UTF8.
// Invalid UTF-8 becomes U+FFFD (or fails with ERROR_NO_UNICODE_TRANSLATION under
// MB_ERR_INVALID_CHARS).
int MultiByteToWideChar(UINT codePage, DWORD flags, LPCSTR multiByte, int multiByteLength,
                        LPWSTR wide, int wideLength);
// Characters outside Windows-1252 become defaultChar (default "?") and set *usedDefaultChar;
// both must be null for CP_UTF8.
int WideCharToMultiByte(UINT codePage, DWORD flags, LPCWSTR wide, int wideLength, LPSTR multiByte,
                        int multiByteLength, LPCSTR defaultChar, LPBOOL usedDefaultChar);

// The same conversions as plain C++ helpers.
std::wstring ansiToWide(std::string_view ansi);
// Characters outside Windows-1252 become "?"; *usedDefault tells whether any did.
std::string wideToAnsi(std::wstring_view wide, bool* usedDefault = nullptr);
// Invalid UTF-8 sequences become U+FFFD.
std::wstring utf8ToWide(std::string_view utf8);
// Code points that UTF-8 cannot carry (surrogates, beyond U+10FFFF) become U+FFFD.
std::string wideToUtf8(std::wstring_view wide);

// One character of Windows-1252 and back; charToAnsi gives -1 for a character outside it.
wchar_t ansiCharToWide(char c);
int wideCharToAnsi(wchar_t c);
