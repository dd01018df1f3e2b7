// Running commands from a program, as a user would type them: acedCommand takes typed pairs
// (RTSTR "LINE", RTPOINT p, ... , RTNONE), acedCmd a resbuf chain. Each value becomes one input
// of the command line (a point "x,y,z", an entity "#HANDLE", "" Enter, "\\" a pause that reads one
// input from the user); the first is a command name, and what is left when a command ends starts
// the next command. Inputs still missing when the values run out are read from the user's input.
#pragma once
#include "db/adsdef.h"

// RTNORM; RTERROR for an unknown command or a value that cannot be typed (a selection set);
// RTCAN when a command was cancelled or ended with an error.
int acedCommand(int rtype, ...);
int acedCmd(const resbuf* rbp);
