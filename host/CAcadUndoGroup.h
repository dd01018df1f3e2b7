// An undo group for the length of a scope: every change made while it lives is undone by one
// UNDO. When no drawing can take a group (no database, no document, the call fails) it does
// nothing, before and after.
#pragma once

class AcDbDatabase;
class AcAxDocument;

class CAcadUndoGroup {
 public:
  // The host's working database when none is given.
  explicit CAcadUndoGroup(AcDbDatabase* database = nullptr);
  virtual ~CAcadUndoGroup();
  CAcadUndoGroup(const CAcadUndoGroup&) = delete;
  CAcadUndoGroup& operator=(const CAcadUndoGroup&) = delete;

  bool isOpen() const { return document_ != nullptr; }

 private:
  AcAxDocument* document_ = nullptr;  // the automation object of the group's document
  AcDbDatabase* database_ = nullptr;
};
