// cadhost: the host executable. Opens a drawing (or starts a new one), loads modules, runs a
// script or the interactive command line, saves the drawing and closes everything.
#include <cstdio>
#include <string>

#include "host_options.h"
#include "host_session.h"
#include "os/codepage.h"

int main(int argc, char** argv) {
  cadhost::HostOptions options;
  std::wstring error;
  if (!cadhost::parseArguments(argc, argv, options, error)) {
    std::fprintf(stderr, "Erreur : %s\n%s", wideToUtf8(error).c_str(), cadhost::kUsage);
    return 2;
  }
  // No exception crosses out of the host: the session's own failures are reported in French.
  try {
    return cadhost::runSession(options);
  } catch (const std::exception& e) {
    std::fprintf(stderr, "Erreur : %s\n", e.what());
  } catch (...) {
    std::fprintf(stderr, "Erreur inattendue\n");
  }
  return 1;
}
