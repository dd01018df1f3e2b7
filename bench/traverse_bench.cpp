// Traverses at scale: a closed traverse of 10,000 stations adjusted with its HTML report written,
// and an observation file of 10,000 rows written and read. Each run reports the process's peak
// memory.
//
//   traverse_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <cmath>
#include <cstdio>
#include <numbers>
#include <string>

#include "computations/fichierObservations.h"
#include "computations/polygonale.h"
#include "computations/rapportPolygonale.h"
#include "reports/htmlPage.h"

namespace {

constexpr int kStations = 10000;
const char* const kRapport = "/tmp/traverse_bench.html";
const wchar_t* const kFichier = L"/tmp/traverse_bench.obs";

// A regular polygon of 10,000 sides of 10 m, each exterior angle with a small error.
entreesPolygonale grandeBoucle() {
  entreesPolygonale e;
  e.depart = {L"S0", 1000, 1000, 100, 0};
  e.nivellement = kNivellementRacines;
  const double exterieur = 200.0 + 400.0 / kStations;
  for (int k = 0; k < kStations; ++k) {
    obsPolygonale o;
    std::swprintf(o.station, kLongueurMaxNomStation + 1, L"S%d", (k + 1) % kStations);
    o.angle = exterieur + ((k % 7) - 3) * 1e-4;
    o.distance = 10.0 + (k % 5) * 1e-3;
    o.denivelee = std::sin(k * 0.01) * 0.1;
    e.observees.push_back(o);
  }
  return e;
}

donneesObservations grandFichier() {
  donneesObservations d;
  d.depart = {L"Départ", 1000, 2000, 100, 12.5};
  d.unite = kUniteDegres;
  d.nivellement = kNivellementDistances;
  for (int k = 0; k < kStations; ++k) {
    CString nom, angle, distance, dz;
    nom.Format(L"Borne %d", k);
    angle.Format(L"%.5f", 180.0 + (k % 13) * 0.01);
    distance.Format(L"%.5f", 20.0 + (k % 11));
    dz.Format(L"%.5f", (k % 9) * 0.01 - 0.04);
    d.lignes.push_back({nom, angle, distance, dz});
  }
  return d;
}

void memoire(benchmark::State& state) {
  state.counters["peak_MiB"] = peakMemoryMiB();
  state.counters["rows"] = kStations;
}

void BM_PolygonaleFermeeAvecRapport(benchmark::State& state) {
  const entreesPolygonale e = grandeBoucle();
  for (auto _ : state) {
    std::vector<obsPolygonale> lignes = e.observees;
    resultatPolygonaleFermee r;
    if (calculerPolygonaleFermee(e.depart, e.nivellement, e.unite, lignes, r) != 0) {
      state.SkipWithError("not computed");
      return;
    }
    htmlPage page;
    page.setFileName(kRapport);
    rapportPolygonaleFermee(e, r, page);
    page.write();
    benchmark::DoNotOptimize(r.x.back());
  }
  std::remove(kRapport);
  memoire(state);
}

void BM_EcrireFichierObservations(benchmark::State& state) {
  const donneesObservations d = grandFichier();
  for (auto _ : state) {
    if (ecrireFichierObservations(kFichier, d) != kObservationsEcrites) state.SkipWithError("not written");
  }
  memoire(state);
}

void BM_LireFichierObservations(benchmark::State& state) {
  ecrireFichierObservations(kFichier, grandFichier());
  for (auto _ : state) {
    donneesObservations d;
    lireFichierObservations(kFichier, d);
    if (d.lignes.size() != static_cast<size_t>(kStations)) state.SkipWithError("rows lost");
    benchmark::DoNotOptimize(d.lignes.data());
  }
  std::remove("/tmp/traverse_bench.obs");
  memoire(state);
}

}  // namespace

BENCHMARK(BM_PolygonaleFermeeAvecRapport)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_EcrireFichierObservations)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LireFichierObservations)->Unit(benchmark::kMillisecond);
BENCHMARK_MAIN();
