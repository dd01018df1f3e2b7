// The terrain module: a sibling application that gives other modules the terrain of the current
// drawing, a triangulated surface of its 3D faces, through three exported functions.
#include <map>
#include <memory>

#include "db/dbapserv.h"
#include "rx/rxdefs.h"
#include "rx/rxdlinkr.h"
#include "drawing_faces.h"
#include "terrain/tin_interface.h"
#include "tin_surface.h"

struct TinModel {
  terrain::TinSurface surface;
};

namespace {

struct DrawingTerrain {
  TinDrawingData data;
  std::unique_ptr<TinModel> model;
};

// One terrain per drawing, made again from the drawing's faces at each request, so that it follows
// whatever the drawing became since.
std::map<AcDbDatabase*, DrawingTerrain>& terrains() {
  static std::map<AcDbDatabase*, DrawingTerrain> all;
  return all;
}

template <typename F>
int guarded(F&& body) {
  try {
    return body();
  } catch (...) {
    return 0;  // nothing may cross into the host
  }
}

}  // namespace

extern "C" __attribute__((visibility("default"))) int currDwgData(TinDrawingData** data) {
  return guarded([&] {
    if (data == nullptr) return 0;
    AcDbDatabase* database = acdbHostApplicationServices()->workingDatabase();
    if (database == nullptr) return 0;
    DrawingTerrain& terrain = terrains()[database];
    auto model = std::make_unique<TinModel>();
    model->surface.build(terrain::drawingTriangles(database));
    terrain.model = std::move(model);
    terrain.data.models.setLogicalLength(0);
    terrain.data.models.append(terrain.model.get());
    terrain.data.current = 0;
    *data = &terrain.data;
    return 1;
  });
}

extern "C" __attribute__((visibility("default"))) int calcZPoint(TinModel* model,
                                                                 AcGePoint3d* point) {
  return guarded([&] {
    if (model == nullptr || point == nullptr) return 0;
    double z = 0.0;
    if (!model->surface.elevationAt(point->x, point->y, z)) return 0;
    point->z = z;
    return 1;
  });
}

extern "C" __attribute__((visibility("default"))) int tinExtractPath(
    TinModel* model, const AcGePoint3d* from, const AcGePoint3d* to,
    AcArray<AcGePoint3dArray>* profile) {
  return guarded([&] {
    if (model == nullptr || from == nullptr || to == nullptr || profile == nullptr) return 0;
    for (const auto& stretch : model->surface.profile(*from, *to)) {
      AcGePoint3dArray points;
      for (const AcGePoint3d& p : stretch) points.append(p);
      profile->append(points);
    }
    return 1;
  });
}

extern "C" __attribute__((visibility("default"))) AcRx::AppRetCode acrxEntryPoint(
    AcRx::AppMsgCode message, void* appId) {
  switch (message) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(appId);
      acrxDynamicLinker->registerAppMDIAware(appId);
      break;
    case AcRx::kUnloadAppMsg:
      terrains().clear();
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
