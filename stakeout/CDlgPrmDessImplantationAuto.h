// "Parametres graphiques pour les implémentation": what the stake-out draws, its sizes and colours
// (for the whole process) and how the drawn results are grouped (for this run).
#pragma once
#include "ui/acui.h"
#include "ui/adui.h"

class contexteImplantation;

class CDlgPrmDessImplantationAuto : public CAdUiDialog {
 public:
  explicit CDlgPrmDessImplantationAuto(CWnd* parent = nullptr);

  void depuis(const contexteImplantation& contexte);
  // Sizes and colours into the process-wide settings, options into the context.
  void vers(contexteImplantation& contexte) const;

  double m_hauteurTexte = 1.5;
  double m_largeurFleche = 2.5;
  double m_longueurFleche = 2.4;
  double m_croixPoints = 2.0;
  double m_croixStations = 3.0;
  int m_numeros = 1;
  int m_implantations = 1;
  int m_textes = 1;
  int m_stations = 1;
  int m_groupement = 1;
  int m_couleurs[5] = {7, 1, 4, 1, 6};

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  DECLARE_MESSAGE_MAP()

 private:
  CAcUiColorComboBox m_combos[5];
};

// True on "OK", with the values stored; "Cancel" changes nothing.
bool choisirParametresDessin(contexteImplantation& contexte);
