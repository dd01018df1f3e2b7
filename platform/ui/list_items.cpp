#include "ui/list_items.h"

#include <algorithm>
#include <cwctype>

#include "os/case_map.h"

namespace ui {

int compareItemText(const std::wstring& a, const std::wstring& b) {
  size_t n = std::min(a.size(), b.size());
  for (size_t i = 0; i < n; ++i) {
    wint_t x = toLowerLatin(a[i]), y = toLowerLatin(b[i]);
    if (x != y) return x < y ? -1 : 1;
  }
  if (a.size() == b.size()) return 0;
  return a.size() < b.size() ? -1 : 1;
}

int findItem(HWND control, int startAfter, const std::wstring& text, bool exact) {
  if (!isLiveWindow(control)) return -1;
  int count = static_cast<int>(control->items.size());
  int start = startAfter < 0 || startAfter >= count ? 0 : startAfter + 1;
  for (int k = 0; k < count; ++k) {
    int i = (start + k) % count;
    const std::wstring& item = control->items[static_cast<size_t>(i)];
    if (exact ? compareItemText(item, text) == 0
              : item.size() >= text.size() &&
                    compareItemText(item.substr(0, text.size()), text) == 0) {
      return i;
    }
  }
  return -1;
}

int insertItem(HWND control, int index, const std::wstring& text) {
  if (!isLiveWindow(control)) return -1;
  int count = static_cast<int>(control->items.size());
  if (index < 0 || index > count) {
    if (index > count) return -1;
    index = count;
    if (control->style & kCtlSort) {
      index = 0;
      while (index < count &&
             compareItemText(control->items[static_cast<size_t>(index)], text) <= 0)
        ++index;
    }
  }
  control->items.insert(control->items.begin() + index, text);
  control->itemData.insert(control->itemData.begin() + index, 0);
  control->itemSelected.insert(control->itemSelected.begin() + index, false);
  if (control->curSel >= index) ++control->curSel;
  return index;
}

int deleteItem(HWND control, int index) {
  if (!isLiveWindow(control) || index < 0 || index >= static_cast<int>(control->items.size()))
    return -1;
  control->items.erase(control->items.begin() + index);
  control->itemData.erase(control->itemData.begin() + index);
  control->itemSelected.erase(control->itemSelected.begin() + index);
  if (control->curSel == index) {
    control->curSel = -1;
  } else if (control->curSel > index) {
    --control->curSel;
  }
  return static_cast<int>(control->items.size());
}

void clearItems(HWND control) {
  if (!isLiveWindow(control)) return;
  control->items.clear();
  control->itemData.clear();
  control->itemSelected.clear();
  control->curSel = -1;
  if (control->kind != AcUiControlKind::kComboDropList) control->text.clear();
}

bool selectItem(HWND control, int index) {
  if (!isLiveWindow(control)) return false;
  bool ok = index >= 0 && index < static_cast<int>(control->items.size());
  control->curSel = ok ? index : -1;
  if (ok && (control->kind == AcUiControlKind::kComboDropDown ||
             control->kind == AcUiControlKind::kMruCombo)) {
    control->text = control->items[static_cast<size_t>(index)];
  }
  return ok;
}

}  // namespace ui
