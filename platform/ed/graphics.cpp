// Transient vectors: recorded in the current view, erased by a redraw or any regeneration.
#include <cmath>

#include "db/dbobject.h"
#include "ed/acedgraph.h"
#include "ed/view.h"

namespace {

bool isPoint(const resbuf* rb) { return rb->restype == RTPOINT || rb->restype == RT3DPOINT; }

AcGePoint3d pointOf(const resbuf* rb, ads_matrix mat) {
  const double* p = rb->resval.rpoint;
  double z = rb->restype == RT3DPOINT ? p[2] : 0.0;
  if (mat == nullptr) return AcGePoint3d(p[0], p[1], z);
  // Rows give x, y and z; the fourth column is the translation.
  double out[3];
  for (int row = 0; row < 3; ++row)
    out[row] = mat[row][0] * p[0] + mat[row][1] * p[1] + mat[row][2] * z + mat[row][3];
  return AcGePoint3d(out[0], out[1], out[2]);
}

bool finite(const AcGePoint3d& p) {
  return std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
}

}  // namespace

int acedGrDraw(const ads_point from, const ads_point to, int color, int hl) {
  if (from == nullptr || to == nullptr) return RTERROR;
  AcApViewState::TransientVector vector;
  vector.from = AcGePoint3d(from[0], from[1], from[2]);
  vector.to = AcGePoint3d(to[0], to[1], to[2]);
  if (!finite(vector.from) || !finite(vector.to)) return RTERROR;
  vector.color = color;
  vector.highlighted = hl != 0;
  ed::View::current().addTransient(vector);
  return RTNORM;
}

int acedGrVecs(const resbuf* vlist, ads_matrix mat) {
  // Checked whole before anything is drawn: a malformed list draws nothing.
  std::vector<AcApViewState::TransientVector> vectors;
  int color = 7;
  for (const resbuf* rb = vlist; rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTSHORT || rb->restype == RTLONG) {
      color = rb->restype == RTSHORT ? rb->resval.rint : static_cast<int>(rb->resval.rlong);
      continue;
    }
    if (!isPoint(rb) || rb->rbnext == nullptr || !isPoint(rb->rbnext)) return RTERROR;
    AcApViewState::TransientVector vector;
    vector.from = pointOf(rb, mat);
    vector.to = pointOf(rb->rbnext, mat);
    if (!finite(vector.from) || !finite(vector.to)) return RTERROR;
    vector.color = color < 0 ? -color : color;
    vector.highlighted = color < 0;
    vectors.push_back(vector);
    rb = rb->rbnext;
  }
  ed::View view = ed::View::current();
  for (const AcApViewState::TransientVector& vector : vectors) view.addTransient(vector);
  return RTNORM;
}

int acedRedraw(const ads_name ent, int mode) {
  if (ent == nullptr || ads_name_nil(ent)) {
    ed::View::current().clearTransients();
    return RTNORM;
  }
  if (mode < 1 || mode > 4) return RTERROR;
  AcDbObjectId id;
  if (acdbGetObjectId(id, ent) != Acad::eOk || id.isNull() || id.isErased()) return RTERROR;
  // Showing, hiding and highlighting an entity change only what the screen shows.
  return RTNORM;
}

void acedUpdateDisplay() {}
