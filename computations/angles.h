// Angle units, reduction of angles and bearings. Bearings are measured clockwise from north.
#pragma once

// The full turn of an angle unit: 400 (grades), 360 (degrees), 2π (radians, and any other code).
double tourComplet(int unite);
// The factor that turns an angle of the unit into radians: π/200, π/180, 1.
double versRadians(int unite);
// The unit's name as the calculators show it: "grades", "degres", "radians".
const wchar_t* nomUnite(int unite);

// x reduced modulo m into [0, m): x − floor(x/m)·m, m added when the result is negative; with
// m = 0 x is returned unchanged.
double reduireModulo(double x, double m);

// The bearing from (xa, ya) to (xb, yb) in radians, in [0, 2π): π/2 − atan2(dy, dx), plus 2π when
// negative. Two equal points give π/2 (the direction atan2 gives to a null vector).
double gisementRadians(double xa, double ya, double xb, double yb);

// The bearing from (xs, ys) to (xd, yd) in the angle unit.
double gisementDansUnite(double xs, double ys, double xd, double yd, int unite);
