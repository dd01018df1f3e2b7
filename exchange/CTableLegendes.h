// "Table des légendes": the block definitions of the drawing with their descriptions, ticked
// for the legend, and the sizes of its texts, samples and rows.
#pragma once
#include <vector>

#include "exchange/tableLegendes.h"
#include "ui/adui.h"
#include "ui/afxcmn.h"

class CTableLegendes : public CAdUiDialog {
 public:
  explicit CTableLegendes(CWnd* parent = nullptr);

  paramsLegende m_params;
  std::vector<infoBlocks> m_blocs;  // rebuilt at every opening
  std::vector<CString> m_descriptions;
  std::vector<bool> m_coches;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  afx_msg void OnTous();
  afx_msg void OnAucun();
  afx_msg void OnInverser();
  afx_msg void OnUtilises();
  afx_msg void OnLegendeCalques();
  DECLARE_MESSAGE_MAP()

 private:
  void montrerLongueur();
  CListCtrl m_liste;
};

// c:tablegendes: the dialog, then the point of the legend and the drawing.
void tableDesLegendes();
