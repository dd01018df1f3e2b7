#include "ui/window.h"

#include <algorithm>
#include <set>

#include "ui/acui.h"
#include "ui/afxcmn.h"
#include "ui/afxrich.h"
#include "ui/dialog_driver.h"
#include "ui/webbrowser2.h"

namespace {

std::set<const HWND__*>& liveWindows() {
  static std::set<const HWND__*> windows;
  return windows;
}

// Top-level windows (dialogs), owned here until destroyed.
std::vector<std::unique_ptr<HWND__>>& topLevelWindows() {
  static std::vector<std::unique_ptr<HWND__>> windows;
  return windows;
}

std::unique_ptr<HWND__> makeControl(const AcUiControlTemplate& t, HWND__* dialog) {
  auto control = std::make_unique<HWND__>();
  control->id = t.id;
  control->kind = t.kind;
  control->style = t.style;
  control->text = t.caption ? t.caption : L"";
  control->rect = RECT{t.x, t.y, t.x + t.cx, t.y + t.cy};
  control->enabled = (t.style & kCtlDisabled) == 0;
  control->visible = (t.style & kCtlHidden) == 0;
  control->parent = dialog;
  switch (t.kind) {
    case AcUiControlKind::kProgress:
      control->step = 10;
      break;
    case AcUiControlKind::kSpin:
      // The control's own default range runs backwards (100 at the bottom).
      control->lower = 100;
      control->upper = 0;
      control->text.clear();
      break;
    case AcUiControlKind::kColorCombo:
      control->pos = 7;
      control->text.clear();
      break;
    case AcUiControlKind::kComboDropList:
    case AcUiControlKind::kComboDropDown:
    case AcUiControlKind::kMruCombo:
    case AcUiControlKind::kListBox:
    case AcUiControlKind::kListView:
      control->text.clear();
      break;
    default:
      break;
  }
  return control;
}

}  // namespace

HWND__::HWND__() { liveWindows().insert(this); }
HWND__::~HWND__() {
  liveWindows().erase(this);
  if (permanent && permanent->m_hWnd == this) permanent->m_hWnd = nullptr;
}

namespace ui {

bool isLiveWindow(HWND hWnd) { return hWnd && liveWindows().count(hWnd) != 0; }

HWND createDialogWindow(const AcUiDialogTemplate& dialogTemplate, HWND owner) {
  auto dialog = std::make_unique<HWND__>();
  dialog->isDialog = true;
  dialog->id = static_cast<int>(dialogTemplate.id);
  dialog->text = dialogTemplate.caption ? dialogTemplate.caption : L"";
  dialog->rect = RECT{0, 0, dialogTemplate.cx, dialogTemplate.cy};
  dialog->dialogTemplate = &dialogTemplate;
  dialog->parent = nullptr;
  dialog->owner = owner;
  for (size_t i = 0; i < dialogTemplate.controlCount; ++i) {
    dialog->children.push_back(makeControl(dialogTemplate.controls[i], dialog.get()));
  }
  // A spin with the auto-buddy style takes the control before it in the template.
  for (size_t i = 1; i < dialog->children.size(); ++i) {
    HWND__* c = dialog->children[i].get();
    if (c->kind == AcUiControlKind::kSpin && (c->style & kCtlAutoBuddy)) {
      c->buddy = dialog->children[i - 1].get();
    }
  }
  // The default button is the first one of that kind, else IDOK.
  for (auto& c : dialog->children) {
    if (c->kind == AcUiControlKind::kDefButton) {
      dialog->defId = c->id;
      break;
    }
  }
  HWND result = dialog.get();
  topLevelWindows().push_back(std::move(dialog));
  loadDialogMenu(result);  // once the window is alive
  return result;
}

void destroyWindow(HWND hWnd) {
  auto& windows = topLevelWindows();
  auto it = std::find_if(windows.begin(), windows.end(),
                         [hWnd](const std::unique_ptr<HWND__>& w) { return w.get() == hWnd; });
  if (it == windows.end()) return;
  std::unique_ptr<HWND__> owned = std::move(*it);
  windows.erase(it);
  if (owned->isDialog) dialogDriver().closed(owned.get());
  for (auto& child : owned->children) {
    if (child->permanent) child->permanent->m_hWnd = nullptr;
    child->permanent = nullptr;
  }
}

HWND mainWindow() {
  static HWND__ window;
  window.isMainWindow = true;
  window.text = L"cadhost";
  window.rect = RECT{0, 0, 1024 * 4 / 6, 768 * 8 / 13};
  return &window;
}

HWND activeDialog() {
  auto& windows = topLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if ((*it)->modalRunning && !(*it)->ended) return it->get();
  }
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if ((*it)->modeless && (*it)->visible) return it->get();
  }
  return nullptr;
}

