// A station set-up: where the instrument stands and how its horizontal circle is oriented. The two
// kinds are a station sighting a reference point and a station with a fixed orientation.
#pragma once
#include "adesk.h"
#include "db/dbid.h"
#include "ge/gepnt3d.h"
#include "points/pointDuDessin.h"
#include "stakeout/observationImplantation.h"
#include "ui/afxstr.h"

inline constexpr int kStationVisee = 20;
inline constexpr int kStationOrientee = 10;

class observationMiseEnStation {
 public:
  observationMiseEnStation();
  virtual ~observationMiseEnStation() = default;
  observationMiseEnStation(const observationMiseEnStation&) = delete;
  observationMiseEnStation& operator=(const observationMiseEnStation&) = delete;

  // The horizontal angle to read on the instrument for the point (radians), kSansValeur when a
  // position it needs is unknown.
  virtual double angleVers(const observationImplantation& point) const = 0;
  // Bearing from the station to the point (radians).
  virtual double gisementVers(const observationImplantation& point) const;
  double distanceVers(const observationImplantation& point) const;

  // Leaves the drawn entities in the drawing and forgets them.
  virtual void oublierGraphismes();
  // Appends the ids of the drawn entities to the list, then forgets them.
  virtual void transfererGraphismes(AcDbObjectIdArray& ids);
  // Draws the marker, then what the kind shows of its orientation (drawing flags).
  virtual void dessiner(int drapeaux) = 0;
  // Erases the drawn entities.
  virtual void effacer();
  virtual int typeStation() const = 0;
  // The station's block of the report page (HTML).
  virtual void descriptionHtml(CStringA& html) const = 0;
  // Two lines of text at the position, moved down by three text heights; the new texts' ids are
  // appended to the list.
  virtual void descriptionTexte(AcGePoint3d& position, double hauteur,
                                AcDbObjectIdArray& ids) const = 0;
  // The "Ref" column of the stake-out list.
  virtual CString texteReference() const = 0;

  const CString& nom() const { return nom_; }
  void setNom(const CString& nom) { nom_ = nom; }
  double x() const { return x_; }
  double y() const { return y_; }
  double z() const { return z_; }
  void setPosition(double x, double y, double z) {
    x_ = x;
    y_ = y;
    z_ = z;
  }
  void setZ(double z) { z_ = z; }
  Adesk::UInt32 identifiant() const { return identifiant_; }
  const AcDbObjectIdArray& graphismes() const { return graphismes_; }

 protected:
  // The station's own lines of the descriptions: name and known coordinates.
  CStringA htmlPosition() const;
  CString textePosition() const;
  void dessinerMarqueur();

  CString nom_;
  double x_ = kSansValeur;
  double y_ = kSansValeur;
  double z_ = kSansValeur;
  AcDbObjectIdArray graphismes_;
  Adesk::UInt32 identifiant_;
  AcDbObjectIdArray autresGraphismes_;
};

// The three coordinates in the formats of the reports ("<b> x </b> = %.4f"...), unknown ones left
// out.
CStringA htmlCoordonnees(double x, double y, double z);
CString texteCoordonnees(double x, double y, double z);
