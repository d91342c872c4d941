// Fuzz target of the walk-file reader: any bytes must end in a FormatError with the scene
// untouched, or in a consistent scene, which the walk-through then draws in each shading
// mode (an error is allowed there, a crash is not).
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "render/walk_file.h"
#include "render/walk_view.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  static fuzzing::WorkDirectory work("fuzz_walk");
  const std::string path = work.enter(data, size, "walk.fil");
  static Scene scene;  // reused: allocating the tables for every input is slow
  static FrameBuffers frame;
  static Lighting light = [] {
    Lighting l;
    buildShadeTable(l);
    return l;
  }();
  static TextureStore textures;
  clearFacesAndObjects(scene);
  try {
    readWalkFile(scene, path);
  } catch (const Error&) {
  }
  fuzzing::checkScene(scene, false);
  for (ShadingMode mode : {ShadingMode::Flat, ShadingMode::Gouraud, ShadingMode::Phong}) {
    WalkWindowState window;
    WalkThrough walk(WalkParts{scene, light, textures, frame, mode, {230, 150, 150}}, window);
    try {
      walk.teken();
    } catch (const Error&) {
    }
  }
  work.leave();
  return 0;
}
