// Fuzz target of the VRML reader: any bytes must end in a consistent scene with drawable
// corners, never a crash or a hang.
#include <cstddef>
#include <cstdint>

#include "exchange/vrml_reader.h"
#include "fuzz_support.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  static fuzzing::WorkDirectory work("fuzz_vrml");
  const std::string path = work.enter(data, size, "input.wrl");
  NullHost host;
  static Scene scene;  // reused: allocating the tables for every input is slow
  static ViewState views;
  clearFacesAndObjects(scene);
  try {
    readVrml(scene, host, views, path);
  } catch (const Error&) {
  }
  work.leave();
  fuzzing::checkScene(scene, true);
  if (scene.ask) __builtin_trap();  // the reader leaves the name dialog's box unticked
  return 0;
}
