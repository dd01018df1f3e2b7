// AcEdJig: the host's drag sequence. A derived class gives sampler() (which calls one of the
// acquire functions), update() (which changes the dragged entity from the value sampled) and
// entity() (what is dragged); drag() runs the loop until a final answer.
//
// On the command line every cursor movement (a script line ">x,y") is one sample: sampler(), then
// update() when the sampler returned kNormal, and the loop goes on. A final answer (a point or a
// value typed or picked, a keyword, Enter, a cancel) is echoed after the prompt and ends the drag.
#pragma once
#include <memory>
#include <string>

#include "db/dbid.h"
#include "ge/gepnt3d.h"
#include "rx/rxobject.h"

class AcDbEntity;

class AcEdJig : public AcRxObject {
 public:
  ACRX_DECLARE_MEMBERS(AcEdJig);

  enum UserInputControls {
    kGovernedByOrthoMode = 0x000001,
    kNullResponseAccepted = 0x000002,
    kDontEchoCancelForCtrlC = 0x000004,
    kDontUpdateLastPoint = 0x000008,
    kNoDwgLimitsChecking = 0x000010,
    kNoZeroResponseAccepted = 0x000020,
    kNoNegativeResponseAccepted = 0x000040,
    kAccept3dCoordinates = 0x000080,
    kAcceptMouseUpAsPoint = 0x000100,
    kAnyBlankTerminatesInput = 0x000200,
    kInitialBlankTerminatesInput = 0x000400,
    kAcceptOtherInputString = 0x000800,
    kGovernedByUCSDetect = 0x001000,
    kNoZDirectionOrtho = 0x002000,
    kImpliedFaceForUCSChange = 0x004000,
    kUseBasePointElevation = 0x008000,
    kDisableDirectDistanceInput = 0x010000,
  };

  enum DragStatus {
    kModeless = -17,
    kNoChange = -6,
    kCancel = -4,
    kOther = -3,
    kNull = -1,
    kNormal = 0,
    kKW1,
    kKW2,
    kKW3,
    kKW4,
    kKW5,
    kKW6,
    kKW7,
    kKW8,
    kKW9,
  };

  // Cursor shapes; kept for the interface, the command line has no cursor to shape.
  enum CursorType {
    kNoSpecialCursor = -1,
    kCrosshair = 0,
    kRectCursor,
    kRubberBand,
    kNotRotated,
    kTargetBox,
    kRotatedCrosshair,
    kCrosshairNoRotate,
    kInvisible,
    kEntitySelect,
    kParallelogram,
    kEntitySelectNoPersp,
    kPkfirstOrGrips,
    kCrosshairDashed,
  };

  AcEdJig();
  ~AcEdJig() override;
  AcEdJig(const AcEdJig&) = delete;
  AcEdJig& operator=(const AcEdJig&) = delete;

  // Shows the prompt and runs the drag loop. Gives the status of the final sample: kNormal for a
  // value (also when the last sample reported kNoChange), kOther when update() refused it, kKW1…
  // for the keywords in list order, kNull for Enter (with kNullResponseAccepted), kCancel for a
  // cancel or the end of the input.
  DragStatus drag();
  virtual DragStatus sampler();
  virtual Adesk::Boolean update();
  // Adds entity() to the current space of the current drawing and closes it.
  AcDbObjectId append();
  virtual AcDbEntity* entity() const;

  // Keywords as acedInitGet takes them ("Origine Rotation Diagonale", "_" for the global names).
  const ACHAR* keywordList();
  void setKeywordList(const ACHAR* keywords);
  // printf-style, as acutPrintf.
  const ACHAR* dispPrompt();
  void setDispPrompt(const ACHAR* format, ...);

  // Each call takes one input: a cursor movement (a sample, no echo) or a final answer.
  DragStatus acquirePoint(AcGePoint3d& point);
  DragStatus acquirePoint(AcGePoint3d& point, const AcGePoint3d& basePoint);
  // Distances and angles (radians, counter-clockwise from the X axis) typed, or measured from the
  // base point (else from the last point entered) to the cursor or a point.
  DragStatus acquireDist(double& distance);
  DragStatus acquireDist(double& distance, const AcGePoint3d& basePoint);
  DragStatus acquireAngle(double& angle);
  DragStatus acquireAngle(double& angle, const AcGePoint3d& basePoint);
  // The whole line typed (blanks included); cursor movements are ignored.
  DragStatus acquireString(ACHAR (&text)[2049]);

  CursorType specialCursorType();
  void setSpecialCursorType(CursorType type);
  UserInputControls userInputControls();
  void setUserInputControls(UserInputControls controls);

 private:
  struct State;
  std::unique_ptr<State> state_;
};
