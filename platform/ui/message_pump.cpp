// The message queue of the thread: posted messages, and the script actions that the pump takes
// for open modeless dialogs (see ui/dialog_driver.h for the rule and the "apres N" delay).
#include <poll.h>

#include <cwctype>
#include <deque>
#include <map>

#include "ed/editor.h"
#include "os/case_map.h"
#include "ui/dialog_driver.h"
#include "ui/window.h"

namespace {

// A private message carrying a script action; wParam is the key of its text.
constexpr UINT kScriptActionMessage = WM_APP + 0x3F00;

struct PumpState {
  std::deque<MSG> posted;
  std::map<WPARAM, std::wstring> actions;
  WPARAM nextKey = 1;
  // The delayed line being counted down, and the pumps still to let pass.
  std::wstring delayedLine;
  int pumpsLeft = 0;
  // One action per pump: the call after one that took an action finds the queue empty, so that a
  // loop "while (PeekMessage(...))" ends and its caller sees the action's effect before the next
  // line is looked at (that line may be meant for a modal dialog waiting behind the loop).
  bool justTookAction = false;
};

PumpState& state() {
  static PumpState s;
  return s;
}

bool matches(const MSG& msg, HWND hWnd, UINT filterMin, UINT filterMax) {
  if (hWnd && msg.hwnd != hWnd && (!ui::isLiveWindow(msg.hwnd) || ui::dialogOf(msg.hwnd) != hWnd))
    return false;
  if (filterMin == 0 && filterMax == 0) return true;
  return msg.message >= filterMin && msg.message <= filterMax;
}

// "apres N rest" gives N and rest; false for any other line.
bool splitDelay(const std::wstring& line, int& pumps, std::wstring& rest) {
  size_t i = 0;
  while (i < line.size() && std::iswspace(line[i])) ++i;
  std::wstring word;
  while (i < line.size() && !std::iswspace(line[i])) word += toLowerLatin(line[i++]);
  if (word != L"apres" && word != L"après") return false;
  while (i < line.size() && std::iswspace(line[i])) ++i;
  int n = 0;
  size_t digits = i;
  while (i < line.size() && std::iswdigit(line[i])) n = n * 10 + (line[i++] - L'0');
  if (i == digits) return false;
  while (i < line.size() && std::iswspace(line[i])) ++i;
  pumps = n;
  rest = line.substr(i);
  return true;
}

// The open modeless dialog the next input line is for, with the action; null when none.
HWND scriptActionTarget(std::wstring& action, bool consume) {
  PumpState& s = state();
  std::vector<HWND> dialogs = ui::openModelessDialogs();
  if (dialogs.empty()) {
    s.justTookAction = false;
    s.delayedLine.clear();
    return nullptr;
  }
  if (s.justTookAction) {
    if (consume) s.justTookAction = false;
    return nullptr;
  }
  ui::DialogDriver& driver = ui::dialogDriver();
  if (driver.takesModelessInput()) {
    HWND target = driver.modelessAction(dialogs, action, consume);
    if (target && consume) s.justTookAction = true;
    return target;
  }
  ed::Editor& editor = ed::Editor::instance();
  // At the keyboard, looking ahead would wait for a line: only what was already typed counts.
  if (dynamic_cast<ed::TerminalSource*>(&editor.input())) {
    pollfd typed{0, POLLIN, 0};
    if (poll(&typed, 1, 0) <= 0) return nullptr;
  }
  std::wstring line;
  if (!editor.peekLine(line) || ed::Editor::isCursorMove(line)) return nullptr;
  int pumps = 0;
  std::wstring rest = line;
  bool delayed = splitDelay(line, pumps, rest);
  HWND target = nullptr;
  for (HWND dialog : dialogs) {
    if (ui::isActionFor(dialog, rest)) {
      target = dialog;
      break;
    }
  }
  if (!target) return nullptr;
  // A loop run from a modal dialog's handler ends before that dialog reads again: a line the
  // dialog underneath can take as well ("ok", "cancel", its own buttons) is left for it, unless
  // "apres N" says it is meant for the loop.
  if (!delayed) {
    HWND beneath = ui::innermostModalDialog();
    if (beneath && ui::isActionFor(beneath, rest)) return nullptr;
  }
  if (delayed) {
    if (s.delayedLine != line) {
      s.delayedLine = line;
      s.pumpsLeft = pumps;
    }
    if (s.pumpsLeft > 0) {
      if (consume) --s.pumpsLeft;
      return nullptr;
    }
  }
  if (consume) {
    editor.readLine(line);
    s.delayedLine.clear();
    s.justTookAction = true;
  }
  action = rest;
  return target;
}

void runScriptAction(const MSG& msg) {
  PumpState& s = state();
  auto it = s.actions.find(msg.wParam);
  if (it == s.actions.end()) return;
  std::wstring action = std::move(it->second);
  s.actions.erase(it);
  ed::Editor::instance().transcript().write(L"Action : " + action + L"\n");
  ui::runDialogAction(msg.hwnd, action);
}

}  // namespace

