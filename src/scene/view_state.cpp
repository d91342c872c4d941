// scene/view_state.cpp: zoom rescaling of the stored coordinates.
#include "scene/view_state.h"

#include <cmath>
#include <string>

#include "scene/errors.h"

namespace facetry {

namespace {

// Two float roundings, as the stored coordinates go through 100 % on their way.
inline float rescale(float p, double start, double centre, double old_zoom, double new_zoom) {
  const float at_100 = static_cast<float>(start + (p - start) * 100.0 / old_zoom);
  return static_cast<float>(centre + new_zoom * (at_100 - centre) / 100.0);
}

inline void rescalePoint(float& x, float& y, float& z, const ViewState& v, double new_zoom) {
  x = rescale(x, v.StartCentre[0], v.CentrePoint.x, v.ZoomPercent, new_zoom);
  y = rescale(y, v.StartCentre[1], v.CentrePoint.y, v.ZoomPercent, new_zoom);
  z = rescale(z, v.StartCentre[2], v.CentrePoint.z, v.ZoomPercent, new_zoom);
}

}  // namespace

void setZoom(Scene& scene, ViewState& views, double percent) {
  if (!(percent > 0) || !std::isfinite(percent)) {
    throw RangeError("a zoom of " + std::to_string(percent) + " % is not possible");
  }
  if (!(views.ZoomPercent > 0)) views.ZoomPercent = 100;  // never divide by a zero zoom
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      rescalePoint(c.x, c.y, c.z, views, percent);
    }
  }
  for (int s = 0; s < scene.NurbCount && s < kSurfaceSlots; ++s) {
    NurbSurface& surface = scene.NurbTable[static_cast<std::size_t>(s)];
    for (int j = 0; j < surface.count && j < kMaxSurfacePoints; ++j) {
      FaceCorner& c = surface.points[j];
      rescalePoint(c.x, c.y, c.z, views, percent);
    }
  }
  views.ZoomPercent = percent;
}

}  // namespace facetry
