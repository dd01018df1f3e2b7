// AcGe: enumerations shared by the geometry classes.
#pragma once

struct AcGe {
  static const double kInfinity;  // an unbounded parameter

  enum ErrorCondition {
    kOk,
    k0This,
    k0Arg1,
    k0Arg2,
    kPerpendicularArg1Arg2,
    kEqualArg1Arg2,
    kEqualArg1Arg3,
    kEqualArg2Arg3,
    kLinearlyDependentArg1Arg2Arg3,
    kArg1TooBig,
    kArg1OnThis,
    kArg1InsideThis,
    kNonCoplanarGeometry,
    kDegenerateGeometry,
    kSingularPoint
  };

  enum PointContainment { kInside, kOutside, kOnBoundary };

  enum EntityId {
    kEntity2d,
    kEntity3d,
    kPointEnt2d,
    kPointEnt3d,
    kPosition2d,
    kPosition3d,
    kCurve2d,
    kCurve3d,
    kLinearEnt2d,
    kLinearEnt3d,
    kLine2d,
    kLine3d,
    kLineSeg2d,
    kLineSeg3d,
    kCircArc2d,
    kCircArc3d,
    kSplineEnt3d,
    kNurbCurve3d,
    kPlanarEnt,
    kPlane,
    kBoundBlock2d,
    kBoundBlock3d
  };
};
