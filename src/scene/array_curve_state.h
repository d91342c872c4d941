// scene/array_curve_state.h: what the array tools and the free curves keep between clicks
// and commands: the curve resolutions and picks, the copy-round-centre settings, the line
// array preview's angle, and the two questions these tools ask the window in the middle of
// their work (the line array preview and the resolution dialog). Plain data; the tools in
// ops/ change it.
#pragma once
#include <functional>
#include <string>

#include "scene/host.h"
#include "scene/records.h"
#include "scene/view_axes.h"

namespace facetry {

// The free curves' settings and the state of their tools.
struct CurveSettings {
  int line_resolution = 4;     // curve points per span
  int connect_resolution = 1;  // strips between two connected curves
  bool dont_ask = false;       // the resolution dialog's "Don't ask again"
  int first_pick = -1;         // the first curve picked by "Connect" / "Individual"
  int grabbed_curve = -1;      // the control point held by the edit tool, or -1
  int grabbed_point = -1;
  int highlighted = -1;  // the curve under the mouse while connecting, drawn red
};

// "Copy objects round center position": kept between uses.
struct CopyAroundSettings {
  double centre[3] = {230, 150, 150};
  double angle = 15;  // degrees per copy
  bool x = false, y = false, z = true;
};

struct ArrayCurveState {
  CurveSettings curves;
  CopyAroundSettings copy_around;
  int preview_angle = 10;           // the line array preview's turning angle, whole degrees
  View profile_view = View::Front;  // the views the line array's two lists were clicked in
  View path_view = View::Front;

  // The line array preview, shown modally over "lijnar"; returns its result code (1 "Ok",
  // 2 "Cancel", 3 or more closed otherwise). Empty: "Ok" at once.
  std::function<int()> previewLineArray;
  // The resolution dialog, editing `curves`; returns true when confirmed. Empty: confirmed
  // with the values unchanged.
  std::function<bool()> askCurveResolution;
  // What the last curve command wants the status line to say (empty: nothing).
  std::string status;
};

}  // namespace facetry
