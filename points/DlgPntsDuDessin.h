// The point-list dialog: the points of a table, filtered by code, sorted by any column, with the
// action buttons its caller asks for (a mask: 1 export, 2 coordinate table, 4 place, 8 import,
// 16 refresh). "&Fermer" gives the table position of the first selected row.
#pragma once
#include <vector>

#include "ui/adui.h"
#include "ui/afxcmn.h"

class listePointsDuDessin;
class tableCodification;

// Names in the order of the list: leading letters ignoring case, then the number, then the rest;
// a name without leading letters after those with. <0, 0 or >0.
int comparerNomsPoints(const char* a, const char* b);

// The sort the list keeps from one opening to the next goes back to none, ascending (tests).
void oublierTriPoints();

class DlgPntsDuDessin : public CAdUiDialog {
 public:
  DlgPntsDuDessin(tableCodification* codes, listePointsDuDessin* points, CWnd* parent = nullptr);

  int m_masque = 31;
  int m_codePreselectionne = -1;
  int m_pointChoisi = -1;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnChangementCode();
  afx_msg void OnClicColonne(NMHDR* notification, LRESULT* resultat);
  afx_msg void OnRaffraichir();
  afx_msg void OnPlacer();
  afx_msg void OnExporter();
  afx_msg void OnTableXYZ();
  afx_msg void OnImporter();
  DECLARE_MESSAGE_MAP()

 private:
  // The code list, that code chosen (the first row, all codes, when it is not listed).
  void remplirCodes(int codeChoisi);
  int codeFiltre() const;
  // The table positions of the selected rows in list order, or of every row when none is.
  std::vector<int> lignesChoisies() const;
  bool codeRetenu(int code) const;
  void remplir();
  static int comparer(LPARAM a, LPARAM b, LPARAM dialogue);

  tableCodification* m_codes;
  listePointsDuDessin* m_points;
  CComboBox m_filtre;
  CListCtrl m_liste;
};
