// edit/rotate_dial.cpp: the regions of the rotate dial and the rotation they start.
#include <cmath>

#include "edit/transforms.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

// Inside or on the edge of a polygon (crossing count, edges counted as inside).
bool polygonHolds(const std::vector<std::pair<int, int>>& polygon, int x, int y) {
  bool inside = false;
  const std::size_t n = polygon.size();
  for (std::size_t i = 0, j = n - 1; i < n; j = i++) {
    const auto [xi, yi] = polygon[i];
    const auto [xj, yj] = polygon[j];
    const long cross =
        static_cast<long>(xj - xi) * (y - yi) - static_cast<long>(yj - yi) * (x - xi);
    if (cross == 0 && std::min(xi, xj) <= x && x <= std::max(xi, xj) && std::min(yi, yj) <= y &&
        y <= std::max(yi, yj)) {
      return true;  // on an edge
    }
    if ((yi > y) != (yj > y)) {
      const double at = xi + static_cast<double>(xj - xi) * (y - yi) / (yj - yi);
      if (x < at) inside = !inside;
    }
  }
  return inside;
}

}  // namespace

std::vector<DialRegion> dialRegions(int w, int h) {
  const int w3 = w / 3, h3 = h / 3;
  const std::pair<int, int> c{w / 2, h / 2};
  return {
      {{c, {w3, 0}, {2 * w3, 0}}, "y+", DialPlane::X, true},
      {{c, {w3, 3 * h3}, {2 * w3, 3 * h3}}, "y-", DialPlane::X, false},
      {{c, {0, h3}, {0, 0}, {w3, 0}}, "x-", DialPlane::Z, true},
      {{c, {2 * w3, 0}, {3 * w3, 0}, {3 * w3, h3}}, "x+", DialPlane::Z, false},
      {{c, {0, h3}, {0, 2 * h3}}, "z-", DialPlane::Y, false},
      {{c, {3 * w3, h3}, {3 * w3, 2 * h3}}, "z+", DialPlane::Y, true},
      {{c, {0, 2 * h3}, {0, 3 * h3}, {w3, 3 * h3}}, "x-", DialPlane::Z, true},
      {{c, {2 * w3, 3 * h3}, {3 * w3, 3 * h3}, {3 * w3, 2 * h3}}, "x+", DialPlane::Z, false},
  };
}

std::vector<int> dialRegionsAt(int width, int height, int x, int y) {
  std::vector<int> hits;
  const std::vector<DialRegion> regions = dialRegions(width, height);
  for (std::size_t i = 0; i < regions.size(); ++i) {
    if (polygonHolds(regions[i].polygon, x, y)) hits.push_back(static_cast<int>(i));
  }
  return hits;
}

void rotateSelection(Workspace& ws, DialPlane plane, bool positive) {
  const double degrees = positive ? ws.tools.DegreeStep : 360.0 - ws.tools.DegreeStep;
  const double cos_angle = std::cos(degrees * kDegreeRadians);
  const double sin_angle = std::sin(degrees * kDegreeRadians);
  const Point3 centre = ws.views.CentrePoint;
  Scene& scene = ws.scene;
  const bool all = scene.RotateAll;
  auto turn = [&](FaceCorner& c) {
    switch (plane) {
      case DialPlane::X:
        rotateX(c, c.selected != 0, centre, cos_angle, sin_angle, all);
        break;
      case DialPlane::Y:
        rotateY(c, c.selected != 0, centre, cos_angle, sin_angle, all);
        break;
      case DialPlane::Z:
        rotateZ(c, c.selected != 0, centre, cos_angle, sin_angle, all);
        break;
    }
  };
  for (int s = 0; s < scene.NurbCount && s < kSurfaceSlots; ++s) {
    NurbSurface& surface = scene.NurbTable[static_cast<std::size_t>(s)];
    for (int j = 0; j < surface.count && j < kMaxSurfacePoints; ++j) turn(surface.points[j]);
  }
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) turn(c);
  }
}

}  // namespace facetry
