// Internal: the view a drawing was saved with.
#pragma once
#include "rx/acdocman.h"

class AcDbDatabase;

namespace ed {

// The centre and height of the drawing's active viewport record, when it describes a view.
bool savedView(AcDbDatabase* database, AcApViewState::Placement& placement);

}  // namespace ed
