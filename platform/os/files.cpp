#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <cwchar>
#include <filesystem>
#include <string>
#include <system_error>

#include "os/codepage.h"
#include "os/paths.h"
#include "os/winfile.h"

namespace {

DWORD errorOfErrno(int error) {
  switch (error) {
    case ENOENT:
      return ERROR_FILE_NOT_FOUND;
    case ENOTDIR:
      return ERROR_PATH_NOT_FOUND;
    case EACCES:
    case EPERM:
    case EROFS:
    case EISDIR:
      return ERROR_ACCESS_DENIED;
    case EEXIST:
      return ERROR_FILE_EXISTS;
    case ENOMEM:
      return ERROR_NOT_ENOUGH_MEMORY;
    default:
      return ERROR_INVALID_PARAMETER;
  }
}

BOOL failWithErrno() {
  SetLastError(errorOfErrno(errno));
  return FALSE;
}

bool isSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

bool exists(const std::string& path) {
  struct stat info;
  return ::stat(path.c_str(), &info) == 0;
}

// Successive calls start from different numbers so that two temporary names asked in a row, even
// from two processes, rarely collide before the exclusive creation settles it.
unsigned nextUniqueSeed() {
  static std::atomic<unsigned> counter{static_cast<unsigned>(::getpid()) * 7919u +
                                       static_cast<unsigned>(::time(nullptr))};
  return ++counter;
}

std::wstring tempFileName(const std::wstring& folder, const wchar_t* prefix, unsigned unique) {
  std::wstring name = folder;
  if (!name.empty() && !isSeparator(name.back())) {
    name += name.find(L'/') == std::wstring::npos && name.find(L'\\') != std::wstring::npos ? L'\\'
                                                                                            : L'/';
  }
  if (prefix) name.append(prefix, std::min<size_t>(std::wcslen(prefix), 3));
  wchar_t hex[16];
  std::swprintf(hex, 16, L"%X", unique);
  name += hex;
  name += L".tmp";
  return name;
}

}  // namespace

