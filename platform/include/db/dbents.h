// The drawing's entity kinds: lines, circles, arcs, points, 3D faces, texts and attributes, rays
// and construction lines, and the end-of-sequence marker; block references and the old-style
// polylines come with this header as they do in the host's.
//
// Coordinates are world coordinates unless a method says otherwise; angles are in radians.
#pragma once
#include <memory>
#include <string>
#include <vector>

#include "db/acdb.h"
#include "db/dbentity.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

class AcGeMatrix3d;

// Walks the followers of an entity (the vertices of a polyline, the attributes of a block
// reference) in order. The iterator is a snapshot taken when it is made; the caller deletes it.
class AcDbObjectIterator {
 public:
  struct Entry {
    AcDbObjectId id;     // null for a follower of an entity that is not in a database yet
    AcDbEntity* entity;  // the follower itself (not opened)
  };
  explicit AcDbObjectIterator(std::vector<Entry> entries) : entries_(std::move(entries)) {}

  void start(bool atEnd = false);
  bool done() const;
  void step(bool backwards = false, bool skipDeleted = true);
  AcDbObjectId objectId() const;
  // The follower the iterator is at. For an entity in a database, open it by objectId() to read or
  // change it; the pointer is there for entities that are not in a database yet.
  AcDbEntity* entity();
  bool setPosition(AcDbObjectId id);
  bool setPosition(AcDbEntity* entity);

 private:
  void skipErased(bool backwards);
  std::vector<Entry> entries_;
  int position_ = 0;
};

// AcDbLine: a straight segment. Its parameter is the distance from the start point.
class AcDbLine : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbLine);
  AcDbLine();
  AcDbLine(const AcGePoint3d& start, const AcGePoint3d& end);

  AcGePoint3d startPoint() const { return start_; }
  Acad::ErrorStatus setStartPoint(const AcGePoint3d& point) { return assignMember(start_, point); }
  AcGePoint3d endPoint() const { return end_; }
  Acad::ErrorStatus setEndPoint(const AcGePoint3d& point) { return assignMember(end_, point); }
  double thickness() const { return thickness_; }
  Acad::ErrorStatus setThickness(double thickness) { return assignMember(thickness_, thickness); }
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal) { return assignNormal(normal_, normal); }

  ACDB_DECLARE_CURVE_QUERIES();
  Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const override;
  Acad::ErrorStatus getArea(double& area) const override;

  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d start_;
  AcGePoint3d end_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
};

// AcDbCircle. Its parameter is the angle from the X axis of its plane's object coordinate system
// (radians, [0, 2pi]).
class AcDbCircle : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbCircle);
  AcDbCircle();
  AcDbCircle(const AcGePoint3d& center, const AcGeVector3d& normal, double radius);

  AcGePoint3d center() const { return center_; }
  Acad::ErrorStatus setCenter(const AcGePoint3d& center) { return assignMember(center_, center); }
  double radius() const { return radius_; }
  // The radius must be positive (eInvalidInput otherwise).
  Acad::ErrorStatus setRadius(double radius);
  double diameter() const { return 2.0 * radius_; }
  Acad::ErrorStatus setDiameter(double diameter) { return setRadius(diameter / 2.0); }
  double circumference() const;
  Acad::ErrorStatus setCircumference(double length);
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal) { return assignNormal(normal_, normal); }
  double thickness() const { return thickness_; }
  Acad::ErrorStatus setThickness(double thickness) { return assignMember(thickness_, thickness); }

  bool isClosed() const override { return true; }
  bool isPeriodic() const override { return true; }
  ACDB_DECLARE_CURVE_QUERIES();
  Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const override;
  Acad::ErrorStatus getArea(double& area) const override;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d center_;
  AcGePoint3d fileCenter_;  // the centre as a file gives it (object coordinates), while reading
  bool centerRead_ = false;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double radius_ = 1.0;
  double thickness_ = 0.0;
};

