// One record of a coordinate file, held by value.
#pragma once
#include <cstdint>

#include "points/pointDuDessin.h"
#include "ui/afxstr.h"

struct pointXYZ {
  int code = 1;
  CString obs;
  double x = 0.0;
  double y = 0.0;
  double z = kSansValeur;  // unknown altitude
  std::uint32_t id = 0;    // unique for the run (compteurEnregistrements.h)
  unsigned char selection = 0;
  CString nom;
};
