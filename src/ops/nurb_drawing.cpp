// ops/nurb_drawing.cpp: curves over the views.
#include "ops/nurb_drawing.h"

#include <vector>

#include "ops/nurb_curves.h"
#include "scene/geometry.h"
#include "scene/view_axes.h"

namespace facetry {

namespace {

constexpr Rgb kPolygonGrey{128, 128, 128};
constexpr Rgb kHighlightRed{255, 0, 0};
constexpr Rgb kCurveBlack{0, 0, 0};
constexpr int kMarkHalf = 2;

std::pair<int, int> viewPixel(View view, float x, float y, float z) {
  const ViewPosition v = toView(view, Point3{x, y, z});
  return {truncToInt(v.column), truncToInt(v.row)};
}

}  // namespace

void drawCurve(const Scene& scene, int index, const CurveSettings& settings,
               std::array<Canvas, 3>& images, PenMode mode, bool highlighted) {
  const NurbSurface& curve = scene.NurbTable.at(static_cast<std::size_t>(index));
  std::vector<CurvePoint> points;
  curvePoints(curve, settings.line_resolution, points);
  const int n = curve.count < kMaxSurfacePoints ? curve.count : kMaxSurfacePoints;
  for (View view : kViews) {
    Canvas& image = images[static_cast<std::size_t>(viewIndex(view))];
    if (image.width() == 0) continue;
    std::vector<std::pair<int, int>> polygon;
    for (int j = 0; j < n; ++j) {
      const FaceCorner& c = curve.points[j];
      polygon.push_back(viewPixel(view, c.x, c.y, c.z));
    }
    image.pen = {highlighted ? kHighlightRed : kPolygonGrey, mode};
    if (polygon.size() > 1) image.polyline(polygon);
    for (const auto& [x, y] : polygon) {
      image.frameRect(x - kMarkHalf, y - kMarkHalf, x + kMarkHalf, y + kMarkHalf);
    }
    if (points.size() > 1) {
      std::vector<std::pair<int, int>> line;
      for (const CurvePoint& p : points) {
        line.push_back(viewPixel(view, static_cast<float>(p[0]), static_cast<float>(p[1]),
                                 static_cast<float>(p[2])));
      }
      image.pen = {kCurveBlack, mode};
      image.polyline(line);
    }
    image.pen = {};
  }
}

void drawCurves(const Scene& scene, const CurveSettings& settings, std::array<Canvas, 3>& images) {
  for (int i = 0; i < scene.NurbCount; ++i) {
    drawCurve(scene, i, settings, images, PenMode::Copy, i == settings.highlighted);
  }
}

}  // namespace facetry