// AcDbArc: an arc of circle, counter-clockwise about its normal from the start angle to the end
// angle, both measured from the X axis of its object coordinate system (radians). Its parameter is
// the angle: from startAngle() to endAngle() (plus 2pi when the end angle is the smaller).
class AcDbArc : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbArc);
  AcDbArc();
  AcDbArc(const AcGePoint3d& center, double radius, double startAngle, double endAngle);
  AcDbArc(const AcGePoint3d& center, const AcGeVector3d& normal, double radius, double startAngle,
          double endAngle);

  AcGePoint3d center() const { return center_; }
  Acad::ErrorStatus setCenter(const AcGePoint3d& center) { return assignMember(center_, center); }
  double radius() const { return radius_; }
  Acad::ErrorStatus setRadius(double radius);
  double startAngle() const { return startAngle_; }
  Acad::ErrorStatus setStartAngle(double angle);
  double endAngle() const { return endAngle_; }
  Acad::ErrorStatus setEndAngle(double angle);
  // The angle swept from start to end, in (0, 2pi] (radians).
  double totalAngle() const;
  double length() const { return totalAngle() * radius_; }
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal) { return assignNormal(normal_, normal); }
  double thickness() const { return thickness_; }
  Acad::ErrorStatus setThickness(double thickness) { return assignMember(thickness_, thickness); }

  ACDB_DECLARE_CURVE_QUERIES();
  Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const override;
  // The area between the arc and its chord.
  Acad::ErrorStatus getArea(double& area) const override;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d center_;
  AcGePoint3d fileCenter_;
  bool centerRead_ = false;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double radius_ = 1.0;
  double startAngle_ = 0.0;
  double endAngle_ = 0.0;
  double thickness_ = 0.0;
};

// AcDbPoint: a point marker.
class AcDbPoint : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbPoint);
  AcDbPoint();
  explicit AcDbPoint(const AcGePoint3d& position);

  AcGePoint3d position() const { return position_; }
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  double thickness() const { return thickness_; }
  Acad::ErrorStatus setThickness(double thickness) { return assignMember(thickness_, thickness); }
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal) { return assignNormal(normal_, normal); }
  // Angle of the X axis of the coordinate system the point was drawn in (radians).
  double ecsRotation() const { return ecsRotation_; }
  Acad::ErrorStatus setEcsRotation(double angle) { return assignMember(ecsRotation_, angle); }

  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d position_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  double thickness_ = 0.0;
  double ecsRotation_ = 0.0;
};

// AcDbFace: a 3D face of three or four corners (a triangle repeats its third corner).
class AcDbFace : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbFace);
  AcDbFace();
  AcDbFace(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2,
           const AcGePoint3d& pt3, bool e0vis = true, bool e1vis = true, bool e2vis = true,
           bool e3vis = true);
  AcDbFace(const AcGePoint3d& pt0, const AcGePoint3d& pt1, const AcGePoint3d& pt2,
           bool e0vis = true, bool e1vis = true, bool e2vis = true, bool e3vis = true);

  // Corners 0 to 3 (eInvalidIndex otherwise).
  Acad::ErrorStatus getVertexAt(Adesk::UInt16 index, AcGePoint3d& point) const;
  Acad::ErrorStatus setVertexAt(Adesk::UInt16 index, const AcGePoint3d& point);
  // Edge i runs from corner i to corner i + 1 (edge 3 back to corner 0).
  Acad::ErrorStatus isEdgeVisibleAt(Adesk::UInt16 index, bool& visible) const;
  Acad::ErrorStatus makeEdgeVisibleAt(Adesk::UInt16 index);
  Acad::ErrorStatus makeEdgeInvisibleAt(Adesk::UInt16 index);

  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d corners_[4];
  int invisibleEdges_ = 0;  // bit i set: edge i invisible
};

