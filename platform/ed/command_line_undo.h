// Internal: UNDO and U, added with the drawing commands.
#pragma once
#include "rx/accmd.h"

namespace ed {

void addUndoCommands(AcEdCommandStack& stack);

}  // namespace ed
