#include <dlfcn.h>

#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <mutex>
#include <set>
#include <string>

#include "os/case_map.h"
#include "os/codepage.h"
#include "os/winreg.h"

namespace {

// Key paths are stored folded to lower case, with the full root name and single "\" between the
// parts: "hkey_local_machine\software\cartovia".
struct RegistryContent {
  std::set<std::wstring> keys;  // every key of a section and all its parents
  std::map<std::wstring, std::map<std::wstring, std::wstring>> values;  // key -> name -> value
};

struct OpenKey {
  std::shared_ptr<const RegistryContent> content;
  std::wstring path;
};

std::wstring folded(std::wstring_view text) { return toLowerLatin(text); }

std::wstring trimmed(std::wstring_view text) {
  const auto isBlank = [](wchar_t c) {
    return c == L' ' || c == L'\t' || c == L'\r' || c == L'\n';
  };
  size_t begin = 0;
  size_t end = text.size();
  while (begin < end && isBlank(text[begin])) ++begin;
  while (end > begin && isBlank(text[end - 1])) --end;
  return std::wstring(text.substr(begin, end - begin));
}

// Joins the parts of a key path, dropping empty ones, folded.
std::wstring normalisedKeyPath(std::wstring_view path) {
  std::wstring result;
  std::wstring part;
  auto flush = [&] {
    if (part.empty()) return;
    if (!result.empty()) result += L'\\';
    result += folded(part);
    part.clear();
  };
  for (wchar_t c : path) {
    if (c == L'\\') {
      flush();
    } else {
      part += c;
    }
  }
  flush();
  return result;
}

const wchar_t* rootName(HKEY key) {
  if (key == HKEY_LOCAL_MACHINE) return L"hkey_local_machine";
  if (key == HKEY_CURRENT_USER) return L"hkey_current_user";
  if (key == HKEY_CLASSES_ROOT) return L"hkey_classes_root";
  if (key == HKEY_USERS) return L"hkey_users";
  return nullptr;
}

// A section's path with its root spelled out in full ("HKLM\..." is accepted too).
std::wstring sectionKeyPath(std::wstring_view header) {
  std::wstring path = normalisedKeyPath(header);
  const std::wstring root = path.substr(0, path.find(L'\\'));
  const std::wstring rest = root.size() < path.size() ? path.substr(root.size()) : L"";
  if (root == L"hklm") return L"hkey_local_machine" + rest;
  if (root == L"hkcu") return L"hkey_current_user" + rest;
  if (root == L"hkcr") return L"hkey_classes_root" + rest;
  if (root == L"hku") return L"hkey_users" + rest;
  return path;
}

void addKeyWithParents(RegistryContent& content, const std::wstring& path) {
  for (size_t end = path.find(L'\\'); end != std::wstring::npos; end = path.find(L'\\', end + 1)) {
    content.keys.insert(path.substr(0, end));
  }
  content.keys.insert(path);
}

std::shared_ptr<const RegistryContent> parse(std::istream& in) {
  auto content = std::make_shared<RegistryContent>();
  std::string rawLine;
  std::wstring section;
  bool first = true;
  while (std::getline(in, rawLine)) {
    if (first && rawLine.rfind("\xEF\xBB\xBF", 0) == 0) rawLine.erase(0, 3);  // byte-order mark
    first = false;
    const std::wstring line = trimmed(utf8ToWide(rawLine));
    if (line.empty() || line[0] == L';' || line[0] == L'#') continue;
    if (line.front() == L'[' && line.back() == L']') {
      section = sectionKeyPath(line.substr(1, line.size() - 2));
      if (!section.empty()) addKeyWithParents(*content, section);
      continue;
    }
    const size_t equals = line.find(L'=');
    if (section.empty() || equals == std::wstring::npos) continue;  // nothing to attach it to
    std::wstring name = trimmed(line.substr(0, equals));
    std::wstring value = trimmed(line.substr(equals + 1));
    if (name.size() >= 2 && name.front() == L'"' && name.back() == L'"') {
      name = name.substr(1, name.size() - 2);
    }
    if (name == L"@") name.clear();
    if (value.size() >= 2 && value.front() == L'"' && value.back() == L'"') {
      value = value.substr(1, value.size() - 2);
    }
    content->values[section][folded(name)] = value;
  }
  return content;
}

std::string defaultRegistryFile() {
  if (const char* variable = std::getenv("CADHOST_REGISTRY"); variable && *variable) {
    return variable;
  }
  Dl_info info;
  if (dladdr(reinterpret_cast<void*>(&defaultRegistryFile), &info) && info.dli_fname) {
    std::error_code error;
    const std::filesystem::path library =
        std::filesystem::absolute(std::filesystem::path(info.dli_fname), error);
    const std::filesystem::path candidate =
        library.parent_path().parent_path() / "share" / "registry.ini";
    if (!error && std::filesystem::exists(candidate, error)) return candidate.string();
  }
  return {};
}

struct RegistryState {
  std::mutex mutex;
  bool loaded = false;
  std::string fileOverride;
  std::shared_ptr<const RegistryContent> content;
  int openCount = 0;
};

RegistryState& state() {
  static RegistryState instance;
  return instance;
}

// Loads the file at the first open after a change of file; callers hold the mutex.
std::shared_ptr<const RegistryContent> currentContent(RegistryState& s) {
  if (!s.loaded) {
    const std::string file = s.fileOverride.empty() ? defaultRegistryFile() : s.fileOverride;
    std::ifstream in;
    if (!file.empty()) in.open(file, std::ios::binary);
    if (in) {
      s.content = parse(in);
    } else {
      s.content = std::make_shared<RegistryContent>();
    }
    s.loaded = true;
  }
  return s.content;
}

OpenKey* openKeyOf(HKEY key) { return rootName(key) ? nullptr : reinterpret_cast<OpenKey*>(key); }

}  // namespace

