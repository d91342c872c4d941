// render/view_passes.cpp: the shaded face passes of the redraw, on one or two threads.
#include "render/view_passes.h"

#include <algorithm>
#include <exception>
#include <thread>

#include "render/view_lines.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

// Below this many faces a second thread costs more than it saves.
constexpr int kSplitFaces = 2000;

// Draws faces [first, last) of a shaded view into `target`, each followed by its corner
// marks when it is selected and marks are on.
void drawFaces(RedrawParts& parts, View view, bool bake, const std::vector<int>& flat_angles,
               FrameBuffers& target, int first, int last) {
  Scene& scene = parts.scene;
  const ShadingMode mode =
      modeOf(parts.views.ViewShading[static_cast<std::size_t>(viewIndex(view))]);
  const RasterContext context{parts.light, parts.textures, parts.tools.polyl};
  const bool marks = parts.tools.selectpoints || parts.tools.selectfaces;
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

// Rows a pass may change besides the ones it cleared: those above the cleared part and
// row 815, which is never cleared.
struct RowsKept {
  int cleared_from;
  std::vector<std::uint8_t> pixels;
  std::vector<std::int32_t> depths;

  RowsKept(FrameBuffers& frame, int first_cleared) : cleared_from(std::max(first_cleared, 0)) {
    for (int y : rows()) {
      pixels.insert(pixels.end(), frame.ViewBitmap.row(y),
                    frame.ViewBitmap.row(y) + 3 * kBitmapSize);
      depths.insert(depths.end(), frame.depthRow(y) + kDepthLow,
                    frame.depthRow(y) + kDepthLow + kDepthSize);
    }
  }
  std::vector<int> rows() const {
    std::vector<int> list;
    for (int y = 0; y < std::min(cleared_from, kImageSize); ++y) list.push_back(y);
    list.push_back(kBitmapSize - 1);
    return list;
  }
  void restore(FrameBuffers& frame) const {
    std::size_t k = 0;
    for (int y : rows()) {
      std::copy_n(pixels.begin() + static_cast<std::ptrdiff_t>(k * 3 * kBitmapSize),
                  3 * kBitmapSize, frame.ViewBitmap.row(y));
      std::copy_n(depths.begin() + static_cast<std::ptrdiff_t>(k * kDepthSize), kDepthSize,
                  frame.depthRow(y) + kDepthLow);
      ++k;
    }
    frame.clearRows(cleared_from, true);
  }
};

}  // namespace

// Puts the pixels of `later` (the faces after those drawn into `frame`) over `frame`
// wherever they are nearer, in rows [first_row, last_row]: with the depth test keeping the
// earlier of two equal depths, that is exactly what drawing all the faces in order gives.
void mergeNearer(FrameBuffers& frame, FrameBuffers& later, int first_row, int last_row) {
  for (int y = first_row; y <= last_row; ++y) {
    std::int32_t* depth = frame.depthRow(y);
    const std::int32_t* later_depth = later.depthRow(y);
    std::uint8_t* pixel = frame.ViewBitmap.row(y);
    const std::uint8_t* later_pixel = later.ViewBitmap.row(y);
    for (int x = 0; x < kBitmapSize; ++x) {
      if (later_depth[x] > depth[x]) {
        depth[x] = later_depth[x];
        std::copy_n(later_pixel + 3 * x, 3, pixel + 3 * x);
      }
    }
  }
}

void computeFlatAngles(const Scene& scene, const Point3& light, std::vector<int>& angles) {
  const int faces = scene.FaceCount;
  angles.resize(static_cast<std::size_t>(faces));
  auto work = [&](int first, int last) {
    for (int i = first; i < last; ++i) {
      angles[static_cast<std::size_t>(i)] =
          flatLightAngle(scene.FaceTable[static_cast<std::size_t>(i)], light);
    }
  };
  if (faces < kSplitFaces || std::thread::hardware_concurrency() < 2) {
    work(0, faces);
    return;
  }
  std::thread other(work, faces / 2, faces);
  work(0, faces / 2);
  other.join();
}

ShadingMode modeOf(const ViewShadingEntry& entry) {
  if (entry.gouraud) return ShadingMode::Gouraud;
  if (entry.phong) return ShadingMode::Phong;
  return ShadingMode::Flat;
}

void drawFacePass(RedrawParts& parts, View view, bool bake, const std::vector<int>& flat_angles) {
  const auto index = static_cast<std::size_t>(viewIndex(view));
  FrameBuffers& frame = parts.frame;
  const int faces = parts.scene.FaceCount;
  const bool marks = parts.tools.selectpoints || parts.tools.selectfaces;
  // Marks are not depth tested, so they only come out right drawn in face order.
  if (bake || marks || faces < kSplitFaces || std::thread::hardware_concurrency() < 2) {
    drawFaces(parts, view, bake, flat_angles, frame, 0, faces);
    return;
  }
  // The second half of the faces goes into a second, cleared buffer on another thread, and
  // is then merged in by depth.
  const RowsKept kept(frame, parts.views.ScrollY[index]);
  FrameBuffers& later = frame.second();
  const int half = faces / 2;
  std::exception_ptr later_failure;
  std::thread worker([&] {
    try {
      std::fill(later.DepthBuffer.begin(), later.DepthBuffer.end(), kDepthClear);
      drawFaces(parts, view, false, flat_angles, later, half, faces);
    } catch (...) {
      later_failure = std::current_exception();
    }
  });
  std::exception_ptr failure;
  try {
    drawFaces(parts, view, false, flat_angles, frame, 0, half);
  } catch (...) {
    failure = std::current_exception();
  }
  worker.join();
  if (failure || later_failure) {
    kept.restore(frame);
    drawFaces(parts, view, false, flat_angles, frame, 0, faces);  // throws where face by face does
    return;
  }
  std::thread merge_lower([&] { mergeNearer(frame, later, kBitmapSize / 2, kBitmapSize - 1); });
  mergeNearer(frame, later, 0, kBitmapSize / 2 - 1);
  merge_lower.join();
}

}  // namespace facetry
