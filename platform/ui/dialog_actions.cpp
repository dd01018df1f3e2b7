// The actions a driver gives a dialog (the list is in ui/dialog_driver.h): each finds its
// control, moves the focus as the user's click would, changes the control and sends the
// notification the control sends.
#include <algorithm>
#include <cwctype>
#include <vector>

#include "ed/editor.h"
#include "os/case_map.h"
#include "ui/acui.h"
#include "ui/afxcmn.h"
#include "ui/dialog_driver.h"
#include "ui/list_items.h"
#include "ui/window.h"

namespace ui {

std::wstring normalCaption(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (c != L'&') out += c;
  }
  while (!out.empty() && (std::iswspace(out.back()) || out.back() == L':')) out.pop_back();
  size_t first = 0;
  while (first < out.size() && std::iswspace(out[first])) ++first;
  return toLowerLatin(out.substr(first));
}

}  // namespace ui

namespace {

void say(const std::wstring& text) { ed::Editor::instance().transcript().write(text + L"\n"); }

std::wstring lower(const std::wstring& text) { return toLowerLatin(text); }

using ui::normalCaption;

// Splits off the first word of text (a double-quoted group counts as one word).
std::wstring takeWord(std::wstring& text) {
  size_t i = 0;
  while (i < text.size() && std::iswspace(text[i])) ++i;
  std::wstring word;
  if (i < text.size() && text[i] == L'"') {
    size_t end = text.find(L'"', i + 1);
    if (end == std::wstring::npos) end = text.size();
    word = text.substr(i + 1, end - i - 1);
    i = std::min(end + 1, text.size());
  } else {
    while (i < text.size() && !std::iswspace(text[i])) word += text[i++];
  }
  // One blank separates the word from the rest; further blanks belong to the rest (set ID "  x").
  if (i < text.size() && std::iswspace(text[i])) ++i;
  text = text.substr(i);
  return word;
}

bool parseInt(const std::wstring& text, int& value) {
  if (text.empty()) return false;
  size_t i = text[0] == L'-' || text[0] == L'+' ? 1 : 0;
  if (i == text.size()) return false;
  long long v = 0;
  for (; i < text.size(); ++i) {
    if (!std::iswdigit(text[i])) return false;
    v = v * 10 + (text[i] - L'0');
    if (v > 0x7fffffff) return false;
  }
  value = static_cast<int>(text[0] == L'-' ? -v : v);
  return true;
}

HWND findControl(HWND dialog, const std::wstring& name) {
  int id = 0;
  if (parseInt(name, id)) return ui::findChild(dialog, id);
  std::wstring wanted = normalCaption(name);
  if (wanted.empty()) return nullptr;
  auto& children = dialog->children;
  for (auto& c : children) {
    if (!ui::isDecorative(c->kind) && normalCaption(c->text) == wanted) return c.get();
  }
  // A label names the control that follows it, as its mnemonic does.
  for (size_t i = 0; i < children.size(); ++i) {
    if (!ui::isDecorative(children[i]->kind) || normalCaption(children[i]->text) != wanted)
      continue;
    for (size_t k = i + 1; k < children.size(); ++k) {
      if (!ui::isDecorative(children[k]->kind)) return children[k].get();
    }
    if (children[i]->kind == AcUiControlKind::kPicture ||
        children[i]->kind == AcUiControlKind::kStatic)
      return children[i].get();
  }
  return nullptr;
}

std::wstring nameOf(HWND c) { return std::to_wstring(c->id); }

class ActionRunner {
 public:
  explicit ActionRunner(HWND dialog) : dialog_(dialog) {}

