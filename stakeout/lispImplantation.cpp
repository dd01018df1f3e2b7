#include "stakeout/lispImplantation.h"

#include "ed/aced.h"
#include "lisp/acedads.h"
#include "stakeout/CDlgImplantation.h"

void lispImplant2() {
  commandeImplantation();
  acedRetVoid();
}
