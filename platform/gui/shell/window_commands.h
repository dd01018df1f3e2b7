// Commands only the window has: PNGOUT (IMAGEPNG) writes what the drawing view shows to a PNG
// file, the name asked at the command line as every host command asks it.
#pragma once

namespace gui {

class DrawingView;

// Registers the commands for that view (one window at a time); removeWindowCommands undoes it.
void registerWindowCommands(DrawingView* view);
void removeWindowCommands();

}  // namespace gui
