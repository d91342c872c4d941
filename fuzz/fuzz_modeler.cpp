// Fuzz target of the modeler file readers: the import into the scene and the whole-mesh
// read of the Modeling window must end in a consistent scene or an error.
#include <cstddef>
#include <cstdint>

#include "files/modeler_file.h"
#include "fuzz_support.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  static fuzzing::WorkDirectory work("fuzz_modeler");
  const std::string path = work.enter(data, size, "input.mdd");
  NullHost host;
  static Scene scene;  // reused: allocating the tables for every input is slow
  clearFacesAndObjects(scene);
  scene.ask = true;
  try {
    addModelerFile(scene, host, {230, 150, 150}, path);
  } catch (const Error&) {
  }
  fuzzing::checkScene(scene, false);
  try {
    const ModelerMesh mesh = readModelerMesh(path);
    for (const auto& f : mesh.faces) {
      for (const std::int32_t i : f) {
        if (i < 0 || static_cast<std::size_t>(i) >= mesh.points.size()) __builtin_trap();
      }
    }
  } catch (const Error&) {
  }
  work.leave();
  return 0;
}
