// edit/view_navigation.cpp: zoom about a point and fit all.
#include "edit/view_navigation.h"

#include <algorithm>
#include <cmath>

namespace facetry {

namespace {

constexpr double kSmallestZoom = 5;
constexpr double kLargestZoom = 1600;
constexpr double kStepFactor = 1.25;
constexpr double kLargestFit = 400;
constexpr int kFitMargin = 8;    // pixels kept free round the faces
constexpr int kImageLast = 813;  // lines are drawn in columns and rows 0..813

double axisValue(const Point3& p, int axis) {
  return axisOf(p, axis);
}

// Where a stored coordinate on `axis` goes when the zoom changes to `percent` (setZoom's
// rule: back to 100 % about StartCentre, out again about CentrePoint).
double zoomed(const ViewState& v, int axis, double p, double percent) {
  const double start = v.StartCentre[static_cast<std::size_t>(axis)];
  const double at_100 = start + (p - start) * 100.0 / v.ZoomPercent;
  const double centre = axisValue(v.CentrePoint, axis);
  return centre + percent * (at_100 - centre) / 100.0;
}

int clampScroll(double value, int range) {
  return static_cast<int>(std::clamp(std::lround(value), 0L, static_cast<long>(range)));
}

struct Bounds {
  std::array<double, 3> min{}, max{};
};

}  // namespace

double nextZoomStep(double current, int direction) {
  if (direction > 0) {
    for (double step : kZoomSteps) {
      if (step > current + 1e-9) return step;
    }
    return std::min(current * kStepFactor, std::max(current, kLargestZoom));
  }
  if (direction < 0) {
    for (auto it = kZoomSteps.rbegin(); it != kZoomSteps.rend(); ++it) {
      if (*it < current - 1e-9) return *it;
    }
    return std::max(current / kStepFactor, std::min(current, kSmallestZoom));
  }
  return current;
}

void zoomAboutPoint(Scene& scene, ViewState& views, View view, int x, int y, double percent) {
  if (!(views.ZoomPercent > 0)) views.ZoomPercent = 100;
  const ViewAxes axes = viewAxes(view);
  const double new_x = zoomed(views, axes.column, x, percent);
  const double new_y = zoomed(views, axes.row, y, percent);
  setZoom(scene, views, percent);
  const auto i = static_cast<std::size_t>(viewIndex(view));
  views.ScrollX[i] = clampScroll(views.ScrollX[i] + new_x - x, kScrollRangeX);
  views.ScrollY[i] = clampScroll(views.ScrollY[i] + new_y - y, kScrollRangeY);
}

bool fitAll(Scene& scene, ViewState& views, const std::array<ViewWindow, 3>& windows) {
  if (scene.FaceCount <= 0) return false;
  if (!(views.ZoomPercent > 0)) views.ZoomPercent = 100;
  // The bounds of every corner at 100 %.
  Bounds b;
  b.min.fill(1e300);
  b.max.fill(-1e300);
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.face(i).corners) {
      for (int k = 0; k < 3; ++k) {
        const double start = views.StartCentre[static_cast<std::size_t>(k)];
        const double p = start + (axisOf(c, k) - start) * 100.0 / views.ZoomPercent;
        b.min[static_cast<std::size_t>(k)] = std::min(b.min[static_cast<std::size_t>(k)], p);
        b.max[static_cast<std::size_t>(k)] = std::max(b.max[static_cast<std::size_t>(k)], p);
      }
    }
  }
  // At `percent`, a view fits when the faces are no larger than its visible part, lie on
  // the image and the scroll bars can bring them into sight. Returns the scroll positions.
  auto place = [&](double percent, std::array<int, 3>& sx, std::array<int, 3>& sy) {
    for (View view : kViews) {
      const auto i = static_cast<std::size_t>(viewIndex(view));
      if (!windows[i].shown) continue;
      const ViewAxes axes = viewAxes(view);
      const int sizes[2] = {windows[i].width, windows[i].height};
      const int ranges[2] = {kScrollRangeX, kScrollRangeY};
      const int axis[2] = {axes.column, axes.row};
      int scroll[2] = {0, 0};
      for (int d = 0; d < 2; ++d) {
        const auto k = static_cast<std::size_t>(axis[d]);
        const double centre = axisValue(views.CentrePoint, axis[d]);
        const double lo = centre + percent * (b.min[k] - centre) / 100.0 - kFitMargin;
        const double hi = centre + percent * (b.max[k] - centre) / 100.0 + kFitMargin;
        if (lo < -kFitMargin || hi > kImageLast + kFitMargin) return false;
        if (hi - lo > sizes[d]) return false;
        scroll[d] = clampScroll((lo + hi - sizes[d]) / 2.0, ranges[d]);
        if (lo < scroll[d] || hi > scroll[d] + sizes[d]) return false;
      }
      sx[i] = scroll[0];
      sy[i] = scroll[1];
    }
    return true;
  };
  std::array<int, 3> sx = views.ScrollX, sy = views.ScrollY;
  double percent = kLargestFit;
  while (percent > kSmallestZoom && !place(percent, sx, sy)) percent -= 1;
  if (percent <= kSmallestZoom) {
    percent = kSmallestZoom;
    place(percent, sx, sy);
  }
  setZoom(scene, views, percent);
  for (std::size_t i = 0; i < 3; ++i) {
    if (!windows[i].shown) continue;
    views.ScrollX[i] = sx[i];
    views.ScrollY[i] = sy[i];
  }
  return true;
}

}  // namespace facetry
