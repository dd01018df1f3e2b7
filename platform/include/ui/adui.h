// The host's dialog base classes. Beyond CDialog they add the host's conveniences that cost
// nothing here (names and persistency kept for the record), and the hide-to-pick behaviour: the
// dialog hides while the user answers prompts on the command line, then shows again.
#pragma once
#include "adesk.h"
#include "ui/afxwin.h"

class CAdUiBaseDialog : public CDialog {
 public:
  explicit CAdUiBaseDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr);

  void SetDialogName(LPCTSTR name) { dialogName_ = name; }
  CString GetDialogName() const { return dialogName_; }
  void SetPersistency(BOOL on) { persistent_ = on; }
  BOOL GetPersistency() const { return persistent_; }
  void SetElastic(BOOL) {}
  void SetDirty(CWnd* = nullptr) {}
  void LockDialogWidth() {}
  void LockDialogHeight() {}
  void StretchControlX(UINT, UINT) {}
  void StretchControlY(UINT, UINT) {}
  void StretchControlXY(UINT, UINT) {}
  void MoveControlX(UINT, UINT) {}
  void MoveControlY(UINT, UINT) {}
  void MoveControlXY(UINT, UINT) {}
  BOOL OnInitDialog() override;

 private:
  CString dialogName_;
  BOOL persistent_ = FALSE;
};

class CAdUiDialog : public CAdUiBaseDialog {
 public:
  explicit CAdUiDialog(UINT templateId, CWnd* parent = nullptr, HINSTANCE resources = nullptr);

  // Hides the dialog and gives the input to the command line (a line is printed). The prompts
  // that follow read the input as usual.
  void BeginEditorCommand();
  // Shows the dialog again (printed again).
  void CompleteEditorCommand(BOOL restoreCursor = TRUE);
  // Shows the dialog again after a prompt was cancelled.
  void CancelEditorCommand();
  // Ends the dialog from the command line: it closes with OK.
  void MakeDialogResultOk() { EndDialog(IDOK); }
  BOOL EditorCommandActive() const { return editorCommand_; }

 private:
  BOOL editorCommand_ = FALSE;
};

// The helper class name some modules use for the same base.
typedef CAdUiDialog CAcUiDialog;

// Shows the preview of a drawing file in a window (a picture area). Nothing is drawn: the picture
// holds "aperçu de NAME" (the file's name), which the dialog prints. False, and the picture
// emptied, when the file does not exist.
bool acdbDisplayPreviewFromDwg(const ACHAR* fileName, HWND window,
                               const Adesk::UInt32* backgroundColor = nullptr);