  bool run(std::wstring line) {
    std::wstring verb = lower(takeWord(line));
    if (verb.empty()) return pressDefault();
    if (verb == L"ok") return pressButton(IDOK);
    if (verb == L"cancel" || verb == L"annuler") {
      ui::notifyCommand(commandSource(IDCANCEL), BN_CLICKED);
      return true;
    }
    if (verb == L"show" || verb == L"afficher") {
      ui::printDialog(dialog_);
      return true;
    }
    static const wchar_t* const withControl[] = {L"set",   L"check",    L"choose", L"select",
                                                 L"click", L"dblclick", L"sort",   L"focus"};
    if (std::find_if(std::begin(withControl), std::end(withControl),
                     [&](const wchar_t* v) { return verb == v; }) == std::end(withControl)) {
      say(L"Action inconnue : " + verb);
      return false;
    }
    std::wstring name = takeWord(line);
    HWND control = findControl(dialog_, name);
    if (!control && verb == L"click") {
      if (MenuItem* item = ui::findMenuItem(dialog_, name)) return chooseMenuItem(*item);
    }
    if (!control) {
      say(L"Contrôle inconnu : " + name);
      return false;
    }
    if (!IsWindowVisible(control)) {
      say(L"Le contrôle " + nameOf(control) + L" n'est pas visible.");
      return false;
    }
    if (!control->enabled) {
      say(L"Le contrôle " + nameOf(control) + L" est grisé.");
      return false;
    }
    if (verb == L"focus") {
      ui::setFocus(control);
      return true;
    }
    if (verb == L"set") return set(control, line);
    if (verb == L"check") return check(control, lower(line));
    if (verb == L"choose") return choose(control, line);
    if (verb == L"select") return select(control, line, false);
    if (verb == L"click") return click(control, line);
    if (verb == L"dblclick") return select(control, line, true);
    return sort(control, line);
  }

 private:
  // The window that sends a command for id: its button, or the dialog itself when there is none.
  HWND commandSource(int id) {
    HWND button = ui::findChild(dialog_, id);
    if (button) return button;
    fakeButton_.id = id;
    fakeButton_.parent = dialog_;
    return &fakeButton_;
  }

  // A button pressed with the mouse takes the focus first; a handler of the focus change that
  // moves the focus elsewhere (a refused value) swallows the click, as on screen.
  bool clickButton(HWND button, UINT code = BN_CLICKED) {
    ui::setFocus(button);
    if (!ui::isLiveWindow(button) || dialog_->focus != button) return true;
    ui::notifyCommand(button, code);
    return true;
  }

  bool pressButton(int id) {
    HWND button = ui::findChild(dialog_, id);
    if (!button) {
      ui::notifyCommand(commandSource(id), BN_CLICKED);
      return true;
    }
    if (!IsWindowVisible(button) || !button->enabled) {
      say(L"Le bouton " + std::to_wstring(id) + L" n'est pas disponible.");
      return false;
    }
    return clickButton(button);
  }

  bool pressDefault() { return pressButton(dialog_->defId); }

  bool set(HWND c, const std::wstring& text) {
    if (c->kind == AcUiControlKind::kSpin) {
      int value = 0;
      if (!parseInt(text, value)) return badValue(c, text);
      ui::setFocus(c);
      static_cast<CSpinButtonCtrl*>(CWnd::FromHandle(c))->SetPos32(value);
      return true;
    }
    if (c->kind == AcUiControlKind::kColorCombo) return choose(c, text);
    bool editable = ui::isEditKind(c->kind) || c->kind == AcUiControlKind::kComboDropDown ||
                    c->kind == AcUiControlKind::kMruCombo;
    if (!editable) {
      say(L"Le contrôle " + nameOf(c) + L" ne prend pas de texte.");
      return false;
    }
    if (c->style & kCtlReadOnly) {
      say(L"Le contrôle " + nameOf(c) + L" est en lecture seule.");
      return false;
    }
    std::wstring value = text;
    if (c->style & kCtlMultiline) {
      // "\n" in a script line stands for a line break of a multi-line edit.
      for (size_t at = value.find(L"\\n"); at != std::wstring::npos;
           at = value.find(L"\\n", at + 2)) {
        value.replace(at, 2, L"\r\n");
      }
    }
    if ((c->style & kCtlNumber) && std::find_if(value.begin(), value.end(), [](wchar_t ch) {
                                     return !std::iswdigit(ch);
                                   }) != value.end()) {
      say(L"Le contrôle " + nameOf(c) + L" n'accepte que des chiffres.");
      return false;
    }
    ui::setFocus(c);
    if (!ui::isLiveWindow(c) || dialog_->focus != c) return true;
    if (c->limitText > 0 && static_cast<int>(value.size()) > c->limitText)
      value.resize(static_cast<size_t>(c->limitText));
    if (c->kind != AcUiControlKind::kEdit && c->kind != AcUiControlKind::kRichEdit) c->curSel = -1;
    ui::setControlText(c, value);
    return true;
  }

