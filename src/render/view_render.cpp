// render/view_render.cpp: the redraw of the three orthographic views.
#include "render/view_render.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

#include "render/rasteriser.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

constexpr int kLineLimit = kImageSize - 1;  // lines never plot columns or rows 814 and 815

inline void putPixel(Canvas& bitmap, int x, int y, Rgb colour) {
  std::uint8_t* p = bitmap.row(y) + 3 * x;
  p[0] = colour.blue;
  p[1] = colour.green;
  p[2] = colour.red;
}

// The integer line of the wire frame and the corner marks: the major axis is walked pixel
// by pixel within 0..814, the minor coordinate follows by truncating division, and only
// pixels with both coordinates in 0..813 are written.
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

const ViewShadingEntry& shadingOf(const ViewState& views, int view) {
  return views.ViewShading[static_cast<std::size_t>(view - 1)];
}

ShadingMode modeOf(const ViewShadingEntry& entry) {
  if (entry.gouraud) return ShadingMode::Gouraud;
  if (entry.phong) return ShadingMode::Phong;
  return ShadingMode::Flat;
}

// One pass over every face in `view`: edges when the view is wired, faces otherwise, and
// the corner marks of selected faces when point or face selection is on. The front pass
// also grows each object's screen bounds and the scene centroid.
void drawPass(RedrawParts& parts, int view, bool bake) {
  Scene& scene = parts.scene;
  FrameBuffers& frame = parts.frame;
  const ViewShadingEntry& shading = shadingOf(parts.views, view);
  const ShadingMode mode = modeOf(shading);
  const RasterContext context{parts.light, parts.textures, parts.tools.polyl};
  const bool marks = parts.tools.selectpoints || parts.tools.selectfaces;
  const bool front = view == kFrontView;
  SceneCentroidSums& centroid = parts.views.SceneCentroid;
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& face = scene.face(i);
    if (front) {
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
    if (!shading.shaded) {
      const Rgb colour{face.red, face.green, face.blue};
      drawViewLine(frame.ViewBitmap, view, face.corners[0].point(), face.corners[1].point(),
                   colour);
      drawViewLine(frame.ViewBitmap, view, face.corners[1].point(), face.corners[2].point(),
                   colour);
      drawViewLine(frame.ViewBitmap, view, face.corners[0].point(), face.corners[2].point(),
                   colour);
    } else {
      rasteriseFace(scene, i, view, mode, bake, context, frame);
    }
    if (face.selected && marks) {
      drawCornerMarks(frame.ViewBitmap, view, scene.FaceTable[static_cast<std::size_t>(i)],
                      parts.settings.SelectionColour);
    }
  }
}

void drawSelectionBox(Canvas& image, std::int32_t min_column, std::int32_t min_row,
                      std::int32_t max_column, std::int32_t max_row, Rgb colour) {
  image.pen = {colour, PenMode::Copy};
  image.polyline({{min_column - 2, min_row - 2},
                  {max_column + 2, min_row - 2},
                  {max_column + 2, max_row + 2},
                  {min_column - 2, max_row + 2},
                  {min_column - 2, min_row - 2}});
  image.pen.colour = {0, 0, 0};
}

}  // namespace

void projectToView(int view, Point3& point) {
  const Point3 p = point;
  switch (view) {
    case kTopView:
      point = {p.x, p.z, -p.y};
      break;
    case kSideView:
      point = {p.z, p.y, p.x};
      break;
    default:
      break;
  }
}

void drawViewLine(Canvas& bitmap, int view, const Point3& from, const Point3& to, Rgb colour) {
  Point3 a = from, b = to;
  projectToView(view, a);
  projectToView(view, b);
  drawBitmapLine(bitmap, truncToInt(a.x), truncToInt(a.y), truncToInt(b.x), truncToInt(b.y),
                 colour);
}

