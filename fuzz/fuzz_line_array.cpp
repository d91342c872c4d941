// Fuzz target of the line array's copy file "lijnar" as the preview reads, draws and turns
// it: any bytes must end in a drawing or an error, never a crash or a hang. The first byte
// chooses the number of points per copy.
#include <array>
#include <cstddef>
#include <cstdint>

#include "fuzz_support.h"
#include "ops/line_array_preview.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  if (size == 0) return 0;
  static fuzzing::WorkDirectory work("fuzz_line_array");
  const int profile_count = 1 + data[0] % 8;
  work.enter(data + 1, size - 1, "lijnar");
  static std::array<Canvas, 3> images{Canvas(64, 64), Canvas(64, 64), Canvas(64, 64)};
  try {
    LineArrayPreview preview(profile_count, 1 + data[0] % 360, true);
    preview.draw(images);
    preview.nextCopy();
    preview.turn(1 + data[0] % 3, (data[0] & 1) != 0);
    preview.draw(images);
  } catch (const Error&) {
  }
  work.leave();
  return 0;
}
