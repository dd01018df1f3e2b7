// The four attribute tags of a point block, and the process-wide values every point shares.
#pragma once
#include "ui/afxstr.h"

class attribsPoints {
 public:
  attribsPoints();
  attribsPoints(const attribsPoints&) = default;
  attribsPoints& operator=(const attribsPoints&) = default;

  CString numero;       // "NUMPT"
  CString code;         // "CODE"
  CString altitude;     // "Z"
  CString observation;  // "OBS"
};

// The tags used to make, read, update and import point blocks while the module is loaded.
extern attribsPoints globalAttribsPoints;
// Multiplies every code's block size when point blocks are made (set by updarxttxt).
extern double globalPointScale;
