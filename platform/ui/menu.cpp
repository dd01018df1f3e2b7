// Dialog menu bars: built from the menu registered for the dialog's template, changed through
// CMenu, chosen by the drivers (a chosen item sends WM_COMMAND with code 0 to the dialog).
#include "ui/window.h"

namespace {

MenuItem itemOf(const AcUiMenuItemTemplate& t) {
  MenuItem item;
  item.popup = t.popup != nullptr ? t.popup : L"";
  item.id = t.id;
  item.caption = t.caption != nullptr ? t.caption : L"";
  item.separator = (t.style & kMenuSeparator) != 0;
  item.grayed = (t.style & kMenuGrayed) != 0;
  item.checked = (t.style & kMenuChecked) != 0;
  return item;
}

// The first item of each popup, in order.
std::vector<size_t> popupStarts(const std::vector<MenuItem>& menu) {
  std::vector<size_t> starts;
  for (size_t i = 0; i < menu.size(); ++i)
    if (i == 0 || menu[i].popup != menu[i - 1].popup) starts.push_back(i);
  return starts;
}

}  // namespace

namespace ui {

void loadDialogMenu(HWND dialog) {
  const AcUiDialogMenuTemplate* found = AfxFindDialogMenu(static_cast<UINT>(dialog->id));
  if (found == nullptr) return;
  for (size_t i = 0; i < found->itemCount; ++i) dialog->menu.push_back(itemOf(found->items[i]));
  dialog->menuBar = std::make_unique<CMenu>(dialog, -1);
  dialog->menuBar->m_hMenu = dialog->menuBar.get();
  const size_t popups = popupStarts(dialog->menu).size();
  for (size_t p = 0; p < popups; ++p) {
    dialog->menuPopups.push_back(std::make_unique<CMenu>(dialog, static_cast<int>(p)));
    dialog->menuPopups.back()->m_hMenu = dialog->menuPopups.back().get();
  }
}

std::vector<std::wstring> menuPopups(HWND dialog) {
  std::vector<std::wstring> captions;
  if (!isLiveWindow(dialog)) return captions;
  for (size_t start : popupStarts(dialog->menu)) captions.push_back(dialog->menu[start].popup);
  return captions;
}

MenuItem* findMenuItem(HWND dialog, const std::wstring& name) {
  if (!isLiveWindow(dialog) || name.empty()) return nullptr;
  bool number = true;
  UINT id = 0;
  for (wchar_t c : name) {
    if (c < L'0' || c > L'9' || id > 0xFFFFFFF) {
      number = false;
      break;
    }
    id = id * 10 + static_cast<UINT>(c - L'0');
  }
  const std::wstring wanted = normalCaption(name);
  for (MenuItem& item : dialog->menu) {
    if (item.separator) continue;
    if (number ? item.id == id : normalCaption(item.caption) == wanted) return &item;
  }
  return nullptr;
}

}  // namespace ui

CMenu* CWnd::GetMenu() const {
  return ui::isLiveWindow(m_hWnd) ? m_hWnd->menuBar.get() : nullptr;
}

int CMenu::itemIndex(UINT item, UINT flags) const {
  if (!ui::isLiveWindow(window_)) return -1;
  const std::vector<MenuItem>& menu = window_->menu;
  if (flags & MF_BYPOSITION) {
    if (popup_ < 0) return -1;  // the bar's positions are popups, not items
    const std::vector<size_t> starts = popupStarts(menu);
    const size_t first = starts[static_cast<size_t>(popup_)];
    const size_t end = static_cast<size_t>(popup_) + 1 < starts.size() ? starts[static_cast<size_t>(popup_) + 1] : menu.size();
    return item < end - first ? static_cast<int>(first + item) : -1;
  }
  for (size_t i = 0; i < menu.size(); ++i)
    if (!menu[i].separator && menu[i].id == item) return static_cast<int>(i);
  return -1;
}

int CMenu::GetMenuItemCount() const {
  if (!ui::isLiveWindow(window_)) return -1;
  const std::vector<size_t> starts = popupStarts(window_->menu);
  if (popup_ < 0) return static_cast<int>(starts.size());
  const size_t p = static_cast<size_t>(popup_);
  const size_t end = p + 1 < starts.size() ? starts[p + 1] : window_->menu.size();
  return static_cast<int>(end - starts[p]);
}

UINT CMenu::GetMenuItemID(int position) const {
  if (popup_ < 0) return static_cast<UINT>(-1);
  const int i = itemIndex(static_cast<UINT>(position), MF_BYPOSITION);
  if (i < 0) return static_cast<UINT>(-1);
  const MenuItem& item = window_->menu[static_cast<size_t>(i)];
  return item.separator ? 0 : item.id;
}

CMenu* CMenu::GetSubMenu(int position) const {
  if (popup_ >= 0 || !ui::isLiveWindow(window_) || position < 0 ||
      static_cast<size_t>(position) >= window_->menuPopups.size()) {
    return nullptr;
  }
  return window_->menuPopups[static_cast<size_t>(position)].get();
}

UINT CMenu::EnableMenuItem(UINT item, UINT flags) {
  const int i = itemIndex(item, flags);
  if (i < 0) return static_cast<UINT>(-1);
  MenuItem& entry = window_->menu[static_cast<size_t>(i)];
  const UINT before = entry.grayed ? MF_GRAYED | MF_DISABLED : MF_ENABLED;
  entry.grayed = (flags & (MF_GRAYED | MF_DISABLED)) != 0;
  return before;
}

UINT CMenu::CheckMenuItem(UINT item, UINT flags) {
  const int i = itemIndex(item, flags);
  if (i < 0) return static_cast<UINT>(-1);
  MenuItem& entry = window_->menu[static_cast<size_t>(i)];
  const UINT before = entry.checked ? MF_CHECKED : MF_UNCHECKED;
  entry.checked = (flags & MF_CHECKED) != 0;
  return before;
}

UINT CMenu::GetMenuState(UINT item, UINT flags) const {
  if (popup_ < 0 && (flags & MF_BYPOSITION)) {
    return static_cast<int>(item) < GetMenuItemCount() ? MF_POPUP : static_cast<UINT>(-1);
  }
  const int i = itemIndex(item, flags);
  if (i < 0) return static_cast<UINT>(-1);
  const MenuItem& entry = window_->menu[static_cast<size_t>(i)];
  return (entry.grayed ? MF_GRAYED | MF_DISABLED : 0) | (entry.checked ? MF_CHECKED : 0) |
         (entry.separator ? MF_SEPARATOR : 0);
}

int CMenu::GetMenuString(UINT item, CString& text, UINT flags) const {
  if (popup_ < 0 && (flags & MF_BYPOSITION)) {
    const std::vector<std::wstring> popups = ui::menuPopups(window_);
    text = item < popups.size() ? popups[item].c_str() : L"";
    return text.GetLength();
  }
  const int i = itemIndex(item, flags);
  text = i < 0 ? L"" : window_->menu[static_cast<size_t>(i)].caption.c_str();
  return text.GetLength();
}
