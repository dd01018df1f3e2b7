// A dialog as text: its title and size, then each visible control with its id, kind, state and
// value, one a line (list rows below their list). Tests and scenario transcripts compare this.
#include <cwchar>

#include "ed/editor.h"
#include "ui/afxcmn.h"
#include "ui/dialog_driver.h"
#include "ui/window.h"

namespace {

constexpr size_t kMaxListedItems = 20;  // combo items shown in full up to this count
constexpr size_t kMaxRows = 50;         // list rows printed, the others counted

const wchar_t* kindName(const HWND__& c) {
  switch (c.kind) {
    case AcUiControlKind::kStatic:
      return L"texte";
    case AcUiControlKind::kEdit:
      return L"édition";
    case AcUiControlKind::kButton:
      return L"bouton";
    case AcUiControlKind::kDefButton:
      return L"bouton par défaut";
    case AcUiControlKind::kCheckBox:
      return L"case à cocher";
    case AcUiControlKind::kRadio:
      return L"option";
    case AcUiControlKind::kGroupBox:
      return L"groupe";
    case AcUiControlKind::kComboDropList:
      return L"liste déroulante";
    case AcUiControlKind::kComboDropDown:
      return L"combo modifiable";
    case AcUiControlKind::kListBox:
      return L"liste";
    case AcUiControlKind::kListView:
      return L"tableau";
    case AcUiControlKind::kSpin:
      return L"compteur";
    case AcUiControlKind::kProgress:
      return L"progression";
    case AcUiControlKind::kRichEdit:
      return L"texte enrichi";
    case AcUiControlKind::kPicture:
      return L"image";
    case AcUiControlKind::kColorCombo:
      return L"couleur";
    case AcUiControlKind::kMruCombo:
      return L"combo récent";
    case AcUiControlKind::kWebBrowser:
      return L"navigateur";
  }
  return L"contrôle";
}

std::wstring withoutAmpersands(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&') {
      if (i + 1 < text.size() && text[i + 1] == L'&') out += L'&', ++i;
      continue;
    }
    out += text[i];
  }
  return out;
}

// Line breaks shown as " | " so that one control stays on one line.
std::wstring oneLine(const std::wstring& text) {
  std::wstring out;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r') continue;
    if (text[i] == L'\n') {
      out += L" | ";
    } else {
      out += text[i];
    }
  }
  return out;
}

std::wstring colorName(int index) {
  static const wchar_t* const names[] = {L"DuBloc", L"rouge", L"jaune",   L"vert",
                                         L"cyan",   L"bleu",  L"magenta", L"blanc"};
  if (index == 256) return L"DuCalque";
  if (index >= 0 && index <= 7)
    return index == 0 ? names[0] : std::to_wstring(index) + L" (" + names[index] + L")";
  return std::to_wstring(index);
}

// The shown text of a combo box followed by its items.
std::wstring withItems(const std::wstring& text, const HWND__& c) {
  std::wstring out = text.empty() ? L"{" : text + L" {";
  if (c.items.size() > kMaxListedItems)
    return out + std::to_wstring(c.items.size()) + L" éléments}";
  for (size_t i = 0; i < c.items.size(); ++i) out += (i ? L" | " : L"") + c.items[i];
  return out + L"}";
}

std::wstring valueOf(const HWND__& c) {
  switch (c.kind) {
    case AcUiControlKind::kEdit:
      if (c.style & kCtlPassword) return std::wstring(c.text.size(), L'*');
      return oneLine(c.text);
    case AcUiControlKind::kRichEdit:
    case AcUiControlKind::kWebBrowser:
      return oneLine(c.text);
    case AcUiControlKind::kCheckBox:
      return std::wstring(c.check == BST_CHECKED         ? L"[x] "
                          : c.check == BST_INDETERMINATE ? L"[-] "
                                                         : L"[ ] ") +
             withoutAmpersands(c.text);
    case AcUiControlKind::kRadio:
      return std::wstring(c.check == BST_CHECKED ? L"(o) " : L"( ) ") + withoutAmpersands(c.text);
    case AcUiControlKind::kComboDropList:
      return withItems(ui::controlText(const_cast<HWND>(&c)), c);
    case AcUiControlKind::kComboDropDown:
    case AcUiControlKind::kMruCombo:
      return withItems(c.text, c);
    case AcUiControlKind::kSpin:
    case AcUiControlKind::kProgress:
      return std::to_wstring(c.pos) + L" (" + std::to_wstring(c.lower) + L".." +
             std::to_wstring(c.upper) + L")";
    case AcUiControlKind::kColorCombo:
      return colorName(c.pos);
    case AcUiControlKind::kPicture:
      return c.description;
    case AcUiControlKind::kListBox: {
      int selected = 0;
      for (size_t i = 0; i < c.items.size(); ++i)
        selected += (c.style & kCtlMultiSel) ? c.itemSelected[i] : static_cast<int>(i) == c.curSel;
      return std::to_wstring(c.items.size()) + L" ligne(s), " + std::to_wstring(selected) +
             L" sélectionnée(s)";
    }
    case AcUiControlKind::kListView: {
      int selected = 0;
      for (const ListViewRow& row : c.rows) selected += (row.state & LVIS_SELECTED) ? 1 : 0;
      return std::to_wstring(c.rows.size()) + L" ligne(s), " + std::to_wstring(selected) +
             L" sélectionnée(s)";
    }
    default:
      return withoutAmpersands(c.text);
  }
}

