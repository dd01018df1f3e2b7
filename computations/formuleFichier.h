// The weight-formula file (".fmc"): tagged binary values, "i" 32-bit integers, "d" doubles and
// strings "c" "i" length "b" bytes with a terminating zero, all little-endian.
#pragma once
#include <string>
#include <string_view>

#include "computations/poidsFormules.h"

inline constexpr int kSignatureFichierFormules = 12345;
// Longest string accepted in a file, in bytes (a formula is far shorter).
inline constexpr int kLongueurMaxChaineFormules = 4096;

std::string ecrireOctetsFormules(const formulesPoids& formules);
// False on a wrong tag, a wrong signature or a short read; then the user variables are cleared and
// the formulas are left as they were.
bool lireOctetsFormules(std::string_view octets, formulesPoids& formules);

// The messages the dialog shows; empty on success.
std::wstring enregistrerFichierFormules(const std::wstring& chemin, const formulesPoids& formules);
std::wstring chargerFichierFormules(const std::wstring& chemin, formulesPoids& formules);
