// render/pending_light.h: Phong pixels drawn in their face's own colour and lit once the
// pass is over. A Phong pixel's light depends only on its normal, its place and its depth,
// and working it out never fails, so lighting only the pixels that stay in front gives the
// picture that lighting each pixel as it is drawn gives, without the light of the pixels
// drawn over; and a row at a time, the work is free of the faces' set-up.
#pragma once
#include <cstdint>
#include <vector>

#include "scene/records.h"

namespace facetry {

// Each pixel's mark, 816 x 816: 0 for a pixel that is done; else byte 0 is the face's shade
// level + 1 and bytes 1..3 the pixel's normal, each component + 100 (so 0..255).
inline std::uint32_t pendingMark(std::uint32_t level_mark, std::uint32_t x, std::uint32_t y,
                                 std::uint32_t z) {
  return level_mark | x << 8 | y << 16 | z << 24;
}

struct PendingLight {
  std::vector<std::uint32_t> marks;  // made on first use
  // Set while pixels in rows first_row..last_row, columns first_column..last_column may be
  // marked, lit with `light` and the shade table `shades` (4 levels of 181 x 256).
  bool any = false;
  int first_row = 0, last_row = -1, first_column = 0, last_column = -1;
  Point3 light;
  const std::uint8_t* shades = nullptr;

  std::uint32_t* origin();  // the mark of row 0, column 0; all 0 when first made
  std::uint32_t* row(int y) { return origin() + std::ptrdiff_t{kMarkRow} * y; }
  // Clears the marks of the rectangle, lighting nothing (the pixels are put back or drawn
  // again), and `any`.
  void drop();
  static constexpr int kMarkRow = 816;
};

// The marked pixels of row y, columns first..last (`pixels` and `depths` at column 0), lit as
// a Phong pixel drawn there is lit, their marks cleared.
void lightPendingRow(std::uint32_t* marks, std::uint8_t* pixels, const std::int32_t* depths, int y,
                     int first, int last, const Point3& light, const std::uint8_t* shades);

}  // namespace facetry
