// The framework's collection templates: CArray (growable array) and CMap (dictionary). An index
// out of range raises the framework's invalid-argument exception (a CInvalidArgException*).
#pragma once
#include <functional>
#include <string_view>
#include <unordered_map>
#include <utility>
#include <vector>

#include "ui/afxwin.h"

template <typename TYPE, typename ARG_TYPE = const TYPE&>
class CArray : public CObject {
 public:
  CArray() = default;
  CArray(const CArray&) = default;
  CArray& operator=(const CArray&) = default;

  INT_PTR GetSize() const { return static_cast<INT_PTR>(items_.size()); }
  INT_PTR GetCount() const { return GetSize(); }
  BOOL IsEmpty() const { return items_.empty(); }
  INT_PTR GetUpperBound() const { return GetSize() - 1; }
  // growBy is the framework's allocation hint, not needed here.
  void SetSize(INT_PTR newSize, INT_PTR growBy = -1) {
    (void)growBy;
    if (newSize < 0) AfxThrowInvalidArgException();
    items_.resize(static_cast<size_t>(newSize));
  }
  void FreeExtra() { items_.shrink_to_fit(); }
  void RemoveAll() { items_.clear(); }

  const TYPE& GetAt(INT_PTR index) const { return items_[checked(index)]; }
  TYPE& GetAt(INT_PTR index) { return items_[checked(index)]; }
  void SetAt(INT_PTR index, ARG_TYPE element) { items_[checked(index)] = element; }
  const TYPE& ElementAt(INT_PTR index) const { return GetAt(index); }
  TYPE& ElementAt(INT_PTR index) { return GetAt(index); }
  const TYPE* GetData() const { return items_.data(); }
  TYPE* GetData() { return items_.data(); }

  // Grows the array when index is past the end.
  void SetAtGrow(INT_PTR index, ARG_TYPE element) {
    if (index < 0) AfxThrowInvalidArgException();
    if (index >= GetSize()) items_.resize(static_cast<size_t>(index) + 1);
    items_[static_cast<size_t>(index)] = element;
  }
  INT_PTR Add(ARG_TYPE element) {
    items_.push_back(element);
    return GetSize() - 1;
  }
  INT_PTR Append(const CArray& other) {
    INT_PTR first = GetSize();
    items_.insert(items_.end(), other.items_.begin(), other.items_.end());
    return first;
  }
  void Copy(const CArray& other) { items_ = other.items_; }
  // Inserts count copies at index; an index past the end grows the array first.
  void InsertAt(INT_PTR index, ARG_TYPE element, INT_PTR count = 1) {
    if (index < 0 || count < 0) AfxThrowInvalidArgException();
    if (index > GetSize()) items_.resize(static_cast<size_t>(index));
    items_.insert(items_.begin() + index, static_cast<size_t>(count), element);
  }
  void RemoveAt(INT_PTR index, INT_PTR count = 1) {
    if (index < 0 || count < 0 || index + count > GetSize()) AfxThrowInvalidArgException();
    items_.erase(items_.begin() + index, items_.begin() + index + count);
  }

  const TYPE& operator[](INT_PTR index) const { return GetAt(index); }
  TYPE& operator[](INT_PTR index) { return GetAt(index); }

 private:
  size_t checked(INT_PTR index) const {
    if (index < 0 || index >= GetSize()) AfxThrowInvalidArgException();
    return static_cast<size_t>(index);
  }
  std::vector<TYPE> items_;
};

// How CMap hashes its keys: std::hash, and the text of the framework's strings.
template <typename KEY>
struct CMapKeyHash {
  size_t operator()(const KEY& key) const { return std::hash<KEY>()(key); }
};
template <typename C>
struct CMapKeyHash<CStringT<C>> {
  size_t operator()(const CStringT<C>& key) const {
    return std::hash<std::basic_string_view<C>>()(
        std::basic_string_view<C>(key.GetString(), static_cast<size_t>(key.GetLength())));
  }
};

// A hash table, as the framework's: lookups in constant time, positions walk the entries in no
// particular order (each step is constant time too).
template <typename KEY, typename ARG_KEY, typename VALUE, typename ARG_VALUE>
class CMap : public CObject {
 public:
  CMap() = default;
  explicit CMap(INT_PTR blockSize) { (void)blockSize; }

  INT_PTR GetCount() const { return static_cast<INT_PTR>(items_.size()); }
  INT_PTR GetSize() const { return GetCount(); }
  BOOL IsEmpty() const { return items_.empty(); }
  BOOL Lookup(ARG_KEY key, VALUE& value) const {
    auto it = items_.find(key);
    if (it == items_.end()) return FALSE;
    value = it->second;
    return TRUE;
  }
  VALUE& operator[](ARG_KEY key) { return items_[key]; }
  void SetAt(ARG_KEY key, ARG_VALUE value) { items_[key] = value; }
  BOOL RemoveKey(ARG_KEY key) { return items_.erase(key) != 0; }
  void RemoveAll() { items_.clear(); }
  void InitHashTable(UINT size, BOOL allocNow = TRUE) {
    (void)allocNow;
    items_.reserve(size);
  }

  // A position is the address of an entry (entries do not move while the map is not changed).
  POSITION GetStartPosition() const { return items_.empty() ? nullptr : toPosition(*items_.begin()); }
  void GetNextAssoc(POSITION& pos, KEY& key, VALUE& value) const {
    const auto* entry = reinterpret_cast<const Entry*>(pos);
    auto it = entry != nullptr ? items_.find(entry->first) : items_.end();
    if (it == items_.end()) AfxThrowInvalidArgException();
    key = it->first;
    value = it->second;
    ++it;
    pos = it == items_.end() ? nullptr : toPosition(*it);
  }

 private:
  typedef std::pair<const KEY, VALUE> Entry;
  static POSITION toPosition(const Entry& entry) {
    return reinterpret_cast<POSITION>(const_cast<Entry*>(&entry));
  }
  std::unordered_map<KEY, VALUE, CMapKeyHash<KEY>> items_;
};

// The framework's ready-made arrays.
typedef CArray<CString, const CString&> CStringArray;
typedef CArray<UINT, UINT> CUIntArray;
typedef CArray<DWORD, DWORD> CDWordArray;
typedef CArray<WORD, WORD> CWordArray;
typedef CArray<BYTE, BYTE> CByteArray;
typedef CArray<void*, void*> CPtrArray;
