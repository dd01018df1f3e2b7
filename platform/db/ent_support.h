// Helpers shared by the entity classes: how they file values (angles, names of records, optional
// fields), and the object coordinate systems of planar entities.
#pragma once
#include <string>

#include "db/acadstrc.h"
#include "db/dbfiler.h"
#include "db/dbid.h"
#include "db/dbtag.h"
#include "ge/gemat3d.h"
#include "ge/gepnt3d.h"
#include "ge/gept3dar.h"
#include "ge/gevec3d.h"

class AcDbObject;
class AcDbDatabase;
class AcDbExtents;

namespace entfile {

// Copies (clone, undo) get every field, defaults included, so that reading the items back into an
// object that already has values gives an exact copy. Files and the LISP interface get the short
// form the host writes.
bool writesEveryField(const AcDbDxfFiler* filer);

// Angles are radians in objects and in every filer's items; drawing files keep codes 50-58 in
// degrees, which is their filers' business (the range is angles by the format's definition).
inline void writeAngle(AcDbDxfFiler* filer, int code, double radians) {
  filer->writeDouble(code, radians);
}
inline double angleOf(const DxfItem& item) { return item.real; }

// Item values whatever kind the filer gave (a LISP list may give an integer for a real).
double realOf(const DxfItem& item);
int intOf(const DxfItem& item);
AcGePoint3d pointOf(const DxfItem& item);
AcGeVector3d vectorOf(const DxfItem& item);

// The database where names of records are looked up: the filer's, else the object's, else the
// working database.
AcDbDatabase* nameDatabase(const AcDbDxfFiler* filer, const AcDbObject* object);
// A text style by name. An unknown name gives the database's "Standard" style (reported to the
// filer); an empty name gives null.
AcDbObjectId textStyleByName(AcDbDxfFiler* filer, const AcDbObject* object,
                             const std::wstring& name);
// The text style an item names: the id itself (copies), or the style of that name as above.
AcDbObjectId textStyleOf(AcDbDxfFiler* filer, const AcDbObject* object, const DxfItem& item);
// A block definition by name, or null (reported) when the drawing has none of that name.
AcDbObjectId blockByName(AcDbDxfFiler* filer, const AcDbObject* object, const std::wstring& name);
// The name of a symbol table record, or empty.
std::wstring recordName(AcDbObjectId id);
// Writes a reference to a symbol table record (layer, linetype, text style, block): by name, as
// files and the LISP interface show it (nothing for a null reference), or as the id itself for
// copies, which then need no name lookup and follow id maps.
void writeRecordReference(AcDbDxfFiler* filer, int code, AcDbObjectId id);

// Writes a text the way the format splits long texts: chunks of 250 characters under chunkCode,
// then the rest under lastCode.
void writeChunkedText(AcDbDxfFiler* filer, int chunkCode, int lastCode, const std::wstring& text);

}  // namespace entfile

namespace entgeom {

// A usable normal: the vector normalised, or the Z axis for a zero vector.
AcGeVector3d unitNormal(const AcGeVector3d& normal);
bool isZAxis(const AcGeVector3d& normal);
// The object coordinate system of planar entities with this normal (the format's arbitrary axis
// algorithm): its X axis, and the maps between object and world coordinates.
AcGeVector3d ocsXAxis(const AcGeVector3d& normal);
AcGePoint3d ocsToWorld(const AcGeVector3d& normal, const AcGePoint3d& point);
AcGePoint3d worldToOcs(const AcGeVector3d& normal, const AcGePoint3d& point);
// Angle of a world direction in the object coordinate system (radians, [0, 2pi)).
double ocsAngle(const AcGeVector3d& normal, const AcGeVector3d& direction);
// The world direction of an angle of the object coordinate system.
AcGeVector3d ocsDirection(const AcGeVector3d& normal, double angle);

// The factor a transform scales lengths by in the plane of the normal, when it scales them all
// alike there (a similarity of that plane): false otherwise.
bool uniformScaleInPlane(const AcGeMatrix3d& transform, const AcGeVector3d& normal, double& scale);
// Adds an arc of space to extents by its true extremes: the points center + radius * (cos a * xAxis
// + sin a * yAxis) for a from startAngle through sweep (radians, signed; xAxis and yAxis unit and
// perpendicular).
void addArcExtents(AcDbExtents& extents, const AcGePoint3d& center, const AcGeVector3d& xAxis,
                   const AcGeVector3d& yAxis, double radius, double startAngle, double sweep);

// What a transform does to a planar entity that only similarities of its plane may move (texts):
// the factor lengths in the plane scale by, and the image of the normal. False when lengths do not
// scale alike or the normal vanishes.
bool similarityOfPlane(const AcGeMatrix3d& transform, const AcGeVector3d& normal, double& scale,
                       AcGeVector3d& transformedNormal);

// Carries a normal and an extrusion thickness through a transform: the thickness scales as the
// normal does. A transform that flattens the normal to nothing leaves both as they were.
void transformNormal(const AcGeMatrix3d& transform, AcGeVector3d& normal, double& thickness);

// The extents of a box given by its corners (a text's bounding points): empty, with the status of
// the corners' query, when that failed.
Acad::ErrorStatus cornerExtents(Acad::ErrorStatus cornersStatus, const AcGePoint3dArray& corners,
                                AcDbExtents& extents);

// True when the transform reverses orientation (negative determinant of its linear part).
bool isMirroring(const AcGeMatrix3d& transform);

}  // namespace entgeom
