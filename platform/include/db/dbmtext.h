// AcDbMText: paragraph text wrapped at a reference width. The contents keep the host's inline
// formatting codes (\P paragraph break, {\fArial;...}, \~ ...); text() gives them stripped.
#pragma once
#include <string>
#include <vector>

#include "db/dbentity.h"
#include "ge/gepnt2d.h"

class AcGiWorldDraw;

// One line of the laid-out contents, as explodeFragments gives it: its text without formatting
// codes, where its baseline starts and which way it runs, its width and height (extents).
struct AcDbMTextFragment {
  AcGePoint3d location;
  AcGeVector3d normal;
  AcGeVector3d direction;
  const ACHAR* text = nullptr;
  AcGePoint2d extents;
  double capsHeight = 0.0;
  double widthFactor = 1.0;
  double obliqueAngle = 0.0;
};
// Called for each fragment; returns 0 to stop.
typedef int (*AcDbMTextEnum)(AcDbMTextFragment* fragment, void* param);

class AcDbMText : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbMText);
  AcDbMText();

  enum AttachmentPoint {
    kTopLeft = 1,
    kTopCenter = 2,
    kTopRight = 3,
    kMiddleLeft = 4,
    kMiddleCenter = 5,
    kMiddleRight = 6,
    kBottomLeft = 7,
    kBottomCenter = 8,
    kBottomRight = 9
  };
  enum FlowDirection { kLtoR = 1, kRtoL = 2, kTtoB = 3, kBtoT = 4, kByStyle = 5 };
  enum LineSpacingStyle { kAtLeast = 1, kExactly = 2 };

  // Inline codes the host names.
  static const ACHAR* paragraphBreak() { return L"\\P"; }
  static const ACHAR* lineBreak() { return L"\\P"; }
  static const ACHAR* nonBreakSpace() { return L"\\~"; }

  AcGePoint3d location() const { return location_; }
  Acad::ErrorStatus setLocation(const AcGePoint3d& point) { return assignMember(location_, point); }
  AcGeVector3d normal() const { return normal_; }
  Acad::ErrorStatus setNormal(const AcGeVector3d& normal);
  // The direction of the first line (world coordinates, in the plane of the normal).
  AcGeVector3d direction() const { return direction_; }
  Acad::ErrorStatus setDirection(const AcGeVector3d& direction);
  // Angle of the direction from the X axis of the object coordinate system (radians).
  double rotation() const;
  Acad::ErrorStatus setRotation(double angle);
  double width() const { return width_; }  // reference width; 0 = no wrapping
  Acad::ErrorStatus setWidth(double width);
  double textHeight() const { return height_; }
  Acad::ErrorStatus setTextHeight(double height);
  AttachmentPoint attachment() const { return attachment_; }
  Acad::ErrorStatus setAttachment(AttachmentPoint attachment);
  FlowDirection flowDirection() const { return flow_; }
  Acad::ErrorStatus setFlowDirection(FlowDirection flow) { return assignMember(flow_, flow); }
  AcDbObjectId textStyle() const { return style_; }
  Acad::ErrorStatus setTextStyle(AcDbObjectId style) { return assignMember(style_, style); }
  LineSpacingStyle lineSpacingStyle() const { return spacingStyle_; }
  Acad::ErrorStatus setLineSpacingStyle(LineSpacingStyle style);
  double lineSpacingFactor() const { return spacingFactor_; }
  Acad::ErrorStatus setLineSpacingFactor(double factor);  // 0.25 to 4

  // The contents with their formatting codes: a new copy freed with acutDelString, or as is.
  ACHAR* contents() const;
  const std::wstring& contentsString() const { return contents_; }
  int setContents(const ACHAR* text);
  // The contents without formatting codes, paragraphs separated by "\n".
  std::wstring text() const;

  // The size the text takes once laid out (lines wrapped at the width), from the style's metrics.
  double actualHeight() const;
  double actualWidth() const;
  // Corners of the laid-out box: top left, top right, bottom left, bottom right.
  Acad::ErrorStatus getBoundingPoints(AcGePoint3dArray& points) const;
  // The laid-out lines one by one, top first, each placed in the box as the attachment aligns it
  // (left, centred or right). The drawing context is not used.
  void explodeFragments(AcDbMTextEnum enumerate, void* param, AcGiWorldDraw* context = nullptr) const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  // The size of the laid-out text, and its lines when asked for.
  void layout(double& width, double& height, std::vector<std::wstring>* lines = nullptr) const;
  // The corners of a laid-out box of that size (as getBoundingPoints gives them), placed as the
  // attachment point says.
  void boxCorners(double width, double height, AcGePoint3dArray& points) const;

  AcGePoint3d location_;
  AcGeVector3d normal_ = AcGeVector3d::kZAxis;
  AcGeVector3d direction_ = AcGeVector3d::kXAxis;
  double width_ = 0.0;
  double height_ = 0.0;
  double spacingFactor_ = 1.0;
  AttachmentPoint attachment_ = kTopLeft;
  FlowDirection flow_ = kLtoR;
  LineSpacingStyle spacingStyle_ = kAtLeast;
  AcDbObjectId style_;
  std::wstring contents_;
  // While reading: the 3 chunks come before the final 1; a 50 angle stands when no 11 is given.
  std::wstring chunks_;
  bool directionRead_ = false;
  double rotationRead_ = 0.0;
  bool rotationGiven_ = false;
};
