// The host's own file dialog (getfiled), answered from the input like CFileDialog.
#pragma once
#include "db/adsdef.h"

// flags: 1 asks for a new file (an existing one needs confirming, unless 32 is set too); 4 lets
// the name keep any extension (otherwise ext is appended to a name without one); the others
// (2, 8, 16, 64, 128) change nothing here. ext "" or "*" accepts every file. On success result
// holds the chosen path as RTSTR (a string of acutNewString, freed by the caller) and RTNORM is
// returned; a cancel gives RTERROR and leaves result untouched.
int acedGetFileD(const ACHAR* title, const ACHAR* defaultName, const ACHAR* ext, int flags,
                 resbuf* result);
