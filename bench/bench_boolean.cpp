// The boolean operations on two overlapping spheres of about 2 000 and 10 000 faces each:
// the quick cutting passes (face grid) and, for comparison, the plain transcription that
// visits every face pair. Each iteration starts from a fresh copy of the two spheres.
#include <benchmark/benchmark.h>

#include <filesystem>

#include "edit/primitives.h"
#include "ops/boolean_ops.h"
#include "scene/null_host.h"

namespace facetry {
namespace {

// Two spheres of radius 150 whose centres lie 100 apart: step 8 gives 1 932 faces each,
// step 3.5 gives 10 300.
const Scene& twoSpheres(float step) {
  static Scene* small = nullptr;
  static Scene* large = nullptr;
  Scene*& scene = step > 5 ? small : large;
  if (!scene) {
    scene = new Scene;
    scene->ask = true;
    NullHost host;
    ViewState views;
    ToolState tools;
    BuildContext ctx{*scene, host, views, tools};
    views.CentrePoint.z = 300;
    buildSphere(ctx, step, 300, 300, 150, 150);
    views.CentrePoint.z = 260;
    buildSphere(ctx, step, 380, 340, 150, 150);
  }
  return *scene;
}

void BM_Boolean(benchmark::State& state) {
  const float step = state.range(0) == 2000 ? 8.0f : 3.5f;
  const auto operation = static_cast<BooleanOperation>(state.range(1));
  const bool plain = state.range(2) != 0;
  const Scene& spheres = twoSpheres(step);
  NullHost host;
  int faces = 0;
  for (auto _ : state) {
    state.PauseTiming();
    Scene scene = spheres;
    state.ResumeTiming();
    booleanOperation(scene, host, 0, 1, operation, BooleanOptions{plain});
    faces = scene.FaceCount;
  }
  state.counters["faces_in"] = spheres.FaceCount;
  state.counters["faces_out"] = faces;
}
BENCHMARK(BM_Boolean)
    ->ArgNames({"faces", "op", "plain"})
    ->Args({2000, 1, 0})
    ->Args({2000, 2, 0})
    ->Args({2000, 3, 0})
    ->Args({2000, 1, 1})
    ->Args({10000, 1, 0})
    ->Args({10000, 2, 0})
    ->Args({10000, 1, 1})
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
