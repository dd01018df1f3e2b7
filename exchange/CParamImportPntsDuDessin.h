// The options of an import of points from drawing objects: the kinds of objects (a set of bits),
// the attribute tags of number, altitude and code, and the offset from an altitude text to its
// point.
#pragma once
#include "ge/gevec2d.h"
#include "ui/adui.h"

class CParamImportPntsDuDessin : public CAdUiDialog {
 public:
  explicit CParamImportPntsDuDessin(CWnd* parent = nullptr);

  // The sum of the bits of the checked kinds (every kind when the dialog opens).
  int m_types = 0xFFF;
  CString m_tagNumero = L"NUMPT";
  CString m_tagAltitude = L"Z";
  CString m_tagCode;
  AcGeVector2d m_decalage;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnTous();
  afx_msg void OnAucun();
  afx_msg void OnTextes();
  afx_msg void OnConfigurer();
  afx_msg void OnPrelever();
  DECLARE_MESSAGE_MAP()

 private:
  void cocherTout(bool coche);
  void activerDecalage();
  // The tag of the attribute picked inside a block; false when nothing or no attribute is picked.
  static bool choisirTag(const wchar_t* question, CString& tag);

  int m_coches[12] = {};
};
