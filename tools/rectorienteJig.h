// The drag of RECT3PT: a closed four-vertex polyline that follows the cursor, by the opposite
// side or by the opposite corner.
#pragma once
#include "ed/dbjig.h"
#include "tools/rectangleOriente.h"

class AcDbPolyline;

class rectorienteJig : public AcEdJig {
 public:
  enum etape : unsigned { kOrigine = 0, kRotation = 1, kCote = 2, kDiagonale = 3 };

  rectorienteJig();
  ~rectorienteJig() override;

  DragStatus sampler() override;
  Adesk::Boolean update() override;
  AcDbEntity* entity() const override;

  // Runs the steps until the rectangle is given (true: appended to the current space) or the
  // user cancels (false: nothing drawn).
  bool executer();

  const rectangleOriente& rectangle() const { return rectangle_; }

 private:
  // One drag in side or diagonal mode; true when a point ended it.
  bool glisser(bool& fini);

  unsigned etat_ = kOrigine;
  AcDbPolyline* polyligne_;  // owned until appended
  rectangleOriente rectangle_;
  AcGePoint3d dernier_{-1e36, -1e36, -1e36};
  int etatDernier_ = -1;
};
