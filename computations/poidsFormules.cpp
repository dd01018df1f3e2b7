#include "computations/poidsFormules.h"

formulesPoids::formulesPoids() : variables(tableVariables::avecVariablesInternes()) {
  variables.definir(L"sigang", 0.0015, L"écart-type des angles (grades)");
  variables.definir(L"sigdist", 0.005, L"écart-type des distances");
}
