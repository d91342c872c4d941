// ops/user_cut.h: the "User" extension: the selected faces cut along a line drawn with two
// clicks in the front view. The cut works on whole numbers in the model's x-y plane: the
// line and each face edge are walked one unit at a time along their longer axis, and an
// edge meets the line where the two walks share a point.
#pragma once
#include <array>
#include <cstdint>
#include <optional>
#include <vector>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/tool_state.h"
#include "scene/view_axes.h"
#include "workspace.h"

namespace facetry {

// The points of the line from (sx, sy) to (ex, ey): along x when |ex - sx| > |ey - sy|,
// else along y, from the end with the smaller value on that axis, the other coordinate
// start + difference * steps / length (truncating). Empty when the two points are equal.
std::vector<std::array<std::int64_t, 2>> cutWalk(std::int64_t sx, std::int64_t sy, std::int64_t ex,
                                                 std::int64_t ey);

// Where the edge from `p` to `q` (whole numbers x, y, z) meets the walked line: the first
// line point that lies on the edge's own walk, with the edge's z there. None when the ends
// share x and y, or no point is shared.
std::optional<std::array<std::int64_t, 3>> edgeMeetsCut(
    const std::vector<std::array<std::int64_t, 2>>& cut, const std::array<std::int64_t, 3>& p,
    const std::array<std::int64_t, 3>& q);

// Cuts every selected face of the closed objects, in face order, along the line from
// (sx, sy) to (ex, ey) (truncated to whole numbers): a face with exactly two edges met
// becomes three faces, the two new ones directly after it; faces with fewer or three met
// edges stay. Takes the undo snapshot first. When the new faces would take the scene past
// 99 999 faces nothing changes and the host says why. Returns true when it ran.
bool userCut(Scene& scene, Host& host, double sx, double sy, double ex, double ey);

// "User" in the menu: every other tool cancelled (ToolMode 0), the user extension on, both
// click stores cleared.
void chooseUserExtend(ToolState& tools, Scene& scene);

// A click of the user extension: the first stores the start point (a first coordinate of
// exactly 0 counts as none), the next ends the line and runs the cut. Works in the front
// view only; a click in another view changes nothing and says so in the status line.
// Returns true when the scene changed.
bool userExtendClick(Workspace& ws, Host& host, View view, float a, float b, float c);

}  // namespace facetry
