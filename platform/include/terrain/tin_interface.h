// What the terrain module ("QBAL-ARX2008-64BITS.arx") exports to other modules: three C functions
// found by name with AcRxDynamicLinker::getSymbolAddress, and the data they exchange. A terrain
// model is a triangulated surface; every coordinate is in drawing units.
#pragma once
#include "acarray.h"
#include "ge/gept3dar.h"

inline constexpr const wchar_t* kTerrainModuleName = L"QBAL-ARX2008-64BITS.arx";
inline constexpr const char* kCurrDwgDataSymbol = "currDwgData";
inline constexpr const char* kCalcZPointSymbol = "calcZPoint";
inline constexpr const char* kTinExtractPathSymbol = "tinExtractPath";

// A terrain model; only the module looks inside.
struct TinModel;

// The terrain data of a drawing: its models and the index of the current one. Owned by the module
// and valid until the next call of currDwgData or until the module is unloaded.
struct TinDrawingData {
  AcArray<TinModel*> models;
  int current = 0;
};

// The current drawing's terrain data, rebuilt from the drawing at each call. Nonzero on success.
using CurrDwgDataFunction = int (*)(TinDrawingData** data);
// Sets point->z to the terrain's elevation under (x, y). Nonzero on success; zero (point
// untouched) where the model has no triangle.
using CalcZPointFunction = int (*)(TinModel* model, AcGePoint3d* point);
// The terrain profile under the segment from -> to: the parts of the segment over the model, each
// as a polyline of 3D points in order from `from` (its vertices where the segment crosses triangle
// edges). Nonzero when the call was valid, even if the segment misses the model.
using TinExtractPathFunction = int (*)(TinModel* model, const AcGePoint3d* from,
                                       const AcGePoint3d* to, AcArray<AcGePoint3dArray>* profile);
