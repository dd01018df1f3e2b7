// The framework's string classes: CStringW (CString, the host being a Unicode build) and CStringA,
// whose narrow text is in the ANSI code page (Windows-1252). Positions and lengths are in
// characters, as int. Text is compared and cased the same whatever the C locale: upper and lower
// case cover ASCII, Latin-1 and Latin Extended-A, so that accented French text works.
#pragma once
#include <cstdarg>
#include <string>
#include <type_traits>

#include "os/windef.h"

template <typename BaseType>
class CStringT;
typedef CStringT<wchar_t> CStringW;
typedef CStringT<char> CStringA;
typedef CStringW CString;

namespace cstring_detail {
template <typename C>
struct OtherChar;
template <>
struct OtherChar<char> {
  typedef wchar_t type;
};
template <>
struct OtherChar<wchar_t> {
  typedef char type;
};

// A string object given to Format stands for its text, as code written for the host expects (the
// host's class is laid out so that this works through "...").
template <typename T>
inline const T& formatArg(const T& value) {
  return value;
}
template <typename C>
inline const C* formatArg(const CStringT<C>& text) {
  return text.GetString();
}
template <typename T>
constexpr bool passableThroughEllipsis =
    std::is_trivially_copyable_v<std::decay_t<T>> || std::is_array_v<std::remove_reference_t<T>>;
}  // namespace cstring_detail

template <typename BaseType>
class CStringT {
 public:
  typedef BaseType XCHAR;
  typedef XCHAR* PXSTR;
  typedef const XCHAR* PCXSTR;
  typedef typename cstring_detail::OtherChar<BaseType>::type YCHAR;
  typedef YCHAR* PYSTR;
  typedef const YCHAR* PCYSTR;

  CStringT() = default;
  CStringT(const CStringT&) = default;
  CStringT(CStringT&&) noexcept = default;
  // A null pointer gives the empty string.
  CStringT(PCXSTR text);
  CStringT(PCXSTR text, int length);
  // Narrow text to wide (or wide to narrow) through the ANSI code page; characters outside it
  // become "?".
  CStringT(PCYSTR text);
  CStringT(PCYSTR text, int length);
  CStringT(const CStringT<YCHAR>& other);
  CStringT(XCHAR ch, int repeat = 1);
  CStringT(YCHAR ch, int repeat = 1);
  ~CStringT() = default;

  CStringT& operator=(const CStringT&) = default;
  CStringT& operator=(CStringT&&) noexcept = default;
  CStringT& operator=(PCXSTR text);
  CStringT& operator=(PCYSTR text);
  CStringT& operator=(const CStringT<YCHAR>& other);
  CStringT& operator=(XCHAR ch);

  CStringT& operator+=(const CStringT& text);
  CStringT& operator+=(PCXSTR text);
  CStringT& operator+=(PCYSTR text);
  CStringT& operator+=(XCHAR ch);

  int GetLength() const { return static_cast<int>(text_.size()); }
  bool IsEmpty() const { return text_.empty(); }
  void Empty() { text_.clear(); }
  PCXSTR GetString() const { return text_.c_str(); }
  operator PCXSTR() const { return text_.c_str(); }

  // Out-of-range positions throw std::out_of_range (the host raises an invalid-argument error).
  XCHAR GetAt(int index) const;
  void SetAt(int index, XCHAR ch);
  XCHAR operator[](int index) const { return GetAt(index); }

  void SetString(PCXSTR text);
  void SetString(PCXSTR text, int length);
  void Append(PCXSTR text);
  void Append(PCXSTR text, int length);
  void Append(const CStringT& text) { text_ += text.text_; }
  void AppendChar(XCHAR ch) { text_ += ch; }

  // Counts and positions are clamped to the string, never an error: Mid(-2, 3) is Mid(0, 3),
  // Left(99) the whole string.
  CStringT Left(int count) const;
  CStringT Right(int count) const;
  CStringT Mid(int first) const;
  CStringT Mid(int first, int count) const;
  CStringT SpanIncluding(PCXSTR charSet) const;
  CStringT SpanExcluding(PCXSTR charSet) const;

  // Positions, or -1. A start past the end finds nothing; an empty substring is found at start.
  int Find(XCHAR ch, int start = 0) const;
  int Find(PCXSTR sub, int start = 0) const;
  int ReverseFind(XCHAR ch) const;
  int FindOneOf(PCXSTR charSet) const;

  // Both return how many replacements were made (0 when old and new are the same character or the
  // old text is empty); occurrences are taken left to right without overlap.
  int Replace(XCHAR oldChar, XCHAR newChar);
  int Replace(PCXSTR oldText, PCXSTR newText);
  int Remove(XCHAR ch);  // how many were removed
  // These two return the new length; the position is clamped to the string.
  int Insert(int index, XCHAR ch);
  int Insert(int index, PCXSTR text);
  int Delete(int index, int count = 1);

  // White space is space, tab, CR, LF, VT and FF.
  CStringT& Trim();
  CStringT& Trim(XCHAR target);
  CStringT& Trim(PCXSTR targets);
  CStringT& TrimLeft();
  CStringT& TrimLeft(XCHAR target);
  CStringT& TrimLeft(PCXSTR targets);
  CStringT& TrimRight();
  CStringT& TrimRight(XCHAR target);
  CStringT& TrimRight(PCXSTR targets);

  CStringT& MakeUpper();
  CStringT& MakeLower();
  CStringT& MakeReverse();

