#include "stakeout/observationMiseEnStationOrientee.h"

#include <cmath>

#include "stakeout/calculsImplantation.h"
#include "stakeout/dessinImplantation.h"
#include "stakeout/reglagesImplantation.h"

// Not reduced to one turn: the instrument shows the bearing plus V0 as it is.
double observationMiseEnStationOrientee::angleVers(const observationImplantation& point) const {
  const double g = gisementVers(point);
  if (g == kSansValeur || v0_ == kSansValeur) return kSansValeur;
  return g + v0_;
}

void observationMiseEnStationOrientee::dessiner(int) {
  if (!graphismes_.isEmpty()) return;
  dessinerMarqueur();
  if (x_ == kSansValeur || y_ == kSansValeur || v0_ == kSansValeur) return;
  // A bearing turns clockwise from north.
  const AcGeVector3d direction(std::sin(v0_), std::cos(v0_), 0.0);
  dessinerRayon(AcGePoint3d(x_, y_, 0.0), direction, reglagesGlobauxImplantation().couleurStationRef,
                identifiant_, graphismes_);
}

CString observationMiseEnStationOrientee::texteReference() const {
  if (v0_ == 0.0) return L"NORD";
  CString texte;
  texte.Format(L"V0=%.4f gr", radiansEnGrades(v0_));
  return texte;
}

// The labels are written with the letter O in place of zero, as surveyors' forms have them.
CString observationMiseEnStationOrientee::libelleOrientation() const {
  const double grades = radiansEnGrades(v0_);
  const struct {
    double grades;
    const wchar_t* libelle;
  } cardinaux[] = {{0.0, L"NORD (O gr)"},
                   {100.0, L"EST (10O gr)"},
                   {200.0, L"SUD (20O gr)"},
                   {300.0, L"OUEST (30O gr)"}};
  for (const auto& c : cardinaux) {
    if (std::fabs(grades - c.grades) <= 1e-6) return c.libelle;
  }
  CString texte;
  texte.Format(L"%.4f gr", grades);
  return texte;
}

void observationMiseEnStationOrientee::descriptionHtml(CStringA& html) const {
  html = htmlPosition();
  html += "<br><u> Reference </u>";
  CStringA libelle(libelleOrientation().GetString());
  html += libelle;
  html += "\n";
}

void observationMiseEnStationOrientee::descriptionTexte(AcGePoint3d& position, double hauteur,
                                                        AcDbObjectIdArray& ids) const {
  dessinerTexte(position, textePosition(), hauteur, 0.0, 256, identifiant_, ids);
  dessinerTexte(position - AcGeVector3d(0, 1.5 * hauteur, 0),
                L"%%uReference:%%u " + libelleOrientation(), hauteur, 0.0, 256, identifiant_, ids);
  position.y -= 3.0 * hauteur;
}
