// The host's user-input and command-line functions: printing to the command line, prompts with
// keywords, and system variables.
#pragma once
#include "db/adsdef.h"

// acedInitGet restrictions.
enum {
  RSG_NONULL = 0x0001,
  RSG_NOZERO = 0x0002,
  RSG_NONEG = 0x0004,
  RSG_NOLIM = 0x0008,
  RSG_GETZ = 0x0010,
  RSG_DASH = 0x0020,
  RSG_2D = 0x0040,
  RSG_OTHER = 0x0080,
  RSG_DDISTFIRST = 0x0100,
  RSG_TRACKUCS = 0x0200,
  RSG_NOORTHOZ = 0x0400,
  RSG_NOOSNAP = 0x0800,
  RSG_NODDIST = 0x1000,
};

// The room acedGetString's result needs: the longest answer it gives plus the terminating NUL.
constexpr int kAcedGetStringBufferLength = 2049;

// printf-style output to the command line (wide %s takes wide text, as the host's runtime does).
int acutPrintf(const ACHAR* format, ...);
int acedPrompt(const ACHAR* text);

int acedInitGet(int flags, const ACHAR* keywordList);
int acedGetPoint(const ads_point base, const ACHAR* prompt, ads_point result);
int acedGetCorner(const ads_point base, const ACHAR* prompt, ads_point result);
int acedGetDist(const ads_point base, const ACHAR* prompt, ads_real* result);
int acedGetAngle(const ads_point base, const ACHAR* prompt, ads_real* result);
int acedGetOrient(const ads_point base, const ACHAR* prompt, ads_real* result);
int acedGetInt(const ACHAR* prompt, int* result);
int acedGetReal(const ACHAR* prompt, ads_real* result);
// cronly non-zero: the answer may contain blanks and ends at Enter only. The result receives at
// most kAcedGetStringBufferLength characters with the NUL.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result);
// The same with the caller's buffer size; a longer answer gives RTINPUTTRUNCATED.
int acedGetString(int cronly, const ACHAR* prompt, ACHAR* result, size_t bufLen);
int acedGetKword(const ACHAR* prompt, ACHAR* result);
int acedGetKword(const ACHAR* prompt, ACHAR* result, size_t bufLen);
// The keyword (or arbitrary text) of the last input call that returned RTKWORD.
int acedGetInput(ACHAR* result);
int acedGetInput(ACHAR* result, size_t bufLen);

// System variables. A string value is allocated for the caller (release it with free, or acutRelRb
// on a chain built from it).
int acedGetVar(const ACHAR* name, resbuf* result);
int acedSetVar(const ACHAR* name, const resbuf* value);
