// Drawing-file speed: writing and reading a drawing of 200,000 entities (lines, circles, texts,
// closed lightweight polylines and block references with two attributes, 40,000 of each), and the
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
#include "db/dbblkref.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbpl.h"
#include "db/dbsymtb.h"
#include "ge/gepnt2d.h"
#include "ge/gepnt3d.h"
#include "ge/gevec3d.h"

namespace {

constexpr int kPerKind = 40000;
constexpr int kEntities = 5 * kPerKind;
const char* const kDrawingPath = "/tmp/dxf_bench_200k_v2.dxf";
const ACHAR* const kDrawingPathW = L"/tmp/dxf_bench_200k_v2.dxf";

AcDbObjectId addPointBlock(AcDbDatabase& db) {
  AcDbBlockTable* blocks = nullptr;
  db.getBlockTable(blocks, AcDb::kForWrite);
  auto* block = new AcDbBlockTableRecord();
  block->setName(L"PT");
  AcDbObjectId blockId;
  blocks->add(blockId, block);
  blocks->close();
  const ACHAR* tags[] = {L"MATRICULE", L"ALTITUDE"};
  for (int i = 0; i < 2; ++i) {
    auto* definition = new AcDbAttributeDefinition(AcGePoint3d(0.7, 0.3 * i, 0), L"", tags[i], tags[i]);
    block->appendAcDbEntity(definition);
    definition->close();
  }
  block->close();
  return blockId;
}

std::unique_ptr<AcDbDatabase> buildDrawing() {
  auto db = std::make_unique<AcDbDatabase>();
  acdbHostApplicationServices()->setWorkingDatabase(db.get());
  AcDbObjectId block = addPointBlock(*db);
  AcDbBlockTableRecord* model = nullptr;
  acdbOpenObject(model, db->modelSpaceId(), AcDb::kForWrite);
  const ACHAR* tags[] = {L"MATRICULE", L"ALTITUDE"};
  for (int i = 0; i < kPerKind; ++i) {
    double x = 1000.0 + i * 0.731, y = 2000.0 + (i % 977) * 1.37;
    auto* reference = new AcDbBlockReference(AcGePoint3d(x, y, 0), block);
    model->appendAcDbEntity(reference);
    std::wstring values[] = {L"P" + std::to_wstring(i), std::to_wstring(100.0 + i * 0.001)};
    for (int k = 0; k < 2; ++k) {
      auto* attribute = new AcDbAttribute(AcGePoint3d(x + 0.7, y + 0.3 * k, 0), values[k].c_str(), tags[k]);
      reference->appendAttribute(attribute);
      attribute->close();
    }
    reference->close();

    auto* line = new AcDbLine(AcGePoint3d(x, y, 0), AcGePoint3d(x + 3.25, y - 1.5, 0));
    model->appendAcDbEntity(line);
    line->close();

    auto* circle = new AcDbCircle(AcGePoint3d(x + 1, y + 1, 0), AcGeVector3d::kZAxis, 0.5 + (i % 7) * 0.1);
    model->appendAcDbEntity(circle);
    circle->close();

    auto* polyline = new AcDbPolyline(4);
    for (unsigned int v = 0; v < 4; ++v) {
      polyline->addVertexAt(v, AcGePoint2d(x + v, y + (v % 2) * 0.5), v == 1 ? 0.25 : 0.0);
    }
    polyline->setClosed(true);
    model->appendAcDbEntity(polyline);
    polyline->close();

    auto* text = new AcDbText(AcGePoint3d(x, y + 1, 0), (L"Texte n°" + std::to_wstring(i)).c_str());
    text->setHeight(0.25);
    model->appendAcDbEntity(text);
    text->close();
  }
  model->close();
  return db;
}

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
  std::unique_ptr<AcDbDatabase> db = buildDrawing();
  if (db->saveAs(kDrawingPathW) != Acad::eOk) std::fprintf(stderr, "%s\n", db->lastError().c_str());
  acdbHostApplicationServices()->setWorkingDatabase(nullptr);
  done = true;
}

void BM_DxfWrite(benchmark::State& state) {
  std::unique_ptr<AcDbDatabase> db = buildDrawing();
  for (auto _ : state) {
    if (db->saveAs(kDrawingPathW) != Acad::eOk) state.SkipWithError(db->lastError().c_str());
  }
  state.counters["entities_per_s"] =
      benchmark::Counter(kEntities, benchmark::Counter::kIsIterationInvariantRate);
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
      benchmark::Counter(kEntities, benchmark::Counter::kIsIterationInvariantRate);
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
  state.counters["entities_per_s"] = seconds > 0 ? kEntities / seconds : 0.0;
}
BENCHMARK(BM_EzdxfRead)->Unit(benchmark::kMillisecond)->UseManualTime()->Iterations(1);

}  // namespace

BENCHMARK_MAIN();
