// fuzz/picture_fuzz.h: what every picture decoder's fuzz target checks: any bytes end in a
// picture whose kept part matches its size, or in a FormatError; never a crash, a hang or a
// large allocation.
#pragma once
#include <cstddef>
#include <cstdint>

#include "materials/picture.h"
#include "scene/errors.h"

namespace facetry {

template <typename Decode>
int fuzzPictureDecoder(Decode decode, const std::uint8_t* data, std::size_t size) {
  try {
    const Picture p = decode(data, size, "input", kTextureLimit);
    if (p.kept_width > kTextureLimit || p.kept_height > kTextureLimit || p.kept_width < 1 ||
        p.kept_height < 1 ||
        p.bgr.size() != static_cast<std::size_t>(p.kept_width) * p.kept_height * 3) {
      __builtin_trap();
    }
  } catch (const Error&) {
  }
  return 0;
}

}  // namespace facetry
