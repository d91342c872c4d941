// scene/view_state.h: the state of the three orthographic views that model coordinates
// depend on. Model coordinates are view pixels at the current zoom: zooming rewrites every
// stored corner and control point about the centre point.
#pragma once
#include <array>

#include "scene/records.h"
#include "scene/scene.h"
#include "scene/view_axes.h"

namespace facetry {

// The drawing mode of one view: wired unless shaded; of the three modes at most one is set.
struct ViewShadingEntry {
  bool shaded = false;
  bool flat = true;
  bool gouraud = false;
  bool phong = false;
};

// The views themselves are named by View (scene/view_axes.h).

// Mean of the corners of all faces, taken during each redraw; the survey view turns about it.
struct SceneCentroidSums {
  double sum[3] = {0, 0, 0};
  long count = 0;
  double centre[3] = {0, 0, 0};
};

struct ViewState {
  // The working centre: turning point of rotations, zoom centre and the depth of clicks.
  Point3 CentrePoint{230, 150, 150};
  // CentrePoint as it was at start-up; un-zooming always scales about it.
  std::array<double, 3> StartCentre{230, 150, 150};
  double ZoomPercent = 100;

  // Front, top, side and survey (index 0..3): front shaded flat, top and side wired.
  std::array<ViewShadingEntry, 4> ViewShading{
      {{true, true, false, false}, {}, {}, {false, true, false, false}}};
  bool ThreeWindows = true;   // the layout: three views, or only the front view
  bool CrossOn = true;        // the cross follows the mouse in every view
  bool SurveyVisible = true;  // the survey window is shown and drawn
  // Last mouse position per view (index 0..2) as (column, row) in that view's pixels.
  std::array<std::array<float, 2>, 3> MousePosition{};
  // Scroll bar positions per view (index 0..2): horizontal 0..440, vertical 0..540.
  std::array<int, 3> ScrollX{};
  std::array<int, 3> ScrollY{};
  SceneCentroidSums SceneCentroid;
};

// Rescales every face corner and every control point of the surfaces in use from the
// current zoom to `percent`: first back to 100 % about StartCentre, then out to the new
// zoom about CentrePoint, each step stored as a float. Throws RangeError for a percentage
// that is not positive (a zero zoom would collapse the scene and divide by zero later).
void setZoom(Scene& scene, ViewState& views, double percent);

}  // namespace facetry
