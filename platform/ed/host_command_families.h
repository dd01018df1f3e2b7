// Internal: each family of host commands adds itself to the command stack.
#pragma once
#include "rx/accmd.h"

namespace ed {

// Adds one host command: global (English) and local (French) names, modal unless flags say more.
void addHostCommand(AcEdCommandStack& stack, const wchar_t* globalName, const wchar_t* localName,
                    AcRxFunctionPtr function, int flags = ACRX_CMD_MODAL);

void addFileCommands(AcEdCommandStack& stack);       // NEW OPEN SAVE SAVEAS CLOSE QUIT APPLOAD UNDO U
void addViewCommands(AcEdCommandStack& stack);       // ZOOM REGEN
void addSelectionCommands(AcEdCommandStack& stack);  // ERASE LIST
void addDrawingCommands(AcEdCommandStack& stack);    // LINE PLINE TEXT INSERT

}  // namespace ed
