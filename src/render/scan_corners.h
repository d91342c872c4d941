// render/scan_corners.h: each view's faces as the scan starts them, kept between redraws.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace facetry {

// A face's corners in one of the three views as the scan takes them, top to bottom: rows
// and columns truncated to whole pixels, depths in fixed point, and which of the face's
// corners each one is.
struct ScanCorners {
  std::int32_t row[3], column[3], depth[3];
  std::uint8_t corner[3];
};

// The scan corners of one view's faces (face i at faces[i]), kept while the faces' corners
// are what they were: `corner_changes` is FlatAngleSources::changes when they were made,
// which counts every change of any face's corners, bit for bit.
struct KeptScanCorners {
  std::vector<ScanCorners> faces;
  bool valid = false;
  int count = 0;
  std::uint64_t corner_changes = 0;
};

}  // namespace facetry
