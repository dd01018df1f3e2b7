// Angle reduction shared by the geometry sources.
#pragma once
#include <cmath>
#include <numbers>

namespace ge {

inline constexpr double kPi = std::numbers::pi;
inline constexpr double kTwoPi = 2.0 * std::numbers::pi;

// The angle reduced to [0, 2pi) (radians). -0 becomes 0; a value that rounds to 2pi becomes 0.
inline double normalizeAngle(double a) {
  double r = std::fmod(a, kTwoPi);
  if (r < 0.0) r += kTwoPi;
  if (r >= kTwoPi) r = 0.0;
  return r + 0.0;
}

}  // namespace ge
