// The undo journal: steps of saved object states, and reverting the last step.
#include <unordered_set>

#include "db/database_state.h"
#include "db/dbundo.h"
#include "db/undo_snapshot.h"

namespace {

// The drawing-wide settings a step may change besides objects (current layer, style, header
// variables...). They are saved whole at the start of each step: they are few and small.
struct SavedSettings {
  AcDbObjectId clayer, textstyle, celtype;
  int cecolor = 256;
  double textsize = 2.5;
  bool mirrtext = false;
  AcGePoint3d insbase, extmin, extmax;
  int insunits = 0;
  std::vector<HeaderVariable> otherHeaderVariables;

  static SavedSettings of(const DatabaseState& state) {
    return {state.clayer,   state.textstyle, state.celtype, state.cecolor,
            state.textsize, state.mirrtext,  state.insbase, state.extmin,
            state.extmax,   state.insunits,  state.otherHeaderVariables};
  }
  void restore(DatabaseState& state) const {
    state.clayer = clayer;
    state.textstyle = textstyle;
    state.celtype = celtype;
    state.cecolor = cecolor;
    state.textsize = textsize;
    state.mirrtext = mirrtext;
    state.insbase = insbase;
    state.extmin = extmin;
    state.extmax = extmax;
    state.insunits = insunits;
    state.otherHeaderVariables = otherHeaderVariables;
  }
};

}  // namespace

struct UndoJournal::Step {
  std::vector<UndoSnapshot> snapshots;
  std::unordered_set<const AcDbStub*> seen;
  // The handle seed at the start: given back on undo so that the saved drawing is the one before
  // the step. Handles of the objects the step created stay taken (their slots remain), so none is
  // ever given twice.
  Adesk::UInt64 nextHandle = 1;
  SavedSettings settings;
};

UndoJournal::UndoJournal(AcDbDatabase* database) : database_(database) {}
UndoJournal::~UndoJournal() = default;

void UndoJournal::openStepIfNone() {
  if (current_) return;
  current_ = std::make_unique<Step>();
  DatabaseState& state = stateOf(database_);
  current_->nextHandle = state.nextHandle;
  current_->settings = SavedSettings::of(state);
}

void UndoJournal::closeStepIfDone() {
  if (stepDepth_ > 0 || markDepth_ > 0 || !current_) return;
  // A step that changed nothing is not one the user can undo.
  if (!current_->snapshots.empty()) steps_.push_back(std::move(current_));
  current_.reset();
}

void UndoJournal::beginStep() {
  ++stepDepth_;
  openStepIfNone();
}

void UndoJournal::endStep() {
  if (stepDepth_ == 0) return;
  --stepDepth_;
  closeStepIfDone();
}

void UndoJournal::startUndoMark() {
  ++markDepth_;
  openStepIfNone();
}

void UndoJournal::endUndoMark() {
  if (markDepth_ == 0) return;
  --markDepth_;
  closeStepIfDone();
}

void UndoJournal::clear() {
  steps_.clear();
  current_.reset();
  stepDepth_ = 0;
  markDepth_ = 0;
}

void UndoJournal::noteOpenForWrite(AcDbObject* object) {
  if (!isActive()) return;
  AcDbStub* stub = object->stub();
  if (stub == nullptr || !current_->seen.insert(stub).second) return;
  current_->snapshots.push_back(takeSnapshot(stub));
}

void UndoJournal::noteAdded(AcDbStub* stub) {
  if (!isActive() || !current_->seen.insert(stub).second) return;
  UndoSnapshot snapshot;
  snapshot.stub = stub;
  snapshot.created = true;
  current_->snapshots.push_back(std::move(snapshot));
}

Acad::ErrorStatus UndoJournal::undoLastStep() {
  if (current_ || stepDepth_ > 0 || markDepth_ > 0) return Acad::eInvalidInput;
  if (steps_.empty()) return Acad::eNotApplicable;
  // Reading states back into objects someone holds open would pull the ground from under them.
  std::vector<AcDbObjectId> open = database_->openObjectIds();
  if (!open.empty()) {
    return open.front().stub()->object->hasWriter() ? Acad::eWasOpenedForWrite
                                                    : Acad::eWasOpenedForRead;
  }
  std::unique_ptr<Step> step = std::move(steps_.back());
  steps_.pop_back();
  revert(*step);
  return Acad::eOk;
}

void UndoJournal::revert(Step& step) {
  reverting_ = true;
  // Latest first: an object's saved state may refer to objects created after it in the step.
  for (auto it = step.snapshots.rbegin(); it != step.snapshots.rend(); ++it) {
    restoreSnapshot(database_, *it);
  }
  DatabaseState& state = stateOf(database_);
  step.settings.restore(state);
  if (step.nextHandle < state.nextHandle) state.nextHandle = step.nextHandle;
  reverting_ = false;
}

// The database's side of the journal.

UndoJournal& AcDbDatabase::undoJournal() { return *state_->undo; }

void AcDbDatabase::disableUndoRecording(bool disable) { state_->undo->setRecording(!disable); }

bool AcDbDatabase::undoRecording() const { return state_->undo->isRecording(); }
