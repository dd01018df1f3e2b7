// Placeholder: filled in by its owner.
#include "ed/host_command_families.h"

namespace ed {

void addViewCommands(AcEdCommandStack&) {}

}  // namespace ed
