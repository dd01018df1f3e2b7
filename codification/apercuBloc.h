// The preview of a block drawing in a picture area. Where no picture can be drawn, the area
// says what the drawing holds: its name, its number of entities and its extents.
#pragma once
#include "ui/afxwin.h"

// False, and the area emptied, when the file does not exist or is not a drawing.
bool afficherApercuBloc(const CString& chemin, HWND zone);
