// The modeless progress dialog of long loops over points: a bar, its percentage and a Cancel
// button that the loop asks about.
#pragma once
#include "ui/afxcmn.h"
#include "ui/afxwin.h"

class CMyProgressDlg : public CDialog {
 public:
  CMyProgressDlg();
  ~CMyProgressDlg() override;

  // Disables the owner (when it was enabled) and shows the dialog: 1, or 0 when it cannot be made.
  int create(CWnd* parent = nullptr);
  void setRange(int lower, int upper);
  void setStep(int step);
  void setPos(int position);
  void offsetPos(int delta);
  void stepIt();
  // Whether Cancel was pressed since the last call.
  bool checkCancel();
  // Gives the owner back its input and closes the dialog.
  void destroy();

 protected:
  BOOL OnInitDialog() override;
  void OnCancel() override;  // the dialog stays: the loop decides
  void DoDataExchange(CDataExchange* pDX) override;

 private:
  void pumpMessages();
  void showPercentage(int position);

  CWnd* owner_ = nullptr;
  CProgressCtrl bar_;
  int lower_ = 0;
  int upper_ = 100;
  int step_ = 10;
  bool cancelled_ = false;
  bool ownerDisabled_ = false;
};
