// The host's command group: each family of commands adds its own.
#include "ed/host_commands.h"

#include "ed/host_command_families.h"

namespace ed {

const wchar_t* const kHostCommandGroup = L"ACAD";

void addHostCommand(AcEdCommandStack& stack, const wchar_t* globalName, const wchar_t* localName,
                    AcRxFunctionPtr function, int flags) {
  stack.addCommand(kHostCommandGroup, globalName, localName, flags, function);
}

void registerHostCommands() {
  AcEdCommandStack& stack = *acedRegCmds();
  stack.removeGroup(kHostCommandGroup);
  addFileCommands(stack);
  addViewCommands(stack);
  addSelectionCommands(stack);
  addDrawingCommands(stack);
}

void removeHostCommands() { acedRegCmds()->removeGroup(kHostCommandGroup); }

}  // namespace ed
