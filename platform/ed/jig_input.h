// Internal: the inputs of a drag sequence, read from the command line. Cursor movements come as
// lines ">x,y[,z]" and are not echoed; the other answers are echoed after the prompt as every
// prompt does.
#pragma once
#include <string>

#include "ge/gepnt3d.h"

namespace ed {

struct DragInput {
  enum Kind { kMove, kAnswer, kEnter, kCancel };
  Kind kind = kCancel;
  std::wstring text;   // kAnswer: what was typed
  AcGePoint3d cursor;  // kMove: where the cursor went (world coordinates)
};

// The next input. A blank ends an answer (what follows is the next input) unless wholeLine.
// A cancel ("^C" or no input left) prints "*Annuler*" when echoCancel. A movement line that is not
// a point is skipped.
DragInput readDragInput(bool wholeLine, bool echoCancel);

}  // namespace ed