HWND innermostModalDialog() {
  auto& windows = topLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    if ((*it)->modalRunning && !(*it)->ended) return it->get();
  }
  return nullptr;
}

bool modalDialogRunning() {
  for (auto& w : topLevelWindows()) {
    if (w->modalRunning && !w->ended) return true;
  }
  return false;
}

std::vector<HWND> openModelessDialogs() {
  std::vector<HWND> result;
  auto& windows = topLevelWindows();
  for (auto it = windows.rbegin(); it != windows.rend(); ++it) {
    // A modal dialog running takes the input from the dialogs opened before it.
    if ((*it)->modalRunning && !(*it)->ended) break;
    if ((*it)->modeless && (*it)->visible) result.push_back(it->get());
  }
  return result;
}

HWND findChild(HWND dialog, int id) {
  if (!isLiveWindow(dialog)) return nullptr;
  for (auto& child : dialog->children) {
    if (static_cast<WORD>(child->id) == static_cast<WORD>(id)) return child.get();
  }
  return nullptr;
}

HWND dialogOf(HWND hWnd) {
  if (!hWnd) return nullptr;
  return hWnd->isDialog ? hWnd : hWnd->parent;
}

bool isButtonKind(AcUiControlKind kind) {
  return kind == AcUiControlKind::kButton || kind == AcUiControlKind::kDefButton ||
         kind == AcUiControlKind::kCheckBox || kind == AcUiControlKind::kRadio;
}

bool isComboKind(AcUiControlKind kind) {
  return kind == AcUiControlKind::kComboDropList || kind == AcUiControlKind::kComboDropDown ||
         kind == AcUiControlKind::kMruCombo || kind == AcUiControlKind::kColorCombo;
}

bool isEditKind(AcUiControlKind kind) {
  return kind == AcUiControlKind::kEdit || kind == AcUiControlKind::kRichEdit;
}

bool isDecorative(AcUiControlKind kind) {
  return kind == AcUiControlKind::kStatic || kind == AcUiControlKind::kGroupBox ||
         kind == AcUiControlKind::kPicture || kind == AcUiControlKind::kProgress;
}

void notifyCommand(HWND control, UINT code) {
  HWND dialog = control ? control->parent : nullptr;
  if (!isLiveWindow(dialog) || !dialog->permanent) return;
  WPARAM wParam = static_cast<WPARAM>(MAKELONG(static_cast<WORD>(control->id), code));
  dialog->permanent->SendMessage(WM_COMMAND, wParam, reinterpret_cast<LPARAM>(control));
}

LRESULT notifyParent(HWND control, NMHDR* header) {
  HWND dialog = control ? control->parent : nullptr;
  if (!isLiveWindow(dialog) || !dialog->permanent) return 0;
  header->hwndFrom = control;
  header->idFrom = static_cast<UINT_PTR>(static_cast<WORD>(control->id));
  return dialog->permanent->SendMessage(WM_NOTIFY, header->idFrom,
                                        reinterpret_cast<LPARAM>(header));
}

void notifyItemChanged(HWND list, int row, UINT oldState, UINT newState) {
  NMLISTVIEW info{};
  info.hdr.code = LVN_ITEMCHANGED;
  info.iItem = row;
  info.iSubItem = 0;
  info.uOldState = oldState;
  info.uNewState = newState;
  info.uChanged = LVIF_STATE;
  if (row >= 0 && row < static_cast<int>(list->rows.size())) {
    info.lParam = static_cast<LPARAM>(list->rows[static_cast<size_t>(row)].data);
  }
  notifyParent(list, &info.hdr);
}

