// The ids of coordinate records and drawn survey points: one counter for the whole run of the
// host, started from the clock at its first use so that two runs rarely hand out the same ids.
#pragma once
#include <cstdint>

// The current value, then one more; 0xFFFFFFFF (the counter's "not started") is never handed out.
std::uint32_t nouvelIdEnregistrement();

// The counter back to "not started", or set to a known value (tests).
void reinitialiserCompteurEnregistrements();
void fixerCompteurEnregistrements(std::uint32_t valeur);
