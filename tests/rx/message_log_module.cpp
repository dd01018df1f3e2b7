// A module for the loading tests: it records every message it receives, defines two LISP
// functions in each drawing, and stays locked until the test unlocks it.
#include <vector>

#include "db/adsdef.h"
#include "lisp/acedads.h"
#include "rx/acedfunc.h"
#include "rx/rxdefs.h"
#include "rx/rxdlinkr.h"

namespace {

std::vector<int> g_messages;
std::vector<int> g_funCodes;
void* g_appId = nullptr;

constexpr int kAddCode = 7;
constexpr int kCommandCode = 8;

// (rxtestadd a b ...): the sum of its integer arguments.
void addArguments() {
  int sum = 0;
  for (resbuf* rb = acedGetArgs(); rb != nullptr; rb = rb->rbnext) {
    if (rb->restype == RTSHORT) sum += rb->resval.rint;
    if (rb->restype == RTLONG) sum += static_cast<int>(rb->resval.rlong);
  }
  acedRetInt(sum);
}

}  // namespace

extern "C" AcRx::AppRetCode acrxEntryPoint(AcRx::AppMsgCode msg, void* appId) {
  g_messages.push_back(static_cast<int>(msg));
  switch (msg) {
    case AcRx::kInitAppMsg:
      g_appId = appId;
      acrxDynamicLinker->registerAppMDIAware(appId);
      break;
    case AcRx::kLoadDwgMsg:
      acedDefun(L"rxtestadd", kAddCode);
      acedDefun(L"c:rxtestcmd", kCommandCode);
      break;
    case AcRx::kInvkSubrMsg:
      g_funCodes.push_back(acedGetFunCode());
      if (acedGetFunCode() == kAddCode) addArguments();
      else acedRetVoid();
      break;
    default:
      break;
  }
  return AcRx::kRetOK;
}

extern "C" int rxTestMessageCount() { return static_cast<int>(g_messages.size()); }
extern "C" int rxTestMessage(int i) { return g_messages[static_cast<size_t>(i)]; }
extern "C" int rxTestFunCodeCount() { return static_cast<int>(g_funCodes.size()); }
extern "C" void rxTestUnlock() { acrxDynamicLinker->unlockApplication(g_appId); }
