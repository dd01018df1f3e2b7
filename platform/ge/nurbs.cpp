// NURBS curves: evaluation by the B-spline basis (Piegl & Tiller, The NURBS Book, algorithms A2.1
// to A2.3 and A4.2 for the rational derivatives) and cubic interpolation of fit points (section
// 9.2, with end derivatives).
#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "ge/gekvec.h"
#include "ge/gemat3d.h"
#include "ge/genurb3d.h"

namespace {

using Row = std::vector<double>;

// Basis functions and their derivatives up to order n at u in span i (NURBS Book A2.3):
// ders[k][j] is the k-th derivative of N_{i-p+j,p}(u).
std::vector<Row> basisDerivatives(int i, double u, int p, int n, const AcGeKnotVector& U) {
  std::vector<Row> ndu(static_cast<size_t>(p + 1), Row(static_cast<size_t>(p + 1), 0.0));
  Row left(static_cast<size_t>(p + 1)), right(static_cast<size_t>(p + 1));
  ndu[0][0] = 1.0;
  for (int j = 1; j <= p; ++j) {
    left[static_cast<size_t>(j)] = u - U[i + 1 - j];
    right[static_cast<size_t>(j)] = U[i + j] - u;
    double saved = 0.0;
    for (int r = 0; r < j; ++r) {
      ndu[static_cast<size_t>(j)][static_cast<size_t>(r)] =
          right[static_cast<size_t>(r + 1)] + left[static_cast<size_t>(j - r)];
      const double den = ndu[static_cast<size_t>(j)][static_cast<size_t>(r)];
      const double temp = den != 0.0 ? ndu[static_cast<size_t>(r)][static_cast<size_t>(j - 1)] / den : 0.0;
      ndu[static_cast<size_t>(r)][static_cast<size_t>(j)] =
          saved + right[static_cast<size_t>(r + 1)] * temp;
      saved = left[static_cast<size_t>(j - r)] * temp;
    }
    ndu[static_cast<size_t>(j)][static_cast<size_t>(j)] = saved;
  }
  std::vector<Row> ders(static_cast<size_t>(n + 1), Row(static_cast<size_t>(p + 1), 0.0));
  for (int j = 0; j <= p; ++j) ders[0][static_cast<size_t>(j)] = ndu[static_cast<size_t>(j)][static_cast<size_t>(p)];
  std::vector<Row> a(2, Row(static_cast<size_t>(p + 1), 0.0));
  for (int r = 0; r <= p; ++r) {
    int s1 = 0, s2 = 1;
    a[0][0] = 1.0;
    for (int k = 1; k <= n; ++k) {
      double d = 0.0;
      const int rk = r - k, pk = p - k;
      auto at = [&](int row, int col) -> double& {
        return ndu[static_cast<size_t>(row)][static_cast<size_t>(col)];
      };
      if (r >= k) {
        const double den = at(pk + 1, rk);
        a[static_cast<size_t>(s2)][0] = den != 0.0 ? a[static_cast<size_t>(s1)][0] / den : 0.0;
        d = a[static_cast<size_t>(s2)][0] * at(rk, pk);
      }
      const int j1 = rk >= -1 ? 1 : -rk;
      const int j2 = (r - 1 <= pk) ? k - 1 : p - r;
      for (int j = j1; j <= j2; ++j) {
        const double den = at(pk + 1, rk + j);
        a[static_cast<size_t>(s2)][static_cast<size_t>(j)] =
            den != 0.0 ? (a[static_cast<size_t>(s1)][static_cast<size_t>(j)] -
                          a[static_cast<size_t>(s1)][static_cast<size_t>(j - 1)]) / den
                       : 0.0;
        d += a[static_cast<size_t>(s2)][static_cast<size_t>(j)] * at(rk + j, pk);
      }
      if (r <= pk) {
        const double den = at(pk + 1, r);
        a[static_cast<size_t>(s2)][static_cast<size_t>(k)] =
            den != 0.0 ? -a[static_cast<size_t>(s1)][static_cast<size_t>(k - 1)] / den : 0.0;
        d += a[static_cast<size_t>(s2)][static_cast<size_t>(k)] * at(r, pk);
      }
      ders[static_cast<size_t>(k)][static_cast<size_t>(r)] = d;
      std::swap(s1, s2);
    }
  }
  double factor = p;
  for (int k = 1; k <= n; ++k) {
    for (int j = 0; j <= p; ++j) ders[static_cast<size_t>(k)][static_cast<size_t>(j)] *= factor;
    factor *= (p - k);
  }
  return ders;
}

double binomial(int n, int k) {
  double r = 1.0;
  for (int i = 1; i <= k; ++i) r = r * (n - k + i) / i;
  return r;
}

}  // namespace

