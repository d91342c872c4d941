// The redraw at full size: a 99 999-face sphere filling most of the front view, drawn in
// all three views wired, flat, Gouraud and Phong; the corner-normal pass alone; and the
// flat redraw at 10 000 faces to show how the cost grows with the faces.
#include <benchmark/benchmark.h>

#include <string>

#include "demo_mesh.h"
#include "render/rasteriser.h"
#include "scene/null_host.h"
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
    addDemoMesh(ws->scene, host, faces, {407, 407, 407}, 380, faces / 100);
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

// The three views; with survey = 1 also the survey view, as after every edit.
void BM_Teken(benchmark::State& state) {
  Workspace& ws = workspace(static_cast<int>(state.range(0)));
  setMode(ws, static_cast<Mode>(state.range(1)));
  ws.views.SurveyVisible = state.range(2) != 0;
  for (auto _ : state) redraw(ws);
  state.counters["faces"] = ws.scene.FaceCount;
}
BENCHMARK(BM_Teken)
    ->ArgNames({"faces", "mode", "survey"})
    ->Args({99999, kWire, 0})
    ->Args({99999, kFlat, 0})
    ->Args({99999, kGouraud, 0})
    ->Args({99999, kPhong, 0})
    ->Args({10000, kFlat, 0})
    ->Args({10000, kGouraud, 0})
    ->Args({99999, kFlat, 1})
    ->Args({99999, kGouraud, 1})
    ->Unit(benchmark::kMillisecond);

void BM_ComputeVertexNormals(benchmark::State& state) {
  Workspace& ws = workspace(99999);
  for (auto _ : state) computeVertexNormals(ws.scene, ws.lighting);
}
BENCHMARK(BM_ComputeVertexNormals)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
