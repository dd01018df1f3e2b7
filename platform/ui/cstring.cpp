#include <algorithm>
#include <stdexcept>
#include <string_view>

#include "os/case_map.h"
#include "os/codepage.h"
#include "ui/afxstr.h"
#include "ui/cstring_format.h"
#include "ui/dlgtemplate.h"

namespace {

template <typename C>
size_t lengthOf(const C* text) {
  return text ? std::char_traits<C>::length(text) : 0;
}

template <typename C>
std::basic_string_view<C> viewOf(const C* text) {
  return text ? std::basic_string_view<C>(text) : std::basic_string_view<C>();
}

// Text of the other width, through the ANSI code page.
std::wstring convert(std::string_view text, wchar_t*) { return ansiToWide(text); }
std::string convert(std::wstring_view text, char*) { return wideToAnsi(text); }

template <typename C>
bool isWhiteSpace(C c) {
  return c == ' ' || c == '\t' || c == '\n' || c == '\r' || c == '\v' || c == '\f';
}

template <typename C>
bool inSet(C c, std::basic_string_view<C> set) {
  return set.find(c) != std::basic_string_view<C>::npos;
}

// Case and accent operations work on wide characters; narrow text goes through Windows-1252, where
// every Latin-1 letter and œ, š, ž, ÿ have their partner.
template <typename C>
wchar_t toWideChar(C c) {
  if constexpr (sizeof(C) == 1)
    return ansiCharToWide(c);
  else
    return c;
}
template <typename C>
C fromWideChar(wchar_t c, C original) {
  if constexpr (sizeof(C) == 1) {
    const int byte = wideCharToAnsi(c);
    return byte < 0 ? original : static_cast<C>(byte);
  } else {
    (void)original;
    return c;
  }
}

template <typename C, typename Key>
int compareBy(std::basic_string_view<C> a, std::basic_string_view<C> b, Key key) {
  const size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    const auto ka = key(toWideChar(a[i]));
    const auto kb = key(toWideChar(b[i]));
    if (ka != kb) return ka < kb ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int sign(int value) {
  return (value > 0) - (value < 0);
}

}  // namespace

template <typename C>
CStringT<C>::CStringT(PCXSTR text) : text_(viewOf(text)) {}

template <typename C>
CStringT<C>::CStringT(PCXSTR text, int length)
    : text_(text && length > 0 ? std::basic_string<C>(text, static_cast<size_t>(length))
                               : std::basic_string<C>()) {}

template <typename C>
CStringT<C>::CStringT(PCYSTR text) : text_(convert(viewOf(text), static_cast<C*>(nullptr))) {}

template <typename C>
CStringT<C>::CStringT(PCYSTR text, int length)
    : text_(text && length > 0
                ? convert(std::basic_string_view<YCHAR>(text, static_cast<size_t>(length)),
                          static_cast<C*>(nullptr))
                : std::basic_string<C>()) {}

template <typename C>
CStringT<C>::CStringT(const CStringT<YCHAR>& other)
    : CStringT(other.GetString(), other.GetLength()) {}

template <typename C>
CStringT<C>::CStringT(XCHAR ch, int repeat)
    : text_(repeat > 0 ? static_cast<size_t>(repeat) : 0, ch) {}

template <typename C>
CStringT<C>::CStringT(YCHAR ch, int repeat) {
  const std::basic_string<C> one =
      convert(std::basic_string_view<YCHAR>(&ch, 1), static_cast<C*>(nullptr));
  for (int i = 0; i < repeat; ++i) text_ += one;
}

template <typename C>
CStringT<C>& CStringT<C>::operator=(PCXSTR text) {
  SetString(text);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::operator=(PCYSTR text) {
  text_ = convert(viewOf(text), static_cast<C*>(nullptr));
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::operator=(const CStringT<YCHAR>& other) {
  *this = CStringT(other);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::operator=(XCHAR ch) {
  text_.assign(1, ch);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::operator+=(const CStringT& text) {
  text_ += text.text_;
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::operator+=(PCXSTR text) {
  Append(text);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::operator+=(PCYSTR text) {
  text_ += convert(viewOf(text), static_cast<C*>(nullptr));
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::operator+=(XCHAR ch) {
  text_ += ch;
  return *this;
}

template <typename C>
C CStringT<C>::GetAt(int index) const {
  if (index < 0 || index >= GetLength()) throw std::out_of_range("CString::GetAt");
  return text_[static_cast<size_t>(index)];
}

template <typename C>
void CStringT<C>::SetAt(int index, XCHAR ch) {
  if (index < 0 || index >= GetLength()) throw std::out_of_range("CString::SetAt");
  text_[static_cast<size_t>(index)] = ch;
}

template <typename C>
void CStringT<C>::SetString(PCXSTR text) {
  // The text may lie inside this string (s = s.GetString() + 2): copy before assigning.
  text_ = std::basic_string<C>(viewOf(text));
}

template <typename C>
void CStringT<C>::SetString(PCXSTR text, int length) {
  text_ = text && length > 0 ? std::basic_string<C>(text, static_cast<size_t>(length))
                             : std::basic_string<C>();
}

template <typename C>
void CStringT<C>::Append(PCXSTR text) {
  text_ += std::basic_string<C>(viewOf(text));
}

template <typename C>
void CStringT<C>::Append(PCXSTR text, int length) {
  if (text && length > 0) {
    const size_t n = std::min(static_cast<size_t>(length), lengthOf(text));
    text_ += std::basic_string<C>(text, n);
  }
}

template <typename C>
CStringT<C> CStringT<C>::Left(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CStringT(text_.data(), count);
}

template <typename C>
CStringT<C> CStringT<C>::Right(int count) const {
  count = std::clamp(count, 0, GetLength());
  return CStringT(text_.data() + (GetLength() - count), count);
}

template <typename C>
CStringT<C> CStringT<C>::Mid(int first) const {
  return Mid(first, GetLength());
}

template <typename C>
CStringT<C> CStringT<C>::Mid(int first, int count) const {
  first = std::clamp(first, 0, GetLength());
  count = std::clamp(count, 0, GetLength() - first);
  return CStringT(text_.data() + first, count);
}

template <typename C>
CStringT<C> CStringT<C>::SpanIncluding(PCXSTR charSet) const {
  const size_t end = text_.find_first_not_of(viewOf(charSet));
  return Left(end == std::basic_string<C>::npos ? GetLength() : static_cast<int>(end));
}

template <typename C>
CStringT<C> CStringT<C>::SpanExcluding(PCXSTR charSet) const {
  const size_t end = text_.find_first_of(viewOf(charSet));
  return Left(end == std::basic_string<C>::npos ? GetLength() : static_cast<int>(end));
}

template <typename C>
int CStringT<C>::Find(XCHAR ch, int start) const {
  if (start < 0 || start >= GetLength()) return -1;
  const size_t at = text_.find(ch, static_cast<size_t>(start));
  return at == std::basic_string<C>::npos ? -1 : static_cast<int>(at);
}

template <typename C>
int CStringT<C>::Find(PCXSTR sub, int start) const {
  if (!sub || start < 0 || start > GetLength()) return -1;
  const size_t at = text_.find(sub, static_cast<size_t>(start));
  return at == std::basic_string<C>::npos ? -1 : static_cast<int>(at);
}

template <typename C>
int CStringT<C>::ReverseFind(XCHAR ch) const {
  const size_t at = text_.rfind(ch);
  return at == std::basic_string<C>::npos ? -1 : static_cast<int>(at);
}

template <typename C>
int CStringT<C>::FindOneOf(PCXSTR charSet) const {
  const auto set = viewOf(charSet);
  if (set.empty()) return -1;
  const size_t at = text_.find_first_of(set);
  return at == std::basic_string<C>::npos ? -1 : static_cast<int>(at);
}

template <typename C>
int CStringT<C>::Replace(XCHAR oldChar, XCHAR newChar) {
  if (oldChar == newChar) return 0;
  int count = 0;
  for (C& c : text_) {
    if (c == oldChar) {
      c = newChar;
      ++count;
    }
  }
  return count;
}

template <typename C>
int CStringT<C>::Replace(PCXSTR oldText, PCXSTR newText) {
  const std::basic_string<C> from(viewOf(oldText));
  const std::basic_string<C> to(viewOf(newText));  // copies: either may point into this string
  if (from.empty()) return 0;
  std::basic_string<C> result;
  int count = 0;
  size_t position = 0;
  for (size_t at = text_.find(from); at != std::basic_string<C>::npos;
       at = text_.find(from, position)) {
    result.append(text_, position, at - position);
    result += to;
    position = at + from.size();
    ++count;
  }
  if (count == 0) return 0;
  result.append(text_, position, std::basic_string<C>::npos);
  text_.swap(result);
  return count;
}

template <typename C>
int CStringT<C>::Remove(XCHAR ch) {
  const size_t before = text_.size();
  text_.erase(std::remove(text_.begin(), text_.end(), ch), text_.end());
  return static_cast<int>(before - text_.size());
}

template <typename C>
int CStringT<C>::Insert(int index, XCHAR ch) {
  index = std::clamp(index, 0, GetLength());
  text_.insert(static_cast<size_t>(index), 1, ch);
  return GetLength();
}

template <typename C>
int CStringT<C>::Insert(int index, PCXSTR text) {
  index = std::clamp(index, 0, GetLength());
  text_.insert(static_cast<size_t>(index), std::basic_string<C>(viewOf(text)));
  return GetLength();
}

template <typename C>
int CStringT<C>::Delete(int index, int count) {
  index = std::max(index, 0);
  count = std::max(count, 0);
  if (index < GetLength()) {
    count = std::min(count, GetLength() - index);
    text_.erase(static_cast<size_t>(index), static_cast<size_t>(count));
  }
  return GetLength();
}

template <typename C>
CStringT<C>& CStringT<C>::TrimLeft() {
  size_t n = 0;
  while (n < text_.size() && isWhiteSpace(text_[n])) ++n;
  text_.erase(0, n);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::TrimLeft(XCHAR target) {
  size_t n = 0;
  while (n < text_.size() && text_[n] == target) ++n;
  text_.erase(0, n);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::TrimLeft(PCXSTR targets) {
  const auto set = viewOf(targets);
  size_t n = 0;
  while (n < text_.size() && inSet(text_[n], set)) ++n;
  text_.erase(0, n);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::TrimRight() {
  size_t n = text_.size();
  while (n > 0 && isWhiteSpace(text_[n - 1])) --n;
  text_.resize(n);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::TrimRight(XCHAR target) {
  size_t n = text_.size();
  while (n > 0 && text_[n - 1] == target) --n;
  text_.resize(n);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::TrimRight(PCXSTR targets) {
  const auto set = viewOf(targets);
  size_t n = text_.size();
  while (n > 0 && inSet(text_[n - 1], set)) --n;
  text_.resize(n);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::Trim() {
  return TrimRight().TrimLeft();
}

template <typename C>
CStringT<C>& CStringT<C>::Trim(XCHAR target) {
  return TrimRight(target).TrimLeft(target);
}

template <typename C>
CStringT<C>& CStringT<C>::Trim(PCXSTR targets) {
  return TrimRight(targets).TrimLeft(targets);
}

template <typename C>
CStringT<C>& CStringT<C>::MakeUpper() {
  for (C& c : text_) c = fromWideChar(toUpperLatin(toWideChar(c)), c);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::MakeLower() {
  for (C& c : text_) c = fromWideChar(toLowerLatin(toWideChar(c)), c);
  return *this;
}

template <typename C>
CStringT<C>& CStringT<C>::MakeReverse() {
  std::reverse(text_.begin(), text_.end());
  return *this;
}

template <typename C>
int CStringT<C>::Compare(PCXSTR other) const {
  return sign(std::basic_string_view<C>(text_).compare(viewOf(other)));
}

template <typename C>
int CStringT<C>::CompareNoCase(PCXSTR other) const {
  return compareBy<C>(text_, viewOf(other), [](wchar_t c) { return toLowerLatin(c); });
}

template <typename C>
int CStringT<C>::Collate(PCXSTR other) const {
  // Base letters first, case-blind, so that "école" sorts between "ecole" and "ecoles"; then the
  // accents and case; the character codes last so that only equal strings compare equal.
  const int letters =
      compareBy<C>(text_, viewOf(other), [](wchar_t c) { return baseLetterLower(c); });
  if (letters != 0) return letters;
  const int accents = compareBy<C>(text_, viewOf(other), [](wchar_t c) { return toLowerLatin(c); });
  if (accents != 0) return accents;
  const int cases = -Compare(other);  // lower case first, as dictionaries order "a" before "A"
  return cases;
}

template <typename C>
int CStringT<C>::CollateNoCase(PCXSTR other) const {
  const int letters =
      compareBy<C>(text_, viewOf(other), [](wchar_t c) { return baseLetterLower(c); });
  if (letters != 0) return letters;
  return CompareNoCase(other);
}

template <typename C>
void CStringT<C>::FormatV(PCXSTR format, va_list args) {
  std::basic_string<C> result;
  appendFormatted(result, format, args);
  text_.swap(result);  // the arguments may point into this string
}

template <typename C>
void CStringT<C>::AppendFormatV(PCXSTR format, va_list args) {
  std::basic_string<C> result = text_;
  appendFormatted(result, format, args);
  text_.swap(result);
}

template <typename C>
void CStringT<C>::FormatArgs(PCXSTR format, ...) {
  va_list args;
  va_start(args, format);
  FormatV(format, args);
  va_end(args);
}

template <typename C>
void CStringT<C>::AppendFormatArgs(PCXSTR format, ...) {
  va_list args;
  va_start(args, format);
  AppendFormatV(format, args);
  va_end(args);
}

template <typename C>
C* CStringT<C>::GetBuffer() {
  return text_.data();
}

template <typename C>
C* CStringT<C>::GetBuffer(int minLength) {
  // The room is made of real characters (NULs) so that the caller may write all of them and
  // ReleaseBuffer can find its own terminator.
  if (minLength > GetLength()) text_.resize(static_cast<size_t>(minLength), C());
  return text_.data();
}

template <typename C>
C* CStringT<C>::GetBufferSetLength(int length) {
  text_.resize(static_cast<size_t>(std::max(length, 0)), C());
  return text_.data();
}

template <typename C>
void CStringT<C>::ReleaseBuffer(int newLength) {
  if (newLength < 0) newLength = static_cast<int>(std::char_traits<C>::length(text_.c_str()));
  text_.resize(static_cast<size_t>(std::min(newLength, GetLength())));
}

template <typename C>
void CStringT<C>::ReleaseBufferSetLength(int newLength) {
  ReleaseBuffer(newLength);
}

template <typename C>
void CStringT<C>::Preallocate(int length) {
  if (length > 0) text_.reserve(static_cast<size_t>(length));
}

template <typename C>
CStringT<C> CStringT<C>::Tokenize(PCXSTR delimiters, int& start) const {
  if (start < 0) return CStringT();
  const auto set = viewOf(delimiters);
  if (set.empty()) {
    // No delimiters: the rest is one token, as the host does (start is left where it was).
    if (start < GetLength()) return Mid(start);
  } else if (start < GetLength()) {
    const size_t from = text_.find_first_not_of(set, static_cast<size_t>(start));
    if (from != std::basic_string<C>::npos) {
      size_t to = text_.find_first_of(set, from);
      if (to == std::basic_string<C>::npos) to = text_.size();
      start = static_cast<int>(to) + 1;
      return CStringT(text_.data() + from, static_cast<int>(to - from));
    }
  }
  start = -1;
  return CStringT();
}

// From the string tables modules register (the current resource handle's first).
template <typename C>
BOOL CStringT<C>::LoadString(UINT id) {
  const wchar_t* text = AfxFindResourceString(id);
  if (text == nullptr) return FALSE;
  *this = CStringT(CStringT<wchar_t>(text));
  return TRUE;
}

template class CStringT<char>;
template class CStringT<wchar_t>;
