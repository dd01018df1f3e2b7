#include "dxf/dxf_binary.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <string>

#include "dxf/dxf_error.h"
#include "dxf/dxf_messages.h"
#include "dxf/dxf_numbers.h"

namespace dxf {

namespace {

constexpr std::string_view kSignature("AutoCAD Binary DXF\r\n\x1a\0", 22);

// How the value of a group code is stored (the layout of the reference's group code ranges).
enum class Stored { kText, kReal, kInt16, kInt32, kInt64, kBool, kBytes };

Stored storedAs(int code) {
  if (code >= 10 && code <= 59) return Stored::kReal;
  if (code >= 60 && code <= 79) return Stored::kInt16;
  if (code >= 90 && code <= 99) return Stored::kInt32;
  if (code >= 110 && code <= 149) return Stored::kReal;
  if (code >= 160 && code <= 169) return Stored::kInt64;
  if (code >= 170 && code <= 179) return Stored::kInt16;
  if (code >= 210 && code <= 239) return Stored::kReal;
  if (code >= 270 && code <= 289) return Stored::kInt16;
  if (code >= 290 && code <= 299) return Stored::kBool;
  if (code >= 310 && code <= 319) return Stored::kBytes;
  if (code >= 370 && code <= 389) return Stored::kInt16;
  if (code >= 400 && code <= 409) return Stored::kInt16;
  if (code >= 420 && code <= 429) return Stored::kInt32;
  if (code >= 440 && code <= 459) return Stored::kInt32;
  if (code >= 460 && code <= 469) return Stored::kReal;
  if (code == 1004) return Stored::kBytes;
  if (code >= 1010 && code <= 1059) return Stored::kReal;
  if (code >= 1060 && code <= 1070) return Stored::kInt16;
  if (code == 1071) return Stored::kInt32;
  return Stored::kText;
}

class BinaryGroups {
 public:
  explicit BinaryGroups(std::string_view data) : data_(data), at_(kSignature.size()) {
    // Files of R12 store codes on one byte (255 announcing a two-byte code); later versions on
    // two. The first group is "0 SECTION": its second byte tells which.
    wideCodes_ = data_.size() > at_ + 1 && data_[at_ + 1] == '\0';
  }

  bool atEnd() const { return at_ >= data_.size(); }
  int groups() const { return groups_; }

  void next(std::string& out) {
    int code = wideCodes_ ? int16() : byte();
    if (!wideCodes_ && code == 255) code = int16();
    ++groups_;
    char number[40];
    std::snprintf(number, sizeof number, "%d\n", code);
    out += number;
    switch (storedAs(code)) {
      case Stored::kText: {
        const void* end = std::memchr(data_.data() + at_, '\0', data_.size() - at_);
        if (end == nullptr) truncated();
        size_t length = static_cast<const char*>(end) - (data_.data() + at_);
        out.append(data_.data() + at_, length);
        at_ += length + 1;
        break;
      }
      case Stored::kReal: {
        std::uint64_t bits = take(8);
        double value;
        std::memcpy(&value, &bits, sizeof value);
        out += formatReal(value, 17);
        break;
      }
      case Stored::kInt16:
        out += std::to_string(static_cast<std::int16_t>(take(2)));
        break;
      case Stored::kInt32:
        out += std::to_string(static_cast<std::int32_t>(take(4)));
        break;
      case Stored::kInt64:
        out += std::to_string(static_cast<std::int64_t>(take(8)));
        break;
      case Stored::kBool:
        out += std::to_string(take(1));
        break;
      case Stored::kBytes: {
        size_t length = take(1);
        if (data_.size() - at_ < length) truncated();
        static const char* const kHex = "0123456789ABCDEF";
        for (size_t i = 0; i < length; ++i) {
          unsigned char c = static_cast<unsigned char>(data_[at_ + i]);
          out += kHex[c >> 4];
          out += kHex[c & 15];
        }
        at_ += length;
        break;
      }
    }
    out += '\n';
  }

 private:
  [[noreturn]] void truncated() const {
    throw DxfReadError(Acad::eDxfReadAborted, 2 * groups_ - 1, msg::unexpectedEnd("groupe binaire"));
  }
  // Little-endian, as the format stores every number.
  std::uint64_t take(size_t bytes) {
    if (data_.size() - at_ < bytes) truncated();
    std::uint64_t value = 0;
    for (size_t i = 0; i < bytes; ++i) {
      value |= static_cast<std::uint64_t>(static_cast<unsigned char>(data_[at_ + i])) << (8 * i);
    }
    at_ += bytes;
    return value;
  }
  int byte() { return static_cast<int>(take(1)); }
  int int16() { return static_cast<std::int16_t>(take(2)); }

  std::string_view data_;
  size_t at_;
  bool wideCodes_ = true;
  int groups_ = 0;
};

}  // namespace

bool isBinaryDrawing(std::string_view data) { return data.substr(0, 18) == kSignature.substr(0, 18); }

std::string binaryDrawingToText(std::string_view data) {
  std::string text;
  // The text form takes about as much room as the binary one; reserving it avoids regrowing.
  text.reserve(data.size() + data.size() / 2);
  BinaryGroups groups(data);
  while (!groups.atEnd()) {
    size_t before = text.size();
    groups.next(text);
    // Nothing is read after the end of the file, as in the text form.
    if (text.compare(before, 6, "0\nEOF\n") == 0) break;
  }
  return text;
}

}  // namespace dxf
