// ops/array_tools.h: the three tools that repeat geometry in steps of an angle or along a
// path: the array (a clicked profile turned about an axis through the last click), the line
// array (a profile swept along a clicked path, with the preview over "lijnar") and the copy
// of the selected faces round a centre.
#pragma once
#include <vector>

#include "scene/array_curve_state.h"
#include "scene/host.h"
#include "scene/scene.h"
#include "scene/tool_state.h"
#include "scene/view_axes.h"

namespace facetry {

constexpr int kMaxArrayProfile = 101;  // profile points the array tool turns

// The boxes "x", "y", "z" of the array tool.
struct ArrayDirections {
  bool x = false, y = false, z = true;
};

// `doarray`: the profile `tools.ClickList1` at depth `centre.z`, turned 360 / step + 1 times
// by 360 - step degrees ("y" about (y = b, z = cz), "z" about (x = a, z = cz), "x" about
// (a, b)), each step joined to the last by two faces per segment, closed into one object in
// the front-view frame. The list is emptied. Throws RangeError for more than 101 points.
void doarray(Scene& scene, Host& host, ToolState& tools, const Point3& centre, float a, float b);

// The profile and path of a line array as model points: the path from the list clicked in
// `path_view`, the profile from the list clicked in `profile_view` placed at the path's first
// point (depths from `centre`, truncated).
struct LineArrayInput {
  std::vector<Point3> profile;
  std::vector<Point3> path;
};
LineArrayInput lineArrayPoints(const ToolState& tools, View profile_view, View path_view,
                               const Point3& centre);
// Writes "lijnar": the profile translated by (path[i] - path[0]) for every path point.
// Throws IoError.
void writeLineArrayCopies(const LineArrayInput& input);
// Reads "lijnar" as copies of `profile_count` points each. Throws IoError.
std::vector<std::vector<Point3>> readLineArrayCopies(int profile_count);

// `lijnarray`: "lijnar" written, the preview shown (again with fresh copies while it is
// closed otherwise), and on "Ok" the copies joined into one object. Both lists are emptied
// in every case. Returns true when faces were added.
bool lijnarray(Scene& scene, Host& host, ToolState& tools, ArrayCurveState& state,
               View profile_view, View path_view, const Point3& centre);

// "&Copy selected items around center position" after the dialog's "Ok": the undo
// snapshot, then for t = step, 2 step, ... up to 360 - step a copy of the selected faces
// turned by t about the centre ("X-direction" in (x, y), "Y-direction" in (y, z),
// "Z-direction" in (z, x)), each copy one object. Throws RangeError, before anything
// changes, for an angle that is not a positive number. Returns the objects added.
int copyAroundCentre(Scene& scene, Host& host, const CopyAroundSettings& settings);

// The dialog's values as it opens: angle DegreeStep, directions from the toolbox boxes,
// centre CentrePoint.
CopyAroundSettings copyAroundDefaults(const ToolState& tools, const Point3& centre);

}  // namespace facetry
