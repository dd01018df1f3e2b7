// A point obstacle: the vertical cylinder of a radius around a centre (a tree, a pole).
#pragma once
#include "stakeout/obstacleImplantation.h"

class obstaclePonctuelImplantation : public obstacleImplantation {
 public:
  void marquer() override;
  bool lire(AcDbObjectId entite) override;
  void afficher(int couleur) override;
  bool intersections(const AcGePoint2d& depuis, const AcGePoint2d& vers,
                     AcGePoint3dArray& points) const override;

  const AcGePoint2d& centre() const { return centre_; }
  void setCentre(const AcGePoint2d& centre) { centre_ = centre; }
  double rayon() const { return rayon_; }
  void setRayon(double rayon) { rayon_ = rayon; }

 private:
  AcGePoint2d centre_;
  double rayon_ = 1.0;
};

// Where the segment crosses the circle, in order from its start (0, 1 or 2 points, Z 0).
void intersectionsCercleSegment(const AcGePoint2d& centre, double rayon, const AcGePoint2d& depuis,
                                const AcGePoint2d& vers, AcGePoint3dArray& points);
