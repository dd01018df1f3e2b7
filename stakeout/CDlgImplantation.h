// The stake-out dialog: the list of points with their stations, angles, distances and visibility,
// the buttons that add points, set up stations and declare obstacles, and the choice of results.
#pragma once
#include <vector>

#include "adesk.h"
#include "ui/adui.h"
#include "ui/afxcmn.h"

class contexteImplantation;

class CDlgImplantation : public CAdUiDialog {
 public:
  explicit CDlgImplantation(contexteImplantation& contexte, CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  void OnCancel() override;

  afx_msg void OnNumerotation();
  afx_msg void OnMiseEnStation();
  afx_msg void OnObstacles();
  afx_msg void OnVerifier();
  afx_msg void OnSortieHMin();
  afx_msg void OnSortieHStat();
  afx_msg void OnAjouter();
  afx_msg void OnEnlever();
  afx_msg void OnLocaliser();
  afx_msg void OnApercu();
  afx_msg void OnConfig();
  afx_msg void OnDoubleClic(NMHDR* notification, LRESULT* resultat);
  DECLARE_MESSAGE_MAP()

 private:
  void remplir();
  std::vector<Adesk::UInt32> selection() const;
  // Hides the dialog, draws, waits at the prompt, then erases what it drew.
  void montrer(const std::vector<Adesk::UInt32>& points, bool zoom);

  contexteImplantation& contexte_;
  CListCtrl m_liste;
};

// The command: a context for this run, the dialog, the module's resources while it is open.
void commandeImplantation();
