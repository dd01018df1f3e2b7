// Message boxes: printed to the transcript, answered from the editor's input.
#include "ui/message_box.h"

#include <cwctype>
#include <vector>

#include "ed/editor.h"
#include "os/case_map.h"
#include "ui/dialog_driver.h"

namespace {

void say(const std::wstring& text) { ed::Editor::instance().transcript().write(text); }

struct Button {
  int id;
  const wchar_t* caption;
  const wchar_t* alias;  // the English word scripts may use
};

std::vector<Button> buttonsOf(UINT type) {
  const Button ok{IDOK, L"OK", L"ok"}, cancel{IDCANCEL, L"Annuler", L"cancel"},
      yes{IDYES, L"Oui", L"yes"}, no{IDNO, L"Non", L"no"}, abort{IDABORT, L"Abandonner", L"abort"},
      retry{IDRETRY, L"Recommencer", L"retry"}, ignore{IDIGNORE, L"Ignorer", L"ignore"};
  switch (type & MB_TYPEMASK) {
    case MB_OKCANCEL:
      return {ok, cancel};
    case MB_ABORTRETRYIGNORE:
      return {abort, retry, ignore};
    case MB_YESNOCANCEL:
      return {yes, no, cancel};
    case MB_YESNO:
      return {yes, no};
    case MB_RETRYCANCEL:
      return {retry, cancel};
    default:
      return {ok};
  }
}

const wchar_t* iconName(UINT type) {
  switch (type & MB_ICONMASK) {
    case MB_ICONHAND:
      return L"erreur";
    case MB_ICONQUESTION:
      return L"question";
    case MB_ICONEXCLAMATION:
      return L"avertissement";
    case MB_ICONASTERISK:
      return L"information";
    default:
      return nullptr;
  }
}

std::wstring folded(const std::wstring& text) {
  std::wstring out;
  for (wchar_t c : text) {
    if (!std::iswspace(c)) out += toLowerLatin(c);
  }
  return out;
}

// The button an answer names, or 0.
int buttonFor(const std::vector<Button>& buttons, const std::wstring& answer, int defaultId) {
  std::wstring a = folded(answer);
  if (a.empty()) return defaultId;
  for (const Button& b : buttons) {
    if (a == folded(b.caption) || a == b.alias) return b.id;
  }
  return 0;
}

// What Escape gives: Cancel when the box has it; otherwise No, or Abort, or OK.
int escapeAnswer(const std::vector<Button>& buttons) {
  for (const Button& b : buttons) {
    if (b.id == IDCANCEL) return IDCANCEL;
  }
  for (const Button& b : buttons) {
    if (b.id == IDNO || b.id == IDABORT) return b.id;
  }
  return buttons.front().id;
}

const wchar_t* captionOf(const std::vector<Button>& buttons, int id) {
  for (const Button& b : buttons) {
    if (b.id == id) return b.caption;
  }
  return L"?";
}

}  // namespace

namespace ui {

const wchar_t* applicationName() { return L"cadhost"; }

void reportInternalError(const char* what) {
  std::wstring text;
  for (const char* p = what ? what : ""; *p; ++p)
    text += static_cast<wchar_t>(static_cast<unsigned char>(*p));
  say(L"Erreur interne du dialogue : " + text + L"\n");
}

int showMessageBox(const std::wstring& text, const std::wstring& caption, UINT type) {
  std::vector<Button> buttons = buttonsOf(type);
  size_t defaultIndex = (type & MB_DEFMASK) >> 8;
  int defaultId = buttons[defaultIndex < buttons.size() ? defaultIndex : 0].id;

  ed::Editor& editor = ed::Editor::instance();
  std::wstring out = editor.transcript().atLineStart() ? L"" : L"\n";
  out += L"Message « " + caption + L" »";
  if (const wchar_t* icon = iconName(type)) out += std::wstring(L" (") + icon + L")";
  out += L"\n";
  size_t start = 0;
  while (start <= text.size()) {
    size_t end = text.find(L'\n', start);
    if (end == std::wstring::npos) end = text.size();
    out += L"  " + text.substr(start, end - start) + L"\n";
    start = end + 1;
  }
  out += L" ";
  for (const Button& b : buttons) out += std::wstring(L" [") + b.caption + L"]";
  out += L"\n";
  say(out);

  ui::DialogDriver& driver = ui::dialogDriver();
  if (driver.showsOwnBoxes()) {
    ui::MessageBoxRequest box{text, caption, type, {}, defaultId, escapeAnswer(buttons)};
    for (const Button& b : buttons) box.buttons.emplace_back(b.id, b.caption);
    int answer = driver.messageBox(box);
    if (captionOf(buttons, answer) == std::wstring(L"?")) answer = box.escapeId;
    say(std::wstring(L"Réponse : ") + captionOf(buttons, answer) + L"\n");
    return answer;
  }

  for (;;) {
    std::wstring line;
    // A box with only OK leaves a line that does not answer it for whatever comes next.
    if (buttons.size() == 1 && editor.peekLine(line) && !ed::Editor::isCursorMove(line) &&
        buttonFor(buttons, line, defaultId) == 0) {
      say(L"Réponse : OK\n");
      return IDOK;
    }
    say(L"Réponse : ");
    if (!editor.readLine(line)) {
      int answer = escapeAnswer(buttons);
      say(std::wstring(L"*Échap* (") + captionOf(buttons, answer) + L")\n");
      return answer;
    }
    say(line + L"\n");
    int answer = buttonFor(buttons, line, defaultId);
    if (answer != 0) return answer;
    std::wstring expected;
    for (const Button& b : buttons)
      expected += (expected.empty() ? L"" : L", ") + std::wstring(b.caption);
    say(L"Réponse non reconnue : " + line + L" (attendu : " + expected + L")\n");
  }
}

}  // namespace ui

int AfxMessageBox(LPCTSTR text, UINT type, UINT helpId) {
  (void)helpId;
  return ui::showMessageBox(text ? text : L"", ui::applicationName(), type);
}

int AfxMessageBox(UINT id, UINT type, UINT helpId) {
  (void)helpId;
  const wchar_t* text = AfxFindResourceString(id);
  return ui::showMessageBox(text ? text : L"", ui::applicationName(), type);
}

int MessageBox(HWND owner, LPCTSTR text, LPCTSTR caption, UINT type) {
  (void)owner;
  return ui::showMessageBox(text ? text : L"", caption ? caption : L"Erreur", type);
}

BOOL MessageBeep(UINT) { return TRUE; }
