// The rich edit control: its text is kept; formatting is accepted and ignored.
#pragma once
#include "ui/afxwin.h"

struct CHARRANGE {
  LONG cpMin;
  LONG cpMax;
};

struct CHARFORMAT {
  UINT cbSize;
  DWORD dwMask;
  DWORD dwEffects;
  LONG yHeight;
  LONG yOffset;
  COLORREF crTextColor;
  BYTE bCharSet;
  BYTE bPitchAndFamily;
  TCHAR szFaceName[32];
};
typedef CHARFORMAT CHARFORMAT2;

#define CFM_BOLD 0x00000001
#define CFM_ITALIC 0x00000002
#define CFM_UNDERLINE 0x00000004
#define CFM_COLOR 0x40000000
#define CFM_SIZE 0x80000000
#define CFM_FACE 0x20000000
#define CFE_BOLD 0x0001
#define CFE_ITALIC 0x0002
#define CFE_UNDERLINE 0x0004
#define SCF_SELECTION 0x0001
#define SCF_ALL 0x0004

class CRichEditCtrl : public CWnd {
 public:
  // Positions are in characters; -1 as the end selects to the end of the text.
  void SetSel(long start, long end);
  void SetSel(CHARRANGE& range) { SetSel(range.cpMin, range.cpMax); }
  void GetSel(long& start, long& end) const;
  // Replaces the selection and leaves the caret after the new text.
  void ReplaceSel(LPCTSTR text, BOOL canUndo = FALSE);
  CString GetSelText() const;
  long GetTextLength() const;
  int GetLineCount() const;
  BOOL SetReadOnly(BOOL readOnly = TRUE);
  BOOL SetDefaultCharFormat(CHARFORMAT&) { return TRUE; }
  BOOL SetSelectionCharFormat(CHARFORMAT&) { return TRUE; }
  BOOL SetWordCharFormat(CHARFORMAT&) { return TRUE; }
  COLORREF SetBackgroundColor(BOOL, COLORREF color) { return color; }
  void LimitText(long) {}
  void HideSelection(BOOL, BOOL) {}
};

BOOL AfxInitRichEdit();
BOOL AfxInitRichEdit2();
