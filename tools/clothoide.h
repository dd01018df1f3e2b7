// A clothoid element of an alignment: the part of a clothoid (curvature growing linearly with the
// length, R × L = A²) between the lengths s0 and s1 from its origin, placed in the drawing by its
// origin, the direction of its tangent there and whether it turns clockwise (mirrored).
#pragma once
#include <vector>

#include "ge/gemat2d.h"
#include "ge/gepnt2d.h"

class elementClothoide {
 public:
  elementClothoide() = default;

  // Lengths along the clothoid from its origin (drawing units); s0 > s1 is an element run towards
  // the origin (curvature decreasing).
  void setLongueurs(double s0, double s1) {
    s0_ = s0;
    s1_ = s1;
  }
  // A (drawing units); 0 is no curve at all.
  void setParametre(double a) { a_ = a; }
  void setOrigine(const AcGePoint2d& origine);
  // Direction of the tangent at the origin (radians, counter-clockwise from +X).
  void setOrientation(double orientation);
  // Set for a clothoid turning clockwise: the local Y axis is reversed.
  void setMiroir(bool miroir);

  double longueurDebut() const { return s0_; }
  double longueurFin() const { return s1_; }
  double parametre() const { return a_; }
  const AcGePoint2d& origine() const { return origine_; }
  double orientation() const { return orientation_; }
  bool miroir() const { return miroir_; }

  // The point at length s in the drawing; false when A is 0 or the evaluation fails.
  bool pointA(double s, AcGePoint2d& point) const;
  // Centre of curvature at length s; false where the radius is infinite (s ≤ 1e-12) or undefined.
  bool centreCourbureA(double s, AcGePoint2d& centre) const;
  // Radius A² / s (drawing units); 0 stands for an infinite radius.
  double rayonA(double s) const;
  // Direction of the tangent (radians) in the drawing, oriented towards growing lengths.
  double tangenteA(double s) const;

  // Points from s0 to s1 every `pas` along the curve, the end always included (nothing when A is
  // 0 or the step is not positive).
  std::vector<AcGePoint2d> echantillonnerParPas(double pas) const;
  // Points from s0 to s1 whose chords depart from the curve by at most `erreurMax`.
  std::vector<AcGePoint2d> echantillonnerErreurMax(double erreurMax) const;

  // The local frame in the drawing: rotation by the orientation after the mirror, then the origin.
  const AcGeMatrix2d& localVersDessin() const;
  const AcGeMatrix2d& dessinVersLocal() const;

 private:
  bool pointLocal(double s, AcGePoint2d& point) const;
  double ecartCorde(double debut, double fin) const;
  void construireMatrices() const;

  double s0_ = 0.0;
  double s1_ = 0.0;
  double a_ = 0.0;
  AcGePoint2d origine_;
  double orientation_ = 0.0;
  bool miroir_ = false;
  mutable AcGeMatrix2d localVersDessin_;
  mutable AcGeMatrix2d dessinVersLocal_;
  mutable bool matricesValides_ = false;
};
