// Running a command the user typed: a registered command, or a LISP function "C:NAME" of the
// current document. The editor's command line and scripts go through here.
#pragma once
#include <string>

#include "adesk.h"

struct AcEdCommandOutcome {
  bool found = false;              // false: unknown command, the caller prints its message
  bool resourceImbalance = false;  // the command left the resource stack deeper or shallower
  std::wstring error;              // a LISP error of a "C:" function, or an exception's text
};

AcEdCommandOutcome acedRunCommand(const ACHAR* typed);
