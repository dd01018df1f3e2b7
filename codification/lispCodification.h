// The LISP functions of the codification: the codes as a list, adding a code, emptying the
// table, and asking the user for a code.
#pragma once

void lispLoadCodePt();        // (loadcodept) -> ((code . "label") ...), sorted by code
void lispAddCodePt();         // (addcodept code "label") -> nil
void lispResetCodesPts();     // (resetcodespts) -> nil
void lispSelectionnerCode();  // (selectionnerCode) -> code, -9999 for all codes, nil on cancel

// The answer "all codes" of selectionnerCode.
constexpr int kTousLesCodes = -9999;

// The prompt of selectionnerCode for the module's commands: RTNORM with the code (kTousLesCodes
// for every code), or RTCAN when the user cancels.
int selectionnerCode(int& code);

// The code selectionnerCode remembers and its picking mode, as at the start of the host (tests).
void oublierCodeSelectionne();
