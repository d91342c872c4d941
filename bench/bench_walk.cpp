// One walk-through frame of a 99 999-face sphere that fills the 400 x 400 picture: the
// frame alone while the scene stands still (the sort finds the faces in order), and a
// timer step while the mouse turns the scene (every corner rotated, the faces sorted
// again and drawn), flat, Gouraud and Phong.
#include <benchmark/benchmark.h>

#include <memory>

#include "demo_mesh.h"
#include "render/view_passes.h"
#include "render/walk_view.h"
#include "scene/null_host.h"
#include "workspace.h"

namespace facetry {
namespace {

struct WalkBench {
  Workspace ws;
  WalkWindowState window;
  std::unique_ptr<WalkThrough> walk;
  explicit WalkBench(ShadingMode mode) {
    startWorkspace(ws, 1);
    NullHost host;
    ws.scene.CurrentColour = {200, 120, 60};
    addDemoMesh(ws.scene, host, 99999, {230, 150, 0}, 180, 999);
    // The demo mesh comes out a little short: small faces near the centre make up 99 999.
    ws.scene.ask = true;
    for (float x = 0; ws.scene.FaceCount < kMaxFaces; x += 0.5f) {
      FaceCorner a, b, c;
      a.x = 200 + x, a.y = 140, a.z = 150;
      b.x = 204 + x, b.y = 140, b.z = 150;
      c.x = 202 + x, c.y = 144, c.z = 150;
      addFace(ws.scene, host, a, b, c);
    }
    closeObject(ws.scene, host, false, false);
    ws.views.ViewShading[0] = {true, mode == ShadingMode::Flat, mode == ShadingMode::Gouraud,
                               mode == ShadingMode::Phong};
    RedrawParts parts = ws.redrawParts();
    teken(parts, true);  // the bake of the walk-through's preparation
    walk = std::make_unique<WalkThrough>(
        WalkParts{ws.scene, ws.lighting, ws.textures, ws.frame, mode, ws.views.CentrePoint},
        window);
    walk->FormActivate();
  }
};

WalkBench& bench(int mode) {
  static std::unique_ptr<WalkBench> benches[3];
  auto& b = benches[mode];
  if (!b) b = std::make_unique<WalkBench>(static_cast<ShadingMode>(mode));
  return *b;
}

void BM_WalkFrame(benchmark::State& state) {
  WalkBench& b = bench(static_cast<int>(state.range(0)));
  for (auto _ : state) b.walk->teken();
  state.counters["faces"] = b.ws.scene.FaceCount;
}
BENCHMARK(BM_WalkFrame)->ArgName("mode")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

// The mouse held 30 pixels right of where it went down: a yaw of 0.4 degrees per step.
void BM_WalkTurningStep(benchmark::State& state) {
  WalkBench& b = bench(static_cast<int>(state.range(0)));
  b.walk->Image1MouseDown(200, 200, WalkButton::Left);
  b.walk->Image1MouseMove(230, 200);
  for (auto _ : state) b.walk->Timer1Timer();
  b.walk->mouseUp();
  state.counters["faces"] = b.ws.scene.FaceCount;
}
BENCHMARK(BM_WalkTurningStep)->ArgName("mode")->DenseRange(0, 2)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
