// Functions that modules define for LISP. Definitions belong to the current document and to the
// module receiving a message when they are made; calling one sends that module kInvkSubrMsg with
// acedGetFunCode() giving the code. A name "C:XXX" is also the command XXX.
#pragma once
#include "adesk.h"

struct resbuf;

// RTNORM, or RTERROR when no module is receiving a message, no document is open, or the name is
// empty. Defining a name again replaces the earlier definition.
int acedDefun(const ACHAR* name, int funcode);
// RTNORM when the module had defined that name with that code; RTERROR otherwise.
int acedUndef(const ACHAR* name, int funcode);
// The code of the function being invoked; -1 outside kInvkSubrMsg.
int acedGetFunCode();

// A function called directly instead of through kInvkSubrMsg; it returns RTNORM or an error code.
typedef int (*AcEdFunction)();
int acedRegFunc(AcEdFunction function, int funcode);