namespace {

void notifyFocus(HWND control, bool gained) {
  if (!isLiveWindow(control) || control->isDialog) return;
  switch (control->kind) {
    case AcUiControlKind::kEdit:
    case AcUiControlKind::kRichEdit:
      notifyCommand(control, gained ? EN_SETFOCUS : EN_KILLFOCUS);
      break;
    case AcUiControlKind::kComboDropList:
    case AcUiControlKind::kComboDropDown:
    case AcUiControlKind::kMruCombo:
    case AcUiControlKind::kColorCombo:
      notifyCommand(control, gained ? CBN_SETFOCUS : CBN_KILLFOCUS);
      break;
    case AcUiControlKind::kListBox:
      notifyCommand(control, gained ? LBN_SETFOCUS : LBN_KILLFOCUS);
      break;
    case AcUiControlKind::kListView: {
      NMHDR header{};
      header.code = gained ? NM_SETFOCUS : NM_KILLFOCUS;
      notifyParent(control, &header);
      break;
    }
    default:
      if (isButtonKind(control->kind) && (control->style & kCtlNotify)) {
        notifyCommand(control, gained ? BN_SETFOCUS : BN_KILLFOCUS);
      }
      break;
  }
}

}  // namespace

void setFocus(HWND control) {
  HWND dialog = dialogOf(control);
  if (!dialog) return;
  HWND previous = dialog->focus;
  if (previous == control) return;
  // The focus moves first, so that a handler moving it again sees where it is now.
  dialog->focus = control;
  if (previous && isLiveWindow(previous)) notifyFocus(previous, false);
  if (dialog->focus == control && control && control != dialog) notifyFocus(control, true);
}

int dluToPixelsX(int x) { return x * 6 / 4; }
int dluToPixelsY(int y) { return y * 13 / 8; }

}  // namespace ui

namespace {

std::unique_ptr<CWnd> makeTemporary(HWND hWnd) {
  if (hWnd->isDialog) return std::make_unique<CDialog>();
  switch (hWnd->kind) {
    case AcUiControlKind::kEdit:
      return std::make_unique<CEdit>();
    case AcUiControlKind::kButton:
    case AcUiControlKind::kDefButton:
    case AcUiControlKind::kCheckBox:
    case AcUiControlKind::kRadio:
    case AcUiControlKind::kGroupBox:
      return std::make_unique<CButton>();
    case AcUiControlKind::kComboDropList:
    case AcUiControlKind::kComboDropDown:
      return std::make_unique<CComboBox>();
    case AcUiControlKind::kMruCombo:
      return std::make_unique<CAcUiMRUComboBox>();
    case AcUiControlKind::kColorCombo:
      return std::make_unique<CAcUiColorComboBox>();
    case AcUiControlKind::kListBox:
      return std::make_unique<CListBox>();
    case AcUiControlKind::kListView:
      return std::make_unique<CListCtrl>();
    case AcUiControlKind::kSpin:
      return std::make_unique<CSpinButtonCtrl>();
    case AcUiControlKind::kProgress:
      return std::make_unique<CProgressCtrl>();
    case AcUiControlKind::kRichEdit:
      return std::make_unique<CRichEditCtrl>();
    case AcUiControlKind::kWebBrowser:
      return std::make_unique<CWebBrowser2>();
    default:
      return std::make_unique<CStatic>();
  }
}

}  // namespace

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  return ui::isLiveWindow(hWnd) ? hWnd->permanent : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  if (hWnd == ui::mainWindow()) return AfxGetMainWnd();
  if (!ui::isLiveWindow(hWnd)) return nullptr;
  if (hWnd->permanent) return hWnd->permanent;
  if (!hWnd->temporary) {
    hWnd->temporary = makeTemporary(hWnd);
    hWnd->temporary->m_hWnd = hWnd;
  }
  return hWnd->temporary.get();
}
