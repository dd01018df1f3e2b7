// AcDbViewport: a window of a paper-space layout onto model space. The platform models its
// placement and view; the other items of files (grid, snap, UCS, shading...) are kept as read.
#pragma once
#include <vector>

#include "db/dbentity.h"
#include "ge/gepnt2d.h"

class AcDbViewport : public AcDbEntity {
 public:
  ACRX_DECLARE_MEMBERS(AcDbViewport);
  AcDbViewport();

  // Placement on the sheet (paper-space coordinates).
  AcGePoint3d centerPoint() const { return center_; }
  Acad::ErrorStatus setCenterPoint(const AcGePoint3d& point);
  double width() const { return width_; }
  Acad::ErrorStatus setWidth(double width);
  double height() const { return height_; }
  Acad::ErrorStatus setHeight(double height);
  // Identification number (1 for the layout's own paper-space view); -1 when not yet numbered.
  Adesk::Int16 number() const { return number_; }
  void setNumberRaw(Adesk::Int16 number) { number_ = number; }
  // Status: 0 off, positive on (the stacking order), -1 on but off-screen.
  bool isOn() const { return status_ > 0; }
  Acad::ErrorStatus setOn();
  Acad::ErrorStatus setOff() { return assignMember(status_, 0); }

  // The model-space view shown: centre in display coordinates, height in model units, target,
  // direction from target to camera, twist (radians).
  AcGePoint2d viewCenter() const { return viewCenter_; }
  Acad::ErrorStatus setViewCenter(const AcGePoint2d& center);
  double viewHeight() const { return viewHeight_; }
  Acad::ErrorStatus setViewHeight(double height);
  AcGePoint3d viewTarget() const { return viewTarget_; }
  Acad::ErrorStatus setViewTarget(const AcGePoint3d& target);
  AcGeVector3d viewDirection() const { return viewDirection_; }
  Acad::ErrorStatus setViewDirection(const AcGeVector3d& direction);
  double twistAngle() const { return twist_; }
  Acad::ErrorStatus setTwistAngle(double angle);
  // Paper units per model unit: height() / viewHeight().
  double customScale() const;
  Acad::ErrorStatus setCustomScale(double scale);
  bool isLocked() const { return (statusFlags_ & 0x4000) != 0; }
  Acad::ErrorStatus setLocked(bool locked);

  // Layers frozen in this viewport only.
  Acad::ErrorStatus getFrozenLayerList(AcDbObjectIdArray& layers) const;
  Acad::ErrorStatus freezeLayersInViewport(const AcDbObjectIdArray& layers);
  Acad::ErrorStatus thawLayersInViewport(const AcDbObjectIdArray& layers);
  bool isLayerFrozenInViewport(AcDbObjectId layer) const;

  Acad::ErrorStatus dxfInFields(AcDbDxfFiler* filer) override;
  ACDB_DECLARE_ENTITY_OVERRIDES();

 private:
  AcGePoint3d center_;
  double width_ = 0.0;
  double height_ = 0.0;
  Adesk::Int16 status_ = 1;
  Adesk::Int16 number_ = -1;
  AcGePoint2d viewCenter_;
  double viewHeight_ = 1.0;
  AcGePoint3d viewTarget_;
  AcGeVector3d viewDirection_ = AcGeVector3d::kZAxis;
  double twist_ = 0.0;
  Adesk::Int32 statusFlags_ = 0x8060;  // 90
  std::vector<AcDbObjectId> frozenLayers_;
  DxfItemList otherItems_;  // items of the AcDbViewport level the platform does not model
};
