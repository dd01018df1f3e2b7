// The closed traverse dialog: one known station and the bearing of the first leg.
#pragma once
#include "computations/dialoguePolygonale.h"

class corrPolygoDLG : public dialoguePolygonale {
 public:
  explicit corrPolygoDLG(CWnd* parent = nullptr);

 protected:
  void echangerStations(CDataExchange* pDX) override;
  int calculer(htmlPage* page, resultatsAPlacer& resultats) override;
  DECLARE_MESSAGE_MAP()
};
