// Survey points at scale: 100,000 points through the table operations, the drawing's record, their
// blocks and a save and reopen of the drawing. Each run reports the process's peak memory.
//
//   points_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <cstdio>
#include <fstream>
#include <memory>
#include <string>

#include "codification/globalCodification.h"
#include "db/acutads.h"
#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "points/CResbuf.h"
#include "points/listePointsDuDessin.h"

namespace {

constexpr int kPoints = 100000;
const char* const kDrawingPath = "/tmp/points_bench_100k.dxf";

// Points on a 400 x 250 grid, every tenth one a copy of its neighbour (for delDups), every third
// one without a number (for renumeroter).
pointDuDessin nthPoint(int i) {
  pointDuDessin p;
  const int k = i % 10 == 9 ? i - 1 : i;
  wchar_t name[16];
  std::swprintf(name, 16, i % 3 == 0 ? L"*" : L"%d", i + 1);
  p.setParams(name, AcGePoint3d(1000.0 + (k % 400) * 2.5, 2000.0 + (k / 400) * 2.5, 100.0 + k * 1e-4),
              1 + i % 50);
  return p;
}

void fill(listePointsDuDessin& table) {
  for (int i = 0; i < kPoints; ++i) table.Ajouter(nthPoint(i));
}

void report(benchmark::State& state) {
  state.counters["peak_MiB"] = peakMemoryMiB();
  state.counters["points"] = kPoints;
}

void BM_Ajouter(benchmark::State& state) {
  for (auto _ : state) {
    listePointsDuDessin table;
    fill(table);
    benchmark::DoNotOptimize(table.nbPoint());
  }
  report(state);
}

void BM_ExistPoint(benchmark::State& state) {
  listePointsDuDessin table;
  fill(table);
  for (auto _ : state) {
    int found = 0;
    for (int i = 0; i < kPoints; ++i) {
      int position = -1;
      const std::wstring name = i % 3 == 0 ? L"*" : std::to_wstring(i + 1);
      found += table.existPoint(name.c_str(), position);
    }
    benchmark::DoNotOptimize(found);
  }
  report(state);
}

void BM_DelDups(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    listePointsDuDessin table;
    fill(table);
    state.ResumeTiming();
    table.delDups();
    benchmark::DoNotOptimize(table.nbPoint());
  }
  report(state);
}

void BM_RenumeroterSansNumero(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    listePointsDuDessin table;
    fill(table);
    state.ResumeTiming();
    table.renumeroter(false);
  }
  report(state);
}

void BM_RecordSaveAndLoad(benchmark::State& state) {
  projetsTopo project;
  fill(*project.currTable());
  for (auto _ : state) {
    CResbuf chain;
    project.SaveToXrecord(chain);
    CResbuf reading(acutCopyRbChain(chain.chaine()));
    projetsTopo back;
    back.LoadFromXrecord(reading);
    benchmark::DoNotOptimize(back.currTable()->nbPoint());
  }
  report(state);
}

std::wstring wide(const char* text) { return std::wstring(text, text + std::char_traits<char>::length(text)); }

// The point blocks of every point (their five layers made on the way).
void BM_CreerBlocs(benchmark::State& state) {
  globalCodification();  // the code file is read once, before timing
  for (auto _ : state) {
    state.PauseTiming();
    auto drawing = std::make_unique<AcDbDatabase>(true, false);
    acdbHostApplicationServices()->setWorkingDatabase(drawing.get());
    listePointsDuDessin table;
    fill(table);
    state.ResumeTiming();
    for (int i = 0; i < table.nbPoint(); ++i) table.getData(i)->creer(true);
    state.PauseTiming();
    acdbHostApplicationServices()->setWorkingDatabase(nullptr);
    drawing.reset();
    state.ResumeTiming();
  }
  report(state);
}

// A drawing of 100,000 point blocks saved as DXF and read again.
void BM_DrawingSaveAndReopen(benchmark::State& state) {
  auto drawing = std::make_unique<AcDbDatabase>(true, false);
  acdbHostApplicationServices()->setWorkingDatabase(drawing.get());
  listePointsDuDessin table;
  fill(table);
  for (int i = 0; i < table.nbPoint(); ++i) table.getData(i)->creer(true);
  for (auto _ : state) {
    drawing->saveAs(wide(kDrawingPath).c_str());
    AcDbDatabase reread(false, true);
    reread.readDwgFile(wide(kDrawingPath).c_str());
    benchmark::DoNotOptimize(reread.allObjectIds().size());
  }
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  std::remove(kDrawingPath);
  report(state);
}

BENCHMARK(BM_Ajouter)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_ExistPoint)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_DelDups)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RenumeroterSansNumero)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_RecordSaveAndLoad)->Unit(benchmark::kMillisecond)->Iterations(3);
BENCHMARK(BM_CreerBlocs)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_DrawingSaveAndReopen)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
