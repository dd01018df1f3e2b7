// The dialog of one code: number, label, block drawing with its preview, the five layers, the
// block scale and the altitude decimals. Opened from the code list to create or edit a code.
#pragma once
#include "ui/adui.h"

class codifPoint;
class tableCodification;

class DlgCodification : public CAdUiDialog {
 public:
  explicit DlgCodification(CWnd* parent = nullptr);

  // The fields from a code (the number with "%d") and back (every field but the number).
  void depuisCodif(const codifPoint& codif);
  void versCodif(codifPoint& codif) const;

  CString m_code;
  CString m_libelle;
  CString m_chemin;  // block drawing
  CString m_layerAltitudes;
  CString m_layerBlock;
  CString m_layerCode;
  CString m_layerNumero;
  CString m_layerObs;
  double m_taille = 1.0;                 // 1e-6 to 1e6
  int m_precision = 0;                   // altitude decimals, 0 to 8 with the spin
  bool m_modeEdition = false;            // the number cannot change
  tableCodification* m_table = nullptr;  // checked for free numbers (not owned)

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  BOOL OnInitDialog() override;
  afx_msg void OnKillFocusCode();
  afx_msg void OnSymbole();
  afx_msg void OnPaint();
  DECLARE_MESSAGE_MAP()

 private:
  // Adds ".dwg" to a block path without it and shows that drawing in the picture area.
  void afficherApercu();
};
