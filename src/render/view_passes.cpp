// render/view_passes.cpp: the passes of the redraw.
#include "render/view_passes.h"

#include <algorithm>
#include <cstdlib>
#include <exception>
#include <thread>

#include "scene/geometry.h"

namespace facetry {

namespace {

constexpr int kLineLimit = kImageSize - 1;  // lines never plot columns or rows 814 and 815
// Below this many faces a second thread costs more than it saves.
constexpr int kSplitFaces = 2000;

inline void putPixel(Canvas& bitmap, int x, int y, Rgb colour) {
  std::uint8_t* p = bitmap.row(y) + 3 * x;
  p[0] = colour.blue;
  p[1] = colour.green;
  p[2] = colour.red;
}

struct ViewPoint {
  std::int32_t column, row;
};

ViewPoint toPixel(int view, const FaceCorner& corner) {
  Point3 p = corner.point();
  projectToView(view, p);
  return {truncToInt(p.x), truncToInt(p.y)};
}

// A square outline two pixels around each selected corner, in the selection colour.
void drawCornerMarks(Canvas& bitmap, int view, const Face& face, Rgb colour) {
  for (const FaceCorner& corner : face.corners) {
    if (!corner.selected) continue;
    const ViewPoint p = toPixel(view, corner);
    const std::int64_t l = p.column - 2, r = p.column + 2, t = p.row - 2, b = p.row + 2;
    drawBitmapLine(bitmap, l, t, r, t, colour);
    drawBitmapLine(bitmap, r, t, r, b, colour);
    drawBitmapLine(bitmap, r, b, l, b, colour);
    drawBitmapLine(bitmap, l, b, l, t, colour);
  }
}

void growBoundsAndCentroid(Scene& scene, SceneCentroidSums& centroid) {
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& face = scene.face(i);
    ModelObject& object = scene.object(face.object);
    for (const FaceCorner& c : face.corners) {
      const float p[3] = {c.x, c.y, c.z};
      for (int a = 0; a < 3; ++a) {
        if (p[a] > object.max[a]) object.max[a] = p[a];
        if (p[a] < object.min[a]) object.min[a] = p[a];
        centroid.sum[a] += p[a];
      }
    }
    centroid.count += 3;
  }
}

// Draws faces [first, last) of a shaded view into `target`, each followed by its corner
// marks when it is selected and marks are on.
void drawFaces(RedrawParts& parts, int view, bool bake, const std::vector<int>& flat_angles,
               FrameBuffers& target, int first, int last) {
  Scene& scene = parts.scene;
  const ShadingMode mode = modeOf(parts.views.ViewShading[static_cast<std::size_t>(view - 1)]);
  const RasterContext context{parts.light, parts.textures, parts.tools.polyl};
  const bool marks = parts.tools.selectpoints || parts.tools.selectfaces;
  for (int i = first; i < last; ++i) {
    if (mode == ShadingMode::Flat) {
      rasteriseFace(scene, i, view, mode, bake, context, target,
                    flat_angles[static_cast<std::size_t>(i)]);
    } else {
      rasteriseFace(scene, i, view, mode, bake, context, target);
    }
    const Face& face = scene.FaceTable[static_cast<std::size_t>(i)];
    if (face.selected && marks) {
      drawCornerMarks(target.ViewBitmap, view, face, parts.settings.SelectionColour);
    }
  }
}

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

void drawWires(RedrawParts& parts, int view) {
  Scene& scene = parts.scene;
  Canvas& bitmap = parts.frame.ViewBitmap;
  const bool marks = parts.tools.selectpoints || parts.tools.selectfaces;
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& face = scene.face(i);
    const Rgb colour{face.red, face.green, face.blue};
    const Point3 p0 = face.corners[0].point(), p1 = face.corners[1].point(),
                 p2 = face.corners[2].point();
    drawViewLine(bitmap, view, p0, p1, colour);
    drawViewLine(bitmap, view, p1, p2, colour);
    drawViewLine(bitmap, view, p0, p2, colour);
    if (face.selected && marks) {
      drawCornerMarks(bitmap, view, face, parts.settings.SelectionColour);
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

void drawBitmapLine(Canvas& bitmap, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                    std::int64_t y2, Rgb colour) {
  if (x1 < 1 && y1 < 1 && x2 < 1 && y2 < 1) return;
  const bool x_major = std::llabs(y2 - y1) < std::llabs(x2 - x1);
  if (!x_major) {
    std::swap(x1, y1);
    std::swap(x2, y2);
  }
  // From here "x" is the major axis.
  if (x1 > x2) {
    std::swap(x1, x2);
    std::swap(y1, y2);
  }
  const std::int64_t divisor = x2 - x1 != 0 ? x2 - x1 : 1;
  const std::int64_t from = std::clamp<std::int64_t>(x1, 0, kLineLimit);
  const std::int64_t to = std::clamp<std::int64_t>(x2, 0, kLineLimit);
  for (std::int64_t x = from; x <= to; ++x) {
    const std::int64_t y = (y2 - y1) * (x - x1) / divisor + y1;
    const std::int64_t column = x_major ? x : y;
    const std::int64_t row = x_major ? y : x;
    if (column >= 0 && column < kLineLimit && row >= 0 && row < kLineLimit) {
      putPixel(bitmap, static_cast<int>(column), static_cast<int>(row), colour);
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

void drawPass(RedrawParts& parts, int view, bool bake, const std::vector<int>& flat_angles) {
  if (view == kFrontView) growBoundsAndCentroid(parts.scene, parts.views.SceneCentroid);
  const auto index = static_cast<std::size_t>(view - 1);
  if (!parts.views.ViewShading[index].shaded) {
    drawWires(parts, view);
    return;
  }
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
