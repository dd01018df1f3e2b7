#include "exchange/compteurEnregistrements.h"

#include <ctime>

namespace {

constexpr std::uint32_t kNonDemarre = 0xFFFFFFFFu;
std::uint32_t g_compteur = kNonDemarre;

}  // namespace

std::uint32_t nouvelIdEnregistrement() {
  if (g_compteur == kNonDemarre) g_compteur = static_cast<std::uint32_t>(std::time(nullptr));
  if (g_compteur == kNonDemarre) ++g_compteur;  // wrapped: 0 is as good a start as any
  return g_compteur++;
}

void reinitialiserCompteurEnregistrements() { g_compteur = kNonDemarre; }
void fixerCompteurEnregistrements(std::uint32_t valeur) { g_compteur = valeur; }
