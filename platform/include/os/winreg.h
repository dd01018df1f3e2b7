// A read-only registry. Its content is an INI-style UTF-8 text file:
//
//   ; comment
//   [HKEY_LOCAL_MACHINE\Software\Cartovia\Arpenta5]
//   chemin=C:\Program Files\Arpenta5\data
//
// Every value is a REG_SZ string, kept as written after "=" (a trailing backslash
// included; blanks around it and surrounding double quotes are removed); "@" names the key's
// default value. Key and value names are case-insensitive. The file is $CADHOST_REGISTRY, else
// <folder of libcadplatform.so>/../share/registry.ini when it exists, else there is no registry
// and every key is missing.
#pragma once
#include <string>

#include "os/windef.h"
#include "os/winerror.h"

typedef struct HKEY__* HKEY;
typedef HKEY* PHKEY;
typedef DWORD REGSAM;

#define HKEY_CLASSES_ROOT ((HKEY)(ULONG_PTR)0x80000000)
#define HKEY_CURRENT_USER ((HKEY)(ULONG_PTR)0x80000001)
#define HKEY_LOCAL_MACHINE ((HKEY)(ULONG_PTR)0x80000002)
#define HKEY_USERS ((HKEY)(ULONG_PTR)0x80000003)

#define KEY_QUERY_VALUE 0x0001
#define KEY_ENUMERATE_SUB_KEYS 0x0008
#define KEY_READ 0x20019
#define KEY_WOW64_64KEY 0x0100
#define KEY_WOW64_32KEY 0x0200

#define REG_NONE 0
#define REG_SZ 1

// ERROR_SUCCESS, or ERROR_FILE_NOT_FOUND for a key that is not there; ERROR_INVALID_PARAMETER
// for a null key or result. A key exists when it or one of its sub-keys has a section in the file.
LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD options, REGSAM desired, PHKEY result);
// The value as a wide string with its terminating NUL, its size in bytes (sizeof(wchar_t) per
// character). With data null, only the size is given; with a buffer too small, ERROR_MORE_DATA and
// the size needed; ERROR_FILE_NOT_FOUND for a missing value.
LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD reserved, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize);
LONG RegCloseKey(HKEY key);

#define RegOpenKeyEx RegOpenKeyExW
#define RegQueryValueEx RegQueryValueExW

// Test hooks. The module must read the registry once: tests check it with the count of
// RegOpenKeyEx calls (successful or not) since the start or the last reset.
int registryOpenCount();
void resetRegistryOpenCount();
// Reads the registry from this file from now on (an empty path goes back to the default rule
// above); keys already open keep the values they saw.
void setRegistryFile(const std::string& path);
