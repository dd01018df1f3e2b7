// Message boxes as the drivers show them, and the one-line report of an unexpected error.
#pragma once
#include <string>

#include "ui/afxwin.h"

namespace ui {

// Prints the box (caption, icon, text, buttons) and reads the answer from the editor's input.
int showMessageBox(const std::wstring& text, const std::wstring& caption, UINT type);
// A line for an error that is not the user's: the dialog goes on.
void reportInternalError(const char* what);
// The application's name, the caption of AfxMessageBox.
const wchar_t* applicationName();

}  // namespace ui
