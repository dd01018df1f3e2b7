// The clothoid record stored in the extended data of a lightweight polyline (application
// "CLARPENTA4"): a marker, the points at both ends, the intersection of the end tangents and the
// centres of curvature at both ends. The element is rebuilt from those five points.
#pragma once
#include "db/adsdef.h"
#include "db/dbid.h"
#include "ge/gemat2d.h"
#include "ge/gepnt2d.h"
#include "tools/clothoide.h"

inline constexpr const wchar_t* kApplicationClothoide = L"CLARPENTA4";
inline constexpr long kMarqueurClothoide = 123411412;

// What the record holds, in drawing coordinates. A centre equal to its end point stands for an
// infinite radius (that end is the clothoid's origin).
struct pointsClothoide {
  AcGePoint2d debut;
  AcGePoint2d fin;
  AcGePoint2d intersectionTangentes;
  AcGePoint2d centreDebut;
  AcGePoint2d centreFin;
};

// False when an end point or the tangent intersection is undefined.
bool pointsDeClothoide(const elementClothoide& element, pointsClothoide& points);
// Rebuilds parameter, origin, orientation, mirror and both lengths; false when the points describe
// no clothoid (equal radii, tangents that do not turn, coincident points).
bool clothoideDepuisPoints(const pointsClothoide& points, elementClothoide& element);

// The record as an extended-data chain (1001 first), released by the caller with acutRelRb; null
// when the element has no points.
resbuf* chaineClothoide(const elementClothoide& element);
// Reads a chain that starts at the record's 1001 item. False unless the marker is right and all
// five points follow as 1011 items.
bool lireChaineClothoide(const resbuf* chaine, elementClothoide& element);

// Moves the element with its polyline. A transformation that is not a rotation, translation and
// uniform scale (possibly mirrored) leaves the element unchanged and returns false.
bool transformerClothoide(elementClothoide& element, const AcGeMatrix2d& transformation);

// On a polyline of the drawing (the application is registered when needed).
bool lireClothoidePolyligne(AcDbObjectId polyligne, elementClothoide& element);
bool ecrireClothoidePolyligne(AcDbObjectId polyligne, const elementClothoide& element);
// Moves the element stored on a polyline with it; a transformation that is not conformal prints
// "\nErreur CL1 !!!" and leaves the record as it was.
bool placerClothoidePolyligne(AcDbObjectId polyligne, const AcGeMatrix2d& transformation);