namespace ui {

void resetScriptPump() {
  state().justTookAction = false;
  state().delayedLine.clear();
}

}  // namespace ui

BOOL PeekMessage(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax, UINT removeFlags) {
  if (!msg) return FALSE;
  PumpState& s = state();
  bool remove = (removeFlags & PM_REMOVE) != 0;
  for (auto it = s.posted.begin(); it != s.posted.end(); ++it) {
    if (!matches(*it, hWnd, filterMin, filterMax)) continue;
    *msg = *it;
    if (remove) s.posted.erase(it);
    return TRUE;
  }
  if (filterMin != 0 || filterMax != 0) {
    if (kScriptActionMessage < filterMin || kScriptActionMessage > filterMax) return FALSE;
  }
  std::wstring action;
  HWND target = scriptActionTarget(action, remove);
  if (!target || (hWnd && hWnd != target)) return FALSE;
  WPARAM key = 0;
  if (remove) {
    key = s.nextKey++;
    s.actions[key] = action;
  }
  *msg = MSG{target, kScriptActionMessage, key, 0, 0, POINT{0, 0}};
  return TRUE;
}

BOOL GetMessage(LPMSG msg, HWND hWnd, UINT filterMin, UINT filterMax) {
  // Nothing else can arrive while we wait: without a message the queue is as good as closed.
  return PeekMessage(msg, hWnd, filterMin, filterMax, PM_REMOVE);
}

BOOL TranslateMessage(const MSG* msg) {
  (void)msg;
  return FALSE;
}

LRESULT DispatchMessage(const MSG* msg) {
  if (!msg) return 0;
  if (msg->message == kScriptActionMessage) {
    if (ui::isLiveWindow(msg->hwnd)) runScriptAction(*msg);
    return 0;
  }
  CWnd* wnd = CWnd::FromHandlePermanent(msg->hwnd);
  return wnd ? wnd->SendMessage(msg->message, msg->wParam, msg->lParam) : 0;
}

BOOL IsDialogMessage(HWND dialog, LPMSG msg) {
  if (!msg || !ui::isLiveWindow(dialog) || !dialog->isDialog || !ui::isLiveWindow(msg->hwnd))
    return FALSE;
  if (msg->hwnd != dialog && ui::dialogOf(msg->hwnd) != dialog) return FALSE;
  if (msg->message == kScriptActionMessage) {
    runScriptAction(*msg);
    return TRUE;
  }
  DispatchMessage(msg);
  return TRUE;
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !IsWindow(hWnd)) return FALSE;
  state().posted.push_back(MSG{hWnd, message, wParam, lParam, 0, POINT{0, 0}});
  return TRUE;
}

void PostQuitMessage(int exitCode) { (void)exitCode; }
