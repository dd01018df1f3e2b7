#include "os/paths.h"

#include "os/codepage.h"

std::string nativePath(std::wstring_view path) {
  std::string result = wideToUtf8(path);
  for (char& c : result) {
    if (c == '\\') c = '/';
  }
  return result;
}

std::string nativePath(const wchar_t* path) {
  return path ? nativePath(std::wstring_view(path)) : std::string();
}
