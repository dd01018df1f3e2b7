// "Infos block": the user picks a block in the drawing, sees its name and size, and chooses or
// types the description stored on it.
#pragma once
#include "db/dbid.h"
#include "ui/adui.h"
#include "ui/afxwin.h"

class CDlgCommentaireBlock : public CAdUiDialog {
 public:
  explicit CDlgCommentaireBlock(CWnd* parent = nullptr);

  CString m_commentaires;
  CString m_descriptionBloc;
  CString m_descriptionEntite;
  CString m_nom;
  AcDbObjectId m_bloc;  // null until a block is picked
  double m_tailleX = 0.0;
  double m_tailleY = 0.0;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  afx_msg void OnChoisir();
  afx_msg void OnModifier();
  DECLARE_MESSAGE_MAP()

 private:
  void rafraichir();
  CComboBox m_description;
};

// c:decrireblock: the dialog with no block picked, the module's resources current.
void decrireBlock();
