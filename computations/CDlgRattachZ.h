// The altitude transfer dialog: an altitude shift given as a new altitude for a reference one, or
// directly as a difference, and whether all points or only selected ones are shifted.
#pragma once
#include "computations/rattachementAltitudes.h"
#include "ui/adui.h"

class CDlgRattachZ : public CAdUiDialog {
 public:
  explicit CDlgRattachZ(CWnd* parent = nullptr);

  int m_mode = 0;   // 0 new altitude, 1 difference
  int m_portee = 0; // 0 all points, 1 selected points only

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnPrecedenteQuittee();
  afx_msg void OnNouvelleQuittee();
  afx_msg void OnDifferenceQuittee();
  afx_msg void OnModeNouvelle();
  afx_msg void OnModeDifference();
  afx_msg void OnSelect();
  DECLARE_MESSAGE_MAP()

 private:
  // The field's text when it is a number; false leaves the values as they are.
  bool lireChamp(int id, double& valeur) const;
  void afficherValeurs();
  void activerSaisies();
};

// Shows the dialog with the module's resources; true on OK with the difference to add and whether
// "Tous les points" was chosen.
bool demanderRattachementZ(double& difference, bool& tousLesPoints);
