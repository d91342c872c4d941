// Scene store and native file at full size: 99 999 faces in 1 000 objects. Each case runs
// in the current directory (scripts/bench.sh starts it in a temporary one). The plain
// write and read of the same number of bytes give the I/O floor to compare against.
#include <benchmark/benchmark.h>

#include <cstdio>
#include <string>

#include "demo_mesh.h"
#include "files/native_file.h"
#include "files/undo.h"
#include "scene/file_io.h"
#include "scene/null_host.h"
#include "workspace.h"

namespace facetry {
namespace {

constexpr int kFaces = 99999;
constexpr int kObjects = 1000;

void fillScene(Scene& scene, Host& host) {
  addDemoMesh(scene, host, kFaces, {400, 400, 400}, 380, kObjects);
}

const std::string& modelBytes() {
  static const std::string bytes = [] {
    Scene scene;
    NullHost host;
    fillScene(scene, host);
    opslaan(scene, "bench.fcy");
    return readWholeFile("bench.fcy");
  }();
  return bytes;
}

void BM_FillScene(benchmark::State& state) {
  NullHost host;
  for (auto _ : state) {
    Scene scene;
    fillScene(scene, host);
    benchmark::DoNotOptimize(scene.FaceCount);
  }
}
BENCHMARK(BM_FillScene)->Unit(benchmark::kMillisecond);

void BM_Opslaan(benchmark::State& state) {
  Scene scene;
  NullHost host;
  fillScene(scene, host);
  for (auto _ : state) opslaan(scene, "bench.fcy");
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * modelBytes().size()));
}
BENCHMARK(BM_Opslaan)->Unit(benchmark::kMillisecond);

void BM_OphaalReplace(benchmark::State& state) {
  modelBytes();
  Scene scene;
  NullHost host;
  for (auto _ : state) ophaal(scene, host, "bench.fcy", true, nullptr);
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * modelBytes().size()));
}
BENCHMARK(BM_OphaalReplace)->Unit(benchmark::kMillisecond);

void BM_PlainWriteFloor(benchmark::State& state) {
  const std::string& bytes = modelBytes();
  for (auto _ : state) {
    std::FILE* f = std::fopen("floor.bin", "wb");
    std::fwrite(bytes.data(), 1, bytes.size(), f);
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainWriteFloor)->Unit(benchmark::kMillisecond);

void BM_PlainReadFloor(benchmark::State& state) {
  const std::string& bytes = modelBytes();
  std::string buffer(bytes.size(), '\0');
  for (auto _ : state) {
    std::FILE* f = std::fopen("bench.fcy", "rb");
    benchmark::DoNotOptimize(std::fread(buffer.data(), 1, buffer.size(), f));
    std::fclose(f);
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * bytes.size()));
}
BENCHMARK(BM_PlainReadFloor)->Unit(benchmark::kMillisecond);

void BM_DeleteHalfSelected(benchmark::State& state) {
  NullHost host;
  Scene source;
  fillScene(source, host);
  for (int i = 0; i < source.FaceCount; i += 2)
    source.FaceTable[static_cast<std::size_t>(i)].selected = 1;
  for (auto _ : state) {
    state.PauseTiming();
    Scene scene = source;
    state.ResumeTiming();
    deleteSelectedFaces(scene, host);
    benchmark::DoNotOptimize(scene.FaceCount);
  }
}
BENCHMARK(BM_DeleteHalfSelected)->Unit(benchmark::kMillisecond);

void BM_SnapshotAndUndo(benchmark::State& state) {
  NullHost host;
  Scene scene;
  fillScene(scene, host);
  for (auto _ : state) {
    voorundo(scene);
    Undo1Click(scene, host);
  }
}
BENCHMARK(BM_SnapshotAndUndo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
