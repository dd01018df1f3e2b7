// The code list: every code of a table with its label, altitude decimals and block drawing;
// codes are created, edited (double-click) and deleted here, and the columns sort the rows.
#pragma once
#include "ui/adui.h"
#include "ui/afxcmn.h"

class tableCodification;

class CDlgTabCodification : public CAdUiDialog {
 public:
  explicit CDlgTabCodification(tableCodification* table, CWnd* parent = nullptr);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnNouveau();
  afx_msg void OnSupprimer();
  afx_msg void OnDblClkListe(NMHDR* notification, LRESULT* resultat);
  afx_msg void OnColumnClickListe(NMHDR* notification, LRESULT* resultat);
  DECLARE_MESSAGE_MAP()

 private:
  // Appends the row of the entry with that number (its item data is the number).
  void ajouterLigne(int code);
  // Rewrites the label, decimals and block cells of a row from its entry.
  void rafraichirLigne(int ligne);

  tableCodification* m_table;  // not owned
  CListCtrl m_liste;
};

// The command VCODIFICATION's work: the list on the process-wide table, then the table written
// to its code file (whatever button closed the list).
void editerTableCodification();
