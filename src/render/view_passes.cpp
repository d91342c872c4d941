// render/view_passes.cpp: the shaded face passes of the redraw, on one or two threads.
#include "render/view_passes.h"

#include <algorithm>
#include <exception>
#include <functional>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "render/side_by_side.h"
#include "render/view_lines.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

// The scan corners a plain pass reads (when kept), the faces among them it works out anew
// (when renewed), and where it keeps the ones it works out (when keep).
struct ScanCornerUse {
  const ScanCorners* kept = nullptr;
  ScanCorners* keep = nullptr;
  const std::uint8_t* renewed = nullptr;
};

// Draws faces [first, last) of a shaded view into `target`, each followed by its corner
// marks when it is selected and marks are on.
void drawFaces(RedrawParts& parts, View view, bool bake, const std::vector<int>& flat_angles,
               FrameBuffers& target, int first, int last, int band_first = 0,
               int band_last = kBitmapSize - 1, ScanCornerUse scan = {},
               std::uint32_t* pending_marks = nullptr) {
  Scene& scene = parts.scene;
  const ShadingMode mode =
      modeOf(parts.views.ViewShading[static_cast<std::size_t>(viewIndex(view))]);
  RasterContext context{parts.light, parts.textures, parts.tools.polyl};
  context.band_first = band_first;
  context.band_last = band_last;
  context.kept_corners = scan.kept;
  context.keep_corners = scan.keep;
  context.renewed = scan.renewed;
  context.share_rows = band_first > 0 || band_last < kBitmapSize - 1;
  context.pending_marks = pending_marks;
  const bool marks = parts.tools.selectpoints || parts.tools.selectfaces;
  if (!bake && !marks) {
    const bool known = flat_angles.size() >= static_cast<std::size_t>(last);
    rasteriseFaces(scene, first, last, static_cast<int>(view), mode, context, target,
                   known ? flat_angles.data() : nullptr);
    return;
  }
  for (int i = first; i < last; ++i) {
    if (mode == ShadingMode::Flat) {
      rasteriseFace(scene, i, static_cast<int>(view), mode, bake, context, target,
                    flat_angles[static_cast<std::size_t>(i)]);
    } else {
      rasteriseFace(scene, i, static_cast<int>(view), mode, bake, context, target);
    }
    if (marks && scene.FaceTable[static_cast<std::size_t>(i)].selected) {
      drawCornerMarks(target.ViewBitmap, view, scene.FaceTable[static_cast<std::size_t>(i)],
                      parts.settings.SelectionColour);
    }
  }
}

// Rows a pass may change besides the ones cleared from `cleared_from` on: those above
// them, and row 815, which is never cleared.
std::vector<int> rowsNotCleared(int cleared_from) {
  std::vector<int> rows;
  for (int y = 0; y < std::min(cleared_from, kImageSize); ++y) rows.push_back(y);
  rows.push_back(kBitmapSize - 1);
  return rows;
}

// Below this many faces a view is shared out by rows rather than by faces: every face is
// then set up on both threads, which costs less than merging a second buffer.
constexpr int kBandFaces = 30000;

// How a plain pass over `faces` faces uses the view's kept scan corners. They are kept
// only while the flat angles of each redraw compare every face's corners: when they were
// made from the corners the faces have now, they are read; when from the corners of the
// last such comparison, the faces whose corners changed since are worked out anew (and
// kept); else they are all made afresh.
ScanCornerUse scanCornerUse(FrameBuffers& frame, KeptScanCorners& kept, int faces) {
  const FlatAngleSources& sources = frame.flat_angle_sources;
  const bool compared = frame.corners_compared &&
                        sources.corners.size() == static_cast<std::size_t>(faces) &&
                        sources.state.size() == static_cast<std::size_t>(faces);
  if (compared && kept.current(faces, sources.changes)) return {kept.faces.data()};
  if (compared && kept.current(faces, sources.changes_before)) {
    // Up to date again only once the pass has drawn every face.
    return {kept.faces.data(), kept.remake(faces), sources.state.data()};
  }
  kept.valid = false;
  if (!compared) return {};
  return {nullptr, kept.remake(faces)};
}

// After a pass that drew every face with `scan`, what it kept is up to date.
void keepScanCorners(const FrameBuffers& frame, KeptScanCorners& kept, ScanCornerUse scan,
                     int faces) {
  if (scan.keep != nullptr) kept.made(faces, frame.flat_angle_sources.changes);
}

// Lights the marked pixels of rows first..last (those the pass may have marked).
void lightPendingRows(FrameBuffers& frame, int first, int last) {
  PendingLight& pending = frame.pending_light;
  const int from = std::max(first, pending.first_row), to = std::min(last, pending.last_row);
  for (int y = from; y <= to; ++y) {
    lightPendingRow(pending.row(y), frame.ViewBitmap.row(y), frame.depthRow(y), y,
                    pending.first_column, pending.last_column, pending.light, pending.shades);
  }
}

