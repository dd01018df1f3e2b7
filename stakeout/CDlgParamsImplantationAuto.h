// "Paramètres d'implantation": how new stake-out points are named and how points are made along
// arcs, clothoids and straights.
#pragma once
#include <vector>

#include "stakeout/parametresImplantation.h"
#include "ui/adui.h"

class CDlgParamsImplantationAuto : public CAdUiDialog {
 public:
  explicit CDlgParamsImplantationAuto(CWnd* parent = nullptr);

  // The interpolation values and the increment come from these parameters; the numbering always
  // starts at 1 with no prefix or suffix.
  void depuis(const parametresImplantation& parametres);
  void vers(parametresImplantation& parametres) const;

  int m_numDepart = 1;
  CString m_prefixe;
  CString m_suffixe;
  int m_increment = 1;
  int m_modeClothoides = 0;
  double m_valeurClothoides = 20.0;
  int m_modeArcs = 0;
  double m_valeurArcs = 20.0;
  int m_droites = 0;
  double m_distance = 100.0;
  int m_afficherCode = 0;
  int m_codeStations = 100;

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnOK() override;
  DECLARE_MESSAGE_MAP()

 private:
  CComboBox m_codes;
};

// Runs the dialog on the context's parameters and numbering: true on "Continuer", with the
// parameters stored and the numbering reset to the prefix, start number and suffix given.
class contexteImplantation;
bool choisirParametresImplantation(contexteImplantation& contexte);
