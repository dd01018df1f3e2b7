#include "dxf/dxf_tokenizer.h"

#include <charconv>
#include <cstring>

#include "dxf/dxf_error.h"
#include "dxf/dxf_messages.h"

namespace dxf {

std::string_view trimBlanks(std::string_view text) {
  size_t first = 0;
  size_t last = text.size();
  while (first < last && (text[first] == ' ' || text[first] == '\t')) ++first;
  while (last > first && (text[last - 1] == ' ' || text[last - 1] == '\t')) --last;
  return text.substr(first, last - first);
}

DxfTokenizer::DxfTokenizer(std::string_view text) : text_(text) {
  // A byte-order mark says UTF-8; the text itself tells the encoding through the header.
  if (text_.size() >= 3 && text_.substr(0, 3) == "\xEF\xBB\xBF") pos_ = 3;
}

bool DxfTokenizer::readLine(std::string_view& line) {
  if (pos_ >= text_.size()) return false;
  const char* start = text_.data() + pos_;
  const void* newline = std::memchr(start, '\n', text_.size() - pos_);
  size_t length = newline ? static_cast<size_t>(static_cast<const char*>(newline) - start)
                          : text_.size() - pos_;
  pos_ += length + (newline ? 1 : 0);
  // CR LF and a lone CR before the LF are the same line ending.
  if (length > 0 && start[length - 1] == '\r') --length;
  line = std::string_view(start, length);
  ++line_;
  return true;
}

bool DxfTokenizer::next(DxfToken& token) {
  if (pushedBack_) {
    pushedBack_ = false;
    token = last_;
    return true;
  }
  for (;;) {
    std::string_view codeText;
    int codeLine = line_;
    if (!readLine(codeText)) return false;
    std::string_view trimmed = trimBlanks(codeText);
    if (trimmed.empty() && pos_ >= text_.size()) return false;  // blank lines after the end
    int code = 0;
    auto [end, error] = std::from_chars(trimmed.data(), trimmed.data() + trimmed.size(), code);
    if (trimmed.empty() || error != std::errc() || end != trimmed.data() + trimmed.size()) {
      throw DxfReadError(Acad::eInvalidDxfCode, codeLine, msg::invalidGroupCode(codeText));
    }
    std::string_view value;
    if (!readLine(value)) throw DxfReadError(Acad::eDxfReadAborted, codeLine, msg::missingValue());
    if (code == 999) continue;  // comments carry nothing of the drawing
    token.code = code;
    token.line = codeLine;
    token.value = value;
    last_ = token;
    return true;
  }
}

void DxfTokenizer::pushBack() { pushedBack_ = true; }

}  // namespace dxf
