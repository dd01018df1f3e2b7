// The common file dialogs, answered from the input (see CFileDialog::DoModal).
#pragma once
#include <vector>

#include "ui/afxwin.h"

#define OFN_READONLY 0x00000001
#define OFN_OVERWRITEPROMPT 0x00000002
#define OFN_HIDEREADONLY 0x00000004
#define OFN_NOCHANGEDIR 0x00000008
#define OFN_SHOWHELP 0x00000010
#define OFN_NOVALIDATE 0x00000100
#define OFN_ALLOWMULTISELECT 0x00000200
#define OFN_EXTENSIONDIFFERENT 0x00000400
#define OFN_PATHMUSTEXIST 0x00000800
#define OFN_FILEMUSTEXIST 0x00001000
#define OFN_CREATEPROMPT 0x00002000
#define OFN_NOREADONLYRETURN 0x00008000
#define OFN_EXPLORER 0x00080000
#define OFN_ENABLESIZING 0x00800000

struct OPENFILENAME {
  DWORD lStructSize;
  HWND hwndOwner;
  HINSTANCE hInstance;
  LPCTSTR lpstrFilter;  // "name\0pattern\0...\0\0"
  LPTSTR lpstrCustomFilter;
  DWORD nMaxCustFilter;
  DWORD nFilterIndex;  // 1-based
  LPTSTR lpstrFile;    // the chosen path (buffer of nMaxFile characters)
  DWORD nMaxFile;
  LPTSTR lpstrFileTitle;
  DWORD nMaxFileTitle;
  LPCTSTR lpstrInitialDir;
  LPCTSTR lpstrTitle;
  DWORD Flags;
  WORD nFileOffset;
  WORD nFileExtension;
  LPCTSTR lpstrDefExt;
  LPARAM lCustData;
};
typedef OPENFILENAME* LPOPENFILENAME;

class CCommonDialog : public CDialog {
 public:
  explicit CCommonDialog(CWnd* parent) : CDialog(0, parent) {}
};

class CFileDialog : public CCommonDialog {
 public:
  // filter is the framework's "Texte (*.txt)|*.txt|Tous (*.*)|*.*||".
  explicit CFileDialog(BOOL openFileDialog, LPCTSTR defExt = nullptr, LPCTSTR fileName = nullptr,
                       DWORD flags = OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT,
                       LPCTSTR filter = nullptr, CWnd* parent = nullptr, DWORD size = 0,
                       BOOL vistaStyle = TRUE);
  ~CFileDialog() override;

  // Prints the kind of dialog, its title, the filters and the default name, then reads a line:
  // a path; "filtre N" (then the path on the same line or the next) to choose the Nth filter;
  // "annuler"/"cancel", or the end of the input, to cancel. Refused names are asked again.
  INT_PTR DoModal() override;

  CString GetPathName() const;
  CString GetFileName() const;
  CString GetFileExt() const;
  CString GetFileTitle() const;
  CString GetFolderPath() const;
  BOOL GetReadOnlyPref() const { return (m_ofn.Flags & OFN_READONLY) != 0; }

  OPENFILENAME m_ofn;

 private:
  BOOL open_;
  std::vector<TCHAR> fileBuffer_;
  std::vector<TCHAR> filterBuffer_;
  CString defExt_;
};
