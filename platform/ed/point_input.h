// Internal: points typed on the command line.
#pragma once
#include <string>

#include "db/adsdef.h"

namespace ed {

// "x,y" or "x,y,z" (absolute), "@dx,dy[,dz]" (relative to the base point, else to the last point),
// "@" alone (that point itself), "d<a" and "@d<a" (polar, angle in degrees). A 2D answer takes the
// base point's elevation when relative, else 0.
bool parsePointInput(const std::wstring& text, const ads_real* base, const ads_real* lastPoint,
                     ads_point result);

}  // namespace ed
