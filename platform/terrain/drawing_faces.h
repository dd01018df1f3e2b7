// The triangles of a drawing's terrain: every 3D face of model space, whatever its layer. A face
// whose last two corners coincide is one triangle; any other face is split along its 0-2 diagonal.
#pragma once
#include <vector>

#include "tin_surface.h"

class AcDbDatabase;

namespace terrain {
std::vector<Triangle> drawingTriangles(AcDbDatabase* database);
}
