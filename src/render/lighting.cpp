// render/lighting.cpp: the shade table.
#include "render/lighting.h"

#include <string>

#include "scene/errors.h"

namespace facetry {

void buildShadeTable(Lighting& light) {
  // Every entry stays within 0..255 only for a shadow level of 0..100: the darkest entry is
  // k - k * (level * 90 div 100) div 90.
  if (light.ShadowLevel < 0 || light.ShadowLevel > 100) {
    throw RangeError("shadow level " + std::to_string(light.ShadowLevel) + " is outside 0..100");
  }
  light.ShadeTable.assign(4 * kShadeLevelSize, 0);
  std::uint8_t* entry = light.ShadeTable.data();
  for (int level = 0; level < 4; ++level) {
    // The reflection level sets how far a full turn toward or away from the light goes:
    // level 0 (Max) reaches white at t = 180, level 3 (Min) only part of the way.
    const int a = 90 + 22 * level;
    for (int t = 0; t <= 180; ++t) {
      const int darkening = light.ShadowLevel * (90 - t) / 100;
      for (int k = 0; k < 256; ++k) {
        // Integer division truncates toward zero, so the dark side rounds toward k.
        const int value = t < 90 ? k + (-k * darkening) / a : k + (t - 90) * (255 - k) / a;
        *entry++ = static_cast<std::uint8_t>(value);
      }
    }
  }
}

}  // namespace facetry
