// The script and terminal drivers of the modal loop.
#include "ui/dialog_driver.h"

#include "ed/editor.h"
#include "ui/window.h"

namespace {

std::unique_ptr<ui::DialogDriver>& chosenDriver() {
  static std::unique_ptr<ui::DialogDriver> driver;
  return driver;
}

void say(const std::wstring& text) { ed::Editor::instance().transcript().write(text); }

const wchar_t kHelp[] =
    L"Actions du dialogue (contrôle par numéro ou par libellé) :\n"
    L"  set ID texte | check ID on|off | choose ID texte|#n | select ID 0,2\n"
    L"  click ID [ligne] | dblclick ID ligne | sort ID colonne|#n | focus ID\n"
    L"  click ID d'un élément de menu (numéro ou libellé) : le choisit\n"
    L"  ok | cancel | show | ligne vide = bouton par défaut\n";

}  // namespace

namespace ui {

bool ScriptDialogDriver::readAction(HWND dialog, std::wstring& action) {
  (void)dialog;
  if (!ed::Editor::instance().readLine(action)) return false;
  say(L"Action : " + action + L"\n");
  return true;
}

void TerminalDialogDriver::opened(HWND dialog) {
  // A modeless dialog does not ask for actions: the pump takes them from what is typed.
  if (!dialog->modeless) say(L"(aide : liste des actions)\n");
}

bool TerminalDialogDriver::readAction(HWND dialog, std::wstring& action) {
  for (;;) {
    say(L"Action : ");
    if (!ed::Editor::instance().readLine(action)) return false;
    say(action + L"\n");
    if (action != L"aide" && action != L"?") return true;
    say(kHelp);
    (void)dialog;
  }
}

void setDialogDriver(std::unique_ptr<DialogDriver> driver) { chosenDriver() = std::move(driver); }

DialogDriver& dialogDriver() {
  if (chosenDriver()) return *chosenDriver();
  static ScriptDialogDriver script;
  static TerminalDialogDriver terminal;
  if (dynamic_cast<ed::TerminalSource*>(&ed::Editor::instance().input())) return terminal;
  return script;
}

}  // namespace ui