DWORD GetTempPathW(DWORD bufferLength, LPWSTR buffer) {
  const char* tmpdir = std::getenv("TMPDIR");
  std::wstring path = utf8ToWide(tmpdir && *tmpdir ? tmpdir : "/tmp/");
  if (!isSeparator(path.back())) path += L'/';
  if (!buffer || path.size() + 1 > bufferLength) return static_cast<DWORD>(path.size() + 1);
  std::wmemcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

DWORD GetTempPathA(DWORD bufferLength, char* buffer) {
  wchar_t wide[MAX_PATH];
  if (GetTempPathW(MAX_PATH, wide) == 0) return 0;
  const std::string path = wideToAnsi(wide);
  if (!buffer || path.size() + 1 > bufferLength) return static_cast<DWORD>(path.size() + 1);
  std::memcpy(buffer, path.c_str(), path.size() + 1);
  return static_cast<DWORD>(path.size());
}

UINT GetTempFileNameA(const char* pathName, const char* prefix, UINT unique, char* buffer) {
  if (!pathName || !buffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  wchar_t wide[MAX_PATH];
  const std::wstring widePrefix = prefix ? ansiToWide(prefix) : std::wstring();
  const UINT used = GetTempFileNameW(ansiToWide(pathName).c_str(), prefix ? widePrefix.c_str() : nullptr,
                                     unique, wide);
  if (used == 0) return 0;
  const std::string name = wideToAnsi(wide);
  std::memcpy(buffer, name.c_str(), std::min<size_t>(name.size() + 1, MAX_PATH));
  buffer[MAX_PATH - 1] = '\0';
  return used;
}

UINT GetTempFileNameW(LPCWSTR pathName, LPCWSTR prefix, UINT unique, LPWSTR buffer) {
  if (!pathName || !buffer) {
    SetLastError(ERROR_INVALID_PARAMETER);
    return 0;
  }
  const std::wstring folder(pathName);
  unique &= 0xFFFF;
  if (unique != 0) {
    const std::wstring name = tempFileName(folder, prefix, unique);
    if (name.size() >= MAX_PATH) {
      SetLastError(ERROR_BUFFER_OVERFLOW);
      return 0;
    }
    std::wmemcpy(buffer, name.c_str(), name.size() + 1);
    return unique;
  }
  const unsigned start = nextUniqueSeed();
  for (unsigned attempt = 0; attempt < 0xFFFF; ++attempt) {
    const unsigned candidate = (start + attempt) % 0xFFFF + 1;  // 1..FFFF: 0 means "choose"
    const std::wstring name = tempFileName(folder, prefix, candidate);
    if (name.size() >= MAX_PATH) {
      SetLastError(ERROR_BUFFER_OVERFLOW);
      return 0;
    }
    const int fd = ::open(nativePath(name).c_str(), O_WRONLY | O_CREAT | O_EXCL, 0666);
    if (fd >= 0) {
      ::close(fd);
      std::wmemcpy(buffer, name.c_str(), name.size() + 1);
      return candidate;
    }
    if (errno != EEXIST) {
      failWithErrno();
      return 0;
    }
  }
  SetLastError(ERROR_FILE_EXISTS);
  return 0;
}

BOOL DeleteFileW(LPCWSTR fileName) {
  const std::string path = nativePath(fileName);
  struct stat info;
  if (::stat(path.c_str(), &info) == 0 && S_ISDIR(info.st_mode)) {
    SetLastError(ERROR_ACCESS_DENIED);  // folders are removed by RemoveDirectory on Windows
    return FALSE;
  }
  return ::unlink(path.c_str()) == 0 ? TRUE : failWithErrno();
}

DWORD GetFileAttributesW(LPCWSTR fileName) {
  const std::string path = nativePath(fileName);
  struct stat info;
  if (path.empty() || ::stat(path.c_str(), &info) != 0) {
    failWithErrno();
    return INVALID_FILE_ATTRIBUTES;
  }
  if (S_ISDIR(info.st_mode)) return FILE_ATTRIBUTE_DIRECTORY;
  return ::access(path.c_str(), W_OK) == 0 ? FILE_ATTRIBUTE_NORMAL : FILE_ATTRIBUTE_READONLY;
}

BOOL CopyFileW(LPCWSTR existingFileName, LPCWSTR newFileName, BOOL failIfExists) {
  namespace fs = std::filesystem;
  const std::string from = nativePath(existingFileName);
  const std::string to = nativePath(newFileName);
  if (!exists(from)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  if (failIfExists && exists(to)) {
    SetLastError(ERROR_FILE_EXISTS);
    return FALSE;
  }
  std::error_code error;
  fs::copy_file(from, to, fs::copy_options::overwrite_existing, error);
  if (error) {
    SetLastError(errorOfErrno(error.value()));
    return FALSE;
  }
  return TRUE;
}

BOOL MoveFileW(LPCWSTR existingFileName, LPCWSTR newFileName) {
  return MoveFileExW(existingFileName, newFileName, MOVEFILE_COPY_ALLOWED);
}

BOOL MoveFileExW(LPCWSTR existingFileName, LPCWSTR newFileName, DWORD flags) {
  const std::string from = nativePath(existingFileName);
  const std::string to = nativePath(newFileName);
  if (!exists(from)) {
    SetLastError(ERROR_FILE_NOT_FOUND);
    return FALSE;
  }
  if (exists(to)) {
    if (!(flags & MOVEFILE_REPLACE_EXISTING)) {
      SetLastError(ERROR_ALREADY_EXISTS);
      return FALSE;
    }
    if (::access(to.c_str(), W_OK) != 0) {
      SetLastError(ERROR_ACCESS_DENIED);
      return FALSE;
    }
  }
  if (::rename(from.c_str(), to.c_str()) != 0) {
    if (errno != EXDEV || !(flags & MOVEFILE_COPY_ALLOWED)) return failWithErrno();
    // Another file system: copy, then remove the original, as Windows does for files.
    if (!CopyFileW(existingFileName, newFileName, FALSE)) return FALSE;
    if (::unlink(from.c_str()) != 0) return failWithErrno();
  }
  if (flags & MOVEFILE_WRITE_THROUGH) {
    const int fd = ::open(to.c_str(), O_RDONLY | O_CLOEXEC);
    const bool synced = fd >= 0 && ::fsync(fd) == 0;
    if (fd >= 0) ::close(fd);
    if (!synced) return failWithErrno();
  }
  return TRUE;
}

FILE* _wfopen(const wchar_t* fileName, const wchar_t* mode) {
  if (!fileName || !mode) {
    errno = EINVAL;
    return nullptr;
  }
  std::string narrowMode;
  for (const wchar_t* m = mode; *m && *m != L','; ++m) {
    if (*m == L't' || *m == L' ') continue;
    if (*m > 0x7F) {
      errno = EINVAL;
      return nullptr;
    }
    narrowMode += static_cast<char>(*m);
  }
  return std::fopen(nativePath(fileName).c_str(), narrowMode.c_str());
}

int _wremove(const wchar_t* fileName) { return std::remove(nativePath(fileName).c_str()); }

int _wunlink(const wchar_t* fileName) { return ::unlink(nativePath(fileName).c_str()); }
