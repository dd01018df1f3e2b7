// A module for the scenario tests: it prints every message it receives on the command line, so
// that a transcript shows when the host sends them. It defines (echoadd a b ...) and the command
// ECHOCMD in each drawing, and registers the command ECHODEFUN, which defines a LISP function from
// inside a command (the module must be the current application there).
#include "db/adsdef.h"
#include "ed/aced.h"
#include "lisp/acedads.h"
#include "rx/accmd.h"
#include "rx/acedfunc.h"
#include "rx/rxdefs.h"
#include "rx/rxdlinkr.h"

namespace {

constexpr int kAddCode = 1;
constexpr int kCommandCode = 2;
constexpr int kLateCode = 3;
const ACHAR* const kGroup = L"ECHOTEST";

const ACHAR* messageName(AcRx::AppMsgCode msg) {
  switch (msg) {
    case AcRx::kInitAppMsg: return L"initialisation";
    case AcRx::kUnloadAppMsg: return L"déchargement";
    case AcRx::kLoadDwgMsg: return L"dessin chargé";
    case AcRx::kUnloadDwgMsg: return L"dessin fermé";
    case AcRx::kInvkSubrMsg: return L"fonction LISP";
    case AcRx::kSaveMsg: return L"enregistrement";
    default: return L"autre";
  }
}

void addArguments() {
  int sum = 0;
  for (resbuf* rb = acedGetArgs(); rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTSHORT) sum += rb->resval.rint;
    if (rb->restype == RTLONG) sum += static_cast<int>(rb->resval.rlong);
  }
  acedRetInt(sum);
}

void defineFromCommand() {
  int status = acedDefun(L"echolate", kLateCode);
  acutPrintf(L"\n[echo] acedDefun depuis une commande : %s\n", status == RTNORM ? L"RTNORM" : L"RTERROR");
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  acutPrintf(L"\n[echo] message %d (%s)", static_cast<int>(msg), messageName(msg));
  if (msg == AcRx::kInvkSubrMsg) acutPrintf(L" code %d", acedGetFunCode());
  acutPrintf(L"\n");
  switch (msg) {
    case AcRx::kInitAppMsg:
      acrxDynamicLinker->unlockApplication(appId);
      acrxDynamicLinker->registerAppMDIAware(appId);
      acedRegCmds()->addCommand(kGroup, L"ECHODEFUN", L"ECHODEFUN", ACRX_CMD_MODAL, defineFromCommand);
      break;
    case AcRx::kUnloadAppMsg:
      acedRegCmds()->removeGroup(kGroup);
      break;
    case AcRx::kLoadDwgMsg:
      acedDefun(L"echoadd", kAddCode);
      acedDefun(L"c:echocmd", kCommandCode);
      break;
    case AcRx::kInvkSubrMsg:
      if (acedGetFunCode() == kAddCode) addArguments();
      else acedRetVoid();
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}
