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

// Defines the two getters the host gives a text of a record (name, comments, file names): a new
// copy the caller frees, and the record's own string (valid while the record is open).
#define DEFINE_RECORD_TEXT_GETTERS(Class, getter, member)      \
  Acad::ErrorStatus Class::getter(ACHAR*& text) const {        \
    text = newHostString(member);                              \
    return Acad::eOk;                                          \
  }                                                            \
  Acad::ErrorStatus Class::getter(const ACHAR*& text) const {  \
    text = member.c_str();                                     \
    return Acad::eOk;                                          \
  }
// The same with the setter of a text that may be set to anything (a null text empties it).
#define DEFINE_RECORD_TEXT_PROPERTY(Class, getter, setter, member) \
  DEFINE_RECORD_TEXT_GETTERS(Class, getter, member)                \
  Acad::ErrorStatus Class::setter(const ACHAR* text) {             \
    return assignMember(member, text ? text : L"");                \
  }

// Counts renames of symbol table records in the process, so that name indexes know when to
// rebuild.
unsigned long long symbolRenameCount();
void noteSymbolRename();
