// CListCtrl in report mode, and its header.
#include <algorithm>
#include <cwchar>

#include "ui/afxcmn.h"
#include "ui/window.h"

namespace {

bool validRow(HWND w, int item) {
  return ui::isLiveWindow(w) && item >= 0 && item < static_cast<int>(w->rows.size());
}

ListViewRow& rowAt(HWND w, int item) { return w->rows[static_cast<size_t>(item)]; }

UINT stateImage(HWND w, const ListViewRow& row) {
  if (!(w->extendedStyle & LVS_EX_CHECKBOXES)) return 0;
  return INDEXTOSTATEIMAGEMASK(row.checked ? 2U : 1U);
}

// Sets the state bits of one row; tells the dialog when they changed, as the control does.
void setRowState(HWND w, int item, UINT state, UINT mask) {
  ListViewRow& row = rowAt(w, item);
  UINT oldState = row.state | stateImage(w, row);
  if (mask & LVIS_STATEIMAGEMASK) row.checked = ((state & LVIS_STATEIMAGEMASK) >> 12) == 2;
  row.state = (row.state & ~(mask & ~LVIS_STATEIMAGEMASK)) | (state & mask & ~LVIS_STATEIMAGEMASK);
  UINT newState = row.state | stateImage(w, row);
  if (newState != oldState) ui::notifyItemChanged(w, item, oldState, newState);
}

}  // namespace

int CHeaderCtrl::GetItemCount() const {
  return ui::isLiveWindow(m_hWnd) ? static_cast<int>(m_hWnd->columns.size()) : 0;
}

BOOL CHeaderCtrl::GetItem(int index, HDITEM* item) const {
  if (!ui::isLiveWindow(m_hWnd) || !item || index < 0 ||
      index >= static_cast<int>(m_hWnd->columns.size())) {
    return FALSE;
  }
  const ListViewColumn& column = m_hWnd->columns[static_cast<size_t>(index)];
  if (item->mask & HDI_WIDTH) item->cxy = column.width;
  if (item->mask & HDI_FORMAT) item->fmt = column.format;
  if ((item->mask & HDI_TEXT) && item->pszText && item->cchTextMax > 0) {
    std::wcsncpy(item->pszText, column.caption.c_str(), static_cast<size_t>(item->cchTextMax - 1));
    item->pszText[item->cchTextMax - 1] = L'\0';
  }
  return TRUE;
}

BOOL CHeaderCtrl::SetItem(int index, HDITEM* item) {
  if (!ui::isLiveWindow(m_hWnd) || !item || index < 0 ||
      index >= static_cast<int>(m_hWnd->columns.size())) {
    return FALSE;
  }
  ListViewColumn& column = m_hWnd->columns[static_cast<size_t>(index)];
  if (item->mask & HDI_WIDTH) column.width = item->cxy;
  if (item->mask & HDI_FORMAT) column.format = item->fmt;
  if ((item->mask & HDI_TEXT) && item->pszText) column.caption = item->pszText;
  return TRUE;
}

int CListCtrl::InsertColumn(int column, LPCTSTR heading, int format, int width, int subItem) {
  (void)subItem;
  if (!ui::isLiveWindow(m_hWnd)) return -1;
  auto& columns = m_hWnd->columns;
  column = std::clamp(column, 0, static_cast<int>(columns.size()));
  columns.insert(columns.begin() + column,
                 ListViewColumn{heading ? heading : L"", format, width < 0 ? 0 : width});
  for (ListViewRow& row : m_hWnd->rows) {
    if (static_cast<int>(row.cells.size()) > column && column > 0) {
      row.cells.insert(row.cells.begin() + column, L"");
    }
  }
  return column;
}

BOOL CListCtrl::DeleteColumn(int column) {
  if (!ui::isLiveWindow(m_hWnd) || column < 0 || column >= static_cast<int>(m_hWnd->columns.size()))
    return FALSE;
  m_hWnd->columns.erase(m_hWnd->columns.begin() + column);
  for (ListViewRow& row : m_hWnd->rows) {
    if (column < static_cast<int>(row.cells.size())) row.cells.erase(row.cells.begin() + column);
  }
  return TRUE;
}

int CListCtrl::GetColumnWidth(int column) const {
  if (!ui::isLiveWindow(m_hWnd) || column < 0 || column >= static_cast<int>(m_hWnd->columns.size()))
    return 0;
  return m_hWnd->columns[static_cast<size_t>(column)].width;
}

