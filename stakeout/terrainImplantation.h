// The terrain as the stake-out sees it: elevations and profiles, from the terrain module when it is
// loaded. The interface lets the visibility test run on any terrain.
#pragma once
#include <vector>

#include "ge/gepnt3d.h"

class terrainImplantation {
 public:
  virtual ~terrainImplantation() = default;
  // Fills in point.z; false where there is no terrain.
  virtual bool altitude(AcGePoint3d& point) const = 0;
  // The profile under the segment (polylines of 3D points); false when it cannot be had.
  virtual bool profil(const AcGePoint3d& depuis, const AcGePoint3d& vers,
                      std::vector<std::vector<AcGePoint3d>>& polylignes) const = 0;
};

// The current terrain model of the working drawing from the terrain module, or null when the
// module or one of its functions is missing. The functions are looked up once and kept while the
// module stays loaded; each call takes the drawing's current model afresh.
const terrainImplantation* terrainDuDessin();