// ---- AcGeKnotVector ----

AcGeKnotVector::AcGeKnotVector(int size, const double knots[], double tol) { set(size, knots, tol); }

AcGeKnotVector::AcGeKnotVector(const AcGeDoubleArray& knots, double tol) : knots_(knots), tol_(tol) {}

AcGeKnotVector& AcGeKnotVector::set(int size, const double knots[], double tol) {
  knots_.removeAll();
  for (int i = 0; i < size; ++i) knots_.append(knots[i]);
  tol_ = tol;
  return *this;
}

int AcGeKnotVector::multiplicityAt(int i) const { return multiplicityAt(knots_[i]); }

int AcGeKnotVector::multiplicityAt(double param) const {
  int m = 0;
  for (double k : knots_)
    if (std::fabs(k - param) <= tol_) ++m;
  return m;
}

int AcGeKnotVector::numIntervals() const {
  AcGeDoubleArray distinct;
  getDistinctKnots(distinct);
  return std::max(0, distinct.length() - 1);
}

void AcGeKnotVector::getDistinctKnots(AcGeDoubleArray& knots) const {
  knots.removeAll();
  for (double k : knots_)
    if (knots.isEmpty() || std::fabs(k - knots.last()) > tol_) knots.append(k);
}

bool AcGeKnotVector::isOn(double knot) const { return multiplicityAt(knot) > 0; }

bool AcGeKnotVector::isEqualTo(const AcGeKnotVector& other) const {
  if (length() != other.length()) return false;
  for (int i = 0; i < length(); ++i)
    if (std::fabs(knots_[i] - other.knots_[i]) > tol_) return false;
  return true;
}

