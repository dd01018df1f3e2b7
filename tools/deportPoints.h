// The capture distance of c:JLDEPORTPNTS, remembered for the whole session.
#pragma once

constexpr double kDistanceCaptureInitiale = 0.5;

// A typed distance as it is kept: its absolute value, at least 0.0001.
double distanceCaptureRetenue(double reponse);
// Back to the first value (tests, new session).
void oublierDistanceCapture();
