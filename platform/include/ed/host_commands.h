// The host's own commands (group "ACAD"): drawings (NEW, OPEN, SAVE, SAVEAS, CLOSE, QUIT,
// APPLOAD), undo (UNDO, U), views (ZOOM, REGEN), selection (ERASE, LIST) and drawing (LINE,
// PLINE, TEXT, INSERT). cadhost registers them at start; tests that drive them do the same.
#pragma once

namespace ed {

// The group of the host's commands in the command stack.
extern const wchar_t* const kHostCommandGroup;

// Adds the group (replacing it when already there).
void registerHostCommands();
void removeHostCommands();

}  // namespace ed
