// The stake-out at scale on a terrain of 200,000 triangles: building the terrain's index,
// elevation lookups, profiles, and the sight lines of 1,000 points from 10 stations past 100 point
// obstacles. Each run reports the process's peak memory.
//
//   implantation_bench [--benchmark_filter=...]
#include <benchmark/benchmark.h>

#include "peak_memory.h"

#include <cmath>
#include <memory>
#include <random>
#include <vector>

#include "stakeout/observationMiseEnStationOrientee.h"
#include "stakeout/obstaclePonctuelImplantation.h"
#include "stakeout/visibiliteImplantation.h"
#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "db/dbsymtb.h"
#include "drawing_faces.h"
#include "tin_surface.h"

namespace {

constexpr int kGridSide = 317;  // 317 × 317 squares, two triangles each: 200,978 triangles
constexpr double kExtent = 1000.0;
constexpr int kPoints = 1000;
constexpr int kStations = 10;
constexpr int kObstacles = 100;

double ground(double x, double y) { return 100.0 + 5.0 * std::sin(x / 37.0) * std::cos(y / 53.0); }

std::vector<terrain::Triangle> terrainTriangles() {
  std::vector<terrain::Triangle> triangles;
  triangles.reserve(2 * kGridSide * kGridSide);
  const double step = kExtent / kGridSide;
  auto p = [&](int i, int j) { return AcGePoint3d(i * step, j * step, ground(i * step, j * step)); };
  for (int i = 0; i < kGridSide; ++i) {
    for (int j = 0; j < kGridSide; ++j) {
      triangles.push_back({p(i, j), p(i + 1, j), p(i + 1, j + 1)});
      triangles.push_back({p(i, j), p(i + 1, j + 1), p(i, j + 1)});
    }
  }
  return triangles;
}

const terrain::TinSurface& surface() {
  static const terrain::TinSurface built = [] {
    terrain::TinSurface s;
    s.build(terrainTriangles());
    return s;
  }();
  return built;
}

// The stake-out's view of the surface, as the terrain module gives it.
class surfaceTerrain : public terrainImplantation {
 public:
  bool altitude(AcGePoint3d& p) const override { return surface().elevationAt(p.x, p.y, p.z); }
  bool profil(const AcGePoint3d& a, const AcGePoint3d& b,
              std::vector<std::vector<AcGePoint3d>>& out) const override {
    out = surface().profile(a, b);
    return true;
  }
};

void reportMemory(benchmark::State& state) { state.counters["peak_MiB"] = peakMemoryMiB(); }

void BM_BuildTerrainIndex(benchmark::State& state) {
  const std::vector<terrain::Triangle> triangles = terrainTriangles();
  for (auto _ : state) {
    terrain::TinSurface s;
    s.build(triangles);
    benchmark::DoNotOptimize(s.triangleCount());
  }
  state.counters["triangles"] = static_cast<double>(triangles.size());
  reportMemory(state);
}
BENCHMARK(BM_BuildTerrainIndex)->Unit(benchmark::kMillisecond);

// What the terrain module does at each request: the drawing's 3D faces read, then indexed.
void BM_TerrainFromDrawingFaces(benchmark::State& state) {
  AcDbDatabase database(true, true);
  AcDbBlockTableRecord* space = nullptr;
  acdbOpenObject(space, database.modelSpaceId(), AcDb::kForWrite);
  const std::vector<terrain::Triangle> triangles = terrainTriangles();
  for (const terrain::Triangle& t : triangles) {
    auto* face = new AcDbFace(t.a, t.b, t.c);
    if (space->appendAcDbEntity(face) == Acad::eOk) face->close();
  }
  space->close();
  for (auto _ : state) {
    terrain::TinSurface s;
    s.build(terrain::drawingTriangles(&database));
    benchmark::DoNotOptimize(s.triangleCount());
  }
  reportMemory(state);
}
BENCHMARK(BM_TerrainFromDrawingFaces)->Unit(benchmark::kMillisecond);

void BM_ElevationLookups(benchmark::State& state) {
  const terrain::TinSurface& s = surface();
  std::mt19937 random(3);
  std::uniform_real_distribution<double> inside(0.0, kExtent);
  std::vector<AcGePoint2d> places(10000);
  for (AcGePoint2d& p : places) p.set(inside(random), inside(random));
  for (auto _ : state) {
    double sum = 0.0;
    for (const AcGePoint2d& p : places) {
      double z = 0.0;
      if (s.elevationAt(p.x, p.y, z)) sum += z;
    }
    benchmark::DoNotOptimize(sum);
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(places.size()));
  reportMemory(state);
}
BENCHMARK(BM_ElevationLookups)->Unit(benchmark::kMillisecond);

void BM_Profiles(benchmark::State& state) {
  const terrain::TinSurface& s = surface();
  std::mt19937 random(5);
  std::uniform_real_distribution<double> inside(0.0, kExtent);
  std::vector<std::pair<AcGePoint3d, AcGePoint3d>> segments(1000);
  for (auto& [a, b] : segments) {
    a.set(inside(random), inside(random), 0.0);
    b.set(inside(random), inside(random), 0.0);
  }
  size_t vertices = 0;
  for (auto _ : state) {
    for (const auto& [a, b] : segments) {
      for (const auto& stretch : s.profile(a, b)) vertices += stretch.size();
    }
  }
  state.SetItemsProcessed(state.iterations() * static_cast<int64_t>(segments.size()));
  state.counters["vertices_per_profile"] =
      static_cast<double>(vertices) / (state.iterations() * segments.size());
  reportMemory(state);
}
BENCHMARK(BM_Profiles)->Unit(benchmark::kMillisecond);

// 1,000 points shared among 10 stations (state.range(0) = 1), or every point from every station
// (10,000 sight lines, state.range(0) = 10).
void BM_VisibilityOfAllPoints(benchmark::State& state) {
  const int stationsPerPoint = static_cast<int>(state.range(0));
  surface();
  const surfaceTerrain terrain;
  std::mt19937 random(11);
  std::uniform_real_distribution<double> inside(10.0, kExtent - 10.0);
  std::vector<std::unique_ptr<observationMiseEnStationOrientee>> stations;
  for (int i = 0; i < kStations; ++i) {
    auto s = std::make_unique<observationMiseEnStationOrientee>();
    AcGePoint3d p(inside(random), inside(random), 0.0);
    terrain.altitude(p);
    s->setPosition(p.x, p.y, p.z);
    stations.push_back(std::move(s));
  }
  std::vector<observationImplantation> points(kPoints);
  for (observationImplantation& p : points) {
    p.x = inside(random);
    p.y = inside(random);
  }
  std::vector<std::unique_ptr<obstacleImplantation>> obstacles;
  for (int i = 0; i < kObstacles; ++i) {
    auto o = std::make_unique<obstaclePonctuelImplantation>();
    o->setCentre(AcGePoint2d(inside(random), inside(random)));
    o->setRayon(2.0);
    o->setHauteur(6.0);
    obstacles.push_back(std::move(o));
  }
  int hidden = 0;
  for (auto _ : state) {
    hidden = 0;
    for (int i = 0; i < kPoints; ++i) {
      for (int k = 0; k < stationsPerPoint; ++k) {
        testerVisibilite(points[i], *stations[(i + k) % kStations], 1.5, obstacles, &terrain);
        if (!estVisible(points[i], 1.0)) ++hidden;
      }
    }
  }
  state.SetItemsProcessed(state.iterations() * kPoints * stationsPerPoint);
  state.counters["hidden"] = hidden;
  reportMemory(state);
}
BENCHMARK(BM_VisibilityOfAllPoints)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
