#include "stakeout/reglagesImplantation.h"

namespace {
reglagesImplantation reglages;
}

reglagesImplantation& reglagesGlobauxImplantation() { return reglages; }

void reinitialiserReglagesImplantation() { reglages = reglagesImplantation(); }