  // <0, 0 or >0. Compare is by character code; CompareNoCase folds case (accented letters too);
  // Collate orders as a dictionary does (accents count only between otherwise equal words).
  int Compare(PCXSTR other) const;
  int CompareNoCase(PCXSTR other) const;
  int Collate(PCXSTR other) const;
  int CollateNoCase(PCXSTR other) const;

  // printf formats of the host's runtime: in a wide format %s and %c take wide text and %S and %C
  // narrow text (the other way round in a narrow format); %hs/%ls and %hc/%lc name the width
  // explicitly. %I64d, %I64u, %I64x take 64-bit numbers; %ld and %lu 32-bit ones, as long is 32
  // bits there. Numbers always use "." whatever the locale. A CString argument stands for its text.
  template <typename... Args>
  void Format(PCXSTR format, const Args&... args) {
    static_assert(
        (cstring_detail::passableThroughEllipsis<decltype(cstring_detail::formatArg(args))> && ...),
        "Format takes numbers, characters, pointers and strings only");
    FormatArgs(format, cstring_detail::formatArg(args)...);
  }
  template <typename... Args>
  void AppendFormat(PCXSTR format, const Args&... args) {
    static_assert(
        (cstring_detail::passableThroughEllipsis<decltype(cstring_detail::formatArg(args))> && ...),
        "AppendFormat takes numbers, characters, pointers and strings only");
    AppendFormatArgs(format, cstring_detail::formatArg(args)...);
  }
  void FormatV(PCXSTR format, va_list args);
  void AppendFormatV(PCXSTR format, va_list args);

  // Direct access: GetBuffer(n) gives room for at least n characters plus the NUL;
  // ReleaseBuffer(-1) takes the length up to the first NUL, ReleaseBuffer(n) takes n.
  PXSTR GetBuffer();
  PXSTR GetBuffer(int minLength);
  PXSTR GetBufferSetLength(int length);
  void ReleaseBuffer(int newLength = -1);
  void ReleaseBufferSetLength(int newLength);
  void Preallocate(int length);
  void FreeExtra() { text_.shrink_to_fit(); }
  int GetAllocLength() const { return static_cast<int>(text_.capacity()); }

  // The next token after start, skipping leading delimiters; start moves past it, or becomes -1
  // (and the result is empty) when no token is left.
  CStringT Tokenize(PCXSTR delimiters, int& start) const;

  // String resources are not available yet: always FALSE and the string is left unchanged.
  BOOL LoadString(UINT id);

  friend bool operator==(const CStringT& a, const CStringT& b) { return a.text_ == b.text_; }
  friend bool operator==(const CStringT& a, PCXSTR b) { return a.Compare(b) == 0; }
  friend bool operator==(PCXSTR a, const CStringT& b) { return b.Compare(a) == 0; }
  friend bool operator!=(const CStringT& a, const CStringT& b) { return !(a == b); }
  friend bool operator!=(const CStringT& a, PCXSTR b) { return !(a == b); }
  friend bool operator!=(PCXSTR a, const CStringT& b) { return !(a == b); }
  friend bool operator<(const CStringT& a, const CStringT& b) { return a.Compare(b) < 0; }
  friend bool operator<(const CStringT& a, PCXSTR b) { return a.Compare(b) < 0; }
  friend bool operator<(PCXSTR a, const CStringT& b) { return b.Compare(a) > 0; }
  friend bool operator>(const CStringT& a, const CStringT& b) { return a.Compare(b) > 0; }
  friend bool operator>(const CStringT& a, PCXSTR b) { return a.Compare(b) > 0; }
  friend bool operator>(PCXSTR a, const CStringT& b) { return b.Compare(a) < 0; }
  friend bool operator<=(const CStringT& a, const CStringT& b) { return a.Compare(b) <= 0; }
  friend bool operator<=(const CStringT& a, PCXSTR b) { return a.Compare(b) <= 0; }
  friend bool operator<=(PCXSTR a, const CStringT& b) { return b.Compare(a) >= 0; }
  friend bool operator>=(const CStringT& a, const CStringT& b) { return a.Compare(b) >= 0; }
  friend bool operator>=(const CStringT& a, PCXSTR b) { return a.Compare(b) >= 0; }
  friend bool operator>=(PCXSTR a, const CStringT& b) { return b.Compare(a) <= 0; }

  friend CStringT operator+(const CStringT& a, const CStringT& b) {
    CStringT result(a);
    result.text_ += b.text_;
    return result;
  }
  friend CStringT operator+(const CStringT& a, PCXSTR b) {
    CStringT result(a);
    result.Append(b);
    return result;
  }
  friend CStringT operator+(PCXSTR a, const CStringT& b) {
    CStringT result(a);
    result.text_ += b.text_;
    return result;
  }
  friend CStringT operator+(const CStringT& a, XCHAR b) {
    CStringT result(a);
    result.text_ += b;
    return result;
  }
  friend CStringT operator+(XCHAR a, const CStringT& b) {
    CStringT result(a);
    result.text_ += b.text_;
    return result;
  }

 private:
  // The arguments may point into this string: the text is built apart, then swapped in.
  void FormatArgs(PCXSTR format, ...);
  void AppendFormatArgs(PCXSTR format, ...);

  std::basic_string<XCHAR> text_;
};

extern template class CStringT<char>;
extern template class CStringT<wchar_t>;
