// File services of Windows the module calls. Every path may use "\" or "/" as separator.
#pragma once
#include <cstdio>

#include "os/windef.h"
#include "os/winerror.h"

#define INVALID_FILE_ATTRIBUTES ((DWORD)-1)
#define FILE_ATTRIBUTE_READONLY 0x00000001
#define FILE_ATTRIBUTE_DIRECTORY 0x00000010
#define FILE_ATTRIBUTE_ARCHIVE 0x00000020
#define FILE_ATTRIBUTE_NORMAL 0x00000080

// The folder for temporary files: $TMPDIR, else /tmp/, always with a trailing separator. Returns
// the length written (without the NUL), or the size needed (with the NUL) when the buffer is too
// small.
DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer);
// Builds "<path><first 3 characters of prefix><hex of unique>.tmp" into buffer (MAX_PATH
// characters). With unique 0 a number is chosen so that the file does not exist yet, and the empty
// file is created; with another value (only its low 16 bits count) the name is only built. Returns
// the number used, or 0 on failure (GetLastError tells why).
UINT GetTempFileNameW(LPCWSTR pathName, LPCWSTR prefix, UINT unique, LPWSTR buffer);
// The ANSI forms: the same, with names in the ANSI code page.
DWORD GetTempPathA(DWORD bufferLength, char* buffer);
UINT GetTempFileNameA(const char* pathName, const char* prefix, UINT unique, char* buffer);
BOOL DeleteFileW(LPCWSTR fileName);
// INVALID_FILE_ATTRIBUTES when nothing is there; FILE_ATTRIBUTE_DIRECTORY for a folder;
// FILE_ATTRIBUTE_NORMAL, or FILE_ATTRIBUTE_READONLY when we may not write it, for a file.
DWORD GetFileAttributesW(LPCWSTR fileName);
BOOL CopyFileW(LPCWSTR existingFileName, LPCWSTR newFileName, BOOL failIfExists);
// Fails with ERROR_ALREADY_EXISTS when the destination exists, as on Windows.
BOOL MoveFileW(LPCWSTR existingFileName, LPCWSTR newFileName);
#define MOVEFILE_REPLACE_EXISTING 0x00000001
#define MOVEFILE_COPY_ALLOWED 0x00000002
#define MOVEFILE_WRITE_THROUGH 0x00000008
// With MOVEFILE_REPLACE_EXISTING an existing destination is replaced in one step (a reader sees
// the old file or the new one, never a mix), unless it is read-only (ERROR_ACCESS_DENIED, as on
// Windows). MOVEFILE_COPY_ALLOWED lets a move across file systems copy; MOVEFILE_WRITE_THROUGH
// returns only once the moved file is on the disk.
BOOL MoveFileExW(LPCWSTR existingFileName, LPCWSTR newFileName, DWORD flags);

#define GetTempPath GetTempPathW
#define GetTempFileName GetTempFileNameW
#define DeleteFile DeleteFileW
#define GetFileAttributes GetFileAttributesW
#define CopyFile CopyFileW
#define MoveFile MoveFileW
#define MoveFileEx MoveFileExW

// The C library's wide functions of the host's runtime. The mode is "r", "w", "a" with "+", "b"
// or "t" (text and binary are the same here); ",ccs=..." is ignored.
FILE* _wfopen(const wchar_t* fileName, const wchar_t* mode);
int _wremove(const wchar_t* fileName);
int _wunlink(const wchar_t* fileName);
