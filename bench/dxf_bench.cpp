// Drawing-file speed: writing and reading the 200,000-entity plan (survey_plan_drawing.h), and the
// same file read by ezdxf in the same run for comparison. The drawing is kept in /tmp; when it is
// already there the reader's peak memory is the reader's own:
//
//   dxf_bench --benchmark_filter=Write   (writes the drawing)
//   dxf_bench --benchmark_filter=DxfRead
#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <malloc.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <memory>
#include <string>

#include "db/dbapserv.h"
#include "db/dbdatabase.h"
#include "survey_plan_drawing.h"

namespace {

const char* const kDrawingPath = "/tmp/dxf_bench_200k_v3.dxf";
const ACHAR* const kDrawingPathW = L"/tmp/dxf_bench_200k_v3.dxf";

// The drawing file, written once per run by the writer benchmark (or here when that one is
// filtered out).
void ensureDrawingFile() {
  static bool done = false;
  if (done) return;
  if (std::FILE* existing = std::fopen(kDrawingPath, "rb")) {
    std::fclose(existing);
    done = true;
    return;
  }
  std::unique_ptr<AcDbDatabase> db = buildSurveyPlanDrawing();
  if (db->saveAs(kDrawingPathW) != Acad::eOk) std::fprintf(stderr, "%s\n", db->lastError().c_str());
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  done = true;
}

void BM_DxfWrite(benchmark::State& state) {
  std::unique_ptr<AcDbDatabase> db = buildSurveyPlanDrawing();
  for (auto _ : state) {
    if (db->saveAs(kDrawingPathW) != Acad::eOk) state.SkipWithError(db->lastError().c_str());
  }
  state.counters["entities_per_s"] =
      benchmark::Counter(kPlanEntities, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MiB"] = peakMemoryMiB();
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
}
BENCHMARK(BM_DxfWrite)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_DxfRead(benchmark::State& state) {
  ensureDrawingFile();
  for (auto _ : state) {
    auto db = std::make_unique<AcDbDatabase>(false, true);
    if (db->readDwgFile(kDrawingPathW) != Acad::eOk) state.SkipWithError(db->lastError().c_str());
    // Opening is what is measured; closing the drawing is not part of it, and the memory it held
    // goes back to the system so that each open's peak is its own, as in a fresh process.
    state.PauseTiming();
    db.reset();
    malloc_trim(0);
    state.ResumeTiming();
  }
  state.counters["entities_per_s"] =
      benchmark::Counter(kPlanEntities, benchmark::Counter::kIsIterationInvariantRate);
  state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_DxfRead)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

// ezdxf reading the same file, timed inside its own process (interpreter start-up excluded).
void BM_EzdxfRead(benchmark::State& state) {
  ensureDrawingFile();
  std::string result = "/tmp/dxf_bench_ezdxf.txt";
  std::string command =
      "/usr/bin/python3 -c 'import ezdxf,time,sys; t=time.perf_counter(); ezdxf.readfile(sys.argv[1]); "
      "print(time.perf_counter()-t)' " + std::string(kDrawingPath) + " > " + result;
  double seconds = 0.0;
  for (auto _ : state) {
    if (std::system(command.c_str()) != 0) {
      state.SkipWithError("ezdxf failed");
      break;
    }
    std::ifstream in(result);
    in >> seconds;
    state.SetIterationTime(seconds);
  }
  state.counters["ezdxf_s"] = seconds;
  state.counters["entities_per_s"] = seconds > 0 ? kPlanEntities / seconds : 0.0;
}
BENCHMARK(BM_EzdxfRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
