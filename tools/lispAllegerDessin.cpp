#include "lisp/acedads.h"
#include "tools/DlgAllegerDessin.h"
#include "tools/commandesOutils.h"

void lispAllegerDessin() {
  if (choisirAllegement()) {
    acedRetT();
  } else {
    acedRetNil();
  }
}