LONG RegOpenKeyExW(HKEY key, LPCWSTR subKey, DWORD /*options*/, REGSAM /*desired*/, PHKEY result) {
  RegistryState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  ++s.openCount;
  if (!result || !key) return ERROR_INVALID_PARAMETER;
  *result = nullptr;
  std::shared_ptr<const RegistryContent> content;
  std::wstring path;
  if (const wchar_t* root = rootName(key)) {
    content = currentContent(s);
    path = root;
  } else {
    const OpenKey* parent = openKeyOf(key);
    content = parent->content;
    path = parent->path;
  }
  const std::wstring relative = normalisedKeyPath(subKey ? subKey : L"");
  if (!relative.empty()) path += L'\\' + relative;
  if (!content->keys.count(path)) return ERROR_FILE_NOT_FOUND;
  *result = reinterpret_cast<HKEY>(new OpenKey{content, path});
  return ERROR_SUCCESS;
}

LONG RegQueryValueExW(HKEY key, LPCWSTR valueName, LPDWORD /*reserved*/, LPDWORD type, LPBYTE data,
                      LPDWORD dataSize) {
  if (!key) return ERROR_INVALID_HANDLE;
  if (data && !dataSize) return ERROR_INVALID_PARAMETER;
  std::shared_ptr<const RegistryContent> content;
  std::wstring path;
  if (const wchar_t* root = rootName(key)) {
    RegistryState& s = state();
    std::lock_guard<std::mutex> lock(s.mutex);
    content = currentContent(s);
    path = root;
  } else {
    content = openKeyOf(key)->content;
    path = openKeyOf(key)->path;
  }
  const auto keyValues = content->values.find(path);
  if (keyValues == content->values.end()) return ERROR_FILE_NOT_FOUND;
  const auto value = keyValues->second.find(folded(valueName ? valueName : L""));
  if (value == keyValues->second.end()) return ERROR_FILE_NOT_FOUND;
  if (type) *type = REG_SZ;
  const DWORD needed = static_cast<DWORD>((value->second.size() + 1) * sizeof(wchar_t));
  if (!dataSize) return ERROR_SUCCESS;
  if (!data) {
    *dataSize = needed;
    return ERROR_SUCCESS;
  }
  if (*dataSize < needed) {
    *dataSize = needed;
    return ERROR_MORE_DATA;
  }
  std::memcpy(data, value->second.c_str(), needed);
  *dataSize = needed;
  return ERROR_SUCCESS;
}

LONG RegCloseKey(HKEY key) {
  if (!key) return ERROR_INVALID_HANDLE;
  delete openKeyOf(key);  // the predefined roots are never closed
  return ERROR_SUCCESS;
}

int registryOpenCount() {
  RegistryState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  return s.openCount;
}

void resetRegistryOpenCount() {
  RegistryState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.openCount = 0;
}

void setRegistryFile(const std::string& path) {
  RegistryState& s = state();
  std::lock_guard<std::mutex> lock(s.mutex);
  s.fileOverride = path;
  s.loaded = false;
  s.content.reset();
}
