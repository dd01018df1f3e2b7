// The host's interface for functions that modules define for LISP: their arguments and results.
#pragma once
#include "db/adsdef.h"

// The arguments of the external function being called. The chain belongs to the interpreter.
resbuf* acedGetArgs();
int acedRetInt(int value);
int acedRetReal(ads_real value);
int acedRetStr(const ACHAR* text);
int acedRetPoint(const ads_point point);
int acedRetName(const ads_name name, int type);
// A list given as a chain (RTLB … RTLE and RTDOTE as in arguments); a chain of several values
// without an enclosing RTLB gives the list of those values.
int acedRetList(const resbuf* chain);
int acedRetVal(const resbuf* value);
int acedRetNil();
int acedRetT();
int acedRetVoid();