BOOL CListCtrl::SetColumnWidth(int column, int width) {
  if (!ui::isLiveWindow(m_hWnd) || column < 0 || column >= static_cast<int>(m_hWnd->columns.size()))
    return FALSE;
  if (width < 0) {
    // Automatic widths: about the width of the longest text (6 pixels a character).
    size_t longest = width == LVSCW_AUTOSIZE_USEHEADER
                         ? m_hWnd->columns[static_cast<size_t>(column)].caption.size()
                         : 0;
    for (const ListViewRow& row : m_hWnd->rows) {
      if (column < static_cast<int>(row.cells.size()))
        longest = std::max(longest, row.cells[static_cast<size_t>(column)].size());
    }
    width = static_cast<int>(longest) * 6 + 12;
  }
  m_hWnd->columns[static_cast<size_t>(column)].width = width;
  return TRUE;
}

BOOL CListCtrl::GetColumn(int column, LVCOLUMN* info) const {
  if (!ui::isLiveWindow(m_hWnd) || !info || column < 0 ||
      column >= static_cast<int>(m_hWnd->columns.size()))
    return FALSE;
  const ListViewColumn& c = m_hWnd->columns[static_cast<size_t>(column)];
  if (info->mask & LVCF_FMT) info->fmt = c.format;
  if (info->mask & LVCF_WIDTH) info->cx = c.width;
  if ((info->mask & LVCF_TEXT) && info->pszText && info->cchTextMax > 0) {
    std::wcsncpy(info->pszText, c.caption.c_str(), static_cast<size_t>(info->cchTextMax - 1));
    info->pszText[info->cchTextMax - 1] = L'\0';
  }
  return TRUE;
}

CHeaderCtrl* CListCtrl::GetHeaderCtrl() const {
  if (!ui::isLiveWindow(m_hWnd)) return nullptr;
  if (!m_hWnd->headerView) {
    m_hWnd->headerView = std::make_unique<CHeaderCtrl>();
    m_hWnd->headerView->m_hWnd = m_hWnd;
  }
  return static_cast<CHeaderCtrl*>(m_hWnd->headerView.get());
}

int CListCtrl::InsertItem(int index, LPCTSTR text) {
  if (!ui::isLiveWindow(m_hWnd)) return -1;
  auto& rows = m_hWnd->rows;
  index = std::clamp(index, 0, static_cast<int>(rows.size()));
  ListViewRow row;
  row.cells.assign(std::max<size_t>(1, m_hWnd->columns.size()), L"");
  row.cells[0] = text ? text : L"";
  rows.insert(rows.begin() + index, std::move(row));
  if (m_hWnd->selectionMark >= index) ++m_hWnd->selectionMark;
  return index;
}

int CListCtrl::InsertItem(const LVITEM* item) {
  if (!item) return -1;
  int index = InsertItem(item->iItem, (item->mask & LVIF_TEXT) ? item->pszText : L"");
  if (index >= 0 && (item->mask & LVIF_PARAM))
    rowAt(m_hWnd, index).data = static_cast<DWORD_PTR>(item->lParam);
  if (index >= 0 && (item->mask & LVIF_STATE))
    rowAt(m_hWnd, index).state = item->state & item->stateMask;
  return index;
}

BOOL CListCtrl::SetItemText(int item, int subItem, LPCTSTR text) {
  if (!validRow(m_hWnd, item) || subItem < 0) return FALSE;
  ListViewRow& row = rowAt(m_hWnd, item);
  if (static_cast<int>(row.cells.size()) <= subItem)
    row.cells.resize(static_cast<size_t>(subItem) + 1);
  row.cells[static_cast<size_t>(subItem)] = text ? text : L"";
  return TRUE;
}

CString CListCtrl::GetItemText(int item, int subItem) const {
  if (!validRow(m_hWnd, item) || subItem < 0) return CString();
  const ListViewRow& row = rowAt(m_hWnd, item);
  if (subItem >= static_cast<int>(row.cells.size())) return CString();
  return CString(row.cells[static_cast<size_t>(subItem)].c_str());
}

int CListCtrl::GetItemText(int item, int subItem, LPTSTR buffer, int length) const {
  if (!buffer || length <= 0) return 0;
  CString text = GetItemText(item, subItem);
  std::wcsncpy(buffer, text.GetString(), static_cast<size_t>(length - 1));
  buffer[length - 1] = L'\0';
  return static_cast<int>(std::wcslen(buffer));
}

BOOL CListCtrl::SetItemData(int item, DWORD_PTR data) {
  if (!validRow(m_hWnd, item)) return FALSE;
  rowAt(m_hWnd, item).data = data;
  return TRUE;
}

DWORD_PTR CListCtrl::GetItemData(int item) const {
  return validRow(m_hWnd, item) ? rowAt(m_hWnd, item).data : 0;
}

BOOL CListCtrl::DeleteItem(int item) {
  if (!validRow(m_hWnd, item)) return FALSE;
  m_hWnd->rows.erase(m_hWnd->rows.begin() + item);
  if (m_hWnd->selectionMark == item) {
    m_hWnd->selectionMark = -1;
  } else if (m_hWnd->selectionMark > item) {
    --m_hWnd->selectionMark;
  }
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  if (!ui::isLiveWindow(m_hWnd)) return FALSE;
  m_hWnd->rows.clear();
  m_hWnd->selectionMark = -1;
  return TRUE;
}

