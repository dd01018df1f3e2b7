// cadhost-gui: the desktop host. The same options, session, modules and scripts as cadhost, with
// the drawing in a window and the command line docked below it; a script runs in the window.
#include <QApplication>

#include "ed/editor.h"
#include "host_session.h"
#include "dialogs/window_dialogs.h"
#include "shell/main_window.h"

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  return cadhost::runMain(argc, argv, [](const cadhost::HostOptions& options) {
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
  });
}
