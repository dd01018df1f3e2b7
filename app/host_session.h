// One run of the host: the drawing opened, the modules loaded, the script (or the terminal) run at
// the command line, the drawing saved, everything closed.
#pragma once
#include <functional>
#include <memory>

#include "ed/input_source.h"
#include "host_options.h"

namespace cadhost {

// What a front end other than the terminal changes in a session: where the command line reads
// (given the script's input, null when there is no script) and whether a drawing that cannot be
// opened ends the session or leaves a new drawing to work on.
struct FrontEnd {
  std::function<std::unique_ptr<ed::InputSource>(std::unique_ptr<ed::InputSource> script)> input;
  bool newDrawingWhenOpenFails = false;
};

// The exit status: 0, or 1 when the drawing could not be opened or saved, a script or transcript
// file could not be opened, or (strict) any error happened.
int runSession(const HostOptions& options, const FrontEnd* frontEnd = nullptr);

// What a host's main does around its session: wrong arguments print the message and the usage
// (status 2); no exception crosses out, the session's own failures are reported in French
// (status 1); otherwise the status `session` returns.
int runMain(int argc, char** argv, const std::function<int(const HostOptions&)>& session);

}  // namespace cadhost
