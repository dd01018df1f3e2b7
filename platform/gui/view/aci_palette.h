// The colour index palette of drawings: 1-255 to screen colours.
#pragma once
#include <QColor>

namespace gui {

// The screen colour of a colour index (1-255). 7 shows white, the view's background being dark;
// indices out of range show as 7.
QColor aciColor(int index);

}  // namespace gui
