// scene/view_state.h: the state of the three orthographic views that model coordinates
// depend on. Model coordinates are view pixels at the current zoom: zooming rewrites every
// stored corner and control point about the centre point.
#pragma once
#include <array>

#include "scene/records.h"
#include "scene/scene.h"

namespace facetry {

struct ViewState {
  // The working centre: turning point of rotations, zoom centre and the depth of clicks.
  Point3 CentrePoint{230, 150, 150};
  // CentrePoint as it was at start-up; un-zooming always scales about it.
  std::array<double, 3> StartCentre{230, 150, 150};
  double ZoomPercent = 100;
};

// Rescales every face corner and every control point of the surfaces in use from the
// current zoom to `percent`: first back to 100 % about StartCentre, then out to the new
// zoom about CentrePoint, each step stored as a float. Throws RangeError for a percentage
// that is not positive (a zero zoom would collapse the scene and divide by zero later).
void setZoom(Scene& scene, ViewState& views, double percent);

}  // namespace facetry