// AcDbText: a single line of text. Its position is the start of the base line; texts aligned
// otherwise than left on the base line also have an alignment point, which is what they keep
// when the text changes (adjustAlignment recomputes the position from it).
class AcDbText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbText);
  AcDbText();
  AcDbText(const AcGePoint3d& position, const ACHAR* text, AcDbObjectId style = AcDbObjectId::kNull,
           double height = 0.0, double rotation = 0.0);

  AcGePoint3d position() const { return position_; }
  Acad::ErrorStatus setPosition(const AcGePoint3d& position);
  AcGePoint3d alignmentPoint() const { return alignmentPoint_; }
  Acad::ErrorStatus setAlignmentPoint(const AcGePoint3d& point);
  // True for left-aligned base-line text, whose alignment point is its position.
  bool isDefaultAlignment() const;

  // The text: a new copy the caller frees with acutDelString, or the text itself.
  ACHAR* textString() const;
  const ACHAR* textStringConst() const { return text_.c_str(); }
  Acad::ErrorStatus setTextString(const ACHAR* text);

  AcDbObjectId textStyle() const { return style_; }
  Acad::ErrorStatus setTextStyle(AcDbObjectId style) { return assignMember(style_, style); }
  double height() const { return height_; }
  Acad::ErrorStatus setHeight(double height);  // positive
  double widthFactor() const { return widthFactor_; }
  Acad::ErrorStatus setWidthFactor(double factor);  // positive
  double rotation() const { return rotation_; }
  Acad::ErrorStatus setRotation(double angle);
  double oblique() const { return oblique_; }
  Acad::ErrorStatus setOblique(double angle);  // within +-85 degrees
  double thickness() const { return thickness_; }
  Acad::ErrorStatus setThickness(double thickness) { return assignMember(thickness_, thickness); }
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal) { return assignNormal(normal_, normal); }

  AcDb::TextHorzMode horizontalMode() const { return horizontalMode_; }
  Acad::ErrorStatus setHorizontalMode(AcDb::TextHorzMode mode);
  AcDb::TextVertMode verticalMode() const { return verticalMode_; }
  Acad::ErrorStatus setVerticalMode(AcDb::TextVertMode mode);
  // Text generation flags: written backwards (mirrored in X), upside down (mirrored in Y).
  bool isMirroredInX() const { return (generationFlags_ & 2) != 0; }
  Acad::ErrorStatus mirrorInX(bool mirror);
  bool isMirroredInY() const { return (generationFlags_ & 4) != 0; }
  Acad::ErrorStatus mirrorInY(bool mirror);
  // Recomputes the position (and, for aligned and fitted text, the height or the width factor)
  // from the alignment point and the text's extent, as the host does when a text changes.
  Acad::ErrorStatus adjustAlignment(const AcDbDatabase* database = nullptr);

  // The four corners of the text's box in world coordinates (bottom left, bottom right, top right,
  // top left, as the text reads), from the style's metrics.
  Acad::ErrorStatus getBoundingPoints(AcGePoint3dArray& points) const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();
  // Writes the items of the AcDbText level; the second subclass marker with the vertical mode is
  // written only by plain texts (attributes and their definitions write 74 in their own level).
  void dxfOutTextFields(AcDbDxfFiler* filer, bool plainText) const;

 private:
  AcGePoint3d position_;
  AcGePoint3d alignmentPoint_;
  AcGePoint3d filePosition_;  // while reading: coordinates as the file gives them (object system)
  AcGePoint3d fileAlignment_;
  bool positionRead_ = false;
  bool alignmentRead_ = false;
  std::wstring text_;
  AcDbObjectId style_;
  double height_ = 0.0;
  double widthFactor_ = 1.0;
  double rotation_ = 0.0;
  double oblique_ = 0.0;
  double thickness_ = 0.0;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  int generationFlags_ = 0;
  AcDb::TextHorzMode horizontalMode_ = AcDb::kTextLeft;
  AcDb::TextVertMode verticalMode_ = AcDb::kTextBase;
};

// AcDbAttributeDefinition: the template of an attribute in a block definition.
class AcDbAttributeDefinition : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttributeDefinition);
  AcDbAttributeDefinition();
  AcDbAttributeDefinition(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                          const ACHAR* prompt, AcDbObjectId style = AcDbObjectId::kNull);

  ACHAR* prompt() const;  // new copy, freed with acutDelString
  const ACHAR* promptConst() const { return prompt_.c_str(); }
  Acad::ErrorStatus setPrompt(const ACHAR* prompt);
  ACHAR* tag() const;
  const ACHAR* tagConst() const { return tag_.c_str(); }
  // Tags are kept in upper case and may not contain spaces (eInvalidInput).
  Acad::ErrorStatus setTag(const ACHAR* tag);

  bool isInvisible() const { return (flags_ & 1) != 0; }
  Acad::ErrorStatus setInvisible(bool value);
  bool isConstant() const { return (flags_ & 2) != 0; }
  Acad::ErrorStatus setConstant(bool value);
  bool isVerifiable() const { return (flags_ & 4) != 0; }
  Acad::ErrorStatus setVerifiable(bool value);
  bool isPreset() const { return (flags_ & 8) != 0; }
  Acad::ErrorStatus setPreset(bool value);
  Adesk::UInt16 fieldLength() const { return fieldLength_; }
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);
  bool lockPositionInBlock() const { return lockPosition_; }
  Acad::ErrorStatus setLockPositionInBlock(bool lock) { return assignMember(lockPosition_, lock); }

  ACDB_DECLARE_FILING();

 private:
  std::wstring prompt_;
  std::wstring tag_;
  int flags_ = 0;
  Adesk::UInt16 fieldLength_ = 0;
  bool lockPosition_ = false;
};

