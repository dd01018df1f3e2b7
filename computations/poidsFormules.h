// The weight formulas of a network: one for angles, one for bearings, one for distances, with
// the variable table they are evaluated over.
#pragma once
#include <string>

#include "computations/variablesFormule.h"

struct formulesPoids {
  formulesPoids();

  std::wstring texteLibre;  // kept with the formulas in their file, never shown
  // Weights are 1/sigma^2 with the angles in radians and the distances in drawing units, so that
  // both kinds count for what they are worth; the user changes the two constants or the formulas.
  std::wstring angles = L"1/(sigang*0.015707963268)^2";
  std::wstring gisements = L"1/(sigang*0.015707963268)^2";
  std::wstring distances = L"1/sigdist^2";
  tableVariables variables;
};
