#include "host_options.h"

#include <cstdlib>

#include "os/codepage.h"

namespace cadhost {

const char* const kUsage =
    "Usage : cadhost [DESSIN.dxf] [--new] [--script FICHIER.scr] [--save SORTIE.dxf]\n"
    "                [--transcript FICHIER.txt] [--load MODULE]... [--strict] [--no-module]\n";

std::wstring surveyModulePath() {
  if (const char* chosen = std::getenv("CADHOST_MODULE"); chosen != nullptr && *chosen != '\0') {
    return utf8ToWide(chosen);
  }
#ifdef CADHOST_SURVEY_MODULE
  return utf8ToWide(CADHOST_SURVEY_MODULE);
#else
  return L"";
#endif
}

bool parseArguments(int argc, char** argv, HostOptions& options, std::wstring& error) {
  std::vector<std::wstring> args;
  for (int i = 1; i < argc; ++i) args.push_back(utf8ToWide(argv[i]));
  for (size_t i = 0; i < args.size(); ++i) {
    const std::wstring& arg = args[i];
    auto value = [&](std::wstring& target) {
      if (i + 1 >= args.size()) {
        error = L"valeur manquante après \"" + arg + L"\"";
        return false;
      }
      target = args[++i];
      return true;
    };
    if (arg == L"--new") {
      options.newDrawing = true;
    } else if (arg == L"--no-module") {
      options.surveyModule = false;
    } else if (arg == L"--strict") {
      options.strict = true;
    } else if (arg == L"--script") {
      if (!value(options.script)) return false;
    } else if (arg == L"--save") {
      if (!value(options.saveAs)) return false;
    } else if (arg == L"--transcript") {
      if (!value(options.transcript)) return false;
    } else if (arg == L"--load") {
      std::wstring module;
      if (!value(module)) return false;
      options.modules.push_back(module);
    } else if (arg.size() > 1 && arg[0] == L'-') {
      error = L"option inconnue \"" + arg + L"\"";
      return false;
    } else if (!options.drawing.empty()) {
      error = L"un seul dessin peut être donné (\"" + arg + L"\" en plus)";
      return false;
    } else {
      options.drawing = arg;
    }
  }
  if (options.newDrawing && !options.drawing.empty()) {
    error = L"--new et un dessin à ouvrir s'excluent";
    return false;
  }
  return true;
}

}  // namespace cadhost
