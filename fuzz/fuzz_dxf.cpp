// Fuzz target of the DXF reader: any text must end in a consistent scene or an error,
// never a crash or a hang.
#include <cstddef>
#include <cstdint>

#include "exchange/dxf_reader.h"
#include "fuzz_support.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  static fuzzing::WorkDirectory work("fuzz_dxf");
  const std::string path = work.enter(data, size, "input.dxf");
  NullHost host;
  static Scene scene;  // reused: allocating the tables for every input is slow
  static ViewState views;
  static DxfReaderState state;
  clearFacesAndObjects(scene);
  try {
    readDxf(scene, host, views, state, path);
  } catch (const Error&) {
  }
  work.leave();
  fuzzing::checkScene(scene, true);
  if (scene.ask) __builtin_trap();  // the reader leaves the name dialog's box unticked
  return 0;
}
