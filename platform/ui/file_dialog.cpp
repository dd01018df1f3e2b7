// The open and save file dialogs, answered from the input.
#include <cwchar>
#include <cwctype>

#include "ed/editor.h"
#include "os/case_map.h"
#include "os/winfile.h"
#include "ui/afxdlgs.h"
#include "ui/dialog_driver.h"
#include "ui/message_box.h"

namespace {

void say(const std::wstring& text) { ed::Editor::instance().transcript().write(text); }

struct Filter {
  std::wstring name;
  std::wstring patterns;  // "*.txt;*.csv"
};

std::vector<Filter> filtersOf(const std::vector<TCHAR>& doubleNul) {
  std::vector<Filter> filters;
  size_t i = 0;
  while (i < doubleNul.size() && doubleNul[i] != L'\0') {
    std::wstring name(&doubleNul[i]);
    i += name.size() + 1;
    if (i >= doubleNul.size()) break;
    std::wstring patterns(&doubleNul[i]);
    i += patterns.size() + 1;
    filters.push_back(Filter{name, patterns});
  }
  return filters;
}

std::wstring firstPattern(const std::wstring& patterns) {
  size_t end = patterns.find(L';');
  return patterns.substr(0, end);
}

size_t nameStart(const std::wstring& path) {
  size_t slash = path.find_last_of(L"/\\");
  return slash == std::wstring::npos ? 0 : slash + 1;
}

// The position of the extension's dot in the file name, npos when there is none.
size_t extensionDot(const std::wstring& path) {
  size_t dot = path.rfind(L'.');
  return dot == std::wstring::npos || dot < nameStart(path) ? std::wstring::npos : dot;
}

std::wstring lower(const std::wstring& text) { return toLowerLatin(text); }

std::wstring trimmed(const std::wstring& text) {
  size_t first = 0, last = text.size();
  while (first < last && std::iswspace(text[first])) ++first;
  while (last > first && std::iswspace(text[last - 1])) --last;
  return text.substr(first, last - first);
}

}  // namespace

CFileDialog::CFileDialog(BOOL openFileDialog, LPCTSTR defExt, LPCTSTR fileName, DWORD flags,
                         LPCTSTR filter, CWnd* parent, DWORD size, BOOL vistaStyle)
    : CCommonDialog(parent), m_ofn{}, open_(openFileDialog), fileBuffer_(MAX_PATH, L'\0') {
  (void)size;
  (void)vistaStyle;
  defExt_ = defExt ? defExt : L"";
  if (fileName) std::wcsncpy(fileBuffer_.data(), fileName, fileBuffer_.size() - 1);
  // The framework's "name|pattern|...||" becomes the system's "name\0pattern\0...\0\0".
  if (filter) {
    for (const TCHAR* p = filter; *p; ++p) filterBuffer_.push_back(*p == L'|' ? L'\0' : *p);
  }
  filterBuffer_.push_back(L'\0');
  filterBuffer_.push_back(L'\0');
  m_ofn.lStructSize = sizeof(OPENFILENAME);
  m_ofn.hwndOwner = parent ? parent->m_hWnd : nullptr;
  m_ofn.lpstrFilter = filter ? filterBuffer_.data() : nullptr;
  m_ofn.nFilterIndex = 1;
  m_ofn.lpstrFile = fileBuffer_.data();
  m_ofn.nMaxFile = static_cast<DWORD>(fileBuffer_.size());
  m_ofn.Flags = flags | OFN_EXPLORER | OFN_ENABLESIZING;
  m_ofn.lpstrDefExt = defExt_.IsEmpty() ? nullptr : defExt_.GetString();
}

CFileDialog::~CFileDialog() = default;

