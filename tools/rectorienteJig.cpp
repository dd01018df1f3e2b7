#include "tools/rectorienteJig.h"

#include <cmath>

#include "db/dbapserv.h"
#include "db/dbpl.h"
#include "ed/aced.h"

rectorienteJig::rectorienteJig() : polyligne_(new AcDbPolyline(4)) {
  const AcGePoint2d coins[4] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}};
  for (unsigned int i = 0; i < 4; ++i) polyligne_->addVertexAt(i, coins[i]);
  polyligne_->setClosed(true);
}

rectorienteJig::~rectorienteJig() { delete polyligne_; }

AcEdJig::DragStatus rectorienteJig::sampler() {
  setUserInputControls(static_cast<UserInputControls>(kNoZeroResponseAccepted |
                                                      kNoNegativeResponseAccepted));
  AcGePoint3d point;
  const AcGePoint3d origine(rectangle_.origine.x, rectangle_.origine.y, 0.0);
  const DragStatus statut = acquirePoint(point, origine);
  if (statut != kNormal) return statut;
  if (etatDernier_ == int(etat_) && point.distanceTo(dernier_) < 1e-6) return kNoChange;
  dernier_ = point;
  etatDernier_ = int(etat_);
  if (etat_ == kCote) {
    rectangle_.parCoteOppose(AcGePoint2d(point.x, point.y));
  } else {
    rectangle_.parDiagonale(AcGePoint2d(point.x, point.y));
  }
  return kNormal;
}

Adesk::Boolean rectorienteJig::update() {
  const auto sommets = rectangle_.sommets();
  for (unsigned int i = 0; i < 4; ++i) polyligne_->setPointAt(i, sommets[i]);
  return Adesk::kTrue;
}

AcDbEntity* rectorienteJig::entity() const { return polyligne_; }

bool rectorienteJig::glisser(bool& fini) {
  if (etat_ == kCote) {
    setDispPrompt(L"\nOrigine Rotation Diagonale <Point sur le côté opposé>");
    setKeywordList(L"Origine Rotation Diagonale");
  } else {
    setDispPrompt(L"\nOrigine Rotation Cote <Point sur le côté opposé>");
    setKeywordList(L"Origine Rotation Cote");
  }
  switch (drag()) {
    case kNormal: fini = true; return true;
    case kKW1: etat_ = kOrigine; return true;
    case kKW2: etat_ = kRotation; return true;
    case kKW3: etat_ = etat_ == kCote ? kDiagonale : kCote; return true;
    default: return false;
  }
}

bool rectorienteJig::executer() {
  bool fini = false;
  while (!fini) {
    ads_point point;
    switch (etat_) {
      case kOrigine:
        if (acedGetPoint(nullptr, L"\nOrigine:", point) != RTNORM) return false;
        rectangle_.origine.set(point[0], point[1]);
        etat_ = kRotation;
        break;
      case kRotation: {
        const ads_point base = {rectangle_.origine.x, rectangle_.origine.y, 0.0};
        if (acedGetPoint(base, L"\nRotation ", point) != RTNORM) return false;
        rectangle_.angle = std::atan2(point[1] - base[1], point[0] - base[0]);
        rectangle_.premier = std::hypot(point[0] - base[0], point[1] - base[1]);
        etat_ = kCote;
        break;
      }
      default:
        if (!glisser(fini)) return false;
    }
  }
  update();
  polyligne_->setDatabaseDefaults(acdbHostApplicationServices()->workingDatabase());
  if (append().isNull()) return false;
  polyligne_ = nullptr;  // the drawing owns it now
  return true;
}