  bool check(HWND c, const std::wstring& argument) {
    std::wstring state = argument;
    if (c->kind == AcUiControlKind::kListView) return checkRow(c, state);
    bool on = state == L"on" || state == L"oui" || state == L"1" || state == L"yes";
    bool off = state == L"off" || state == L"non" || state == L"0" || state == L"no";
    if (!on && !off) return badValue(c, state);
    if (c->kind == AcUiControlKind::kCheckBox) {
      if ((c->check == BST_CHECKED) == on) return true;
      return click(c, L"");
    }
    if (c->kind == AcUiControlKind::kRadio) {
      if (off) {
        say(L"Une option se décoche en cochant une autre du groupe.");
        return false;
      }
      if (c->check == BST_CHECKED) return true;
      return click(c, L"");
    }
    say(L"Le contrôle " + nameOf(c) + L" ne se coche pas.");
    return false;
  }

  // "check LIST row on|off": the check box of a row of a list view that shows them.
  bool checkRow(HWND c, std::wstring argument) {
    std::wstring rowText = takeWord(argument);
    int row = -1;
    if (!(c->extendedStyle & LVS_EX_CHECKBOXES)) {
      say(L"Le contrôle " + nameOf(c) + L" n'a pas de cases à cocher.");
      return false;
    }
    if (!parseInt(rowText, row) || row < 0 || row >= static_cast<int>(c->rows.size())) {
      say(L"Ligne incorrecte pour " + nameOf(c) + L" : " + rowText);
      return false;
    }
    bool on = argument == L"on" || argument == L"oui" || argument == L"1" || argument == L"yes";
    bool off = argument == L"off" || argument == L"non" || argument == L"0" || argument == L"no";
    if (!on && !off) return badValue(c, argument);
    ui::setFocus(c);
    if (!ui::isLiveWindow(c)) return true;
    static_cast<CListCtrl*>(CWnd::FromHandle(c))->SetCheck(row, on);
    return true;
  }

  // Checks a radio button and clears the others of its group.
  void checkRadio(HWND c) {
    auto& children = dialog_->children;
    size_t at = 0;
    while (children[at].get() != c) ++at;
    size_t first = at;
    while (first > 0 && !(children[first]->style & kCtlGroup) &&
           children[first - 1]->kind == AcUiControlKind::kRadio)
      --first;
    for (size_t k = first; k < children.size(); ++k) {
      if (k > first &&
          (children[k]->kind != AcUiControlKind::kRadio || (children[k]->style & kCtlGroup)))
        break;
      children[k]->check = BST_UNCHECKED;
    }
    c->check = BST_CHECKED;
  }

  int itemIndex(HWND c, const std::wstring& text) {
    int index = -1;
    if (!text.empty() && text[0] == L'#' && parseInt(text.substr(1), index)) {
      return index >= 0 && index < static_cast<int>(c->items.size()) ? index : -1;
    }
    index = ui::findItem(c, -1, text, true);
    return index >= 0 ? index : ui::findItem(c, -1, text, false);
  }

  bool choose(HWND c, const std::wstring& text) {
    if (c->kind == AcUiControlKind::kColorCombo) {
      static const wchar_t* const names[] = {L"dubloc", L"rouge", L"jaune",   L"vert",
                                             L"cyan",   L"bleu",  L"magenta", L"blanc"};
      int value = -1;
      std::wstring t = lower(text);
      if (!parseInt(t, value)) {
        for (int k = 0; k < 8; ++k) {
          if (t == names[k]) value = k;
        }
        if (t == L"ducalque") value = 256;
      }
      if (value < 0 || value > 256) return badValue(c, text);
      ui::setFocus(c);
      c->pos = value;
      ui::notifyCommand(c, CBN_SELCHANGE);
      return true;
    }
    if (!ui::isComboKind(c->kind) && c->kind != AcUiControlKind::kListBox) {
      say(L"Le contrôle " + nameOf(c) + L" n'a pas d'éléments à choisir.");
      return false;
    }
    int index = itemIndex(c, text);
    if (index < 0) {
      say(L"Élément introuvable dans " + nameOf(c) + L" : " + text);
      return false;
    }
    ui::setFocus(c);
    if (!ui::isLiveWindow(c)) return true;
    ui::selectItem(c, index);
    if (c->kind == AcUiControlKind::kListBox) {
      for (size_t i = 0; i < c->itemSelected.size(); ++i)
        c->itemSelected[i] = static_cast<int>(i) == index;
      ui::notifyCommand(c, LBN_SELCHANGE);
    } else {
      ui::notifyCommand(c, CBN_SELCHANGE);
      if (ui::isLiveWindow(c)) ui::notifyCommand(c, CBN_SELENDOK);
    }
    return true;
  }