INT_PTR CFileDialog::DoModal() {
  ed::Editor& editor = ed::Editor::instance();
  std::vector<Filter> filters;
  if (m_ofn.lpstrFilter) {
    std::vector<TCHAR> copy;
    const TCHAR* p = m_ofn.lpstrFilter;
    while (!(p[0] == L'\0' && p[1] == L'\0')) copy.push_back(*p++);
    copy.push_back(L'\0');
    copy.push_back(L'\0');
    filters = filtersOf(copy);
  }
  if (m_ofn.nFilterIndex < 1 || m_ofn.nFilterIndex > filters.size()) m_ofn.nFilterIndex = 1;

  std::wstring out = editor.transcript().atLineStart() ? L"" : L"\n";
  std::wstring title = m_ofn.lpstrTitle ? m_ofn.lpstrTitle
                       : open_          ? L"Ouvrir"
                                        : L"Enregistrer sous";
  out += std::wstring(open_ ? L"Ouverture de fichier" : L"Enregistrement de fichier") + L" « " +
         title + L" »\n";
  for (size_t i = 0; i < filters.size(); ++i) {
    out += L"  filtre " + std::to_wstring(i + 1) + L" : " + filters[i].name + L" [" +
           filters[i].patterns + L"]" + (i + 1 == m_ofn.nFilterIndex ? L" *" : L"") + L"\n";
  }
  out += L"  nom par défaut : " + std::wstring(m_ofn.lpstrFile ? m_ofn.lpstrFile : L"") + L"\n";
  say(out);

  ui::DialogDriver& driver = ui::dialogDriver();
  for (;;) {
    say(L"Fichier : ");
    std::wstring line;
    bool answered = false;
    if (driver.showsOwnBoxes()) {
      ui::FileDialogRequest request{open_ != FALSE, title, {}, static_cast<int>(m_ofn.nFilterIndex),
                                    m_ofn.lpstrFile ? m_ofn.lpstrFile : L"", m_ofn.hwndOwner};
      for (const Filter& f : filters) request.filters.emplace_back(f.name, f.patterns);
      answered = driver.fileName(request, line);
    } else {
      answered = editor.readLine(line);
    }
    if (!answered) {
      say(L"*Annuler*\n");
      return IDCANCEL;
    }
    say(line + L"\n");
    line = trimmed(line);
    std::wstring word = lower(line.substr(0, line.find(L' ')));
    if (word == L"annuler" || word == L"cancel") return IDCANCEL;
    if (word == L"filtre" || word == L"filter") {
      std::wstring rest = trimmed(line.substr(word.size()));
      size_t digits = 0;
      while (digits < rest.size() && std::iswdigit(rest[digits])) ++digits;
      int index = digits > 0 && digits < 6 ? std::stoi(rest.substr(0, digits)) : 0;
      if (index < 1 || index > static_cast<int>(filters.size())) {
        say(L"Filtre inconnu : " + rest.substr(0, digits) + L"\n");
        continue;
      }
      m_ofn.nFilterIndex = static_cast<DWORD>(index);
      line = trimmed(rest.substr(digits));
      if (line.empty()) continue;
    }
    if (line.empty()) {
      line = m_ofn.lpstrFile ? m_ofn.lpstrFile : L"";
      if (line.empty()) continue;
    }

    // The default extension goes on a name without one, unless the chosen filter shows all files.
    bool allFiles =
        !filters.empty() && firstPattern(filters[m_ofn.nFilterIndex - 1].patterns) == L"*.*";
    if (extensionDot(line) == std::wstring::npos && m_ofn.lpstrDefExt && *m_ofn.lpstrDefExt &&
        !allFiles) {
      line += L"." + std::wstring(m_ofn.lpstrDefExt);
    }

    std::wstring folder = line.substr(0, nameStart(line));
    DWORD fileAttributes = GetFileAttributesW(line.c_str());
    bool folderExists =
        folder.empty() || (GetFileAttributesW(folder.c_str()) & FILE_ATTRIBUTE_DIRECTORY) != 0;
    if (folder.size() > 1 && GetFileAttributesW(folder.c_str()) == INVALID_FILE_ATTRIBUTES)
      folderExists = false;
    if ((m_ofn.Flags & (OFN_PATHMUSTEXIST | OFN_FILEMUSTEXIST)) && !folderExists) {
      say(line + L"\nLe chemin d'accès n'existe pas.\nVérifiez le chemin d'accès et réessayez.\n");
      continue;
    }
    if ((m_ofn.Flags & OFN_FILEMUSTEXIST) && fileAttributes == INVALID_FILE_ATTRIBUTES) {
      say(line + L"\nFichier introuvable.\nVérifiez le nom du fichier et réessayez.\n");
      continue;
    }
    if (!open_ && (m_ofn.Flags & OFN_OVERWRITEPROMPT) &&
        fileAttributes != INVALID_FILE_ATTRIBUTES && !(fileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      std::wstring question =
          line.substr(nameStart(line)) + L" existe déjà.\nVoulez-vous le remplacer ?";
      if (ui::showMessageBox(question, title, MB_YESNO | MB_ICONEXCLAMATION) != IDYES) continue;
    }
    if (line.size() + 1 > m_ofn.nMaxFile) {
      say(L"Nom de fichier trop long.\n");
      continue;
    }
    std::wcscpy(m_ofn.lpstrFile, line.c_str());
    size_t start = nameStart(line);
    size_t dot = extensionDot(line);
    m_ofn.nFileOffset = static_cast<WORD>(start);
    m_ofn.nFileExtension = static_cast<WORD>(dot == std::wstring::npos ? line.size() : dot + 1);
    return IDOK;
  }
}

CString CFileDialog::GetPathName() const {
  return m_ofn.lpstrFile ? CString(m_ofn.lpstrFile) : CString();
}

CString CFileDialog::GetFileName() const {
  std::wstring path = GetPathName().GetString();
  return CString(path.substr(nameStart(path)).c_str());
}

CString CFileDialog::GetFileExt() const {
  std::wstring path = GetPathName().GetString();
  size_t dot = extensionDot(path);
  return dot == std::wstring::npos ? CString() : CString(path.substr(dot + 1).c_str());
}

CString CFileDialog::GetFileTitle() const {
  std::wstring name = GetFileName().GetString();
  size_t dot = name.rfind(L'.');
  return CString(name.substr(0, dot).c_str());
}

CString CFileDialog::GetFolderPath() const {
  std::wstring path = GetPathName().GetString();
  size_t start = nameStart(path);
  return CString(path.substr(0, start == 0 ? 0 : start - 1).c_str());
}
