// Drawing-view speed on the 200,000-entity plan (survey_plan_drawing.h), drawn offscreen on a
// 1600 x 1000 view:
//   FirstPaint: the display list and its grid built from the drawing, then the first paint at
//               zoom extents (what opening a drawing costs before the user sees it);
//   PanRedraw:  a redraw after a pan of 40 pixels, at zoom extents (every entity on the screen)
//               and zoomed in on a tenth of the drawing's height (the last picture moves and
//               only the uncovered strip is drawn);
//   FullRedraw: the whole screen drawn again from the display list (after a zoom);
//   EditRedraw: one line moved, as a command does, then the view brought up to date (the line
//               drawn again, the places it left and took repainted) and painted, at zoom extents
//               and zoomed in.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <QPainter>
#include <cmath>
#include <memory>

#include "db/dbdatabase.h"
#include "db/dbents.h"
#include "peak_memory.h"
#include "rx/acdocman.h"
#include "survey_plan_drawing.h"
#include "view/drawing_view.h"

namespace {

constexpr int kWidth = 1600;
constexpr int kHeight = 1000;

// The drawing as a document, built once for the run.
AcApDocument* document() {
  static AcApDocument* built = nullptr;
  if (built == nullptr) built = acDocManager->addDocument(buildSurveyPlanDrawing(), L"bench.dxf");
  return built;
}

void paint(gui::DrawingView& view, QImage& image) {
  QPainter painter(&image);
  view.paintDrawing(painter);
}

void BM_FirstPaint(benchmark::State& state) {
  AcApDocument* doc = document();
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    gui::DrawingView view;
    view.resize(kWidth, kHeight);
    view.setDocument(doc);
    view.zoomExtents();
    paint(view, image);
    benchmark::DoNotOptimize(image.bits());
    state.counters["drawn"] = static_cast<double>(view.lastDrawnCount());
  }
  state.counters["entities"] = kPlanEntities;
  state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_FirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

void BM_PanRedraw(benchmark::State& state) {
  double zoom = static_cast<double>(state.range(0));
  gui::DrawingView view;
  view.resize(kWidth, kHeight);
  view.setDocument(document());
  view.zoomExtents();
  if (zoom > 1) view.zoomAbout(QPointF(kWidth / 2.0, kHeight / 2.0), zoom);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  paint(view, image);
  int step = 0;
  for (auto _ : state) {
    view.pan(QPointF((step++ % 2 == 0) ? 40 : -40, 0));
    paint(view, image);
    benchmark::DoNotOptimize(image.bits());
  }
  state.counters["drawn"] = static_cast<double>(view.lastDrawnCount());
  state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_PanRedraw)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_FullRedraw(benchmark::State& state) {
  double zoom = static_cast<double>(state.range(0));
  gui::DrawingView view;
  view.resize(kWidth, kHeight);
  view.setDocument(document());
  view.zoomExtents();
  if (zoom > 1) view.zoomAbout(QPointF(kWidth / 2.0, kHeight / 2.0), zoom);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  for (auto _ : state) {
    view.invalidate();
    paint(view, image);
    benchmark::DoNotOptimize(image.bits());
  }
  state.counters["drawn"] = static_cast<double>(view.lastDrawnCount());
  state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_FullRedraw)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EditRedraw(benchmark::State& state) {
  double zoom = static_cast<double>(state.range(0));
  AcApDocument* doc = document();
  gui::DrawingView view;
  view.resize(kWidth, kHeight);
  view.setDocument(doc);
  view.zoomExtents();
  if (zoom > 1) view.zoomAbout(QPointF(kWidth / 2.0, kHeight / 2.0), zoom);
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  paint(view, image);
  // A line near the middle of the screen.
  QPointF middle = view.toDrawing(QPointF(kWidth / 2.0, kHeight / 2.0));
  AcDbObjectId lineId;
  for (const gui::DisplayItem& item : view.displayList().items()) {
    QPointF center = item.bounds.center();
    if (item.id.objectClass() == AcDbLine::desc() && std::abs(center.x() - middle.x()) < 5 &&
        std::abs(center.y() - middle.y()) < 5) {
      lineId = item.id;
      break;
    }
  }
  if (lineId.isNull()) {
    state.SkipWithError("no line near the middle");
    return;
  }
  unsigned long rebuilds = view.fullRebuildCount();
  int step = 0;
  for (auto _ : state) {
    AcDbLine* line = nullptr;
    acdbOpenObject(line, lineId, AcDb::kForWrite);
    AcGePoint3d end = line->endPoint();
    line->setEndPoint(AcGePoint3d(end.x + ((step++ % 2 == 0) ? 0.5 : -0.5), end.y, 0));
    line->close();
    view.updateFromChanges();
    paint(view, image);
    benchmark::DoNotOptimize(image.bits());
  }
  if (view.fullRebuildCount() != rebuilds) state.SkipWithError("the view was rebuilt");
  state.counters["drawn"] = static_cast<double>(view.lastDrawnCount());
  state.counters["peak_MiB"] = peakMemoryMiB();
}
BENCHMARK(BM_EditRedraw)->Arg(1)->Arg(10)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication application(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  acDocManager->closeAll();
  return 0;
}
