// A station with a fixed orientation V0 added to every bearing ("Nord": V0 = 0).
#pragma once
#include "stakeout/observationMiseEnStation.h"

class observationMiseEnStationOrientee : public observationMiseEnStation {
 public:
  observationMiseEnStationOrientee() = default;

  double angleVers(const observationImplantation& point) const override;
  void dessiner(int drapeaux) override;
  int typeStation() const override { return kStationOrientee; }
  void descriptionHtml(CStringA& html) const override;
  void descriptionTexte(AcGePoint3d& position, double hauteur,
                        AcDbObjectIdArray& ids) const override;
  // "NORD" for V0 = 0, else "V0=%.4f gr".
  CString texteReference() const override;
  // The cardinal direction when V0 is one ("NORD (O gr)"...), else "%.4f gr".
  CString libelleOrientation() const;

  // Radians.
  double v0() const { return v0_; }
  void setV0(double v0) { v0_ = v0; }

 private:
  double v0_ = 0.0;
};
