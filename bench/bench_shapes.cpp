// The landscape at the finest resolution (16 384 faces), and the punch of a 2 000-face
// object by a 2 000-face tool, straight along z and with the auto edge turn.
#include <benchmark/benchmark.h>

#include "demo_mesh.h"
#include "ops/landscape.h"
#include "ops/punch.h"
#include "scene/null_host.h"
#include "workspace.h"

namespace facetry {
namespace {

void BM_CreateLandscape(benchmark::State& state) {
  Workspace ws;
  startWorkspace(ws, 1);
  ws.scene.ask = true;
  NullHost host;
  const LandscapeSettings settings{500, 300, static_cast<int>(state.range(0)), true};
  for (auto _ : state) {
    state.PauseTiming();
    clearFacesAndObjects(ws.scene);
    state.ResumeTiming();
    createLandscape(ws, host, settings);
  }
  state.counters["faces"] = ws.scene.FaceCount;
}
BENCHMARK(BM_CreateLandscape)->Arg(8)->Arg(6)->Unit(benchmark::kMillisecond);

void BM_Punch(benchmark::State& state) {
  Workspace ws;
  startWorkspace(ws, 1);
  ws.scene.ask = true;
  NullHost host;
  addDemoMesh(ws.scene, host, 2000, {400, 400, 400}, 200);
  addDemoMesh(ws.scene, host, 2000, {430, 420, 560}, 150);
  const std::vector<Face> original(ws.scene.FaceTable.begin(),
                                   ws.scene.FaceTable.begin() + ws.scene.FaceCount);
  PunchOptions options;
  options.auto_edge = state.range(0) != 0;
  options.remove = false;
  for (auto _ : state) {
    state.PauseTiming();
    std::copy(original.begin(), original.end(), ws.scene.FaceTable.begin());
    state.ResumeTiming();
    dodeuk(ws.scene, host, 0, 1, options);
  }
  state.counters["faces_a"] = ws.scene.ObjectTable[0].last - ws.scene.ObjectTable[0].first + 1;
  state.counters["faces_b"] = ws.scene.ObjectTable[1].last - ws.scene.ObjectTable[1].first + 1;
}
BENCHMARK(BM_Punch)->ArgNames({"auto_edge"})->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
