// A linear obstacle: a curve of the drawing (a wall, a hedge) raised by its height.
#pragma once
#include "stakeout/obstacleImplantation.h"

class obstacleLineaireImplantation : public obstacleImplantation {
 public:
  void marquer() override;
  bool lire(AcDbObjectId entite) override;
  void afficher(int couleur) override;
  bool intersections(const AcGePoint2d& depuis, const AcGePoint2d& vers,
                     AcGePoint3dArray& points) const override;
};
