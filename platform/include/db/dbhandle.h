// AcDbHandle: the permanent 64-bit identity of an object in its drawing, written in files as hex.
#pragma once
#include <string>

#include "adesk.h"

class AcDbHandle {
 public:
  AcDbHandle() = default;
  AcDbHandle(Adesk::UInt64 value) : value_(value) {}  // NOLINT: the host converts implicitly
  explicit AcDbHandle(const ACHAR* hex);
  explicit AcDbHandle(const char* hex);

  bool isNull() const { return value_ == 0; }
  void setNull() { value_ = 0; }
  Adesk::UInt64 value() const { return value_; }
  Adesk::UInt32 low() const { return static_cast<Adesk::UInt32>(value_); }
  Adesk::UInt32 high() const { return static_cast<Adesk::UInt32>(value_ >> 32); }

  AcDbHandle& operator++() {
    ++value_;
    return *this;
  }
  AcDbHandle operator+(const AcDbHandle& other) const { return AcDbHandle(value_ + other.value_); }
  bool operator==(const AcDbHandle& other) const { return value_ == other.value_; }
  bool operator!=(const AcDbHandle& other) const { return value_ != other.value_; }
  bool operator<(const AcDbHandle& other) const { return value_ < other.value_; }

  // Upper-case hex without leading zeros ("1F"), as drawings write handles.
  void getIntoAsciiBuffer(ACHAR* buffer, size_t bufferSize = 17) const;
  std::string toHex() const;
  // Parses hex text; false (and a null handle) when the text is not a handle.
  static bool parse(const char* text, size_t length, AcDbHandle& out);

 private:
  Adesk::UInt64 value_ = 0;
};
