// Splits the text of an ASCII drawing file into (group code, value) pairs without copying the
// values: each value is a view into the file's buffer, which must outlive the tokens.
#pragma once
#include <cstddef>
#include <string_view>

namespace dxf {

struct DxfToken {
  int code = 0;
  int line = 0;  // line of the group code (1-based); the value is on the next line
  std::string_view value;
};

class DxfTokenizer {
 public:
  explicit DxfTokenizer(std::string_view text);

  // The next pair, comments (999) skipped. False at the end of the text. Throws DxfReadError on a
  // group code that is not a number (eInvalidDxfCode) and on a code without its value
  // (eDxfReadAborted).
  bool next(DxfToken& token);
  // Makes the last pair read come again on the next call (one pair deep).
  void pushBack();
  // Line number of the next line to read (1-based).
  int line() const { return line_; }
  bool atEnd() const { return pos_ >= text_.size() && !pushedBack_; }
  // Offset in the text of what the next read starts with.
  size_t position() const { return pos_; }

 private:
  bool readLine(std::string_view& line);

  std::string_view text_;
  size_t pos_ = 0;
  int line_ = 1;
  DxfToken last_;
  bool pushedBack_ = false;
};

// The value without the blanks (spaces, tabs) around it: numbers, handles and names may carry them
// in files written by hand or by other programs.
std::string_view trimBlanks(std::string_view text);

}  // namespace dxf
