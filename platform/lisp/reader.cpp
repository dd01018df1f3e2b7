// The reader: LISP text to values. Numbers that do not fit the host's 32-bit integers are read as
// reals, as the host does.
#include "lisp/reader.h"

#include <cerrno>
#include <cstdlib>
#include <cwctype>

#include "lisp/interpreter.h"

namespace lisp {

namespace {

class Reader {
 public:
  explicit Reader(const std::wstring& text) : text_(text) {}

  // False at the end of the text.
  bool next(ValuePtr& value) {
    skipBlank();
    if (pos_ >= text_.size()) return false;
    if (text_[pos_] == L')') throw LispError(L"extra right paren on input");
    value = readExpression();
    return true;
  }

 private:
  void skipBlank() {
    while (pos_ < text_.size()) {
      wchar_t c = text_[pos_];
      if (c == L';') {
        while (pos_ < text_.size() && text_[pos_] != L'\n') ++pos_;
      } else if (std::iswspace(c)) {
        ++pos_;
      } else {
        break;
      }
    }
  }

  ValuePtr readExpression() {
    skipBlank();
    if (pos_ >= text_.size()) throw LispError(L"malformed list on input");
    wchar_t c = text_[pos_];
    if (c == L'(') {
      ++pos_;
      // Nesting is bounded so that hostile input cannot exhaust the stack.
      if (++nesting_ > kMaxNesting) throw LispError(L"malformed list on input");
      ValuePtr list = readListRest();
      --nesting_;
      return list;
    }
    if (c == L')') throw LispError(L"malformed list on input");
    if (c == L'\'') {
      ++pos_;
      ValuePtr quoted = readExpression();
      return cons(makeSymbol(L"QUOTE"), cons(quoted, nullptr));
    }
    if (c == L'"') {
      ++pos_;
      return readString();
    }
    return readAtom();
  }

  ValuePtr readListRest() {
    std::vector<ValuePtr> items;
    ValuePtr tail;
    while (true) {
      skipBlank();
      if (pos_ >= text_.size()) throw LispError(L"malformed list on input");
      if (text_[pos_] == L')') {
        ++pos_;
        break;
      }
      if (isDotToken()) {
        ++pos_;
        if (items.empty()) throw LispError(L"malformed dotted pair on input");
        tail = readExpression();
        skipBlank();
        if (pos_ >= text_.size() || text_[pos_] != L')')
          throw LispError(L"malformed dotted pair on input");
        ++pos_;
        break;
      }
      items.push_back(readExpression());
    }
    ValuePtr list = tail;
    for (auto it = items.rbegin(); it != items.rend(); ++it) list = cons(*it, list);
    return list;
  }

  bool isDotToken() const {
    if (text_[pos_] != L'.') return false;
    if (pos_ + 1 >= text_.size()) return true;
    wchar_t n = text_[pos_ + 1];
    return std::iswspace(n) || n == L'(' || n == L')' || n == L'"' || n == L';';
  }

  ValuePtr readString() {
    std::wstring out;
    while (true) {
      if (pos_ >= text_.size()) throw LispError(L"malformed string on input");
      wchar_t c = text_[pos_++];
      if (c == L'"') break;
      if (c == L'\\' && pos_ < text_.size()) {
        wchar_t e = text_[pos_++];
        switch (e) {
          case L'n': out += L'\n'; break;
          case L't': out += L'\t'; break;
          case L'r': out += L'\r'; break;
          case L'e': out += L'\x1b'; break;
          default: out += e; break;  // \" \\ and anything else stand for themselves
        }
        continue;
      }
      out += c;
    }
    return makeString(out);
  }

  ValuePtr readAtom() {
    size_t start = pos_;
    while (pos_ < text_.size()) {
      wchar_t c = text_[pos_];
      if (std::iswspace(c) || c == L'(' || c == L')' || c == L'\'' || c == L'"' || c == L';') break;
      ++pos_;
    }
    std::wstring token = text_.substr(start, pos_ - start);
    ValuePtr number = parseNumber(token);
    if (number) return number;
    ValuePtr symbol = makeSymbol(token);
    if (symbol->text == L"NIL") return nullptr;
    return symbol;
  }

  static ValuePtr parseNumber(const std::wstring& token) {
    size_t i = 0, n = token.size();
    if (i < n && (token[i] == L'+' || token[i] == L'-')) ++i;
    size_t digits = 0, fraction = 0;
    while (i < n && std::iswdigit(token[i])) ++i, ++digits;
    bool real = false;
    if (i < n && token[i] == L'.') {
      real = true;
      ++i;
      while (i < n && std::iswdigit(token[i])) ++i, ++fraction;
    }
    if (digits + fraction == 0) return nullptr;
    if (i < n && (token[i] == L'e' || token[i] == L'E')) {
      real = true;
      ++i;
      if (i < n && (token[i] == L'+' || token[i] == L'-')) ++i;
      size_t exponent = 0;
      while (i < n && std::iswdigit(token[i])) ++i, ++exponent;
      if (exponent == 0) return nullptr;
    }
    if (i != n) return nullptr;
    std::string narrow(token.begin(), token.end());
    if (!real) {
      errno = 0;
      long long value = std::strtoll(narrow.c_str(), nullptr, 10);
      if (errno == 0 && value >= INT32_MIN && value <= INT32_MAX)
        return makeInt(static_cast<Adesk::Int32>(value));
    }
    return makeReal(std::strtod(narrow.c_str(), nullptr));
  }

  static constexpr int kMaxNesting = 2000;
  const std::wstring& text_;
  size_t pos_ = 0;
  int nesting_ = 0;
};

}  // namespace

std::vector<ValuePtr> readAll(const std::wstring& text) {
  Reader reader(text);
  std::vector<ValuePtr> values;
  ValuePtr value;
  while (reader.next(value)) values.push_back(value);
  return values;
}

ValuePtr readFirst(const std::wstring& text) {
  Reader reader(text);
  ValuePtr value;
  return reader.next(value) ? value : nullptr;
}

}  // namespace lisp
