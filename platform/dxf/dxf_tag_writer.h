// Writes group-code/value pairs as an ASCII drawing file does: the code right-aligned to three
// characters on its own line, the value on the next, LF line endings, UTF-8 text. Output goes to a
// memory buffer that is flushed to the file in large blocks.
#pragma once
#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

namespace dxf {

class DxfTagWriter {
 public:
  // Writes to file (flushing as the buffer fills), or only to the buffer when file is null.
  explicit DxfTagWriter(std::FILE* file = nullptr) : file_(file) {
    if (file_ != nullptr) buffer_.reserve(kFlushSize + (64 << 10));
  }

  void text(int code, std::string_view value);
  void text(int code, std::wstring_view value);
  void real(int code, double value, int precision = 16);
  void integer(int code, std::int64_t value);
  void handle(int code, std::uint64_t value);
  void binary(int code, const unsigned char* data, size_t size);

  // Writes what is buffered to the file; false when the file refused it.
  bool flush();
  bool failed() const { return failed_; }
  // The buffered text (everything, when there is no file).
  const std::string& buffer() const { return buffer_; }

 private:
  void code(int code);
  void maybeFlush() {
    if (file_ != nullptr && buffer_.size() >= kFlushSize) flush();
  }

  static constexpr size_t kFlushSize = 1 << 20;
  std::FILE* file_;
  std::string buffer_;
  bool failed_ = false;
};

}  // namespace dxf
