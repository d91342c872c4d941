// The redraw at full size: the benchmark sphere (bench/sphere_scene.h, 99 990 faces in
// objects of at most 21 000) drawn in all three views wired, flat, Gouraud and Phong, with
// and without the survey view; the corner-normal pass alone; and the flat and Gouraud
// redraws at 10 000 faces to show how the cost grows with the faces. Each redraw also
// reports the process's peak resident memory so far (peak_rss_mb); the 99 990-face runs
// come first, so theirs is the peak with the large scene alone.
#include <benchmark/benchmark.h>
#include <sys/resource.h>

#include "render/rasteriser.h"
#include "render/survey_view.h"
#include "scene/null_host.h"
#include "sphere_scene.h"
#include "workspace.h"

namespace facetry {
namespace {

enum Mode { kWire, kFlat, kGouraud, kPhong };

Workspace& workspace(int faces) {
  static Workspace* big = nullptr;
  static Workspace* small = nullptr;
  Workspace*& ws = faces > 50000 ? big : small;
  if (!ws) {
    ws = new Workspace;
    startWorkspace(*ws, 1);
    NullHost host;
    bench::addSphereScene(ws->scene, host, faces > 50000 ? bench::kSphere100k : bench::kSphere10k);
  }
  return *ws;
}

void setMode(Workspace& ws, Mode mode) {
  for (int v = 0; v < 3; ++v) {
    ws.views.ViewShading[static_cast<std::size_t>(v)] = {mode != kWire, mode == kFlat,
                                                         mode == kGouraud, mode == kPhong};
  }
  ws.views.ViewShading[3] = {false, true, false, false};
}

double peakRssMb() {
  rusage usage{};
  getrusage(RUSAGE_SELF, &usage);
  return static_cast<double>(usage.ru_maxrss) / 1024.0;  // ru_maxrss is in KiB on Linux
}

// The three views; with survey = 1 also the survey view, as after every edit.
void BM_Teken(benchmark::State& state) {
  Workspace& ws = workspace(static_cast<int>(state.range(0)));
  setMode(ws, static_cast<Mode>(state.range(1)));
  ws.views.SurveyVisible = state.range(2) != 0;
  for (auto _ : state) redraw(ws);
  state.counters["faces"] = ws.scene.FaceCount;
  state.counters["peak_rss_mb"] = peakRssMb();
}
BENCHMARK(BM_Teken)
    ->ArgNames({"faces", "mode", "survey"})
    ->Args({99990, kWire, 0})
    ->Args({99990, kFlat, 0})
    ->Args({99990, kGouraud, 0})
    ->Args({99990, kPhong, 0})
    ->Args({99990, kFlat, 1})
    ->Args({99990, kGouraud, 1})
    ->Args({10000, kFlat, 0})
    ->Args({10000, kGouraud, 0})
    ->Unit(benchmark::kMillisecond);

// A smooth redraw after an edit: one corner moves before each redraw, so the corner
// normals kept from the redraw before cannot be used.
void BM_TekenAfterEdit(benchmark::State& state) {
  Workspace& ws = workspace(99990);
  setMode(ws, static_cast<Mode>(state.range(0)));
  ws.views.SurveyVisible = false;
  float step = 0.5f;
  for (auto _ : state) {
    ws.scene.FaceTable[0].corners[0].x += step;
    step = -step;
    redraw(ws);
  }
}
BENCHMARK(BM_TekenAfterEdit)
    ->ArgName("mode")
    ->Arg(kFlat)
    ->Arg(kGouraud)
    ->Unit(benchmark::kMillisecond);

void BM_ComputeVertexNormals(benchmark::State& state) {
  Workspace& ws = workspace(99990);
  for (auto _ : state) computeVertexNormals(ws.scene, ws.lighting);
}
BENCHMARK(BM_ComputeVertexNormals)->Unit(benchmark::kMillisecond);

// The survey view alone, flat, after one redraw of the views (its centroid and angles).
void BM_SurveyTeken(benchmark::State& state) {
  Workspace& ws = workspace(99990);
  setMode(ws, kFlat);
  ws.views.SurveyVisible = true;
  redraw(ws);
  SurveyParts parts = ws.surveyParts();
  for (auto _ : state) surveyTeken(parts, false, -1, -1);
}
BENCHMARK(BM_SurveyTeken)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