// ---- AcGeNurbCurve3d ----

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots,
                                 const AcGePoint3dArray& controlPoints, bool isPeriodic) {
  set(degree, knots, controlPoints, AcGeDoubleArray(), isPeriodic);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(int degree, const AcGeKnotVector& knots,
                                 const AcGePoint3dArray& controlPoints,
                                 const AcGeDoubleArray& weights, bool isPeriodic) {
  set(degree, knots, controlPoints, weights, isPeriodic);
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints,
                                 const AcGeVector3d& startTangent, const AcGeVector3d& endTangent,
                                 bool startTangentDefined, bool endTangentDefined,
                                 const AcGeTol& fitTolerance)
    : fitPoints_(fitPoints),
      startTangent_(startTangentDefined ? startTangent : AcGeVector3d()),
      endTangent_(endTangentDefined ? endTangent : AcGeVector3d()),
      tangentsDefined_(startTangentDefined || endTangentDefined),
      fitTol_(fitTolerance) {
  interpolate(startTangentDefined && !startTangent.isZeroLength(),
              endTangentDefined && !endTangent.isZeroLength());
}

AcGeNurbCurve3d::AcGeNurbCurve3d(const AcGePoint3dArray& fitPoints, const AcGeTol& fitTolerance)
    : fitPoints_(fitPoints), fitTol_(fitTolerance) {
  interpolate(false, false);
}

AcGeNurbCurve3d& AcGeNurbCurve3d::set(int degree, const AcGeKnotVector& knots,
                                      const AcGePoint3dArray& controlPoints,
                                      const AcGeDoubleArray& weights, bool isPeriodic) {
  degree_ = degree;
  knots_ = knots;
  controlPoints_ = controlPoints;
  weights_ = weights;
  periodic_ = isPeriodic;
  return *this;
}

bool AcGeNurbCurve3d::isValid() const {
  const int n = controlPoints_.length();
  return degree_ >= 1 && n >= degree_ + 1 && knots_.length() == n + degree_ + 1 &&
         (weights_.isEmpty() || weights_.length() == n);
}

bool AcGeNurbCurve3d::isRational(const AcGeTol& tol) const {
  for (double w : weights_)
    if (std::fabs(w - weights_.first()) > tol.equalVector()) return true;
  return false;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setControlPointAt(int i, const AcGePoint3d& point) {
  controlPoints_[i] = point;
  return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setWeightAt(int i, double weight) {
  if (weights_.isEmpty()) {
    for (int k = 0; k < controlPoints_.length(); ++k) weights_.append(1.0);
  }
  weights_[i] = weight;
  return *this;
}

void AcGeNurbCurve3d::getDefinitionData(int& degree, bool& rational, bool& periodic,
                                        AcGeKnotVector& knots, AcGePoint3dArray& controlPoints,
                                        AcGeDoubleArray& weights) const {
  degree = degree_;
  rational = isRational();
  periodic = periodic_;
  knots = knots_;
  controlPoints = controlPoints_;
  weights = weights_;
}

bool AcGeNurbCurve3d::getFitPointAt(int i, AcGePoint3d& point) const {
  if (i < 0 || i >= fitPoints_.length()) return false;
  point = fitPoints_[i];
  return true;
}

bool AcGeNurbCurve3d::getFitData(AcGePoint3dArray& fitPoints, AcGeTol& fitTolerance,
                                 bool& tangentsExist, AcGeVector3d& startTangent,
                                 AcGeVector3d& endTangent) const {
  if (fitPoints_.isEmpty()) return false;
  fitPoints = fitPoints_;
  fitTolerance = fitTol_;
  tangentsExist = tangentsDefined_;
  startTangent = startTangent_;
  endTangent = endTangent_;
  return true;
}

bool AcGeNurbCurve3d::getFitTangents(AcGeVector3d& startTangent, AcGeVector3d& endTangent) const {
  if (fitPoints_.isEmpty() || !tangentsDefined_) return false;
  startTangent = startTangent_;
  endTangent = endTangent_;
  return true;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::setFitData(const AcGePoint3dArray& fitPoints,
                                             const AcGeVector3d& startTangent,
                                             const AcGeVector3d& endTangent,
                                             const AcGeTol& fitTol) {
  fitPoints_ = fitPoints;
  startTangent_ = startTangent;
  endTangent_ = endTangent;
  tangentsDefined_ = !startTangent.isZeroLength() || !endTangent.isZeroLength();
  fitTol_ = fitTol;
  interpolate(!startTangent.isZeroLength(), !endTangent.isZeroLength());
  return *this;
}

bool AcGeNurbCurve3d::purgeFitData() {
  if (fitPoints_.isEmpty()) return false;
  fitPoints_.removeAll();
  tangentsDefined_ = false;
  return true;
}

void AcGeNurbCurve3d::interpolate(bool startDefined, bool endDefined) {
  // Drop repeated fit points: they would give zero-length parameter steps.
  AcGePoint3dArray q;
  for (const AcGePoint3d& p : fitPoints_)
    if (q.isEmpty() || !q.last().isEqualTo(p, fitTol_)) q.append(p);
  const int n = q.length() - 1;  // points Q0..Qn
  weights_.removeAll();
  controlPoints_.removeAll();
  knots_ = AcGeKnotVector();
  if (n < 1) {
    degree_ = 0;
    return;
  }
  degree_ = 3;
  // Parameters by chord length, normalised to [0, 1].
  std::vector<double> u(static_cast<size_t>(n + 1), 0.0);
  double total = 0.0;
  for (int k = 1; k <= n; ++k) total += q[k].distanceTo(q[k - 1]);
  for (int k = 1; k <= n; ++k) u[static_cast<size_t>(k)] = u[static_cast<size_t>(k - 1)] + q[k].distanceTo(q[k - 1]) / total;
  u[static_cast<size_t>(n)] = 1.0;

  // End derivatives with respect to u: a given direction scaled by the total chord, or the
  // derivative of the parabola through the three end points (Bessel's end condition).
  auto bessel = [&](int i0, int i1, int i2) {
    const double t0 = u[static_cast<size_t>(i0)], t1 = u[static_cast<size_t>(i1)],
                 t2 = u[static_cast<size_t>(i2)];
    const double d1 = t1 - t0, d2 = t2 - t1;
    return (q[i1] - q[i0]) * ((2.0 * d1 + d2) / (d1 * (d1 + d2))) -
           (q[i2] - q[i1]) * (d1 / (d2 * (d1 + d2)));
  };
  AcGeVector3d d0, dn;
  if (startDefined) d0 = startTangent_.normal() * total;
  else if (n >= 2) d0 = bessel(0, 1, 2);
  else d0 = q[1] - q[0];
  if (endDefined) dn = endTangent_.normal() * total;
  else if (n >= 2) dn = bessel(n, n - 1, n - 2);
  else dn = q[1] - q[0];

  // Knots 0,0,0,0, u1..u(n-1), 1,1,1,1; control points P0..P(n+2).
  for (int i = 0; i < 4; ++i) knots_.append(0.0);
  for (int k = 1; k < n; ++k) knots_.append(u[static_cast<size_t>(k)]);
  for (int i = 0; i < 4; ++i) knots_.append(1.0);
  const int count = n + 3;
  std::vector<AcGePoint3d> p(static_cast<size_t>(count));
  p[0] = q[0];
  p[1] = q[0] + d0 * (u[1] / 3.0);
  p[static_cast<size_t>(count - 2)] = q[n] - dn * ((1.0 - u[static_cast<size_t>(n - 1)]) / 3.0);
  p[static_cast<size_t>(count - 1)] = q[n];
  controlPoints_.setLogicalLength(count);
  for (int i = 0; i < count; ++i) controlPoints_[i] = p[static_cast<size_t>(i)];
  if (n >= 2) {
    // C(u_k) = Q_k for k = 1..n-1 fixes P2..Pn: a banded system (three basis functions are
    // non-zero at a knot), solved by elimination without pivoting, which is stable for these
    // totally positive matrices (de Boor).
    const int m = n - 1;
    std::vector<Row> a(static_cast<size_t>(m), Row(static_cast<size_t>(m), 0.0));
    std::vector<AcGeVector3d> rhs(static_cast<size_t>(m));
    for (int k = 1; k <= n - 1; ++k) {
      const double uk = u[static_cast<size_t>(k)];
      const int span = findSpan(uk);
      const std::vector<Row> basis = basisDerivatives(span, uk, 3, 0, knots_);
      AcGeVector3d r = q[k].asVector();
      for (int j = 0; j <= 3; ++j) {
        const int idx = span - 3 + j;
        const double nb = basis[0][static_cast<size_t>(j)];
        if (idx >= 2 && idx <= n) a[static_cast<size_t>(k - 1)][static_cast<size_t>(idx - 2)] += nb;
        else r -= p[static_cast<size_t>(idx)].asVector() * nb;
      }
      rhs[static_cast<size_t>(k - 1)] = r;
    }
    for (int col = 0; col < m; ++col) {
      const double piv = a[static_cast<size_t>(col)][static_cast<size_t>(col)];
      for (int row = col + 1; row < std::min(m, col + 4); ++row) {
        const double f = a[static_cast<size_t>(row)][static_cast<size_t>(col)] / piv;
        if (f == 0.0) continue;
        for (int c = col; c < std::min(m, col + 4); ++c)
          a[static_cast<size_t>(row)][static_cast<size_t>(c)] -= f * a[static_cast<size_t>(col)][static_cast<size_t>(c)];
        rhs[static_cast<size_t>(row)] -= rhs[static_cast<size_t>(col)] * f;
      }
    }
    for (int row = m - 1; row >= 0; --row) {
      AcGeVector3d s = rhs[static_cast<size_t>(row)];
      for (int c = row + 1; c < std::min(m, row + 4); ++c)
        s -= controlPoints_[c + 2].asVector() * a[static_cast<size_t>(row)][static_cast<size_t>(c)];
      s /= a[static_cast<size_t>(row)][static_cast<size_t>(row)];
      controlPoints_[row + 2].set(s.x, s.y, s.z);
    }
  }
}

double AcGeNurbCurve3d::startParam() const {
  return knots_.isEmpty() ? 0.0 : knots_[degree_];
}

double AcGeNurbCurve3d::endParam() const {
  return knots_.isEmpty() ? 0.0 : knots_[knots_.length() - degree_ - 1];
}

int AcGeNurbCurve3d::findSpan(double u) const {
  // The span i with knot[i] <= u < knot[i+1] among p..n-1 (NURBS Book A2.1); the last span for
  // u at the end.
  const int n = controlPoints_.length() - 1;
  const int p = degree_;
  if (u >= knots_[n + 1]) {
    int i = n;
    while (i > p && knots_[i] >= knots_[n + 1]) --i;
    return i;
  }
  if (u <= knots_[p]) {
    int i = p;
    while (i < n && knots_[i + 1] <= u) ++i;
    return i;
  }
  int low = p, high = n + 1;
  int mid = (low + high) / 2;
  while (u < knots_[mid] || u >= knots_[mid + 1]) {
    if (u < knots_[mid]) high = mid;
    else low = mid;
    mid = (low + high) / 2;
  }
  return mid;
}

AcGePoint3d AcGeNurbCurve3d::evalPoint(double param) const {
  AcGeVector3dArray unused;
  return evalPoint(param, 0, unused);
}

AcGePoint3d AcGeNurbCurve3d::evalPoint(double param, int numDeriv, AcGeVector3dArray& derivs) const {
  derivs.removeAll();
  if (!isValid()) return controlPoints_.isEmpty() ? AcGePoint3d() : controlPoints_.first();
  const double u = std::clamp(param, startParam(), endParam());
  const int p = degree_;
  const int span = findSpan(u);
  const int nd = std::min(numDeriv, p);
  const std::vector<Row> basis = basisDerivatives(span, u, p, nd, knots_);
  // Derivatives of the homogeneous curve (w P, w), then the quotient rule (NURBS Book A4.2).
  std::vector<AcGeVector3d> aders(static_cast<size_t>(numDeriv + 1));
  std::vector<double> wders(static_cast<size_t>(numDeriv + 1), 0.0);
  for (int k = 0; k <= nd; ++k) {
    for (int j = 0; j <= p; ++j) {
      const int idx = span - p + j;
      const double w = weightAt(idx);
      const double b = basis[static_cast<size_t>(k)][static_cast<size_t>(j)];
      aders[static_cast<size_t>(k)] += controlPoints_[idx].asVector() * (w * b);
      wders[static_cast<size_t>(k)] += w * b;
    }
  }
  std::vector<AcGeVector3d> ck(static_cast<size_t>(numDeriv + 1));
  for (int k = 0; k <= numDeriv; ++k) {
    AcGeVector3d v = aders[static_cast<size_t>(k)];
    for (int i = 1; i <= k; ++i)
      v -= ck[static_cast<size_t>(k - i)] * (binomial(k, i) * wders[static_cast<size_t>(i)]);
    ck[static_cast<size_t>(k)] = v / wders[0];
  }
  for (int k = 1; k <= numDeriv; ++k) derivs.append(ck[static_cast<size_t>(k)]);
  return AcGePoint3d(ck[0].x, ck[0].y, ck[0].z);
}

double AcGeNurbCurve3d::paramOf(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  // Coarse search over every knot span, then Newton on (C(u) - P) . C'(u) = 0.
  const double a = startParam(), b = endParam();
  if (!isValid() || b <= a) return a;
  AcGeDoubleArray distinct;
  knots_.getDistinctKnots(distinct);
  double best = a, bestDist = std::numeric_limits<double>::infinity();
  for (int s = 0; s + 1 < distinct.length(); ++s) {
    if (distinct[s + 1] <= a || distinct[s] >= b) continue;
    constexpr int kSamples = 16;
    for (int i = 0; i <= kSamples; ++i) {
      const double u = distinct[s] + (distinct[s + 1] - distinct[s]) * i / kSamples;
      const double d = evalPoint(u).distanceTo(pnt);
      if (d < bestDist) {
        bestDist = d;
        best = u;
      }
    }
  }
  double u = best;
  for (int iter = 0; iter < 20; ++iter) {
    AcGeVector3dArray d;
    const AcGePoint3d c = evalPoint(u, 2, d);
    const AcGeVector3d diff = c - pnt;
    const double f = diff.dotProduct(d[0]);
    const double df = d[0].dotProduct(d[0]) + diff.dotProduct(d[1]);
    if (df <= 0.0) break;
    const double next = std::clamp(u - f / df, a, b);
    if (std::fabs(next - u) <= 1e-15 * std::max(1.0, std::fabs(u))) {
      u = next;
      break;
    }
    u = next;
  }
  (void)tol;
  return u;
}

AcGePoint3d AcGeNurbCurve3d::closestPointTo(const AcGePoint3d& pnt, const AcGeTol& tol) const {
  return evalPoint(paramOf(pnt, tol));
}

double AcGeNurbCurve3d::length(double fromParam, double toParam, double) const {
  // Gauss-Legendre quadrature (8 points) over each knot span, each cut in four.
  static const double x[4] = {0.1834346424956498, 0.5255324099163290, 0.7966664774136267,
                              0.9602898564975363};
  static const double w[4] = {0.3626837833783620, 0.3137066458778873, 0.2223810344533745,
                              0.1012285362903763};
  if (!isValid()) return 0.0;
  double lo = std::clamp(std::min(fromParam, toParam), startParam(), endParam());
  double hi = std::clamp(std::max(fromParam, toParam), startParam(), endParam());
  AcGeDoubleArray distinct;
  knots_.getDistinctKnots(distinct);
  double sum = 0.0;
  for (int s = 0; s + 1 < distinct.length(); ++s) {
    const double a = std::max(lo, distinct[s]), b = std::min(hi, distinct[s + 1]);
    if (b <= a) continue;
    for (int piece = 0; piece < 4; ++piece) {
      const double pa = a + (b - a) * piece / 4.0, pb = a + (b - a) * (piece + 1) / 4.0;
      const double mid = 0.5 * (pa + pb), half = 0.5 * (pb - pa);
      for (int i = 0; i < 4; ++i) {
        for (double sign : {-1.0, 1.0}) {
          AcGeVector3dArray d;
          evalPoint(mid + sign * half * x[i], 1, d);
          sum += w[i] * half * d[0].length();
        }
      }
    }
  }
  return sum;
}

bool AcGeNurbCurve3d::hasStartPoint(AcGePoint3d& p) const {
  if (!isValid()) return false;
  p = startPoint();
  return true;
}

bool AcGeNurbCurve3d::hasEndPoint(AcGePoint3d& p) const {
  if (!isValid()) return false;
  p = endPoint();
  return true;
}

bool AcGeNurbCurve3d::isClosed(const AcGeTol& tol) const {
  return isValid() && startPoint().isEqualTo(endPoint(), tol);
}

AcGeNurbCurve3d& AcGeNurbCurve3d::reverseParam() {
  // Knots u -> a + b - u in reverse order, control points and weights reversed.
  const int nk = knots_.length();
  if (nk > 0) {
    const double sum = knots_[0] + knots_[nk - 1];
    AcGeKnotVector k;
    for (int i = nk - 1; i >= 0; --i) k.append(sum - knots_[i]);
    k.setTolerance(knots_.tolerance());
    knots_ = k;
  }
  controlPoints_.reverse();
  weights_.reverse();
  fitPoints_.reverse();
  std::swap(startTangent_, endTangent_);
  startTangent_ = -startTangent_;
  endTangent_ = -endTangent_;
  return *this;
}

AcGeNurbCurve3d& AcGeNurbCurve3d::transformBy(const AcGeMatrix3d& xform) {
  // Affine maps act on the control points (and fit data) of a B-spline directly.
  for (AcGePoint3d& p : controlPoints_) p.transformBy(xform);
  for (AcGePoint3d& p : fitPoints_) p.transformBy(xform);
  startTangent_.transformBy(xform);
  endTangent_.transformBy(xform);
  return *this;
}

void AcGeNurbCurve3d::getSamplePoints(double fromParam, double toParam, double approxEps,
                                      AcGePoint3dArray& pointArray,
                                      AcGeDoubleArray& paramArray) const {
  pointArray.removeAll();
  paramArray.removeAll();
  if (!isValid()) return;
  const double a = std::clamp(fromParam, startParam(), endParam());
  const double b = std::clamp(toParam, startParam(), endParam());
  // Start from the knots inside the range (each span sampled four times), then halve any piece
  // whose midpoint lies farther than approxEps from its chord.
  std::vector<double> params{a};
  AcGeDoubleArray distinct;
  knots_.getDistinctKnots(distinct);
  for (int s = 0; s + 1 < distinct.length(); ++s) {
    const double lo = std::max(a, distinct[s]), hi = std::min(b, distinct[s + 1]);
    if (hi <= lo) continue;
    for (int i = 1; i <= 4; ++i) params.push_back(lo + (hi - lo) * i / 4.0);
  }
  std::vector<double> out{params.front()};
  const double eps = std::max(approxEps, 1e-12);
  for (size_t i = 1; i < params.size(); ++i) {
    std::vector<std::pair<double, double>> stack{{out.back(), params[i]}};
    while (!stack.empty()) {
      auto [lo, hi] = stack.back();
      stack.pop_back();
      const AcGePoint3d pl = evalPoint(lo), ph = evalPoint(hi), pm = evalPoint(0.5 * (lo + hi));
      const AcGeVector3d chord = ph - pl;
      const double len = chord.length();
      const double dev = len > 0.0 ? (pm - pl).crossProduct(chord).length() / len : pm.distanceTo(pl);
      if (dev > eps && hi - lo > 1e-9 * (b - a)) {
        stack.push_back({0.5 * (lo + hi), hi});
        stack.push_back({lo, 0.5 * (lo + hi)});
      } else {
        out.push_back(hi);
      }
    }
  }
  for (double u : out) {
    pointArray.append(evalPoint(u));
    paramArray.append(u);
  }
}

AcGeBoundBlock3d AcGeNurbCurve3d::orthoBoundBlock() const {
  AcGeBoundBlock3d box;
  if (!isValid()) return box;
  // Sample densely, then refine every sampled local extreme of each coordinate by bisection on
  // the sign of the derivative.
  std::vector<double> params;
  AcGeDoubleArray distinct;
  knots_.getDistinctKnots(distinct);
  const double a = startParam(), b = endParam();
  for (int s = 0; s + 1 < distinct.length(); ++s) {
    const double lo = std::max(a, distinct[s]), hi = std::min(b, distinct[s + 1]);
    if (hi <= lo) continue;
    constexpr int kSamples = 32;
    for (int i = 0; i < kSamples; ++i) params.push_back(lo + (hi - lo) * i / kSamples);
  }
  params.push_back(b);
  std::vector<AcGeVector3d> der(params.size());
  for (size_t i = 0; i < params.size(); ++i) {
    AcGeVector3dArray d;
    box.extend(evalPoint(params[i], 1, d));
    der[i] = d[0];
  }
  for (unsigned int axis = 0; axis < 3; ++axis) {
    for (size_t i = 0; i + 1 < params.size(); ++i) {
      const double d0 = der[i][axis], d1 = der[i + 1][axis];
      if ((d0 > 0.0) == (d1 > 0.0) || d0 == 0.0) continue;
      double lo = params[i], hi = params[i + 1];
      for (int iter = 0; iter < 60; ++iter) {
        const double mid = 0.5 * (lo + hi);
        AcGeVector3dArray d;
        evalPoint(mid, 1, d);
        if ((d[0][axis] > 0.0) == (d0 > 0.0)) lo = mid;
        else hi = mid;
      }
      box.extend(evalPoint(0.5 * (lo + hi)));
    }
  }
  return box;
}
