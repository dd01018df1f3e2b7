// Paths given by module code, which builds them with "\" as on Windows, turned into paths of this
// system. Internal to the platform; any part of it may use it.
#pragma once
#include <string>
#include <string_view>

// UTF-8 path with "/" separators. Nothing else is changed: a drive prefix such as "C:" stays as it
// is (a path "C:\data\a.txt" becomes the relative path "C:/data/a.txt"), because the stand-in has
// no drives and guessing one would hide the module's mistake. A null path gives "".
std::string nativePath(const wchar_t* path);
std::string nativePath(std::wstring_view path);