void appendRows(std::wstring& out, const HWND__& c) {
  if (c.kind == AcUiControlKind::kListBox) {
    for (size_t i = 0; i < c.items.size() && i < kMaxRows; ++i) {
      bool selected =
          (c.style & kCtlMultiSel) ? c.itemSelected[i] : static_cast<int>(i) == c.curSel;
      out += std::wstring(L"    ") + (selected ? L"> " : L"  ") + std::to_wstring(i) + L": " +
             c.items[i] + L"\n";
    }
    if (c.items.size() > kMaxRows)
      out += L"    … " + std::to_wstring(c.items.size() - kMaxRows) + L" de plus\n";
    return;
  }
  if (c.kind != AcUiControlKind::kListView) return;
  bool checks = (c.extendedStyle & LVS_EX_CHECKBOXES) != 0;
  std::wstring header = L"    #";
  for (size_t k = 0; k < c.columns.size(); ++k)
    header += (k ? L" | " : L": ") + c.columns[k].caption;
  out += header + L"\n";
  for (size_t i = 0; i < c.rows.size() && i < kMaxRows; ++i) {
    const ListViewRow& row = c.rows[i];
    std::wstring line = std::wstring(L"    ") + ((row.state & LVIS_SELECTED) ? L"> " : L"  ");
    if (checks) line += row.checked ? L"[x] " : L"[ ] ";
    line += std::to_wstring(i) + L": ";
    size_t cells = std::max(c.columns.size(), row.cells.size());
    for (size_t k = 0; k < cells; ++k)
      line += (k ? L" | " : L"") + (k < row.cells.size() ? row.cells[k] : L"");
    out += line + L"\n";
  }
  if (c.rows.size() > kMaxRows)
    out += L"    … " + std::to_wstring(c.rows.size() - kMaxRows) + L" de plus\n";
}

// One line per popup of the menu bar: its items with their ids, greyed and checked ones marked.
void appendMenu(std::wstring& out, const HWND__& dialog) {
  for (size_t i = 0; i < dialog.menu.size(); ++i) {
    const MenuItem& item = dialog.menu[i];
    const bool first = i == 0 || dialog.menu[i - 1].popup != item.popup;
    if (first) out += L"  menu " + withoutAmpersands(item.popup) + L" :";
    else out += L" |";
    if (item.separator) {
      out += L" ---";
    } else {
      out += L" " + std::to_wstring(item.id) + L" " + withoutAmpersands(item.caption);
      if (item.checked) out += L" [x]";
      if (item.grayed) out += L" (grisé)";
    }
    if (i + 1 == dialog.menu.size() || dialog.menu[i + 1].popup != item.popup) out += L"\n";
  }
}

}  // namespace

namespace ui {

std::wstring describeDialog(HWND dialog) {
  if (!isLiveWindow(dialog)) return L"";
  std::wstring out = L"Dialogue " + dialogTitle(dialog) + L" (" +
                     std::to_wstring(dialog->rect.right - dialog->rect.left) + L" x " +
                     std::to_wstring(dialog->rect.bottom - dialog->rect.top) + L")\n";
  appendMenu(out, *dialog);
  for (auto& child : dialog->children) {
    const HWND__& c = *child;
    if (!c.visible) continue;
    out += L"  " + (c.id == IDC_STATIC ? std::wstring(L"-") : std::to_wstring(c.id)) + L" " +
           kindName(c);
    if (!c.enabled) out += L" (grisé)";
    if ((c.style & kCtlReadOnly) && isEditKind(c.kind)) out += L" (lecture seule)";
    std::wstring value = valueOf(c);
    out += value.empty() ? L" :\n" : L" : " + value + L"\n";
    appendRows(out, c);
  }
  return out;
}

void printDialog(HWND dialog) {
  if (!isLiveWindow(dialog)) return;
  dialog->lastShown = describeDialog(dialog);
  ed::Transcript& transcript = ed::Editor::instance().transcript();
  transcript.write((transcript.atLineStart() ? L"" : L"\n") + dialog->lastShown);
}

}  // namespace ui
