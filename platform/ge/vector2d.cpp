#include <cmath>

#include "ge/angles.h"
#include "ge/gemat2d.h"
#include "ge/gepnt2d.h"
#include "ge/gevec2d.h"
#include "ge/vector_members.h"

const AcGeVector2d AcGeVector2d::kIdentity(0.0, 0.0);
const AcGeVector2d AcGeVector2d::kXAxis(1.0, 0.0);
const AcGeVector2d AcGeVector2d::kYAxis(0.0, 1.0);
const AcGePoint2d AcGePoint2d::kOrigin(0.0, 0.0);

AcGeVector2d operator*(const AcGeMatrix2d& m, const AcGeVector2d& v) {
  return {m.entry[0][0] * v.x + m.entry[0][1] * v.y, m.entry[1][0] * v.x + m.entry[1][1] * v.y};
}

AcGePoint2d operator*(const AcGeMatrix2d& m, const AcGePoint2d& p) {
  double w = m.entry[2][0] * p.x + m.entry[2][1] * p.y + m.entry[2][2];
  if (w == 0.0) w = 1.0;
  return {(m.entry[0][0] * p.x + m.entry[0][1] * p.y + m.entry[0][2]) / w,
          (m.entry[1][0] * p.x + m.entry[1][1] * p.y + m.entry[1][2]) / w};
}

DEFINE_VECTOR_MEMBERS(2d)

AcGeVector2d& AcGeVector2d::rotateBy(double angle) {
  const double c = std::cos(angle), s = std::sin(angle);
  return set(c * x - s * y, s * x + c * y);
}

AcGeVector2d& AcGeVector2d::mirror(const AcGeVector2d& line) {
  const AcGeVector2d u = line.normal();
  if (u.isZeroLength()) return *this;
  const AcGeVector2d along = u * dotProduct(u);
  return *this = along * 2.0 - *this;
}

double AcGeVector2d::angle() const { return ge::normalizeAngle(std::atan2(y, x)); }

double AcGeVector2d::angleTo(const AcGeVector2d& v) const {
  return std::atan2(std::fabs(crossProduct(v)), dotProduct(v));
}

double AcGeVector2d::length() const { return std::hypot(x, y); }

AcGePoint2d& AcGePoint2d::setToProduct(const AcGeMatrix2d& mat, const AcGePoint2d& p) {
  return *this = mat * p;
}

AcGePoint2d& AcGePoint2d::transformBy(const AcGeMatrix2d& leftSide) {
  return *this = leftSide * *this;
}

AcGePoint2d& AcGePoint2d::rotateBy(double angle, const AcGePoint2d& wrtPoint) {
  AcGeVector2d v = *this - wrtPoint;
  return *this = wrtPoint + v.rotateBy(angle);
}

AcGePoint2d& AcGePoint2d::scaleBy(double scaleFactor, const AcGePoint2d& wrtPoint) {
  return *this = wrtPoint + (*this - wrtPoint) * scaleFactor;
}

double AcGePoint2d::distanceTo(const AcGePoint2d& p) const { return std::hypot(x - p.x, y - p.y); }

bool AcGePoint2d::isEqualTo(const AcGePoint2d& p, const AcGeTol& tol) const {
  return distanceTo(p) <= tol.equalPoint();
}
