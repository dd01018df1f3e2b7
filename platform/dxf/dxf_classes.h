// The CLASSES section: the record a drawing file gives for each object type that is not one of the
// format's built-in types (LAYOUT, ACAD_TABLE, MATERIAL…).
#pragma once
#include <string_view>

namespace dxf {

struct DxfClassInfo {
  const char* dxfName;     // 1: type name in files
  const char* className;   // 2: class name
  const char* appName;     // 3: application that defines it
  int proxyFlags;          // 90
  bool isEntity;           // 281
};

// The record for a type name, or null for the built-in types and unknown ones.
const DxfClassInfo* findDxfClass(std::string_view dxfName);

}  // namespace dxf