// Phong pixels are marked inside `area`, to be lit when the view is finished.
std::uint32_t* startPendingLight(RedrawParts& parts, const PixelRectangle& area) {
  PendingLight& pending = parts.frame.pending_light;
  pending.any = true;
  pending.first_row = area.first_row;
  pending.last_row = area.last_row;
  pending.first_column = area.first_column;
  pending.last_column = area.last_column;
  pending.light = parts.light.LightPosition;
  pending.shades = parts.light.ShadeTable.data();
  return pending.origin();
}

}  // namespace

void mergeNearer(FrameBuffers& frame, FrameBuffers& later, const PixelRectangle& area) {
  // The marks of pixels still to be lit go with the pixels.
  const bool marked = frame.pending_light.any;
  for (int y = area.first_row; y <= area.last_row; ++y) {
    std::int32_t* depth = frame.depthRow(y);
    const std::int32_t* later_depth = later.depthRow(y);
    std::uint8_t* pixel = frame.ViewBitmap.row(y) + std::ptrdiff_t{3} * area.first_column;
    const std::uint8_t* later_pixel =
        later.ViewBitmap.row(y) + std::ptrdiff_t{3} * area.first_column;
    std::uint32_t* mark = marked ? frame.pending_light.row(y) : nullptr;
    const std::uint32_t* later_mark = marked ? later.pending_light.row(y) : nullptr;
    int x = area.first_column;
#if defined(__SSE2__)
    // Four pixels at a time; their twelve bytes are read and written as 8 + 4.
    for (; x + 3 <= area.last_column; x += 4, pixel += 12, later_pixel += 12) {
      auto* depths = reinterpret_cast<__m128i*>(depth + x);
      const __m128i here = _mm_loadu_si128(depths);
      const __m128i there = _mm_loadu_si128(reinterpret_cast<const __m128i*>(later_depth + x));
      const __m128i nearer = _mm_cmpgt_epi32(there, here);
      const int pattern = _mm_movemask_ps(_mm_castsi128_ps(nearer));
      if (pattern == 0) continue;
      _mm_storeu_si128(depths,
                       _mm_or_si128(_mm_and_si128(nearer, there), _mm_andnot_si128(nearer, here)));
      if (mark != nullptr) {
        auto* marks = reinterpret_cast<__m128i*>(mark + x);
        const __m128i later_marks =
            _mm_loadu_si128(reinterpret_cast<const __m128i*>(later_mark + x));
        _mm_storeu_si128(marks, _mm_or_si128(_mm_and_si128(nearer, later_marks),
                                             _mm_andnot_si128(nearer, _mm_loadu_si128(marks))));
      }
      for (int k = 0; k < 4; ++k) {
        if ((pattern >> k) & 1) std::copy_n(later_pixel + 3 * k, 3, pixel + 3 * k);
      }
    }
#endif
    for (; x <= area.last_column; ++x, pixel += 3, later_pixel += 3) {
      if (later_depth[x] > depth[x]) {
        depth[x] = later_depth[x];
        std::copy_n(later_pixel, 3, pixel);
        if (mark != nullptr) mark[x] = later_mark[x];
      }
    }
  }
}

PixelRectangle facesRectangle(const FrameBuffers& frame, View view) {
  const PixelRectangle whole{0, kBitmapSize - 1, 0, kBitmapSize - 1};
  if (!frame.corners_bounded) return whole;
  const ViewAxes axes = viewAxes(view);
  // Truncated toward zero and clamped to the bitmap, as the rasteriser clamps what it draws.
  const auto place = [](float value) {
    const float bounded = std::clamp(value, -1e9f, 1e9f);
    return std::clamp(static_cast<int>(bounded), -1, kBitmapSize);
  };
  const auto column = static_cast<std::size_t>(axes.column);
  const auto row = static_cast<std::size_t>(axes.row);
  PixelRectangle area{std::max(place(frame.corner_min[row]), 0),
                      std::min(place(frame.corner_max[row]), kBitmapSize - 1),
                      std::max(place(frame.corner_min[column]), 0),
                      std::min(place(frame.corner_max[column]), kBitmapSize - 1)};
  return area;
}

ShadingMode modeOf(const ViewShadingEntry& entry) {
  if (entry.gouraud) return ShadingMode::Gouraud;
  if (entry.phong) return ShadingMode::Phong;
  return ShadingMode::Flat;
}