  bool parseRows(HWND c, const std::wstring& text, std::vector<int>& rows) {
    int count = c->kind == AcUiControlKind::kListView ? static_cast<int>(c->rows.size())
                                                      : static_cast<int>(c->items.size());
    std::wstring item;
    std::wstring all = text + L",";
    for (wchar_t ch : all) {
      if (ch != L',' && !std::iswspace(ch)) {
        item += ch;
        continue;
      }
      if (item.empty()) continue;
      int row = 0;
      if (!parseInt(item, row) || row < 0 || row >= count) {
        say(L"Ligne incorrecte pour " + nameOf(c) + L" : " + item);
        return false;
      }
      rows.push_back(row);
      item.clear();
    }
    return true;
  }

  // select (and dblclick, which selects its row first) on a list view or a list box.
  bool select(HWND c, const std::wstring& text, bool doubleClick) {
    if (c->kind != AcUiControlKind::kListView && c->kind != AcUiControlKind::kListBox) {
      if (doubleClick && ui::isButtonKind(c->kind)) {
        clickButton(c);
        if (ui::isLiveWindow(c)) ui::notifyCommand(c, BN_DOUBLECLICKED);
        return true;
      }
      say(L"Le contrôle " + nameOf(c) + L" n'a pas de lignes.");
      return false;
    }
    std::vector<int> rows;
    if (!parseRows(c, text, rows)) return false;
    if (doubleClick && rows.size() != 1) {
      say(L"Un double-clic porte sur une seule ligne.");
      return false;
    }
    bool single = c->kind == AcUiControlKind::kListView ? (c->style & kCtlSingleSel) != 0
                                                        : (c->style & kCtlMultiSel) == 0;
    if (single && rows.size() > 1) {
      say(L"Le contrôle " + nameOf(c) + L" n'accepte qu'une ligne sélectionnée.");
      return false;
    }
    ui::setFocus(c);
    if (!ui::isLiveWindow(c)) return true;
    if (c->kind == AcUiControlKind::kListBox) return selectListBox(c, rows, doubleClick);
    auto* list = static_cast<CListCtrl*>(CWnd::FromHandle(c));
    for (int i = 0; i < list->GetItemCount(); ++i) {
      bool wanted = std::find(rows.begin(), rows.end(), i) != rows.end();
      if (!wanted && (list->GetItemState(i, LVIS_SELECTED) & LVIS_SELECTED))
        list->SetItemState(i, 0, LVIS_SELECTED | LVIS_FOCUSED);
    }
    for (int row : rows)
      list->SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
    if (!ui::isLiveWindow(c)) return true;
    NMITEMACTIVATE click{};
    click.hdr.code = NM_CLICK;
    click.iItem = rows.empty() ? -1 : rows.back();
    ui::notifyParent(c, &click.hdr);
    if (doubleClick && ui::isLiveWindow(c)) {
      NMITEMACTIVATE activate{};
      activate.hdr.code = NM_DBLCLK;
      activate.iItem = rows.front();
      ui::notifyParent(c, &activate.hdr);
    }
    return true;
  }

  bool selectListBox(HWND c, const std::vector<int>& rows, bool doubleClick) {
    for (size_t i = 0; i < c->itemSelected.size(); ++i) {
      c->itemSelected[i] = std::find(rows.begin(), rows.end(), static_cast<int>(i)) != rows.end();
    }
    c->curSel = rows.empty() ? -1 : rows.back();
    ui::notifyCommand(c, LBN_SELCHANGE);
    if (doubleClick && ui::isLiveWindow(c)) ui::notifyCommand(c, LBN_DBLCLK);
    return true;
  }

