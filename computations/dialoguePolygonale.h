// What the closed and open traverse dialogs share: the rows typed or loaded, kept as text in the
// list, the angle unit and levelling mode, the buttons that add and remove rows, save and load an
// observation file, compute with a report and place the results.
#pragma once
#include "computations/polygonale.h"
#include "computations/placementPolygonale.h"
#include "ui/acui.h"
#include "ui/adui.h"
#include "ui/afxcmn.h"

class htmlPage;

// The controls of one traverse dialog.
struct controlesPolygonale {
  int liste;
  int station, angle, distance, altitude;  // the row being entered
  int unite, nivellement;
};

class dialoguePolygonale : public CAdUiDialog {
 public:
  dialoguePolygonale(UINT modele, const controlesPolygonale& controles, bool ouverte,
                     CWnd* parent);

  const donneesObservations& donnees() const { return m_donnees; }
  // The row being entered, as the fields last stored it (on leaving a field or on a button).
  ligneObservation ligneEnCours() const { return {m_station, m_angle, m_distance, m_altitude}; }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  // The fields of the known stations.
  virtual void echangerStations(CDataExchange* pDX) = 0;
  // Computes the traverse from the fields; fills `resultats` and, when a page is given, adds the
  // report. Returns a statut of the computation.
  virtual int calculer(htmlPage* page, resultatsAPlacer& resultats) = 0;

  afx_msg void OnAjouter();
  afx_msg void OnEnlever();
  afx_msg void OnCalculer();
  afx_msg void OnPlacer();
  afx_msg void OnSauvegarder();
  afx_msg void OnCharger();
  afx_msg void OnChampQuitte();
  DECLARE_MESSAGE_MAP()

  donneesObservations m_donnees;

 private:
  void remplirListe();
  // Reads the fields and tells the user when the rows cannot make a traverse.
  bool champsCalculables();

  controlesPolygonale m_ids;
  CListCtrl m_liste;
  CString m_station, m_angle, m_distance, m_altitude;
};

// The adjusted stations of either traverse kind, ready to be placed.
template <typename Resultat>
void retenirStations(const Resultat& r, bool fermee, resultatsAPlacer& resultats) {
  resultats.noms = r.noms;
  resultats.x = r.x;
  resultats.y = r.y;
  resultats.z = r.z;
  resultats.fermee = fermee;
}

// The message box of the traverse computations ("Calculs Topo", exclamation icon).
void avertirCalculsTopo(CWnd* parent, const wchar_t* message);
