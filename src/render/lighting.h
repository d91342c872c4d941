// render/lighting.h: the lighting model shared by every shaded drawing: one point light, a
// global shadow level and the shade table that maps (reflection level, light angle,
// channel) to a shaded channel. Light angle t is 0..180: 90 keeps a colour, above 90
// brightens it toward white, below darkens it toward black.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

#include "scene/records.h"

namespace facetry {

constexpr int kShadowMax = 100, kShadowNormal = 50, kShadowNone = 0;
// The entries of one reflection level of ShadeTable: 181 light angles of 256 channel values.
constexpr std::size_t kShadeLevelSize = std::size_t{181} * 256;

struct Lighting {
  Point3 LightPosition{230, 0, 800};  // model units; not rescaled by zooming
  int ShadowLevel = kShadowNormal;
  std::vector<std::uint8_t> ShadeTable;  // 4 x 181 x 256, built by buildShadeTable

  // ShadeTable[level][t][k]; level 0..3, t 0..180, k 0..255 (unchecked).
  std::uint8_t shade(int level, int t, int k) const {
    return ShadeTable[static_cast<std::size_t>(level) * kShadeLevelSize +
                      static_cast<std::size_t>(t) * 256 + static_cast<std::size_t>(k)];
  }
};

// Fills ShadeTable from ShadowLevel. For level i, a = 90 + 22 i; t < 90:
// k + (-k * (ShadowLevel * (90 - t) div 100)) div a; t >= 90: k + (t - 90)(255 - k) div a.
// Throws RangeError for a ShadowLevel outside 0..100 (entries would leave 0..255).
void buildShadeTable(Lighting& light);

}  // namespace facetry
