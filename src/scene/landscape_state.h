// scene/landscape_state.h: what the landscape generator keeps between runs: the values of
// the "Create landscape" dialog and the program's random generator.
#pragma once
#include <cstdint>
#include <random>

namespace facetry {

// The dialog's values, kept from start-up to exit; the dialog shows the last ones accepted.
struct LandscapeSettings {
  int width = 500;        // "Width and depth", model units
  int height = 300;       // "Height"
  int resolution = 6;     // "Resolution", 1..8: 4^(resolution - 1) faces
  bool sea_level = true;  // "Sealevel": flatten below the middle height, colour land and sea
};

// The random generator, defined so that a seed gives the same numbers on every machine:
// a 32-bit Mersenne twister, and random(h) = (g * h) >> 32 in 64-bit arithmetic for the
// generator's next output g (uniform in 0..h-1 for h > 0); random(0) is 0 and draws nothing.
class RandomSource {
 public:
  void seed(std::uint32_t value) { engine_.seed(value); }
  std::int32_t random(std::int32_t h) {
    if (h == 0) return 0;
    const std::int64_t product = static_cast<std::int64_t>(engine_()) * h;
    return static_cast<std::int32_t>(product >> 32);
  }

 private:
  std::mt19937 engine_;
};

}  // namespace facetry