void kruis(Canvas& image, bool cross_on, int row, int column) {
  if (!cross_on) return;
  const Pen saved = image.pen;
  image.pen = {{0, 0, 0}, PenMode::NotXor};
  image.line(0, row, image.width(), row);
  image.line(column, 0, column, image.height());
  image.pen = saved;
}

void teken(RedrawParts& parts, bool bake) {
  Scene& scene = parts.scene;
  ViewState& views = parts.views;
  FrameBuffers& frame = parts.frame;

  if (parts.hooks.survey_cross) parts.hooks.survey_cross(kFrontView, -1000, -1000);
  views.SceneCentroid = {};

  bool any_shaded = false;
  for (int v = 0; v < 3; ++v)
    any_shaded = any_shaded || views.ViewShading[static_cast<std::size_t>(v)].shaded;
  bool any_smooth = false;
  for (const ViewShadingEntry& entry : views.ViewShading) {
    any_smooth = any_smooth || entry.gouraud || entry.phong;
  }
  if (any_shaded && any_smooth) computeVertexNormals(scene, parts.light);

  frame.clearRows(views.ScrollY[0], true);
  for (int k = 0; k <= scene.ObjectCount; ++k) {
    ModelObject& o = scene.object(k);
    for (int a = 0; a < 3; ++a) {
      o.min[a] = 100000;
      o.max[a] = -100000;
    }
  }

  const bool others = !bake && views.ThreeWindows;
  if (scene.FaceCount == 0) {
    for (Canvas& image : frame.images) image.copyFrom(frame.ViewBitmap);
  } else {
    drawPass(parts, kFrontView, bake);
    frame.images[0].copyFrom(frame.ViewBitmap);
    if (others) {
      for (int view : {kTopView, kSideView}) {
        const auto index = static_cast<std::size_t>(view - 1);
        frame.clearRows(views.ScrollY[index], views.ViewShading[index].shaded);
        drawPass(parts, view, bake);
        frame.images[index].copyFrom(frame.ViewBitmap);
      }
    }
  }

  const Point3 c = views.CentrePoint;
  const std::int32_t cx = truncToInt(c.x), cy = truncToInt(c.y), cz = truncToInt(c.z);
  frame.images[0].drawCentreMarker(cx - 10, cy - 10);
  frame.images[1].drawCentreMarker(cx - 10, cz - 10);
  frame.images[2].drawCentreMarker(cz - 10, cy - 10);

  if (!parts.tools.selectpoints && !parts.tools.selectfaces && !bake) {
    const Rgb colour = parts.settings.SelectionColour;
    for (int k = 0; k < scene.ObjectCount; ++k) {
      const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
      if (!o.selected) continue;
      const std::int32_t x0 = truncToInt(o.min[0]), y0 = truncToInt(o.min[1]),
                         z0 = truncToInt(o.min[2]);
      const std::int32_t x1 = truncToInt(o.max[0]), y1 = truncToInt(o.max[1]),
                         z1 = truncToInt(o.max[2]);
      drawSelectionBox(frame.images[0], x0, y0, x1, y1, colour);
      if (views.ThreeWindows) {
        drawSelectionBox(frame.images[1], x0, z0, x1, z1, colour);
        drawSelectionBox(frame.images[2], z0, y0, z1, y1, colour);
      }
    }
  }

  for (int v = 0; v < 3; ++v) {
    const auto& mouse = views.MousePosition[static_cast<std::size_t>(v)];
    kruis(frame.images[static_cast<std::size_t>(v)], views.CrossOn, static_cast<int>(mouse[1]),
          static_cast<int>(mouse[0]));
  }

  SceneCentroidSums& centroid = views.SceneCentroid;
  if (centroid.count > 0) {
    for (int a = 0; a < 3; ++a) {
      centroid.centre[a] = centroid.sum[a] / static_cast<double>(centroid.count);
    }
  }
  if (!bake && parts.hooks.survey) parts.hooks.survey();
  if (!bake && parts.hooks.curves) parts.hooks.curves();

  scene.ObjectNameBuffer.assign("Object_01");
  scene.ask = false;
}

}  // namespace facetry