int CListCtrl::GetItemCount() const {
  return ui::isLiveWindow(m_hWnd) ? static_cast<int>(m_hWnd->rows.size()) : 0;
}

UINT CListCtrl::GetSelectedCount() const {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  UINT n = 0;
  for (const ListViewRow& row : m_hWnd->rows) n += (row.state & LVIS_SELECTED) ? 1 : 0;
  return n;
}

// A position is the index of a selected row plus one; null after the last.
POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  int first = GetNextItem(-1, LVNI_SELECTED);
  return first < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<intptr_t>(first) + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  int item = static_cast<int>(reinterpret_cast<intptr_t>(pos)) - 1;
  int next = GetNextItem(item, LVNI_SELECTED);
  pos = next < 0 ? nullptr : reinterpret_cast<POSITION>(static_cast<intptr_t>(next) + 1);
  return item;
}

int CListCtrl::GetNextItem(int start, int flags) const {
  if (!ui::isLiveWindow(m_hWnd)) return -1;
  for (int i = std::max(start + 1, 0); i < static_cast<int>(m_hWnd->rows.size()); ++i) {
    UINT state = rowAt(m_hWnd, i).state;
    if (flags == LVNI_ALL || ((flags & LVNI_SELECTED) && (state & LVIS_SELECTED)) ||
        ((flags & LVNI_FOCUSED) && (state & LVIS_FOCUSED))) {
      return i;
    }
  }
  return -1;
}

int CListCtrl::GetSelectionMark() const {
  return ui::isLiveWindow(m_hWnd) ? m_hWnd->selectionMark : -1;
}

int CListCtrl::SetSelectionMark(int item) {
  if (!ui::isLiveWindow(m_hWnd)) return -1;
  int previous = m_hWnd->selectionMark;
  m_hWnd->selectionMark = item;
  return previous;
}

BOOL CListCtrl::SetItemState(int item, UINT state, UINT mask) {
  if (!ui::isLiveWindow(m_hWnd)) return FALSE;
  if (item == -1) {
    for (int i = 0; i < static_cast<int>(m_hWnd->rows.size()); ++i)
      setRowState(m_hWnd, i, state, mask);
    return TRUE;
  }
  if (!validRow(m_hWnd, item)) return FALSE;
  // A single-selection list keeps one selected row.
  if ((m_hWnd->style & kCtlSingleSel) && (mask & state & LVIS_SELECTED)) {
    for (int i = 0; i < static_cast<int>(m_hWnd->rows.size()); ++i) {
      if (i != item) setRowState(m_hWnd, i, 0, LVIS_SELECTED);
    }
  }
  setRowState(m_hWnd, item, state, mask);
  if (mask & state & LVIS_SELECTED) m_hWnd->selectionMark = item;
  return TRUE;
}

UINT CListCtrl::GetItemState(int item, UINT mask) const {
  if (!validRow(m_hWnd, item)) return 0;
  const ListViewRow& row = rowAt(m_hWnd, item);
  return (row.state | stateImage(m_hWnd, row)) & mask;
}

DWORD CListCtrl::SetExtendedStyle(DWORD style) {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  DWORD previous = m_hWnd->extendedStyle;
  m_hWnd->extendedStyle = style;
  return previous;
}

DWORD CListCtrl::GetExtendedStyle() const {
  return ui::isLiveWindow(m_hWnd) ? m_hWnd->extendedStyle : 0;
}

BOOL CListCtrl::SetCheck(int item, BOOL check) {
  if (!validRow(m_hWnd, item)) return FALSE;
  setRowState(m_hWnd, item, INDEXTOSTATEIMAGEMASK(check ? 2U : 1U), LVIS_STATEIMAGEMASK);
  return TRUE;
}

BOOL CListCtrl::GetCheck(int item) const {
  return validRow(m_hWnd, item) && rowAt(m_hWnd, item).checked;
}

BOOL CListCtrl::SortItems(PFNLVCOMPARE compare, DWORD_PTR sortData) {
  if (!ui::isLiveWindow(m_hWnd) || !compare) return FALSE;
  std::stable_sort(m_hWnd->rows.begin(), m_hWnd->rows.end(),
                   [&](const ListViewRow& a, const ListViewRow& b) {
                     return compare(static_cast<LPARAM>(a.data), static_cast<LPARAM>(b.data),
                                    static_cast<LPARAM>(sortData)) < 0;
                   });
  return TRUE;
}

int CListCtrl::GetCountPerPage() const {
  if (!ui::isLiveWindow(m_hWnd)) return 0;
  // Rows of 8 dialog units under a header of the same height.
  return std::max(1, (m_hWnd->rect.bottom - m_hWnd->rect.top) / 8 - 1);
}
