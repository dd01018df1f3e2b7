// The open traverse dialog: start and arrival stations with their bearings, and the angle
// measured at the arrival.
#pragma once
#include "computations/dialoguePolygonale.h"

class corrPolygoOuverteDLG : public dialoguePolygonale {
 public:
  explicit corrPolygoOuverteDLG(CWnd* parent = nullptr);

 protected:
  void echangerStations(CDataExchange* pDX) override;
  int calculer(htmlPage* page, resultatsAPlacer& resultats) override;
  afx_msg void OnCalDepart();
  afx_msg void OnCalArrivee();
  DECLARE_MESSAGE_MAP()

 private:
  void calculerGisement(stationConnue& station);
};
