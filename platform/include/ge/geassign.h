// Views of the interface's plain double arrays (ads_point) as points and vectors, and back.
// The geometry types are laid out as consecutive doubles, so these are casts, not copies.
#pragma once
#include "ge/gepnt2d.h"
#include "ge/gepnt3d.h"
#include "ge/gevec2d.h"
#include "ge/gevec3d.h"

inline AcGePoint2d& asPnt2d(double* p) { return *reinterpret_cast<AcGePoint2d*>(p); }
inline const AcGePoint2d& asPnt2d(const double* p) { return *reinterpret_cast<const AcGePoint2d*>(p); }
inline AcGePoint3d& asPnt3d(double* p) { return *reinterpret_cast<AcGePoint3d*>(p); }
inline const AcGePoint3d& asPnt3d(const double* p) { return *reinterpret_cast<const AcGePoint3d*>(p); }
inline AcGeVector2d& asVec2d(double* p) { return *reinterpret_cast<AcGeVector2d*>(p); }
inline const AcGeVector2d& asVec2d(const double* p) { return *reinterpret_cast<const AcGeVector2d*>(p); }
inline AcGeVector3d& asVec3d(double* p) { return *reinterpret_cast<AcGeVector3d*>(p); }
inline const AcGeVector3d& asVec3d(const double* p) { return *reinterpret_cast<const AcGeVector3d*>(p); }

inline double* asDblArray(AcGePoint2d& p) { return &p.x; }
inline const double* asDblArray(const AcGePoint2d& p) { return &p.x; }
inline double* asDblArray(AcGePoint3d& p) { return &p.x; }
inline const double* asDblArray(const AcGePoint3d& p) { return &p.x; }
inline double* asDblArray(AcGeVector2d& v) { return &v.x; }
inline const double* asDblArray(const AcGeVector2d& v) { return &v.x; }
inline double* asDblArray(AcGeVector3d& v) { return &v.x; }
inline const double* asDblArray(const AcGeVector3d& v) { return &v.x; }

static_assert(sizeof(AcGePoint3d) == 3 * sizeof(double), "AcGePoint3d must be three doubles");
static_assert(sizeof(AcGeVector3d) == 3 * sizeof(double), "AcGeVector3d must be three doubles");
static_assert(sizeof(AcGePoint2d) == 2 * sizeof(double), "AcGePoint2d must be two doubles");
