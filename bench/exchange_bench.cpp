// Point exchange at scale: 100,000 points exported as text and HTML, a 100,000-line N X Y Z file
// loaded and saved, 10,000 records placed as point blocks, a coordinates table of 10,000 points.
// Each run reports the process's peak memory.
//
//   exchange_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "codification/globalCodification.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "ed/editor.h"
#include "exchange/exportPoints.h"
#include "exchange/tableCoordonnees.h"
#include "exchange/tableObsXYZ.h"
#include "points/listePointsDuDessin.h"

namespace {

constexpr int kExportes = 100000;
constexpr int kPlaces = 10000;
const wchar_t* const kTexte = L"/tmp/exchange_bench_points.txt";
const wchar_t* const kPage = L"/tmp/exchange_bench_points.html";
const wchar_t* const kCoordonnees = L"/tmp/exchange_bench_points.xyz";

// Points on a 400-wide grid, every tenth without altitude.
pointDuDessin nthPoint(int i) {
  pointDuDessin p;
  wchar_t name[16];
  std::swprintf(name, 16, L"P%d", i + 1);
  p.setParams(name, AcGePoint3d(1000.0 + (i % 400) * 2.5, 2000.0 + (i / 400) * 2.5, i % 10 == 0 ? kSansValeur : 100.0 + i * 1e-4),
              1 + i % 50);
  return p;
}

pointXYZ nthRecord(int i) {
  const pointDuDessin p = nthPoint(i);
  pointXYZ r;
  r.nom.Format(L"P%d", i + 1);
  r.x = p.getX();
  r.y = p.getY();
  r.z = p.getZ();
  r.code = p.getCode();
  if (i % 7 == 0) r.obs = L"haie vive";
  return r;
}

void report(benchmark::State& state, int count) {
  state.counters["peak_MiB"] = peakMemoryMiB();
  state.counters["points"] = count;
}

// Dialogs and prompts read an empty input and print nothing.
void quietEditor() {
  ed::Editor& editor = ed::Editor::instance();
  editor.transcript().setStdout(false);
  editor.setInput(std::make_unique<ed::QueueSource>());
}

struct exported {
  std::vector<pointDuDessin> points;
  std::vector<const pointDuDessin*> list;
  exported() {
    points.reserve(kExportes);
    for (int i = 0; i < kExportes; ++i) points.push_back(nthPoint(i));
    for (const pointDuDessin& p : points) list.push_back(&p);
  }
};

void BM_ExportTexte(benchmark::State& state) {
  exported e;
  for (auto _ : state) benchmark::DoNotOptimize(exporterTexte(kTexte, e.list));
  std::remove("/tmp/exchange_bench_points.txt");
  report(state, kExportes);
}

void BM_ExportHtml(benchmark::State& state) {
  exported e;
  for (auto _ : state) exporterHtml(kPage, e.list, kExportes);
  std::remove("/tmp/exchange_bench_points.html");
  report(state, kExportes);
}

void BM_SaveNXYZ(benchmark::State& state) {
  tableObsXYZ table;
  for (int i = 0; i < kExportes; ++i) table.add(nthRecord(i));
  for (auto _ : state) benchmark::DoNotOptimize(table.save(kCoordonnees));
  report(state, kExportes);
}

void BM_LoadNXYZ(benchmark::State& state) {
  {
    tableObsXYZ table;
    for (int i = 0; i < kExportes; ++i) table.add(nthRecord(i));
    table.save(kCoordonnees);
  }
  for (auto _ : state) {
    tableObsXYZ table;
    table.load(kCoordonnees, true);
    benchmark::DoNotOptimize(table.count());
  }
  std::remove("/tmp/exchange_bench_points.xyz");
  report(state, kExportes);
}

// The records become survey points of the current table, each with its block.
void BM_PlaceRecords(benchmark::State& state) {
  quietEditor();
  tableCodification* codes = globalCodification();  // read once, before timing
  tableObsXYZ records;
  for (int i = 0; i < kPlaces; ++i) records.add(nthRecord(i));
  for (auto _ : state) {
    state.PauseTiming();
    auto drawing = std::make_unique<AcDbDatabase>(true, false);
    acdbHostApplicationServices()->setWorkingDatabase(drawing.get());
    projetsTopo projet;
    tablesPoints = &projet;
    state.ResumeTiming();
    benchmark::DoNotOptimize(records.placeInDrawing(codes));
    state.PauseTiming();
    tablesPoints = nullptr;
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    drawing.reset();
    state.ResumeTiming();
  }
  report(state, kPlaces);
}

// Measuring every cell in the current text style, laying out and drawing the texts and lines.
void BM_TableXYZ(benchmark::State& state) {
  quietEditor();
  std::vector<pointTableCoord> points;
  for (int i = 0; i < kPlaces; ++i) {
    const pointDuDessin p = nthPoint(i);
    points.push_back({CString(L"P") + std::to_wstring(i + 1).c_str(), p.getX(), p.getY(), p.getZ(), p.getCode()});
  }
  paramsTableCoordonnees params;
  params.colonnes[kColCode] = true;
  for (auto _ : state) {
    state.PauseTiming();
    auto drawing = std::make_unique<AcDbDatabase>(true, false);
    acdbHostApplicationServices()->setWorkingDatabase(drawing.get());
    state.ResumeTiming();
    const dispositionTableCoord table = disposerTableCoordonnees(
        points, params, 0, 0, mesureStyleCourant(params.hauteur), [](int, CString&) { return false; });
    benchmark::DoNotOptimize(dessinerTableCoordonnees(table, params.hauteur));
    state.PauseTiming();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    drawing.reset();
    state.ResumeTiming();
  }
  report(state, kPlaces);
}

}  // namespace

BENCHMARK(BM_ExportTexte)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExportHtml)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_SaveNXYZ)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_LoadNXYZ)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_PlaceRecords)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TableXYZ)->Unit(benchmark::kMillisecond)->Iterations(1);

BENCHMARK_MAIN();
