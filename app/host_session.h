// One run of the host: the drawing opened, the modules loaded, the script (or the terminal) run at
// the command line, the drawing saved, everything closed.
#pragma once
#include "host_options.h"

namespace cadhost {

// The exit status: 0, or 1 when the drawing could not be opened or saved, a script or transcript
// file could not be opened, or (strict) any error happened.
int runSession(const HostOptions& options);

}  // namespace cadhost
