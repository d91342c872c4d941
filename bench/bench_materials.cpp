// Texture pictures and textured drawing: decoding a 2 000 x 2 000 JPEG for a texture (its
// top-left 399 x 399), beside the whole picture decoded in the same process and the djpeg
// program on the same file; and the Phong redraw of a 99 999-face sphere with and without
// a texture on every face.
#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "demo_mesh.h"
#include "materials/picture.h"
#include "materials/texture_mapping.h"
#include "render/bmp_writer.h"
#include "render/canvas.h"
#include "render/jpeg_writer.h"
#include "scene/null_host.h"
#include "workspace.h"

namespace facetry {
namespace {

// A picture with detail everywhere, so that the entropy decoder has real work.
Canvas patternPicture(int size) {
  Canvas c(size, size);
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) {
      c.setPixel(x, y,
                 {static_cast<std::uint8_t>(x * 7 + y), static_cast<std::uint8_t>(x ^ y),
                  static_cast<std::uint8_t>((x * y) >> 4)});
    }
  }
  return c;
}

const std::string& bigJpeg() {
  static const std::string path = [] {
    const std::string p =
        (std::filesystem::temp_directory_path() / "facetry_bench_2000.jpg").string();
    writeJpeg(patternPicture(2000), p);
    return p;
  }();
  return path;
}

void BM_DecodeJpegTexture(benchmark::State& state) {
  const std::string& path = bigJpeg();
  for (auto _ : state) benchmark::DoNotOptimize(decodePicture(path, kTextureLimit));
}
BENCHMARK(BM_DecodeJpegTexture)->Unit(benchmark::kMillisecond);

void BM_DecodeJpegWhole(benchmark::State& state) {
  const std::string& path = bigJpeg();
  for (auto _ : state) benchmark::DoNotOptimize(decodePicture(path, 2000));
}
BENCHMARK(BM_DecodeJpegWhole)->Unit(benchmark::kMillisecond);

// The djpeg program on the same file (process start included), when it is installed.
void BM_Djpeg(benchmark::State& state) {
  const std::string command = "djpeg -bmp -outfile /dev/null " + bigJpeg();
  if (std::system("command -v djpeg >/dev/null 2>&1") != 0) {
    state.SkipWithError("djpeg is not installed (libjpeg-turbo-progs)");
    return;
  }
  for (auto _ : state) benchmark::DoNotOptimize(std::system(command.c_str()));
}
BENCHMARK(BM_Djpeg)->Unit(benchmark::kMillisecond)->UseRealTime();

Workspace& sphere(bool textured) {
  static Workspace* plain = nullptr;
  static Workspace* dressed = nullptr;
  Workspace*& ws = textured ? dressed : plain;
  if (!ws) {
    ws = new Workspace;
    startWorkspace(*ws, 1);
    NullHost host;
    addDemoMesh(ws->scene, host, 99999, {407, 407, 407}, 380, 999);
    for (int v = 0; v < 3; ++v) ws->views.ViewShading[v] = {true, false, false, true};
    ws->views.SurveyVisible = false;
    if (textured) {
      const std::string picture =
          (std::filesystem::temp_directory_path() / "facetry_bench_texture.bmp").string();
      writeBmp(patternPicture(399), picture);
      for (int j = 0; j < ws->scene.FaceCount; ++j) ws->scene.face(j).selected = 1;
      applyMaterialToSelection(ws->scene, 1, {MappingKind::Wrap, WrapVariant::WidthAndHeight});
      ws->scene.material(1).assign(picture);
      ws->scene.MaterialCount = 2;
      ws->textures.load(1, picture);
      for (int j = 0; j < ws->scene.FaceCount; ++j) ws->scene.face(j).selected = 0;
    }
  }
  return *ws;
}

void BM_PhongRedraw(benchmark::State& state) {
  Workspace& ws = sphere(state.range(0) != 0);
  for (auto _ : state) redraw(ws);
  state.counters["faces"] = ws.scene.FaceCount;
}
BENCHMARK(BM_PhongRedraw)
    ->ArgName("textured")
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace facetry

BENCHMARK_MAIN();
