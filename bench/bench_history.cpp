// The undo history and the mesh formats of other programs at full size: 99 999 faces in
// 1 000 objects. A snapshot plus an undo is compared with one native save and load of the
// same scene; the imports with `assimp info` on the same files (one run each, process
// start included, reported as counters); the exports with the native save.
// Each case runs in the current directory (scripts/bench.sh starts it in a temporary one).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "demo_mesh.h"
#include "exchange/assimp_reader.h"
#include "exchange/assimp_writer.h"
#include "files/native_file.h"
#include "files/undo.h"
#include "scene/null_host.h"
#include "workspace.h"

namespace facetry {
namespace {

constexpr int kFaces = 99999;
constexpr int kObjects = 1000;

void fill(Scene& s) {
  NullHost host;
  s.ask = true;
  addDemoMesh(s, host, kFaces, {400, 400, 400}, 380, kObjects);
}

Scene& fullScene() {
  static Scene scene = [] {
    Scene s;
    fill(s);
    return s;
  }();
  return scene;
}

void BM_NativeSaveAndLoadOnce(benchmark::State& state) {
  NullHost host;
  Scene scene = fullScene();
  for (auto _ : state) {
    opslaan(scene, "once.fcy");
    ophaal(scene, host, "once.fcy", true, nullptr);
  }
}
BENCHMARK(BM_NativeSaveAndLoadOnce)->Unit(benchmark::kMillisecond);

void BM_HistorySnapshotAndUndo(benchmark::State& state) {
  NullHost host;
  Workspace ws;
  startWorkspace(ws, 1);
  fill(ws.scene);
  for (auto _ : state) {
    voorundo(ws.scene);
    Undo1Click(ws.scene, host);
  }
  state.counters["steps_kept"] = ws.undo_history.undoSteps() + ws.undo_history.redoSteps();
}
BENCHMARK(BM_HistorySnapshotAndUndo)->Unit(benchmark::kMillisecond);

void BM_NativeSave(benchmark::State& state) {
  for (auto _ : state) opslaan(fullScene(), "save.fcy");
}
BENCHMARK(BM_NativeSave)->Unit(benchmark::kMillisecond);

using Writer = void (*)(const Scene&, const ViewState&, const std::string&);

void BM_Export(benchmark::State& state, Writer write, const char* file) {
  const ViewState views;
  for (auto _ : state) write(fullScene(), views, file);
}
BENCHMARK_CAPTURE(BM_Export, obj, writeObj, "full.obj")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, stl, writeStl, "full.stl")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, ply, writePly, "full.ply")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Export, glb, writeGlb, "full.glb")->Unit(benchmark::kMillisecond);

// Milliseconds of one `assimp info` on `file` (its default steps; this assimp has no raw
// mode), or -1 without assimp.
double assimpMilliseconds(const std::string& file) {
  if (std::system("command -v assimp >/dev/null 2>&1") != 0) return -1;
  const auto start = std::chrono::steady_clock::now();
  if (std::system(("assimp info " + file + " >/dev/null 2>&1").c_str()) != 0) return -1;
  return std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - start)
      .count();
}

void BM_Import(benchmark::State& state, Writer write, const char* file) {
  const ViewState views;
  write(fullScene(), views, file);
  NullHost host;
  Scene scene;
  for (auto _ : state) {
    clearFacesAndObjects(scene);
    readAssimp(scene, host, views, file);
  }
  state.counters["faces"] = scene.FaceCount;
  state.counters["assimp_info_ms"] = assimpMilliseconds(file);
}
BENCHMARK_CAPTURE(BM_Import, obj, writeObj, "in.obj")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_Import, stl, writeStl, "in.stl")->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
