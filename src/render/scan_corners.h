// render/scan_corners.h: each view's faces as the scan starts them, kept between redraws.
#pragma once
#include <array>
#include <cstdint>
#include <vector>

namespace facetry {

// A face's corners in a view (the survey view too) as the scan takes them, top to bottom:
// rows and columns truncated to whole pixels, depths in fixed point, and which of the
// face's corners each one is.
struct ScanCorners {
  std::int32_t row[3], column[3], depth[3];
  std::uint8_t corner[3];
};

// The scan corners of one view's faces (face i at faces[i]), kept while what they were made
// from stays: `corner_changes` is the count of changes to that (FlatAngleSources::changes
// for the three views, KeptSurveyCorners::mappings for the survey) when they were made.
struct KeptScanCorners {
  std::vector<ScanCorners> faces;
  bool valid = false;
  int count = 0;
  std::uint64_t corner_changes = 0;

  // Whether they were made for `faces` faces at `changes` changes.
  bool current(int face_count, std::uint64_t changes) const {
    return valid && count == face_count && corner_changes == changes;
  }
  // Room for `face_count` faces' corners to be made again; not valid until made().
  ScanCorners* remake(int face_count) {
    valid = false;
    if (faces.size() < static_cast<std::size_t>(face_count)) {
      faces.resize(static_cast<std::size_t>(face_count));
    }
    return faces.data();
  }
  void made(int face_count, std::uint64_t changes) {
    valid = true;
    count = face_count;
    corner_changes = changes;
  }
};

}  // namespace facetry
