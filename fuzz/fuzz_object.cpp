// Fuzz target of the object file reader: any bytes must end in faces added to the open
// object and closed, or an error, with the tables consistent.
#include <cstddef>
#include <cstdint>

#include "files/object_file.h"
#include "fuzz_support.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  static fuzzing::WorkDirectory work("fuzz_object");
  const std::string path = work.enter(data, size, "input.obq");
  NullHost host;
  static Scene scene;  // reused: allocating the tables for every input is slow
  clearFacesAndObjects(scene);
  scene.ask = true;
  try {
    readObjectFaces(scene, host, path);
  } catch (const Error&) {
  }
  closeObject(scene, host, true, true);
  fuzzing::checkScene(scene, true);
  work.leave();
  return 0;
}
