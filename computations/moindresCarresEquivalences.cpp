// An observation repeated in the data (the same distance both ways, the same angle twice) would
// count twice in the adjustment: the later copies are removed.
#include <algorithm>
#include <cstdint>
#include <unordered_map>

#include "computations/moindresCarresCalcul.h"

namespace {

uint64_t cle(const observationMC& o) {
  // Points are below 2^20 in any file we can read; the type keeps kinds apart.
  uint64_t a = static_cast<uint32_t>(o.station), b = static_cast<uint32_t>(o.visee);
  uint64_t c = static_cast<uint32_t>(o.reference + 1);
  if (o.type == kObsDistance) {
    if (a > b) std::swap(a, b);
    c = 0;
  } else if (o.type == kObsDenivelee) {
    c = 0;
  }
  return (static_cast<uint64_t>(o.type) << 62) | ((a & 0xfffff) << 41) | ((b & 0xfffff) << 21) |
         (c & 0x1fffff);
}

CString decrire(const observationMC& o) {
  CString texte;
  if (o.type == kObsAngle)
    texte.Format(L"obs Angle de %d à %d (ref=%d) angle=%14.4f", o.station, o.visee, o.reference,
                 versGrades(o.valeur));
  else if (o.type == kObsDistance)
    texte.Format(L"obs Distance de %d à %d d=%14.4f", o.station, o.visee, o.valeur);
  else
    texte.Format(L"obs Dénivellée de %d à %d dz=%14.4f", o.station, o.visee, o.valeur);
  return texte;
}

}  // namespace

void ajouterLigne(CString& journal, const CString& ligne) {
  journal += ligne;
  journal += L"\r\n";
}

void supprimerObservationsEquivalentes(reseauMoindresCarres& r, CString& journal) {
  std::stable_sort(r.observations.begin(), r.observations.end(),
                   [](const observationMC& a, const observationMC& b) { return a.type < b.type; });
  std::unordered_map<uint64_t, int> premieres;
  std::vector<observationMC> gardees;
  gardees.reserve(r.observations.size());
  for (size_t j = 0; j < r.observations.size(); ++j) {
    const observationMC& o = r.observations[j];
    const auto [place, nouvelle] = premieres.emplace(cle(o), static_cast<int>(j));
    if (nouvelle) {
      gardees.push_back(o);
      continue;
    }
    CString ligne;
    ligne.Format(L"Suppression de l'observation %d (equiv a %d)", static_cast<int>(j), place->second);
    ajouterLigne(journal, ligne);
    ajouterLigne(journal, decrire(r.observations[place->second]));
    ajouterLigne(journal, decrire(o));
  }
  r.observations = std::move(gardees);
}
