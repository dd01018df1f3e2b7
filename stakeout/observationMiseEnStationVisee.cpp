#include "stakeout/observationMiseEnStationVisee.h"

#include <cmath>
#include <numbers>

#include "os/codepage.h"
#include "stakeout/calculsImplantation.h"
#include "stakeout/dessinImplantation.h"
#include "stakeout/reglagesImplantation.h"

double observationMiseEnStationVisee::angleVers(const observationImplantation& point) const {
  const double versPoint = gisementVers(point);
  const double versReference = gisement(x_, y_, xReference_, yReference_);
  if (versPoint == kSansValeur || versReference == kSansValeur) return kSansValeur;
  double angle = versPoint - versReference;
  if (angle < 0) angle += 2 * std::numbers::pi;
  return angle;
}

void observationMiseEnStationVisee::oublierGraphismes() {
  observationMiseEnStation::oublierGraphismes();
  graphismesReference_.setLogicalLength(0);
}

void observationMiseEnStationVisee::transfererGraphismes(AcDbObjectIdArray& ids) {
  ids.append(graphismesReference_);
  graphismesReference_.setLogicalLength(0);
  observationMiseEnStation::transfererGraphismes(ids);
}

void observationMiseEnStationVisee::effacer() {
  effacerEntites(graphismesReference_);
  observationMiseEnStation::effacer();
}

// The line to the reference ends in an arrowhead of two strokes meeting at the reference.
void observationMiseEnStationVisee::dessiner(int drapeaux) {
  if (graphismes_.isEmpty()) dessinerMarqueur();
  if (!graphismesReference_.isEmpty()) return;
  if (x_ == kSansValeur || y_ == kSansValeur || xReference_ == kSansValeur ||
      yReference_ == kSansValeur) {
    return;
  }
  const reglagesImplantation& r = reglagesGlobauxImplantation();
  const AcGePoint3d station(x_, y_, 0.0);
  const AcGePoint3d reference(xReference_, yReference_, 0.0);
  dessinerLigne(station, reference, r.couleurStationObs, identifiant_, graphismesReference_);
  const AcGeVector3d direction = reference - station;
  const double longueur = direction.length();
  if (longueur > 0.0) {
    const AcGeVector3d u = direction / longueur;
    const AcGeVector3d travers(-u.y, u.x, 0.0);
    const AcGePoint3d recul = reference - u * r.longueurFleche;
    for (double cote : {1.0, -1.0}) {
      dessinerLigne(recul + travers * (cote * r.largeurFleche / 2), reference, r.couleurStationObs,
                    identifiant_, graphismesReference_);
    }
  }
  observationImplantation cible;
  cible.x = xReference_;
  cible.y = yReference_;
  dessinerTexteVisee(station, reference, distanceVers(cible), angleVers(cible), drapeaux,
                     r.couleurStationObs, identifiant_, graphismesReference_);
}

CString observationMiseEnStationVisee::texteReference() const {
  if (!nomReference_.IsEmpty()) return nomReference_;
  CString texte;
  texte.Format(L"X=%.4f,Y=%.4f", xReference_, yReference_);
  return texte;
}

void observationMiseEnStationVisee::descriptionHtml(CStringA& html) const {
  html = htmlPosition();
  html += "<br><u> Reference </u>";
  if (!nomReference_.IsEmpty()) {
    CStringA nom;
    nom.Format("<b>%s</b>", wideToAnsi(nomReference_.GetString()).c_str());
    html += nom;
  }
  html += htmlCoordonnees(xReference_, yReference_, zReference_);
  html += "\n";
}

void observationMiseEnStationVisee::descriptionTexte(AcGePoint3d& position, double hauteur,
                                                     AcDbObjectIdArray& ids) const {
  dessinerTexte(position, textePosition(), hauteur, 0.0, 256, identifiant_, ids);
  CString reference = L"%%uReference:%%u " + nomReference_;
  reference += texteCoordonnees(xReference_, yReference_, zReference_);
  dessinerTexte(position - AcGeVector3d(0, 1.5 * hauteur, 0), reference, hauteur, 0.0, 256,
                identifiant_, ids);
  position.y -= 3.0 * hauteur;
}
