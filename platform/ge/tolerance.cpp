#include <limits>

#include "ge/gegbl.h"
#include "ge/getol.h"

AcGeTol AcGeContext::gTol;
const double AcGe::kInfinity = std::numeric_limits<double>::infinity();
