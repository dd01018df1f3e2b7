// cadhost: the host executable. Opens a drawing (or starts a new one), loads modules, runs a
// script or the interactive command line, saves the drawing and closes everything.
#include "host_session.h"

int main(int argc, char** argv) {
  return cadhost::runMain(argc, argv, [](const cadhost::HostOptions& options) {
    return cadhost::runSession(options);
  });
}
