// Internal: the default width of new polylines (PLINEWID), kept in the drawing's header as the
// host keeps it, and read and set as a system variable.
#pragma once

class AcDbDatabase;

namespace ed::draw {

double plineWidth(const AcDbDatabase* db);  // (drawing units), 0 when the drawing has none
void setPlineWidth(AcDbDatabase* db, double width);

}  // namespace ed::draw
