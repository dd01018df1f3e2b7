// The points to stake out along a selected element: its vertices or ends, with intermediate points
// on straights, arcs and clothoids as the interpolation parameters ask.
#pragma once
#include <vector>

#include "db/dbid.h"
#include "ge/gepnt3d.h"
#include "stakeout/parametresImplantation.h"

class elementClothoide;

// The straight rule: the start, the points every `distanceDroites` strictly before the end when
// straights are interpolated, the end. Every point takes the start's Z.
void pointsDroite(const AcGePoint3d& debut, const AcGePoint3d& fin,
                  const parametresImplantation& parametres, std::vector<AcGePoint3d>& points);
// The arc rule: counter-clockwise from the start angle to the end angle (radians) at a constant
// angular step; start and end included. Nothing for a radius under 1e-8.
void pointsArc(const AcGePoint3d& centre, double rayon, double angleDebut, double angleFin,
               const parametresImplantation& parametres, std::vector<AcGePoint3d>& points);
void pointsSurClothoide(const elementClothoide& element, const parametresImplantation& parametres,
                     std::vector<AcGePoint3d>& points);
// The points of a drawing entity: a point, a block reference, a line, an arc, a 2D or 3D polyline,
// a lightweight polyline (a clothoid one by its record). Empty for anything else.
std::vector<AcGePoint3d> pointsDeLEntite(AcDbObjectId entite, const parametresImplantation& parametres);
