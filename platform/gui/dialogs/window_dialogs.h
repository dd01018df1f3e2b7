// The platform's dialogs, message boxes, file dialogs and web views as Qt widgets owned by the
// main window. The dialogs keep their one implementation: the window only draws their state and
// turns what the user does into the actions a script would give.
#pragma once

class QWidget;

namespace gui {

class WindowDialogDriver;

// Makes the window the driver of every dialog (mainWindow may be null: the dialogs are then
// top-level windows).
void installWindowDialogs(QWidget* mainWindow);
// Gives dialogs back to the default driver (the script or the terminal).
void removeWindowDialogs();
// The driver installed, or null.
WindowDialogDriver* windowDialogDriver();

}  // namespace gui
