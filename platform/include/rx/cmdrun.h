// Running a command the user typed: a registered command, or a LISP function "C:NAME" of the
// current document. The editor's command line and scripts go through here.
#pragma once
#include <string>

#include "adesk.h"

class AcApDocument;
class AcDbDatabase;

struct AcEdCommandOutcome {
  bool found = false;              // false: unknown command, the caller prints its message
  bool needsDrawing = false;       // not run: the command works on a drawing and none is open
  bool resourceImbalance = false;  // the command left the resource stack deeper or shallower
  int objectsLeftOpen = 0;         // objects of the drawing the command opened and did not close
  std::wstring error;              // a LISP error of a "C:" function, or an exception's text
};

// Each command is one undo step of the document current when it starts (commands run by another
// belong to the outer one's step). A module's command runs on the module's behalf
// (acrxDynamicLinker->currentAppId() is the module). Without a document only the commands flagged
// ACRX_CMD_SESSION run (NEW, OPEN, QUIT, APPLOAD).
AcEdCommandOutcome acedRunCommand(const ACHAR* typed);

// Brackets work that is one undo step of the current document (a command, a LISP line at the
// prompt). The step is named for UNDO's report; a document closed meanwhile is left alone.
class AcEdCommandStep {
 public:
  explicit AcEdCommandStep(std::wstring name);
  ~AcEdCommandStep();
  AcEdCommandStep(const AcEdCommandStep&) = delete;
  AcEdCommandStep& operator=(const AcEdCommandStep&) = delete;

 private:
  std::wstring name_;
  AcApDocument* document_;
  int stepsBefore_ = 0;
  bool inGroup_ = false;  // an undo mark group was open when the step began
};

// The name UNDO shows for a step that is an undo mark group or a LISP line.
extern const wchar_t* const kUndoGroupName;

// The name of the newest undoable step of the document (its command's local name), or empty.
std::wstring acedLastUndoStepName(AcApDocument* document);
// Tells the name list that the newest step was undone (or the journal was otherwise shortened).
void acedUndoStepsChanged(AcApDocument* document);

// Whether the document changed since it was opened, created or last saved (CLOSE and QUIT ask
// before dropping changes).
bool acedIsDocumentModified(AcApDocument* document);
void acedSetDocumentModified(AcApDocument* document, bool modified);