// AcDbAttribute: the value of an attribute, held by a block reference.
class AcDbAttribute : public AcDbText {
 public:
  ACRX_DECLARE_MEMBERS(AcDbAttribute);
  AcDbAttribute();
  AcDbAttribute(const AcGePoint3d& position, const ACHAR* text, const ACHAR* tag,
                AcDbObjectId style = AcDbObjectId::kNull);

  ACHAR* tag() const;
  const ACHAR* tagConst() const { return tag_.c_str(); }
  Acad::ErrorStatus setTag(const ACHAR* tag);
  bool isInvisible() const { return (flags_ & 1) != 0; }
  Acad::ErrorStatus setInvisible(bool value);
  bool isConstant() const { return (flags_ & 2) != 0; }
  bool isVerifiable() const { return (flags_ & 4) != 0; }
  bool isPreset() const { return (flags_ & 8) != 0; }
  Adesk::UInt16 fieldLength() const { return fieldLength_; }
  Acad::ErrorStatus setFieldLength(Adesk::UInt16 length);
  bool lockPositionInBlock() const { return lockPosition_; }
  Acad::ErrorStatus setLockPositionInBlock(bool lock) { return assignMember(lockPosition_, lock); }

  // Takes the definition's properties, tag, flags, default text and geometry, placed by the block
  // reference's transform (blockTransform() of the reference that will hold the attribute).
  Acad::ErrorStatus setAttributeFromBlock(const AcDbAttributeDefinition* definition,
                                          const AcGeMatrix3d& blockTransform);

  ACDB_DECLARE_FILING();

 private:
  std::wstring tag_;
  int flags_ = 0;
  Adesk::UInt16 fieldLength_ = 0;
  bool lockPosition_ = false;
};

// AcDbRay: a half-line from a base point. Its parameter is the distance from the base point.
class AcDbRay : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbRay);
  AcDbRay();

  AcGePoint3d basePoint() const { return base_; }
  void setBasePoint(const AcGePoint3d& point);
  AcGeVector3d unitDir() const { return direction_; }
  void setUnitDir(const AcGeVector3d& direction);  // normalised; a zero vector is ignored
  AcGePoint3d secondPoint() const { return base_ + direction_; }
  void setSecondPoint(const AcGePoint3d& point);

  ACDB_DECLARE_CURVE_QUERIES();
  Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const override;

  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d base_;
  AcGeVector3d direction_ = AcGeVector3d::kXAxis;
};

// AcDbXline: a construction line, unbounded both ways. Its parameter is the signed distance from
// the base point.
class AcDbXline : public AcDbCurve {
 public:
  ACRX_DECLARE_MEMBERS(AcDbXline);
  AcDbXline();

  AcGePoint3d basePoint() const { return base_; }
  void setBasePoint(const AcGePoint3d& point);
  AcGeVector3d unitDir() const { return direction_; }
  void setUnitDir(const AcGeVector3d& direction);
  AcGePoint3d secondPoint() const { return base_ + direction_; }
  void setSecondPoint(const AcGePoint3d& point);

  ACDB_DECLARE_CURVE_QUERIES();
  Acad::ErrorStatus getOffsetCurves(double distance, AcDbVoidPtrArray& curves) const override;

  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d base_;
  AcGeVector3d direction_ = AcGeVector3d::kXAxis;
};

// AcDbSequenceEnd: the marker closing the followers of a polyline or a block reference in files.
class AcDbSequenceEnd : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbSequenceEnd);
  AcDbSequenceEnd();
};

#include "db/dbblkref.h"
#include "db/dbpoly.h"
