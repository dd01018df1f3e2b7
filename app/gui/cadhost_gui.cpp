// cadhost-gui: the desktop host. The same options, session, modules and scripts as cadhost, with
// the drawing in a window and the command line docked below it; a script runs in the window.
#include <QApplication>
#include <cstdio>
#include <string>

#include "ed/editor.h"
#include "host_options.h"
#include "host_session.h"
#include "dialogs/window_dialogs.h"
#include "os/codepage.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  cadhost::HostOptions options;
  std::wstring error;
  if (!cadhost::parseArguments(argc, argv, options, error)) {
    std::fprintf(stderr, "Erreur : %s\n%s", wideToUtf8(error).c_str(), cadhost::kUsage);
    return 2;
  }
  try {
    gui::MainWindow window;
    window.show();
    // Typed at the window, dialogs are drawn as Qt dialogs for the mouse and keyboard; a script
    // keeps answering them with its own action lines, as in cadhost.
    const bool windowDialogs = options.script.empty();
    if (windowDialogs) gui::installWindowDialogs(&window);
    // The transcript shows in the window's command line (and in --transcript's file).
    ed::Editor::instance().transcript().setStdout(false);
    cadhost::FrontEnd frontEnd;
    frontEnd.newDrawingWhenOpenFails = true;
    frontEnd.input = [&window](std::unique_ptr<ed::InputSource> script) {
      return window.makeInput(std::move(script));
    };
    const int status = cadhost::runSession(options, &frontEnd);
    if (windowDialogs) gui::removeWindowDialogs();
    return status;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Erreur : %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "Erreur inattendue\n");
  }
  return 1;
}
