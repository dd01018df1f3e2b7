// The coordinate form: a list of coordinate records loaded from and saved to N X Y Z files,
// merged, renamed and placed as survey points, through the menu bar "Table" / "Points".
#pragma once
#include "ui/adui.h"
#include "ui/afxcmn.h"

class tableCodification;
class tableObsXYZ;

class CformulaireXYZ : public CAdUiDialog {
 public:
  // Neither table is owned.
  CformulaireXYZ(tableObsXYZ* table, tableCodification* codes, CWnd* parent = nullptr);

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnCharger();
  afx_msg void OnSauvegarder();
  afx_msg void OnFusionner();
  afx_msg void OnFin();
  afx_msg void OnPlacer();
  afx_msg void OnRenumeroter();
  afx_msg void OnClicColonne(NMHDR* notification, LRESULT* resultat);
  DECLARE_MESSAGE_MAP()

 private:
  // Fills the list from the table; the code column adds the codes the codification lacks.
  void remplir();
  void charger(bool vider);
  // A message and false when the table has no record.
  bool tableNonVide();
  static int comparer(LPARAM a, LPARAM b, LPARAM colonneEtTable);

  tableObsXYZ* m_table;
  tableCodification* m_codes;
  CListCtrl m_liste;
};

// COORDSXYZ: an empty table on the global codification, in the form; the records are dropped at
// the end (only the files keep them).
void ouvrirFormulaireXYZ();