std::optional<PixelRectangle> drawFacePass(RedrawParts& parts, View view, bool bake,
                                           const std::vector<int>& flat_angles) {
  const auto index = static_cast<std::size_t>(viewIndex(view));
  FrameBuffers& frame = parts.frame;
  const int faces = parts.scene.FaceCount;
  const bool marks = parts.tools.selectpoints || parts.tools.selectfaces;
  // Marks are not depth tested, so they only come out right drawn in face order.
  if (bake || marks) {
    drawFaces(parts, view, bake, flat_angles, frame, 0, faces);
    return std::nullopt;
  }
  KeptScanCorners& kept_scan = frame.scan_corners[index];
  const ScanCornerUse scan = scanCornerUse(frame, kept_scan, faces);
  const PixelRectangle area = facesRectangle(frame, view);
  // Outlined faces are lit as they are drawn, so a pass with outlines marks nothing.
  const bool phong =
      modeOf(parts.views.ViewShading[index]) == ShadingMode::Phong && !parts.tools.polyl;
  std::uint32_t* pending = phong ? startPendingLight(parts, area) : nullptr;
  if (!worthSplitting(faces)) {
    try {
      drawFaces(parts, view, false, flat_angles, frame, 0, faces, 0, kBitmapSize - 1, scan,
                pending);
    } catch (...) {
      // What the faces before the one that failed drew is lit, as it would have been.
      if (pending != nullptr) lightPendingRows(frame, 0, kBitmapSize - 1);
      frame.pending_light.any = false;
      throw;
    }
    keepScanCorners(frame, kept_scan, scan, faces);
    return std::nullopt;
  }
  // Few faces: both threads draw every face, each in its own half of the rows of the faces'
  // rectangle, and nothing is merged. Many faces: the second half of them goes into a
  // second buffer on another thread, and is then merged in by depth; faces draw only inside
  // the rectangle of their corners, so only that part of the second buffer is cleared and
  // merged. Should either side fail, the rows the pass may change are put back as they were
  // and the faces drawn again one by one.
  const int cleared_from = std::max(parts.views.ScrollY[index], 0);
  SavedRows kept;
  kept.take(frame, rowsNotCleared(cleared_from));
  std::optional<PixelRectangle> merge;
  SideFailures failures;
  if (faces < kBandFaces) {
    const int split = (area.first_row + area.last_row + 1) / 2;
    failures = runSideBySide(
        &frame.worker(),
        [&] {
          drawFaces(parts, view, false, flat_angles, frame, 0, faces, 0, split - 1, scan, pending);
        },
        [&] {
          // The first side keeps what is worked out; this one only reads what it did not
          // work out.
          drawFaces(parts, view, false, flat_angles, frame, 0, faces, split, kBitmapSize - 1,
                    {scan.kept, nullptr, scan.renewed}, pending);
        });
  } else {
    FrameBuffers& later = frame.second();
    std::uint32_t* later_pending = phong ? later.pending_light.origin() : nullptr;
    const int half = faces / 2;
    merge = area;
    failures = runSideBySide(
        &frame.worker(),
        [&] {
          drawFaces(parts, view, false, flat_angles, frame, 0, half, 0, kBitmapSize - 1, scan,
                    pending);
        },
        [&] {
          for (int y = area.first_row; y <= area.last_row; ++y) {
            std::fill(later.depthRow(y) + area.first_column,
                      later.depthRow(y) + area.last_column + 1, kDepthClear);
          }
          drawFaces(parts, view, false, flat_angles, later, half, faces, 0, kBitmapSize - 1, scan,
                    later_pending);
        });
  }
  if (failures.any()) {
    frame.pending_light.drop();
    kept.put(frame);
    frame.clearRows(cleared_from, true);
    drawFaces(parts, view, false, flat_angles, frame, 0, faces);  // throws where face by face does
    return std::nullopt;
  }
  keepScanCorners(frame, kept_scan, scan, faces);
  return merge;
}

void finishView(FrameBuffers& frame, Canvas* image, const std::optional<PixelRectangle>& merge,
                const FrameBuffers::RowClear& next) {
  const auto finish = [&](int first_row, int last_row) {
    if (merge) {
      PixelRectangle part = *merge;
      part.first_row = std::max(part.first_row, first_row);
      part.last_row = std::min(part.last_row, last_row);
      mergeNearer(frame, frame.second(), part);
    }
    if (frame.pending_light.any) lightPendingRows(frame, first_row, last_row);
    frame.copyAndClearRows(image, first_row, last_row, next);
  };
  if (!worthSplittingRows()) {
    finish(0, kBitmapSize - 1);
  } else {
    // Both threads take blocks of rows as they go, since the cost of a row depends on what
    // the caches of each hold.
    BlockQueue rows(kBitmapSize, 16);
    const auto take = [&] {
      for (int first, last; rows.take(first, last);) finish(first, last - 1);
    };
    runSideBySide(&frame.worker(), take, take);
  }
  frame.pending_light.any = false;
}

}  // namespace facetry
