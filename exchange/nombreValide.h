// The strict number of coordinate files and of point names in tables: optional blanks, an
// optional sign and digits, then optionally a point with digits and, only after such a fraction,
// an upper-case "E" with an optional sign and digits, then optional blanks. 12, -3.5, +4 and
// 1.25E-3 are numbers; "1.", ".5", "1E5", "1.5e3" and "-.5" are not.
#pragma once
#include <string_view>

bool estNombreValide(std::string_view texte);

// The C library's leading-number reading (blanks, sign, digits, fraction, exponent), limited to
// decimal notation: "inf", "nan" and hexadecimal give 0, a value beyond the doubles gives
// fallback. Text that is not a number gives 0.
double lireNombreEnTete(std::string_view texte, double fallback);
