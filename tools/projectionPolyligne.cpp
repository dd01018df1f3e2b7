#include "tools/projectionPolyligne.h"

#include <algorithm>
#include <cmath>

std::vector<pointProjete> sommetsProjection(std::vector<pointProjete> candidats, double distance) {
  std::erase_if(candidats, [distance](const pointProjete& p) {
    return !std::isfinite(p.parametre) || (distance > 0.0 && !(p.distance < distance));
  });
  std::stable_sort(candidats.begin(), candidats.end(),
                   [](const pointProjete& a, const pointProjete& b) { return a.parametre < b.parametre; });
  std::vector<pointProjete> gardes;
  for (const pointProjete& p : candidats) {
    if (!gardes.empty() && std::fabs(p.parametre - gardes.back().parametre) < 1e-6) continue;
    gardes.push_back(p);
  }
  if (gardes.size() < 2) gardes.clear();
  return gardes;
}
