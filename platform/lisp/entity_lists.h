// Internal: conversion between an object's group-code items and the association lists of entget,
// entmod and entmake.
#pragma once
#include "db/dbtag.h"
#include "lisp/value.h"

class AcDbObject;

namespace lisp {

// The pair (code . value), or (code x y z) for a point, for one item.
ValuePtr itemToPair(const DxfItem& item);
// The item for a pair; false when the value does not suit the code.
bool pairToItem(const ValuePtr& pair, DxfItem& item);
// Extended data items (1001 groups) as the (-3 ("APP" …) …) entry, keeping the applications that
// match one of the names ("*" matches all).
ValuePtr xdataEntry(const DxfItemList& xdata, const std::vector<std::wstring>& apps);
// Extended data items from a -3 entry; false on a malformed entry.
bool xdataItems(const ValuePtr& entry, DxfItemList& items, std::vector<std::wstring>& apps);

}  // namespace lisp
