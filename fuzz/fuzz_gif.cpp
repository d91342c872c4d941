// Fuzz target of the GIF picture decoder: any bytes end in a picture whose kept part
// matches its size, or in a FormatError; never a crash, a hang or a large allocation.
#include <cstddef>
#include <cstdint>

#include "materials/picture.h"
#include "scene/errors.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace facetry;
  try {
    const Picture p = decodeGif(data, size, "input", kTextureLimit);
    if (p.kept_width > kTextureLimit || p.kept_height > kTextureLimit || p.kept_width < 1 ||
        p.kept_height < 1 ||
        p.bgr.size() != static_cast<std::size_t>(p.kept_width) * p.kept_height * 3) {
      __builtin_trap();
    }
  } catch (const Error&) {
  }
  return 0;
}
