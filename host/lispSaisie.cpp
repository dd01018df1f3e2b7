// k_getpt and wait_user: the two utilities that talk to the user.
#include "ed/aced.h"
#include "ed/acedgraph.h"
#include "host/lispArguments.h"
#include "host/lispUtilitaires.h"
#include "lisp/acedads.h"

void lispKGetPt() {
  argumentsLisp args;
  if (args.courant() == nullptr) {
    acutPrintf(L"\n1er param = NULL");
    acedRetNil();
    return;
  }
  if (args.type() != RTSTR) {
    acutPrintf(L"\n1er param n'est pas une chaine");
    acedRetNil();
    return;
  }
  const wchar_t* invite = args.courant()->resval.rstring;
  args.suivant();
  if (args.courant() == nullptr) {
    acutPrintf(L"\n2eme param = NULL");
    acedRetNil();
    return;
  }
  ads_point base = {0.0, 0.0, 0.0};
  const bool avecBase = args.estPoint();
  if (avecBase) {
    base[0] = args.courant()->resval.rpoint[0];
    base[1] = args.courant()->resval.rpoint[1];
  } else if (args.type() != RTNIL) {
    acutPrintf(L"\n2eme param n'est pas un point, son code est %d", args.type());
    acedRetNil();
    return;
  }
  ads_point point;
  acedInitGet(RSG_NONULL, nullptr);
  if (acedGetPoint(avecBase ? base : nullptr, invite, point) == RTNORM) {
    acedRetPoint(point);
  } else {
    acedRetNil();
  }
}

void lispWaitUser() {
  acutPrintf(L"\nAppuyez sur une touche pour continuer ");
  int type = 0;
  resbuf lu{};
  // Cursor movements do not count: only a key or a click ends the wait.
  while (acedGrRead(GRREAD_TRACK, &type, &lu) == RTNORM && type == 5) {
  }
}
