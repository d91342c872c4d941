// render/view_lines.cpp: wires, corner marks, selection boxes, centre markers and the cross.
#include "render/view_lines.h"

#include <algorithm>
#include <cstdlib>

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

void drawViewLine(Canvas& bitmap, View view, const Point3& from, const Point3& to, Rgb colour) {
  const ViewPosition a = toView(view, from), b = toView(view, to);
  drawBitmapLine(bitmap, truncToInt(a.column), truncToInt(a.row), truncToInt(b.column),
                 truncToInt(b.row), colour);
}

void drawCornerMarks(Canvas& bitmap, View view, const Face& face, Rgb colour) {
  for (const FaceCorner& corner : face.corners) {
    if (!corner.selected) continue;
    const ViewPosition p = toView(view, corner);
    const std::int64_t column = truncToInt(p.column), row = truncToInt(p.row);
    const std::int64_t l = column - 2, r = column + 2, t = row - 2, b = row + 2;
    drawBitmapLine(bitmap, l, t, r, t, colour);
    drawBitmapLine(bitmap, r, t, r, b, colour);
    drawBitmapLine(bitmap, r, b, l, b, colour);
    drawBitmapLine(bitmap, l, b, l, t, colour);
  }
}

void drawWirePass(RedrawParts& parts, View view) {
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

void drawCentreMarkers(FrameBuffers& frame, const Point3& centre) {
  for (View view : kViews) {
    const ViewPosition p = toView(view, centre);
    frame.images[static_cast<std::size_t>(viewIndex(view))].drawCentreMarker(
        truncToInt(p.column) - 10, truncToInt(p.row) - 10);
  }
}

void drawSelectionBoxes(FrameBuffers& frame, const Scene& scene, const ViewState& views,
                        Rgb colour) {
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (!o.selected) continue;
    for (View view : kViews) {
      if (view != View::Front && !views.ThreeWindows) break;
      const ViewAxes a = viewAxes(view);
      drawSelectionBox(frame.images[static_cast<std::size_t>(viewIndex(view))],
                       truncToInt(o.min[a.column]), truncToInt(o.min[a.row]),
                       truncToInt(o.max[a.column]), truncToInt(o.max[a.row]), colour);
    }
  }
}

void kruis(Canvas& image, bool cross_on, int row, int column) {
  if (!cross_on) return;
  const Pen saved = image.pen;
  image.pen = {{0, 0, 0}, PenMode::NotXor};
  image.line(0, row, image.width(), row);
  image.line(column, 0, column, image.height());
  image.pen = saved;
}

}  // namespace facetry
