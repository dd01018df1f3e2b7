// The command-line arguments of cadhost.
#pragma once
#include <string>
#include <vector>

namespace cadhost {

struct HostOptions {
  std::wstring drawing;  // drawing file to open; empty: a new drawing
  std::wstring script;   // script file; empty: standard input (the terminal when it is one)
  std::wstring saveAs;   // where to save the current drawing at the end; empty: not saved
  std::wstring transcript;            // file receiving the transcript (UTF-8); empty: none
  std::vector<std::wstring> modules;  // modules to load, in order
  bool newDrawing = false;  // --new: a new drawing (also what no drawing gives)
  bool strict = false;  // the first error ends the run with exit status 1
  bool surveyModule = true;  // load the survey module first (--no-module: not)
};

// The survey module built with cadhost; CADHOST_MODULE names another file.
std::wstring surveyModulePath();

// Reads argv. False with a French message in error when the arguments are wrong.
bool parseArguments(int argc, char** argv, HostOptions& options, std::wstring& error);

extern const char* const kUsage;

}  // namespace cadhost
