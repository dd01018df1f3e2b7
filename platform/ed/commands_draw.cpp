// The drawing commands of the host: lines, polylines, texts and block insertions.
#include "ed/draw_commands.h"
#include "ed/host_command_families.h"

namespace ed {

void addDrawingCommands(AcEdCommandStack& stack) {
  addHostCommand(stack, L"LINE", L"LIGNE", draw::lineCommand);
  addHostCommand(stack, L"PLINE", L"POLYLIGN", draw::plineCommand);
  addHostCommand(stack, L"TEXT", L"TEXTE", draw::textCommand);
  addHostCommand(stack, L"INSERT", L"INSERER", draw::insertCommand);
}

}  // namespace ed
