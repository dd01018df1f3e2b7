// Internal: one group-code item as a result buffer (restype = the group code) and back.
#pragma once
#include "db/adsdef.h"
#include "db/dbtag.h"

// A new buffer the caller releases with acutRelRb. Handles become hexadecimal text, references
// entity names, binary data a binary chunk.
resbuf* dxfItemToResbuf(const DxfItem& item);
// False for a buffer whose restype is not a group code (a value type), or whose value cannot be
// read for its code (a handle that is not hexadecimal).
bool resbufToDxfItem(const resbuf* rb, DxfItem& item);
