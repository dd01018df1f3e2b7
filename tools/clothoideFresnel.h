// Fresnel integrals C(x) = ∫0..x cos(π t²/2) dt and S(x) = ∫0..x sin(π t²/2) dt, accurate to
// about 1e-15 absolute over the whole real line.
#pragma once

// False (c and s untouched) for a NaN or infinite argument.
bool integralesFresnel(double x, double& c, double& s);
