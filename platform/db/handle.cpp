#include <cstdio>
#include <cwchar>

#include "db/dbhandle.h"

bool AcDbHandle::parse(const char* text, size_t length, AcDbHandle& out) {
  out.setNull();
  if (length == 0 || length > 16) return false;
  Adesk::UInt64 value = 0;
  for (size_t i = 0; i < length; ++i) {
    char c = text[i];
    int digit;
    if (c >= '0' && c <= '9') digit = c - '0';
    else if (c >= 'A' && c <= 'F') digit = c - 'A' + 10;
    else if (c >= 'a' && c <= 'f') digit = c - 'a' + 10;
    else return false;
    value = (value << 4) | static_cast<Adesk::UInt64>(digit);
  }
  out = AcDbHandle(value);
  return true;
}

AcDbHandle::AcDbHandle(const char* hex) {
  std::string text(hex ? hex : "");
  parse(text.data(), text.size(), *this);
}

AcDbHandle::AcDbHandle(const ACHAR* hex) {
  std::string text;
  for (const ACHAR* p = hex; p && *p; ++p) text += static_cast<char>(*p < 128 ? *p : '?');
  parse(text.data(), text.size(), *this);
}

std::string AcDbHandle::toHex() const {
  char buffer[20];
  std::snprintf(buffer, sizeof buffer, "%llX", static_cast<unsigned long long>(value_));
  return buffer;
}

void AcDbHandle::getIntoAsciiBuffer(ACHAR* buffer, size_t bufferSize) const {
  std::string hex = toHex();
  size_t i = 0;
  for (; i + 1 < bufferSize && i < hex.size(); ++i) buffer[i] = static_cast<ACHAR>(hex[i]);
  if (bufferSize > 0) buffer[i] = 0;
}
