// A station oriented by sighting a reference: angles are read from the direction of the reference.
#pragma once
#include "stakeout/observationMiseEnStation.h"

class observationMiseEnStationVisee : public observationMiseEnStation {
 public:
  observationMiseEnStationVisee() = default;

  double angleVers(const observationImplantation& point) const override;
  void oublierGraphismes() override;
  void transfererGraphismes(AcDbObjectIdArray& ids) override;
  void dessiner(int drapeaux) override;
  void effacer() override;
  int typeStation() const override { return kStationVisee; }
  void descriptionHtml(CStringA& html) const override;
  void descriptionTexte(AcGePoint3d& position, double hauteur,
                        AcDbObjectIdArray& ids) const override;
  // The reference's name, or its coordinates when it has none.
  CString texteReference() const override;

  const CString& nomReference() const { return nomReference_; }
  double xReference() const { return xReference_; }
  double yReference() const { return yReference_; }
  double zReference() const { return zReference_; }
  void setReference(const CString& nom, double x, double y, double z) {
    nomReference_ = nom;
    xReference_ = x;
    yReference_ = y;
    zReference_ = z;
  }

 private:
  CString nomReference_;
  double xReference_ = kSansValeur;
  double yReference_ = kSansValeur;
  double zReference_ = kSansValeur;
  // The reference line, its arrow and texts.
  AcDbObjectIdArray graphismesReference_;
};
