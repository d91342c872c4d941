// DXF and 3DS export and import at full size: 99 999 faces in 1 000 objects, with the
// native file's save and load of the same scene beside them. When assimp is installed,
// its loading of the same files is timed too (one run each, process start included).
// Each case runs in the current directory (scripts/bench.sh starts it in a temporary one).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "demo_mesh.h"
#include "exchange/dxf_reader.h"
#include "exchange/dxf_writer.h"
#include "exchange/three_ds_reader.h"
#include "exchange/three_ds_writer.h"
#include "files/native_file.h"
#include "scene/file_io.h"
#include "scene/null_host.h"

namespace facetry {
namespace {

constexpr int kFaces = 99999;
constexpr int kObjects = 1000;

Scene& fullScene() {
  static Scene scene = [] {
    Scene s;
    NullHost host;
    s.ask = true;
    addDemoMesh(s, host, kFaces, {400, 400, 400}, 380, kObjects);
    return s;
  }();
  return scene;
}

// The files of the full scene, written once; the DXF of half the scene, whose faces (two
// per written face) all fit into the face table when read.
void writeFiles() {
  static const bool written = [] {
    Scene& scene = fullScene();
    ViewState views;
    opslaan(scene, "bench.fcy");
    writeDxf(scene, "bench.dxf");
    write3ds(scene, views, "bench.3ds");
    Scene half;
    NullHost host;
    half.ask = true;
    addDemoMesh(half, host, kFaces / 2, {400, 400, 400}, 380, kObjects / 2);
    writeDxf(half, "half.dxf");
    return true;
  }();
  (void)written;
}

std::int64_t fileBytes(const char* path) {
  return static_cast<std::int64_t>(readWholeFile(path).size());
}

void BM_NativeSave(benchmark::State& state) {
  Scene& scene = fullScene();
  for (auto _ : state) opslaan(scene, "save.fcy");
  state.SetBytesProcessed(state.iterations() * fileBytes("save.fcy"));
}
BENCHMARK(BM_NativeSave)->Unit(benchmark::kMillisecond);

void BM_NativeLoad(benchmark::State& state) {
  writeFiles();
  Scene scene;
  NullHost host;
  for (auto _ : state) ophaal(scene, host, "bench.fcy", true, nullptr);
  state.SetBytesProcessed(state.iterations() * fileBytes("bench.fcy"));
}
BENCHMARK(BM_NativeLoad)->Unit(benchmark::kMillisecond);

void BM_DxfExport(benchmark::State& state) {
  Scene& scene = fullScene();
  for (auto _ : state) writeDxf(scene, "export.dxf");
  state.SetBytesProcessed(state.iterations() * fileBytes("export.dxf"));
}
BENCHMARK(BM_DxfExport)->Unit(benchmark::kMillisecond);

void readDxfBench(benchmark::State& state, const char* path) {
  writeFiles();
  Scene scene;
  NullHost host;
  ViewState views;
  DxfReaderState reader_state;
  for (auto _ : state) {
    clearFacesAndObjects(scene);
    readDxf(scene, host, views, reader_state, path);
    benchmark::DoNotOptimize(scene.FaceCount);
  }
  state.counters["faces"] = scene.FaceCount;
  state.SetBytesProcessed(state.iterations() * fileBytes(path));
}

// 99 999 3DFACEs: the face table is full after half of the 199 998 faces they give; the
// rest of the text is still read.
void BM_DxfImport(benchmark::State& state) {
  readDxfBench(state, "bench.dxf");
}
BENCHMARK(BM_DxfImport)->Unit(benchmark::kMillisecond);

// 49 999 3DFACEs, every one of their 99 998 faces added.
void BM_DxfImportAllFit(benchmark::State& state) {
  readDxfBench(state, "half.dxf");
}
BENCHMARK(BM_DxfImportAllFit)->Unit(benchmark::kMillisecond);

void BM_ThreeDsExport(benchmark::State& state) {
  Scene& scene = fullScene();
  ViewState views;
  for (auto _ : state) write3ds(scene, views, "export.3ds");
  state.SetBytesProcessed(state.iterations() * fileBytes("export.3ds"));
}
BENCHMARK(BM_ThreeDsExport)->Unit(benchmark::kMillisecond);

void BM_ThreeDsImport(benchmark::State& state) {
  writeFiles();
  Scene scene;
  NullHost host;
  ViewState views;
  Point3 light;
  for (auto _ : state) {
    clearFacesAndObjects(scene);
    read3ds(scene, host, views, light, "bench.3ds");
    benchmark::DoNotOptimize(scene.FaceCount);
  }
  state.counters["faces"] = scene.FaceCount;
  state.SetBytesProcessed(state.iterations() * fileBytes("bench.3ds"));
}
BENCHMARK(BM_ThreeDsImport)->Unit(benchmark::kMillisecond);

// A third-party reader on the same files, as a separate process.
void assimpInfo(benchmark::State& state, const char* path) {
  if (std::system("command -v assimp >/dev/null 2>&1") != 0) {
    state.SkipWithError("assimp is not installed");
    for (auto _ : state) {
    }
    return;
  }
  writeFiles();
  const std::string command = std::string("assimp info ") + path + " >/dev/null 2>&1";
  for (auto _ : state) {
    const auto start = std::chrono::steady_clock::now();
    const int status = std::system(command.c_str());
    const auto stop = std::chrono::steady_clock::now();
    if (status != 0) state.SkipWithError("assimp failed");
    state.SetIterationTime(std::chrono::duration<double>(stop - start).count());
  }
  state.SetBytesProcessed(state.iterations() * fileBytes(path));
}

void BM_AssimpDxf(benchmark::State& state) {
  assimpInfo(state, "bench.dxf");
}
BENCHMARK(BM_AssimpDxf)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

void BM_AssimpThreeDs(benchmark::State& state) {
  assimpInfo(state, "bench.3ds");
}
BENCHMARK(BM_AssimpThreeDs)->UseManualTime()->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
