// Basic types of the host's programming interface.
#pragma once
#include <cstddef>
#include <cstdint>

// The host is built for wide characters: every name and text in the interface is an ACHAR string.
// wchar_t is 32 bits here; nothing may assume 16.
typedef wchar_t ACHAR;

struct Adesk {
  typedef std::int8_t Int8;
  typedef std::int16_t Int16;
  typedef std::int32_t Int32;
  typedef std::int64_t Int64;
  typedef std::uint8_t UInt8;
  typedef std::uint16_t UInt16;
  typedef std::uint32_t UInt32;
  typedef std::uint64_t UInt64;
  typedef std::int64_t LongPtr;
  typedef std::uint64_t ULongPtr;
  typedef std::int64_t IntDbId;
  typedef std::intptr_t IntPtr;
  typedef bool Boolean;
  typedef bool Boolean2;
  typedef std::intptr_t GsMarker;
  static constexpr bool kFalse = false;
  static constexpr bool kTrue = true;
};
