// The common controls: report-mode list view with its header, spin button and progress bar, and
// their notifications.
#pragma once
#include "ui/afxwin.h"

#define NM_FIRST (0U - 0U)
#define NM_CLICK (NM_FIRST - 2)
#define NM_DBLCLK (NM_FIRST - 3)
#define NM_RETURN (NM_FIRST - 4)
#define NM_RCLICK (NM_FIRST - 5)
#define NM_RDBLCLK (NM_FIRST - 6)
#define NM_SETFOCUS (NM_FIRST - 7)
#define NM_KILLFOCUS (NM_FIRST - 8)
#define LVN_FIRST (0U - 100U)
#define LVN_ITEMCHANGING (LVN_FIRST - 0)
#define LVN_ITEMCHANGED (LVN_FIRST - 1)
#define LVN_DELETEITEM (LVN_FIRST - 3)
#define LVN_DELETEALLITEMS (LVN_FIRST - 4)
#define LVN_COLUMNCLICK (LVN_FIRST - 8)
#define LVN_KEYDOWN (LVN_FIRST - 55)
#define UDN_FIRST (0U - 721U)
#define UDN_DELTAPOS (UDN_FIRST - 1)

#define LVCFMT_LEFT 0x0000
#define LVCFMT_RIGHT 0x0001
#define LVCFMT_CENTER 0x0002
#define LVCF_FMT 0x0001
#define LVCF_WIDTH 0x0002
#define LVCF_TEXT 0x0004
#define LVCF_SUBITEM 0x0008

#define LVIF_TEXT 0x0001
#define LVIF_IMAGE 0x0002
#define LVIF_PARAM 0x0004
#define LVIF_STATE 0x0008
#define LVIS_FOCUSED 0x0001
#define LVIS_SELECTED 0x0002
#define LVIS_STATEIMAGEMASK 0xF000
#define INDEXTOSTATEIMAGEMASK(i) ((i) << 12)

#define LVNI_ALL 0x0000
#define LVNI_FOCUSED 0x0001
#define LVNI_SELECTED 0x0002

#define LVS_REPORT 0x0001
#define LVS_SINGLESEL 0x0004
#define LVS_SHOWSELALWAYS 0x0008
#define LVS_NOSORTHEADER 0x8000
#define LVS_EX_GRIDLINES 0x00000001
#define LVS_EX_CHECKBOXES 0x00000004
#define LVS_EX_HEADERDRAGDROP 0x00000010
#define LVS_EX_FULLROWSELECT 0x00000020

#define UD_MAXVAL 0x7fff
#define UD_MINVAL (-UD_MAXVAL)

#define LVSCW_AUTOSIZE (-1)
#define LVSCW_AUTOSIZE_USEHEADER (-2)

struct NMLISTVIEW {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
};
typedef NMLISTVIEW* LPNMLISTVIEW;
typedef NMLISTVIEW NM_LISTVIEW;

struct NMITEMACTIVATE {
  NMHDR hdr;
  int iItem;
  int iSubItem;
  UINT uNewState;
  UINT uOldState;
  UINT uChanged;
  POINT ptAction;
  LPARAM lParam;
  UINT uKeyFlags;
};
typedef NMITEMACTIVATE* LPNMITEMACTIVATE;

struct NMUPDOWN {
  NMHDR hdr;
  int iPos;
  int iDelta;
};
typedef NMUPDOWN* LPNMUPDOWN;

struct LVCOLUMN {
  UINT mask;
  int fmt;
  int cx;
  LPTSTR pszText;
  int cchTextMax;
  int iSubItem;
};
struct LVITEM {
  UINT mask;
  int iItem;
  int iSubItem;
  UINT state;
  UINT stateMask;
  LPTSTR pszText;
  int cchTextMax;
  int iImage;
  LPARAM lParam;
};
struct HDITEM {
  UINT mask;
  int cxy;
  LPTSTR pszText;
  int cchTextMax;
  int fmt;
};
#define HDI_WIDTH 0x0001
#define HDI_TEXT 0x0002
#define HDI_FORMAT 0x0004

typedef int (*PFNLVCOMPARE)(LPARAM item1, LPARAM item2, LPARAM sortData);

class CHeaderCtrl : public CWnd {
 public:
  int GetItemCount() const;
  BOOL GetItem(int index, HDITEM* item) const;
  BOOL SetItem(int index, HDITEM* item);
};

class CListCtrl : public CWnd {
 public:
  int InsertColumn(int column, LPCTSTR heading, int format = LVCFMT_LEFT, int width = -1,
                   int subItem = -1);
  BOOL DeleteColumn(int column);
  int GetColumnWidth(int column) const;
  BOOL SetColumnWidth(int column, int width);
  BOOL GetColumn(int column, LVCOLUMN* info) const;
  // The header: a view on this list's columns.
  CHeaderCtrl* GetHeaderCtrl() const;

  int InsertItem(int index, LPCTSTR text);
  int InsertItem(int index, LPCTSTR text, int image) {
    (void)image;
    return InsertItem(index, text);
  }
  int InsertItem(const LVITEM* item);
  BOOL SetItemText(int item, int subItem, LPCTSTR text);
  CString GetItemText(int item, int subItem) const;
  int GetItemText(int item, int subItem, LPTSTR buffer, int length) const;
  BOOL SetItemData(int item, DWORD_PTR data);
  DWORD_PTR GetItemData(int item) const;
  BOOL DeleteItem(int item);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  BOOL SetItemCount(int count) {
    (void)count;
    return TRUE;
  }
  UINT GetSelectedCount() const;
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;
  int GetNextItem(int start, int flags) const;
  int GetSelectionMark() const;
  int SetSelectionMark(int item);
  BOOL SetItemState(int item, UINT state, UINT mask);
  UINT GetItemState(int item, UINT mask) const;
  DWORD SetExtendedStyle(DWORD style);
  DWORD GetExtendedStyle() const;
  BOOL SetCheck(int item, BOOL check = TRUE);
  BOOL GetCheck(int item) const;
  // Sorts the rows with compare(itemData1, itemData2, sortData), as the framework does.
  BOOL SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData);
  BOOL EnsureVisible(int item, BOOL partialOK) {
    (void)partialOK;
    return item >= 0 && item < GetItemCount();
  }
  BOOL RedrawItems(int first, int last) {
    (void)first, (void)last;
    return TRUE;
  }
  BOOL Update(int item) {
    (void)item;
    return TRUE;
  }
  int GetTopIndex() const { return 0; }
  int GetCountPerPage() const;
};

class CSpinButtonCtrl : public CWnd {
 public:
  void SetRange(short lower, short upper) { SetRange32(lower, upper); }
  void SetRange32(int lower, int upper);
  void GetRange32(int& lower, int& upper) const;
  CWnd* SetBuddy(CWnd* buddy);
  CWnd* GetBuddy() const;
  int SetPos(int pos) { return SetPos32(pos); }
  int GetPos() const { return GetPos32(); }
  int SetPos32(int pos);
  int GetPos32(LPBOOL error = nullptr) const;
  DWORD GetBase() const { return 10; }
};

class CProgressCtrl : public CWnd {
 public:
  void SetRange(short lower, short upper) { SetRange32(lower, upper); }
  void SetRange32(int lower, int upper);
  void GetRange(int& lower, int& upper) const;
  int SetStep(int step);
  // Each returns the previous position; the position stays within the range.
  int SetPos(int pos);
  int OffsetPos(int delta);
  int StepIt();
  int GetPos() const;
};

BOOL AfxInitCommonControls();
void InitCommonControls();
