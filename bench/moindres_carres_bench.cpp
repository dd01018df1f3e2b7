// Least-squares networks at scale: a grid of unknown points with distances and angles (seeded,
// realistic noise), fixed on its first row and column; one "Solution" each run (repeated
// observations, approximate coordinates, one adjustment). Each run reports the peak memory.
//
//   moindres_carres_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <cmath>
#include <cstdio>
#include <random>
#include <string>

#include "computations/moindresCarresCalcul.h"
#include "computations/moindresCarresGeometrie.h"

namespace {

// A side x side grid of unknown points, 100 m apart and shaken by up to 20 m, beyond one row and
// one column of known points. Each point is tied to its left, lower and lower-left neighbours by
// distances (3 mm noise) and by two angles (1 mgr noise).
std::string reseauGrille(int cote) {
  std::mt19937 gen(2024);
  std::uniform_real_distribution<double> decalage(-20, 20);
  std::normal_distribution<double> bruit(0, 1);
  const int n = cote + 1;
  std::vector<pointPlan> vrais(n * n);
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i) vrais[j * n + i] = {10000 + 100.0 * i + decalage(gen), 20000 + 100.0 * j + decalage(gen)};
  auto nom = [&](int i, int j) { return "P" + std::to_string(j * n + i); };
  std::string t = "XYZ\n";
  char ligne[256];
  for (int j = 0; j < n; ++j)
    for (int i = 0; i < n; ++i)
      if (i == 0 || j == 0) {
        std::snprintf(ligne, sizeof ligne, "%s %.4f %.4f\n", nom(i, j).c_str(), vrais[j * n + i].x, vrais[j * n + i].y);
        t += ligne;
      }
  t += "OBS\n";
  auto angle = [&](int s, int r, int v) {
    return reduireTour(gisement(vrais[s], vrais[v]) - gisement(vrais[s], vrais[r])) * 200 / kPi + 0.001 * bruit(gen);
  };
  for (int j = 1; j < n; ++j)
    for (int i = 1; i < n; ++i) {
      const int p = j * n + i, gauche = p - 1, bas = p - n, diagonale = p - n - 1;
      for (int autre : {gauche, bas, diagonale}) {
        std::snprintf(ligne, sizeof ligne, "P%d NORD P%d - %.4f\n", autre, p,
                      distancePlan(vrais[autre], vrais[p]) + 0.003 * bruit(gen));
        t += ligne;
      }
      std::snprintf(ligne, sizeof ligne, "P%d P%d P%d %.5f\n", gauche, diagonale, p, angle(gauche, diagonale, p));
      t += ligne;
      std::snprintf(ligne, sizeof ligne, "P%d P%d P%d %.5f\n", p, gauche, bas, angle(p, gauche, bas));
      t += ligne;
    }
  return t;
}

void solution(benchmark::State& state, methodeResolution methode) {
  const int cote = static_cast<int>(state.range(0));
  reseauMoindresCarres donnees;
  if (!lireReseauMoindresCarres(reseauGrille(cote), donnees)) {
    state.SkipWithError("réseau illisible");
    return;
  }
  bool reussi = true;
  for (auto _ : state) {
    reseauMoindresCarres r = donnees;
    CString journal;
    reussi &= resoudreReseau(r, formulesPoids(), journal, methode);
    benchmark::DoNotOptimize(journal.GetLength());
  }
  if (!reussi) state.SkipWithError("solution impossible");
  state.counters["points"] = cote * cote;
  state.counters["observations"] = static_cast<double>(donnees.observations.size());
  state.counters["peak_MiB"] = peakMemoryMiB();
}

void BM_SolutionAutomatique(benchmark::State& state) { solution(state, methodeResolution::automatique); }
void BM_SolutionQRDense(benchmark::State& state) { solution(state, methodeResolution::qrDense); }

}  // namespace

// 32 x 32 = 1,024 and 71 x 71 = 5,041 unknown points.
BENCHMARK(BM_SolutionAutomatique)->Arg(32)->Arg(71)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolutionQRDense)->Arg(32)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
