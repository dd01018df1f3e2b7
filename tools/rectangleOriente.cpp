#include "tools/rectangleOriente.h"

#include <cmath>
#include <numbers>

std::array<AcGePoint2d, 4> rectangleOriente::sommets() const {
  const AcGeVector2d u(std::cos(angle), std::sin(angle));
  const AcGeVector2d v(-u.y, u.x);
  return {origine, origine + u * premier, origine + u * premier + v * second, origine + v * second};
}

void rectangleOriente::parCoteOppose(const AcGePoint2d& point) {
  const AcGeVector2d d = point - origine;
  if (std::fabs(premier) < 1e-12) {
    second = d.length();
    angle = std::atan2(d.y, d.x) - std::numbers::pi / 2;
    return;
  }
  // Positive on the left of the first side: its cross product with the direction.
  second = std::cos(angle) * d.y - std::sin(angle) * d.x;
}

void rectangleOriente::parDiagonale(const AcGePoint2d& point) {
  const AcGeVector2d d = point - origine;
  if (d.length() < 1e-8) {
    premier = second = 0.0;
    return;
  }
  const AcGeVector2d u(std::cos(angle), std::sin(angle));
  premier = d.x * u.x + d.y * u.y;
  second = d.y * u.x - d.x * u.y;
}
