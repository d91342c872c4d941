// Fuzz target of the reader of other programs' mesh formats: the first byte picks the
// format assimp is told to expect, the rest is the file. Any bytes must end in a
// consistent scene or an error, never a crash or a hang.
#include <cstddef>
#include <cstdint>
#include <string>

#include "exchange/assimp_reader.h"
#include "fuzz_support.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  static const char* const kHints[] = {"obj", "stl", "ply", "off", "gltf", "glb", "dae", "fbx"};
  if (size == 0) return 0;
  const char* hint = kHints[data[0] % 8];
  NullHost host;
  static Scene scene;  // reused: allocating the tables for every input is slow
  static ViewState views;
  clearFacesAndObjects(scene);
  try {
    readAssimpMemory(scene, host, views,
                     std::string(reinterpret_cast<const char*>(data) + 1, size - 1), hint);
  } catch (const Error&) {
  }
  fuzzing::checkScene(scene, true);
  if (scene.ask) __builtin_trap();  // the reader leaves the name dialog's box unticked
  return 0;
}
