#include "stakeout/observationMiseEnStation.h"

#include "os/codepage.h"
#include "stakeout/calculsImplantation.h"
#include "stakeout/dessinImplantation.h"
#include "stakeout/reglagesImplantation.h"

observationMiseEnStation::observationMiseEnStation()
    : identifiant_(compteurIdentifiants::nouveau()) {}

double observationMiseEnStation::gisementVers(const observationImplantation& point) const {
  return gisement(x_, y_, point.x, point.y);
}

double observationMiseEnStation::distanceVers(const observationImplantation& point) const {
  return distanceHorizontale(x_, y_, point.x, point.y);
}

void observationMiseEnStation::oublierGraphismes() {
  graphismes_.setLogicalLength(0);
  autresGraphismes_.setLogicalLength(0);
}

void observationMiseEnStation::transfererGraphismes(AcDbObjectIdArray& ids) {
  ids.append(graphismes_);
  ids.append(autresGraphismes_);
  oublierGraphismes();
}

void observationMiseEnStation::effacer() {
  effacerEntites(graphismes_);
  effacerEntites(autresGraphismes_);
}

void observationMiseEnStation::dessinerMarqueur() {
  if (x_ == kSansValeur || y_ == kSansValeur) return;
  const reglagesImplantation& r = reglagesGlobauxImplantation();
  dessinerCroix(AcGePoint3d(x_, y_, 0.0), r.tailleCroixStations, r.couleurStationObs,
                identifiant_, graphismes_);
}

CStringA htmlCoordonnees(double x, double y, double z) {
  CStringA html;
  CStringA morceau;
  if (x != kSansValeur) {
    morceau.Format("<b> x </b> = %.4f", x);
    html += morceau;
  }
  if (y != kSansValeur) {
    morceau.Format("<b> y </b>= %.4f", y);
    html += morceau;
  }
  if (z != kSansValeur) {
    morceau.Format("<b> z </b>= %.4f \n", z);
    html += morceau;
  }
  return html;
}

CString texteCoordonnees(double x, double y, double z) {
  return texteValeur(x, L" x  = %.4f") + texteValeur(y, L" y = %.4f") +
         texteValeur(z, L" z = %.4f");
}

CStringA observationMiseEnStation::htmlPosition() const {
  CStringA html;
  html.Format("<br><u> Station :</u> %s ", wideToAnsi(nom_.GetString()).c_str());
  return html + htmlCoordonnees(x_, y_, z_);
}

CString observationMiseEnStation::textePosition() const {
  CString texte;
  texte.Format(L"%%%%uStation :%%%%u %s", nom_.GetString());
  // Format above turned each doubled sign into one, leaving the host's "%%u" underline toggles.
  return texte + texteCoordonnees(x_, y_, z_);
}
