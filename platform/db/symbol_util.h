// Small helpers shared by the symbol tables, dictionaries and groups: reaching an object through its
// id without the open/close ceremony (platform code that already holds the owner open), and
// comparing symbol names and dictionary keys the way the host does (case-insensitive).
#pragma once
#include <string>

#include "db/database_state.h"

// The object behind an id, of the given class, or null (no object, or another class). Erased
// objects are returned too; callers decide.
template <class T>
T* peekObject(AcDbObjectId id) {
  AcDbStub* stub = id.stub();
  return (stub != nullptr && stub->object) ? T::cast(stub->object.get()) : nullptr;
}

// Not null, loaded and not erased.
inline bool isLiveId(AcDbObjectId id) {
  AcDbStub* stub = id.stub();
  return stub != nullptr && stub->object && !stub->erased;
}

// Upper-case folding of ASCII and Latin-1 letters: names are compared without case, as the host
// compares them, whatever the process locale.
std::wstring foldSymbolName(const std::wstring& name);
bool sameSymbolName(const std::wstring& a, const std::wstring& b);
// A name a user may give a record: not empty, none of <>/\":;?*|,=` (a leading '*' excepted,
// as the host's own anonymous and special names have one).
bool isValidSymbolName(const std::wstring& name);
// A copy of a string that the caller frees with acutDelString.
ACHAR* newHostString(const std::wstring& text);

// Counts renames of symbol table records in the process, so that name indexes know when to
// rebuild.
unsigned long long symbolRenameCount();
void noteSymbolRename();