  bool click(HWND c, const std::wstring& rest) {
    switch (c->kind) {
      case AcUiControlKind::kCheckBox:
        ui::setFocus(c);
        if (!ui::isLiveWindow(c) || dialog_->focus != c) return true;
        c->check = c->check == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED;
        ui::notifyCommand(c, BN_CLICKED);
        return true;
      case AcUiControlKind::kRadio:
        ui::setFocus(c);
        if (!ui::isLiveWindow(c) || dialog_->focus != c) return true;
        checkRadio(c);
        ui::notifyCommand(c, BN_CLICKED);
        return true;
      case AcUiControlKind::kButton:
      case AcUiControlKind::kDefButton:
        return clickButton(c);
      case AcUiControlKind::kStatic:
      case AcUiControlKind::kPicture:
        // Labels and pictures do not take the focus; they tell their clicks (STN_CLICKED).
        ui::notifyCommand(c, STN_CLICKED);
        return true;
      case AcUiControlKind::kListView:
      case AcUiControlKind::kListBox:
        return select(c, rest, false);
      case AcUiControlKind::kSpin: {
        std::wstring way = lower(rest);
        int delta = way == L"haut" || way == L"up" || way == L"+"    ? 1
                    : way == L"bas" || way == L"down" || way == L"-" ? -1
                                                                     : 0;
        if (delta == 0) return badValue(c, rest);
        auto* spin = static_cast<CSpinButtonCtrl*>(CWnd::FromHandle(c));
        NMUPDOWN change{};
        change.hdr.code = UDN_DELTAPOS;
        change.iPos = spin->GetPos32();
        change.iDelta = c->lower > c->upper ? -delta : delta;
        if (ui::notifyParent(c, &change.hdr) == 0 && ui::isLiveWindow(c))
          spin->SetPos32(change.iPos + change.iDelta);
        return true;
      }
      default:
        say(L"Le contrôle " + nameOf(c) + L" ne se clique pas.");
        return false;
    }
  }

  bool sort(HWND c, const std::wstring& column) {
    if (c->kind != AcUiControlKind::kListView) {
      say(L"Le contrôle " + nameOf(c) + L" n'a pas de colonnes.");
      return false;
    }
    if (c->style & kCtlNoSortHeader) {
      say(L"Les en-têtes de " + nameOf(c) + L" ne se cliquent pas.");
      return false;
    }
    int index = -1;
    if (!column.empty() && column[0] == L'#') {
      if (!parseInt(column.substr(1), index)) index = -1;
    } else {
      for (size_t k = 0; k < c->columns.size(); ++k) {
        if (normalCaption(c->columns[k].caption) == normalCaption(column)) {
          index = static_cast<int>(k);
          break;
        }
      }
    }
    if (index < 0 || index >= static_cast<int>(c->columns.size())) {
      say(L"Colonne introuvable dans " + nameOf(c) + L" : " + column);
      return false;
    }
    NMLISTVIEW info{};
    info.hdr.code = LVN_COLUMNCLICK;
    info.iItem = -1;
    info.iSubItem = index;
    ui::notifyParent(c, &info.hdr);
    return true;
  }

  // As the user's choice in the menu bar: a greyed item does nothing.
  bool chooseMenuItem(const MenuItem& item) {
    if (item.grayed) {
      say(L"L'élément de menu " + std::to_wstring(item.id) + L" est grisé.");
      return false;
    }
    CWnd* wnd = CWnd::FromHandle(dialog_);
    wnd->SendMessage(WM_COMMAND, MAKELONG(item.id, 0), 0);
    return true;
  }

  bool badValue(HWND c, const std::wstring& value) {
    say(L"Valeur incorrecte pour le contrôle " + nameOf(c) + L" : " + value);
    return false;
  }

  HWND dialog_;
  HWND__ fakeButton_;
};

}  // namespace

namespace ui {

bool performDialogAction(HWND dialog, const std::wstring& action) {
  if (!isLiveWindow(dialog)) return false;
  ActionRunner runner(dialog);
  return runner.run(action);
}

void runDialogAction(HWND dialog, const std::wstring& action) {
  performDialogAction(dialog, action);
  if (!isLiveWindow(dialog) || dialog->ended || !IsWindowVisible(dialog)) return;
  if (describeDialog(dialog) != dialog->lastShown) printDialog(dialog);
}

bool isActionFor(HWND dialog, const std::wstring& line) {
  if (!isLiveWindow(dialog)) return false;
  std::wstring rest = line;
  std::wstring verb = lower(takeWord(rest));
  if (verb == L"ok" || verb == L"cancel" || verb == L"annuler" || verb == L"show" ||
      verb == L"afficher") {
    return true;
  }
  static const wchar_t* const withControl[] = {L"set",   L"check",    L"choose", L"select",
                                               L"click", L"dblclick", L"sort",   L"focus"};
  if (std::find_if(std::begin(withControl), std::end(withControl),
                   [&](const wchar_t* v) { return verb == v; }) == std::end(withControl)) {
    return false;
  }
  const std::wstring name = takeWord(rest);
  if (findControl(dialog, name) != nullptr) return true;
  return verb == L"click" && findMenuItem(dialog, name) != nullptr;
}

}  // namespace ui
