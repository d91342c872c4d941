// render/light_angles.h: the light angles of flat, Gouraud and Phong shading, evaluated in
// double precision and handed to the geometry kernel's long-double routines wherever the
// double result lies close enough to a truncation step that it might truncate differently.
// Every result equals the kernel's; only the time differs.
#pragma once
#include <array>
#include <cmath>
#include <cstdint>

#include "scene/geometry.h"
#include "scene/records.h"

namespace facetry {

// What vectorAngle(a, b) becomes in shading, by its table index k = trunc(cos * 1000)
// (entry k + 1000 for k = -1000..1000).
struct VectorAngleLights {
  std::array<std::uint8_t, 2001> pixel{};   // 180 - trunc(angle): a Phong pixel's light angle
  std::array<std::uint8_t, 2001> corner{};  // trunc(180 - angle): a corner's Gouraud value
  static const VectorAngleLights& instance();
};

constexpr int kIndexUnsettled = 0x7fffffff;

// The table index vectorAngle(a, b) reads, or kIndexUnsettled when the double estimate of
// cos * 1000 lies within 1e-9 of a whole number (where the kernel's long-double value might
// truncate to the other side), or a length product is zero, tiny, huge or not finite.
// note: the estimate is within about 2e-12 of the kernel's value: every product of two
// floats is exact in double, and the sums, root and quotient add a few roundings each.
inline int quickVectorAngleIndex(const Point3& a, const Point3& b) {
  const double ax = a.x, ay = a.y, az = a.z;
  const double bx = b.x, by = b.y, bz = b.z;
  const double lengths_squared = (ax * ax + ay * ay + az * az) * (bx * bx + by * by + bz * bz);
  if (!(lengths_squared > 1e-250 && lengths_squared < 1e250)) return kIndexUnsettled;
  const double scaled = (ax * bx + ay * by + az * bz) / std::sqrt(lengths_squared) * 1000;
  const int k = static_cast<int>(scaled);  // |scaled| <= 1000 + 1e-12 here
  const double fraction = std::fabs(scaled - k);
  if (fraction < 1e-9 || fraction > 1 - 1e-9) return kIndexUnsettled;
  return k;
}

// 180 - trunc(vectorAngle(a, b)): the light angle of a Phong pixel with normal a and light
// direction b.
inline int pixelLightAngle(const Point3& a, const Point3& b, const VectorAngleLights& lights) {
  const int k = quickVectorAngleIndex(a, b);
  if (k != kIndexUnsettled) return lights.pixel[static_cast<std::size_t>(k + 1000)];
  return 180 - truncToInt(vectorAngle(a, b));
}

// The light angle of a Phong pixel with normal (nx, ny, nz) at column x of row y and depth z
// (7 fraction bits), the direction to the light worked out in float.
inline int phongPixelAngle(int nx, int ny, int nz, int x, int y, std::int32_t z,
                           const Point3& light, const VectorAngleLights& lights) {
  const Point3 normal{static_cast<float>(nx), static_cast<float>(ny), static_cast<float>(nz)};
  const Point3 to_light{light.x - static_cast<float>(x), light.y - static_cast<float>(y),
                        light.z - static_cast<float>(z / 128)};
  return pixelLightAngle(normal, to_light, lights);
}

// trunc(180 - vectorAngle(a, b)): the Gouraud value of a corner with normal a and light
// direction b.
inline int cornerLightValue(const Point3& a, const Point3& b, const VectorAngleLights& lights) {
  const int k = quickVectorAngleIndex(a, b);
  if (k != kIndexUnsettled) return lights.corner[static_cast<std::size_t>(k + 1000)];
  return truncToInt(180 - vectorAngle(a, b));
}

}  // namespace facetry
