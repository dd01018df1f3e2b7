// "Tables de points": the point tables of the current project, created, merged, deleted,
// renamed and made current.
#pragma once
#include <vector>

#include "ui/adui.h"
#include "ui/afxcmn.h"

class projetsTopo;

class CTabListePoints : public CAdUiDialog {
 public:
  explicit CTabListePoints(projetsTopo* projet, CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnCreer();
  afx_msg void OnFusionner();
  afx_msg void OnSupprimer();
  afx_msg void OnRenommer();
  afx_msg void OnCourant();
  DECLARE_MESSAGE_MAP()

 private:
  void remplir();
  void afficherCourante();
  std::vector<int> lignesChoisies() const;
  // The one selected row, or -1 after the message.
  int seuleLigneChoisie();
  void ajouterLigne(int table);

  projetsTopo* m_projet;
  CListCtrl m_liste;
};

// c:gererLeves: the dialog on the designated project; a message when there is none.
void gererLeves();
