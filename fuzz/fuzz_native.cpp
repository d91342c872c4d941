// Fuzz target of the native model reader: any bytes, replacing and merging, must end in a
// consistent scene or an error, never a crash.
#include <cstddef>
#include <cstdint>

#include "files/native_file.h"
#include "fuzz_support.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  static fuzzing::WorkDirectory work("fuzz_native");
  const std::string path = work.enter(data, size, "input.fcy");
  NullHost host;
  static Scene scene;  // reused: allocating the tables for every input is slow
  for (bool replace : {true, false}) {
    clearFacesAndObjects(scene);
    scene.ask = true;
    if (!replace) {
      FaceCorner c;
      addFace(scene, host, c, c, c);
      closeObject(scene, host, false, false);
    }
    try {
      ophaal(scene, host, path, replace, nullptr);
    } catch (const Error&) {
    }
    fuzzing::checkScene(scene, false);
  }
  work.leave();
  return 0;
}
