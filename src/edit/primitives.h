// edit/primitives.h: the construction tools' builders. Each turns its clicks, given in the
// front-view frame (a, b the view coordinates, c the depth of CentrePoint), into faces
// appended with addFace and closed into one oriented, deselected, named object. The click
// handler turns the new faces into the view that was clicked afterwards.
#pragma once
#include <optional>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/tool_state.h"
#include "scene/view_state.h"

namespace facetry {

struct BuildContext {
  Scene& scene;
  Host& host;
  const ViewState& views;
  ToolState& tools;
};

// Box with its front face between the first two clicks and its depth the distance from the
// second to the third click, behind (smaller z). Its faces are flat (smooth flag cleared);
// the depth is kept in LastCubeDepth.
void buildCube(BuildContext& ctx, ClickPoint first, ClickPoint second, float a3, float b3);
// Ellipsoid of revolution around the vertical axis through (a1, b1): radius |rx| around the
// axis, half-height |ry|, profile and sectors in steps of `step` degrees (at least 1).
// Throws RangeError when the profile would exceed 751 points.
void buildSphere(BuildContext& ctx, float step, float a1, float b1, float rx, float ry);
// One face through the three clicks. `snaps` are the nearest existing corners found when
// each click was made with "D" on; a found corner replaces the clicked one whole.
void driehoek(BuildContext& ctx, ClickPoint p1, ClickPoint p2, ClickPoint p3,
              const std::array<std::optional<FaceCorner>, 3>& snaps);
// The corner nearest to the view position (a, b) in `view`, the difference along the view's
// depth axis (from CentrePoint) weighted by one tenth; none in an empty scene.
std::optional<FaceCorner> nearestCorner(const Scene& scene, const ViewState& views, View view,
                                        float a, float b);
// Tube whose wall passes through the first click, axis vertical halfway to the second
// click's column, one sector per `step` degrees up to 360 (a step that does not divide 360
// leaves a gap); capped when `closed`. Throws RangeError for a step that is not positive.
void buildTube(BuildContext& ctx, bool closed, float step, ClickPoint first, float a2, float b2);
// Cone with its apex at the first click and the second click on its base rim.
void buildPointCone(BuildContext& ctx, bool closed, float step, ClickPoint first, float a2,
                    float b2);
// Polygon through the click list: walls `depth` deep (none when depth is -1) and, with
// `fill`, a front and a back face set by ear clipping. Clears the list and FirstClick.a.
// Throws RangeError for an outline point outside -100..1000.
void dichtepoly(BuildContext& ctx, bool fill, double depth);
// Tube of elliptical section (radii r1 in the view plane, r2 in depth) swept along the
// click list, joined end to start when `loop`; capped at both ends when "Closed" is on.
void slang(BuildContext& ctx, bool loop, double r1, double r2);
// Circle (filled disc with its back copy and wall) or ring (tube bent round an ellipse)
// from a centre, a radius click and a thickness click.
enum class RingKind { Ring, Circle };
void doring(BuildContext& ctx, RingKind kind, ClickPoint first, ClickPoint second, float a3,
            float b3);
// Replaces the click list by the ellipse path around (a1, b1) with radii (rx, ry).
void ellipsePath(ToolState& tools, RingKind kind, float a1, float b1, float rx, float ry);
// Flat grid of n x n cells (n = DegreeStep, at least 1) between the two clicks: 2 n^2 faces.
void berglandschap(BuildContext& ctx, ClickPoint first, float a2, float b2);

}  // namespace facetry
