#include "db/acutads.h"
#include "ui/acedfiled.h"
#include "ui/afxdlgs.h"

int acedGetFileD(const ACHAR* title, const ACHAR* defaultName, const ACHAR* ext, int flags,
                 resbuf* result) {
  std::wstring extension = ext ? ext : L"";
  if (extension == L"*") extension.clear();
  bool save = (flags & 1) != 0;
  CString filter =
      extension.empty()
          ? CString(L"Tous les fichiers (*.*)|*.*||")
          : CString((L"Fichiers (*." + extension + L")|*." + extension + L"||").c_str());
  DWORD dialogFlags = save ? ((flags & 32) ? 0 : OFN_OVERWRITEPROMPT) : OFN_FILEMUSTEXIST;
  // Bit 4 lets a name keep whatever extension it has, or none.
  const ACHAR* defExt = (flags & 4) || extension.empty() ? nullptr : extension.c_str();
  CFileDialog dialog(!save, defExt, defaultName, dialogFlags, filter);
  if (title && *title) dialog.m_ofn.lpstrTitle = title;
  if (dialog.DoModal() != IDOK || !result) return RTERROR;
  result->restype = RTSTR;
  result->resval.rstring = acutNewString(dialog.GetPathName());
  result->rbnext = nullptr;
  return RTNORM;
}
