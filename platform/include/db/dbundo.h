// The undo journal of a drawing database. The command layer brackets each command with
// beginStep/endStep; startUndoMark/endUndoMark group several commands into one step. While a step
// is open, the first opening for write of each object saves the object's state, and each object
// added to the database is noted; undoLastStep puts every such object back as it was when the step
// began (objects created by the step are erased: their ids stay valid and their handles are never
// given again).
#pragma once
#include <memory>
#include <vector>

#include "db/acadstrc.h"

class AcDbDatabase;
class AcDbObject;
class AcDbStub;

class UndoJournal {
 public:
  explicit UndoJournal(AcDbDatabase* database);
  ~UndoJournal();
  UndoJournal(const UndoJournal&) = delete;
  UndoJournal& operator=(const UndoJournal&) = delete;

  // Command brackets. Steps nest (a command run by another belongs to the outer one's step); the
  // step ends with its outermost endStep, unless an undo mark is open.
  void beginStep();
  void endStep();
  // Undo mark group: everything from startUndoMark to the matching endUndoMark (marks nest) is one
  // step, however many commands run inside. An endUndoMark without a mark is ignored.
  void startUndoMark();
  void endUndoMark();

  // Reverts the last finished step and forgets it. eNotApplicable when there is nothing to undo,
  // eInvalidInput while a step or a mark group is still open, eWasOpenedForWrite (or ForRead)
  // while any object of the database is open.
  Acad::ErrorStatus undoLastStep();

  // Finished steps that can be undone.
  int stepCount() const { return static_cast<int>(steps_.size()); }
  bool isStepOpen() const { return current_ != nullptr; }
  int undoMarkDepth() const { return markDepth_; }
  // Forgets every step (the open one included: its changes stay and are no longer journalled).
  void clear();

  // Journalling on or off (off while a file is read into the database, for instance). Steps are
  // still counted while off, but record nothing.
  void setRecording(bool recording) { recording_ = recording; }
  bool isRecording() const { return recording_; }
  // True when a change to an object would be journalled now.
  bool isActive() const { return recording_ && !reverting_ && current_ != nullptr; }

  // Hooks of the object store: an object about to be opened for write, an object just added.
  void noteOpenForWrite(AcDbObject* object);
  void noteAdded(AcDbStub* stub);

 private:
  struct Step;
  void openStepIfNone();
  void closeStepIfDone();
  void revert(Step& step);

  AcDbDatabase* database_;
  std::vector<std::unique_ptr<Step>> steps_;
  std::unique_ptr<Step> current_;
  int stepDepth_ = 0;
  int markDepth_ = 0;
  bool recording_ = true;
  bool reverting_ = false;
};

// Turns journalling off for a scope, and back to what it was at the end.
class UndoRecordingSuspended {
 public:
  explicit UndoRecordingSuspended(UndoJournal& journal)
      : journal_(journal), was_(journal.isRecording()) {
    journal_.setRecording(false);
  }
  ~UndoRecordingSuspended() { journal_.setRecording(was_); }
  UndoRecordingSuspended(const UndoRecordingSuspended&) = delete;
  UndoRecordingSuspended& operator=(const UndoRecordingSuspended&) = delete;

 private:
  UndoJournal& journal_;
  bool was_;
};
