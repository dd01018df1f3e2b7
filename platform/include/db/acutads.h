// Result-buffer chains: allocation, release and building, as the host's utility library has them.
// Strings and binary chunks held by a result buffer are allocated with malloc and released by
// acutRelRb.
#pragma once
#include "db/adsdef.h"

resbuf* acutNewRb(int type);
int acutRelRb(resbuf* chain);
// Builds a chain from (type, value) pairs ended by 0 or RTNONE. Values: RTREAL/RTANG double;
// RTPOINT/RT3DPOINT const ads_real*; RTSHORT int; RTLONG long (32-bit value); RTSTR const ACHAR*;
// RTENAME/RTPICKS const Adesk::LongPtr*; RTLB/RTLE/RTDOTE/RTNIL/RTT/RTVOID no value. DXF group codes
// (below 5000 or from 1000 to 1071) take the value of their code's type.
resbuf* acutBuildList(int type, ...);
// Copy of a string, allocated as result buffers expect.
ACHAR* acutNewString(const ACHAR* text);
int acutDelString(ACHAR*& text);
// Deep copy of a chain.
resbuf* acutCopyRbChain(const resbuf* chain);
// The value type (RTREAL, RTSHORT, RTSTR…) that a DXF group code carries in a result buffer.
int acdbGroupCodeToType(int groupCode);
