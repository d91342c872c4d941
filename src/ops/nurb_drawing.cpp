// ops/nurb_drawing.cpp: curves over the views.
#include "ops/nurb_drawing.h"

#include <cmath>
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

constexpr double kClipMargin = 8;

std::pair<double, double> viewPixel(View view, float x, float y, float z) {
  const ViewPosition v = toView(view, Point3{x, y, z});
  return {v.column, v.row};
}

// Liang-Barsky: shortens the segment to the part inside [lo, hi] on both axes; false when
// nothing of it is inside (or a coordinate is not finite).
bool clipSegment(double& x0, double& y0, double& x1, double& y1, double lo_x, double lo_y,
                 double hi_x, double hi_y) {
  if (!std::isfinite(x0) || !std::isfinite(y0) || !std::isfinite(x1) || !std::isfinite(y1)) {
    return false;
  }
  double t0 = 0, t1 = 1;
  const double dx = x1 - x0, dy = y1 - y0;
  const double p[4] = {-dx, dx, -dy, dy};
  const double q[4] = {x0 - lo_x, hi_x - x0, y0 - lo_y, hi_y - y0};
  for (int i = 0; i < 4; ++i) {
    if (p[i] == 0) {
      if (q[i] < 0) return false;
      continue;
    }
    const double r = q[i] / p[i];
    if (p[i] < 0) {
      if (r > t1) return false;
      if (r > t0) t0 = r;
    } else {
      if (r < t0) return false;
      if (r < t1) t1 = r;
    }
  }
  const double nx0 = x0 + t0 * dx, ny0 = y0 + t0 * dy;
  x1 = x0 + t1 * dx;
  y1 = y0 + t1 * dy;
  x0 = nx0;
  y0 = ny0;
  return true;
}

}  // namespace

void drawClippedPolyline(Canvas& image, const std::vector<std::pair<double, double>>& points) {
  const double hi_x = image.width() + kClipMargin, hi_y = image.height() + kClipMargin;
  for (std::size_t i = 1; i < points.size(); ++i) {
    double x0 = points[i - 1].first, y0 = points[i - 1].second;
    double x1 = points[i].first, y1 = points[i].second;
    if (!clipSegment(x0, y0, x1, y1, -kClipMargin, -kClipMargin, hi_x, hi_y)) continue;
    image.line(truncToInt(x0), truncToInt(y0), truncToInt(x1), truncToInt(y1));
  }
}

void drawCurve(const Scene& scene, int index, const CurveSettings& settings,
               std::array<Canvas, 3>& images, PenMode mode, bool highlighted) {
  const NurbSurface& curve = scene.NurbTable.at(static_cast<std::size_t>(index));
  std::vector<CurvePoint> points;
  curvePoints(curve, settings.line_resolution, points);
  const int n = curve.count < kMaxSurfacePoints ? curve.count : kMaxSurfacePoints;
  for (View view : kViews) {
    Canvas& image = images[static_cast<std::size_t>(viewIndex(view))];
    if (image.width() == 0) continue;
    std::vector<std::pair<double, double>> polygon;
    for (int j = 0; j < n; ++j) {
      const FaceCorner& c = curve.points[j];
      polygon.push_back(viewPixel(view, c.x, c.y, c.z));
    }
    image.pen = {highlighted ? kHighlightRed : kPolygonGrey, mode};
    drawClippedPolyline(image, polygon);
    for (const auto& [x, y] : polygon) {
      if (!(x > -kClipMargin && x < image.width() + kClipMargin && y > -kClipMargin &&
            y < image.height() + kClipMargin)) {
        continue;
      }
      const int col = truncToInt(x), row = truncToInt(y);
      image.frameRect(col - kMarkHalf, row - kMarkHalf, col + kMarkHalf, row + kMarkHalf);
    }
    std::vector<std::pair<double, double>> line;
    for (const CurvePoint& p : points) {
      line.push_back(viewPixel(view, static_cast<float>(p[0]), static_cast<float>(p[1]),
                               static_cast<float>(p[2])));
    }
    image.pen = {kCurveBlack, mode};
    drawClippedPolyline(image, line);
    image.pen = {};
  }
}

void drawCurves(const Scene& scene, const CurveSettings& settings, std::array<Canvas, 3>& images) {
  for (int i = 0; i < scene.NurbCount; ++i) {
    drawCurve(scene, i, settings, images, PenMode::Copy, i == settings.highlighted);
  }
}

}  // namespace facetry
