// Tests of the shade table: its corner values and the truncating division in between,
// worked out by hand from the rule.
#include <gtest/gtest.h>

#include "render/lighting.h"
#include "scene/errors.h"

namespace facetry {
namespace {

Lighting builtWithShadow(int shadow) {
  Lighting light;
  light.ShadowLevel = shadow;
  buildShadeTable(light);
  return light;
}

TEST(ShadeTable, CornerValuesReachWhiteBlackOrKeepTheChannel) {
  const Lighting max = builtWithShadow(kShadowMax);
  const Lighting none = builtWithShadow(kShadowNone);
  EXPECT_EQ(max.ShadeTable.size(), 185344u);
  for (int k = 0; k < 256; ++k) {
    EXPECT_EQ(max.shade(0, 180, k), 255) << k;  // k + 90 (255 - k) div 90
    EXPECT_EQ(max.shade(0, 0, k), 0) << k;      // c = 90: k - 90 k div 90
    for (int level = 0; level < 4; ++level) {
      EXPECT_EQ(max.shade(level, 90, k), k) << level;  // t = 90 keeps every channel
      for (int t = 0; t < 90; ++t) EXPECT_EQ(none.shade(level, t, k), k);  // no shadow
    }
  }
}

TEST(ShadeTable, DivisionsTruncateTowardZero) {
  const Lighting normal = builtWithShadow(kShadowNormal);
  // Level 1 (a = 112), t = 135, k = 100: 100 + 45 * 155 div 112 = 100 + 62.
  EXPECT_EQ(normal.shade(1, 135, 100), 162);
  // Level 2 (a = 134), t = 30, k = 200: c = 50 * 60 div 100 = 30; -6000 div 134 = -44
  // (flooring would give -45).
  EXPECT_EQ(normal.shade(2, 30, 200), 156);
  // Level 3 (a = 156) never reaches white: 90 * 255 div 156 = 147.
  EXPECT_EQ(normal.shade(3, 180, 0), 147);
  // Shadow Normal at t = 0, level 0: c = 45, 121 - 5445 div 90 = 121 - 60.
  EXPECT_EQ(normal.shade(0, 0, 121), 61);
}

TEST(ShadeTable, ShadowLevelOutsideZeroToHundredThrows) {
  Lighting light;
  light.ShadowLevel = 101;
  EXPECT_THROW(buildShadeTable(light), RangeError);
  light.ShadowLevel = -1;
  EXPECT_THROW(buildShadeTable(light), RangeError);
}

}  // namespace
}  // namespace facetry
