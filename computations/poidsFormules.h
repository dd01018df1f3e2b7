// The weight formulas of a network: one for angles, one for bearings, one for distances, with
// the variable table they are evaluated over.
#pragma once
#include <string>

#include "computations/variablesFormule.h"

struct formulesPoids {
  std::wstring texteLibre;  // kept with the formulas in their file, never shown
  // Without formulas of his own the user gets equal weights.
  std::wstring angles = L"1";
  std::wstring gisements = L"1";
  std::wstring distances = L"1";
  tableVariables variables = tableVariables::avecVariablesInternes();
};
