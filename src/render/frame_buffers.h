// render/frame_buffers.h: the one bitmap and depth buffer that every renderer draws into,
// and the three view images the finished bitmap is copied onto.
#pragma once
#include <array>
#include <cstdint>
#include <memory>
#include <vector>

#include "render/canvas.h"
#include "render/flat_angles.h"
#include "render/normals_cache.h"
#include "render/pending_light.h"
#include "render/scan_corners.h"
#include "render/side_by_side.h"
#include "render/survey_projection.h"
#include "scene/view_axes.h"

namespace facetry {

constexpr int kBitmapSize = 816;  // ViewBitmap is 816 x 816
constexpr int kImageSize = 815;   // each view image is 815 x 815
constexpr int kDepthLow = -10;    // DepthBuffer rows and columns run -10..816
constexpr int kDepthSize = 827;
constexpr std::int32_t kDepthClear = -300000;  // depths have 7 fraction bits; larger is nearer

struct FrameBuffers {
  FrameBuffers();
  FrameBuffers(const FrameBuffers& other);
  FrameBuffers& operator=(const FrameBuffers&) = delete;

  Canvas ViewBitmap;
  std::vector<std::int32_t> DepthBuffer;    // kDepthSize rows of kDepthSize columns
  std::vector<std::int32_t> DepthClearRow;  // -300000 in columns 0..815, 0 elsewhere
  std::vector<std::uint8_t> BackgroundRow;  // 816 pixels in the background colour (BGR)
  std::array<Canvas, 3> images;             // Image1 (front), Image2 (top), Image3 (side)

  // Depth at (row, column), both in -10..816.
  std::int32_t& depth(int row, int column) {
    return DepthBuffer[static_cast<std::size_t>(row - kDepthLow) * kDepthSize +
                       static_cast<std::size_t>(column - kDepthLow)];
  }
  std::int32_t* depthRow(int row) {
    return DepthBuffer.data() + static_cast<std::size_t>(row - kDepthLow) * kDepthSize - kDepthLow;
  }
  // Refills BackgroundRow (at start-up and when the background colour changes).
  void setBackground(Rgb colour);
  // Clears depth rows (to DepthClearRow) and bitmap rows (to BackgroundRow) from `first_row`
  // through 814.
  void clearRows(int first_row, bool depth_too);
  // Clears one row so, of the bitmap and (when asked) of the depth buffer.
  void clearRow(int row, bool depth_too);
  // Copies bitmap rows first..last (within 0..814) onto `image` (when given), each row then
  // cleared as clearRows(next.first_row, next.depth_too) would clear it, when `next.wanted`.
  struct RowClear {
    bool wanted = false;
    int first_row = 0;
    bool depth_too = false;
  };
  void copyAndClearRows(Canvas* image, int first, int last, const RowClear& next);

  // Each face's flat light angle, worked out once per redraw for all its views (and kept for
  // the next redraw with what it was worked out from); current only while that redraw runs.
  std::vector<int> flat_angles;
  bool flat_angles_current = false;
  FlatAngleSources flat_angle_sources;
  // Set while a redraw runs whose flat angle pass compared every face's corners with
  // flat_angle_sources (angles wanted or not), which then holds them.
  bool corners_compared = false;
  // The least and greatest x, y and z over every corner of the scene, gathered by a redraw
  // before its face passes (corners that are not numbers left out); valid while
  // `corners_bounded` is set, during that redraw.
  float corner_min[3] = {};
  float corner_max[3] = {};
  bool corners_bounded = false;
  // The corner normals of the last redraw that needed them, and what they were made of.
  VertexNormalsCache normals;
  // The survey mapping of each face's corners, worked out once per survey redraw and kept
  // while nothing it is made of changes.
  KeptSurveyCorners survey_corners;
  // The scan corners of the front, top and side views' faces, kept the same way, and those
  // of the survey view, kept while its mapped corners are (their corner_changes counts
  // KeptSurveyCorners::mappings).
  std::array<KeptScanCorners, 3> scan_corners;
  KeptScanCorners survey_scan_corners;
  // The Phong pixels of the view being drawn that are still to be lit (not copied with the
  // frame).
  PendingLight pending_light;

  // A second bitmap and depth buffer of the same size, made on first use, that a redraw
  // draws half of the faces into on a second thread.
  FrameBuffers& second();
  // The thread that draws that half, kept between redraws.
  SideWorker& worker();

 private:
  std::unique_ptr<FrameBuffers> second_;
  std::unique_ptr<SideWorker> worker_;
};

// Some rows of a frame's bitmap and depth buffer as they were, to be put back later (into
// the same frame or another).
class SavedRows {
 public:
  void take(FrameBuffers& frame, std::vector<int> rows);
  void put(FrameBuffers& frame) const;

 private:
  std::vector<int> rows_;
  std::vector<std::uint8_t> pixels_;
  std::vector<std::int32_t> depths_;
};

}  // namespace facetry
