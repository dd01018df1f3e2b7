#include "dxf/dxf_tag_writer.h"

#include <charconv>

#include "dxf/dxf_encoding.h"
#include "dxf/dxf_numbers.h"

namespace dxf {

void DxfTagWriter::code(int code) {
  if (code >= 0 && code < 1000) {
    // The usual case, right-aligned in three characters: built in place.
    char line[4] = {' ', ' ', ' ', '\n'};
    int rest = code;
    int at = 2;
    do {
      line[at--] = static_cast<char>('0' + rest % 10);
      rest /= 10;
    } while (rest != 0);
    buffer_.append(line, 4);
    return;
  }
  char digits[16];
  auto result = std::to_chars(digits, digits + sizeof digits, code);
  size_t length = static_cast<size_t>(result.ptr - digits);
  for (size_t i = length; i < 3; ++i) buffer_.push_back(' ');
  buffer_.append(digits, length);
  buffer_.push_back('\n');
}

void DxfTagWriter::text(int groupCode, std::string_view value) {
  code(groupCode);
  // A line break inside a value would end it early: such characters are written in the caret
  // notation of the format (^J, ^M).
  size_t start = 0;
  for (size_t at = value.find_first_of("\r\n"); at != std::string_view::npos;
       at = value.find_first_of("\r\n", start)) {
    buffer_.append(value.data() + start, at - start);
    buffer_.append(value[at] == '\n' ? "^J" : "^M", 2);
    start = at + 1;
  }
  buffer_.append(value.data() + start, value.size() - start);
  buffer_.push_back('\n');
  maybeFlush();
}

void DxfTagWriter::text(int groupCode, std::wstring_view value) {
  bool ascii = true;
  for (wchar_t c : value) {
    if (c >= 0x80 || c == L'\n' || c == L'\r') {
      ascii = false;
      break;
    }
  }
  if (ascii) {
    code(groupCode);
    size_t at = buffer_.size();
    buffer_.resize(at + value.size() + 1);
    char* out = buffer_.data() + at;
    for (wchar_t c : value) *out++ = static_cast<char>(c);
    *out = '\n';
    maybeFlush();
    return;
  }
  std::string utf8;
  appendUtf8(value.data(), value.size(), utf8);
  text(groupCode, utf8);
}

void DxfTagWriter::real(int groupCode, double value, int precision) {
  code(groupCode);
  char digits[64];
  size_t length = formatReal(value, digits, precision);
  buffer_.append(digits, length);
  buffer_.push_back('\n');
  maybeFlush();
}

void DxfTagWriter::integer(int groupCode, std::int64_t value) {
  code(groupCode);
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value);
  buffer_.append(digits, static_cast<size_t>(result.ptr - digits));
  buffer_.push_back('\n');
  maybeFlush();
}

void DxfTagWriter::handle(int groupCode, std::uint64_t value) {
  code(groupCode);
  char digits[24];
  auto result = std::to_chars(digits, digits + sizeof digits, value, 16);
  for (char* p = digits; p < result.ptr; ++p) {
    if (*p >= 'a' && *p <= 'f') *p = static_cast<char>(*p - 'a' + 'A');
  }
  buffer_.append(digits, static_cast<size_t>(result.ptr - digits));
  buffer_.push_back('\n');
  maybeFlush();
}

void DxfTagWriter::binary(int groupCode, const unsigned char* data, size_t size) {
  static const char kHex[] = "0123456789ABCDEF";
  // At most 127 bytes (254 hex digits) per line, as readers of the format expect.
  constexpr size_t kChunk = 127;
  size_t offset = 0;
  do {
    size_t length = size - offset < kChunk ? size - offset : kChunk;
    code(groupCode);
    for (size_t i = 0; i < length; ++i) {
      buffer_.push_back(kHex[data[offset + i] >> 4]);
      buffer_.push_back(kHex[data[offset + i] & 15]);
    }
    buffer_.push_back('\n');
    offset += length;
  } while (offset < size);
  maybeFlush();
}

bool DxfTagWriter::flush() {
  if (file_ == nullptr) return !failed_;
  if (!buffer_.empty()) {
    if (std::fwrite(buffer_.data(), 1, buffer_.size(), file_) != buffer_.size()) failed_ = true;
    buffer_.clear();
  }
  return !failed_;
}

}  // namespace dxf
