// Text encodings of drawing files. R2007 and later files are UTF-8; older ones are in the code page
// their header names ($DWGCODEPAGE, ANSI_1252 when absent) and may carry characters outside it as
// \U+XXXX escapes.
#pragma once
#include <string>
#include <string_view>

namespace dxf {

class DxfTextDecoder {
 public:
  DxfTextDecoder() = default;
  // UTF-8 text, no escapes (R2007 and later).
  void setUtf8();
  // A code page by its header name ("ANSI_1252", "ANSI_1251", "DOS850"...); unknown names fall back
  // to Windows-1252. Escapes \U+XXXX are decoded.
  void setCodePage(std::string_view name);
  bool isUtf8() const { return utf8_; }

  std::wstring decode(std::string_view bytes) const;
  void decode(std::string_view bytes, std::wstring& out) const;

 private:
  bool utf8_ = false;
  std::string iconvName_;  // empty: Windows-1252 by table
};

// UTF-8 decoding; bytes that are not UTF-8 are read as Windows-1252 so that nothing is lost.
void decodeUtf8(std::string_view bytes, std::wstring& out);
void decodeWindows1252(std::string_view bytes, std::wstring& out);
// Replaces \U+XXXX escapes (four or more hex digits) by their character.
void decodeUnicodeEscapes(std::wstring& text);
// UTF-8 encoding, appended to out; code points that cannot be encoded become U+FFFD.
void appendUtf8(const std::wstring& text, std::string& out);
void appendUtf8(const wchar_t* text, size_t length, std::string& out);
// Narrow text of a wide one, for messages (UTF-8).
std::string toUtf8(const std::wstring& text);
std::wstring toWide(const std::string& utf8);

}  // namespace dxf
