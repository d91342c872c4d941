// edit/transforms.h: the transform tools on the selection: move and resize drags, the
// target rectangle, Enlarge and Reduce, the rotate dial, copy, mirror, centre, turning
// faces and drag along. Coordinates are view pixels at the current zoom. The callers take
// the undo snapshots (the table of each command says where) and redraw.
#pragma once
#include <array>
#include <utility>
#include <vector>

#include "scene/host.h"
#include "workspace.h"

namespace facetry {

// The mouse delta of a drag mapped to the view's axes: front (dX, dY, 0), top (dX, 0, dY),
// side (0, dY, dX).
Point3 viewDelta(View view, float dx, float dy);

// Moves every selected control point, and every flagged corner of every selected object,
// by `delta`; the outline of the moved points replaces the previous one in the view image.
void domove(Workspace& ws, View view, const Point3& delta);
// The resize drag: one step of ResizePercent per 3 pixels of vertical movement from the
// previous position (down enlarges) about the pivot; outlines as for the move.
void doresize(Workspace& ws, View view, int mouse_y);
// Erases the drag outline (on release).
void clearDragOutline(Workspace& ws);
// The pivot of Resize, Enlarge and Reduce: the centre of the selected objects' bounds.
void takeResizePivot(Workspace& ws);
// Enlarge (factor 1 + P/100) or Reduce (1 - P/100) every flagged corner about a fresh
// pivot. Returns true when a corner changed.
bool enlargeOrReduce(Workspace& ws, bool enlarge);
// Scales the selected points to the rectangle between the anchor (first click) and the
// target (second click) in `view`, moved so that their minimum lies on the anchor.
void doresvierkant(Workspace& ws, View view, ClickPoint anchor, float a, float b);
// Copies the selected faces of each selected object (and every free curve with a selected
// control point) by `offset`; each source object yields one new object.
void copySelection(Workspace& ws, Host& host, const Point3& offset);
// Reflects every flagged corner through the plane through CentrePoint perpendicular to
// axis 1 (x), 2 (y) or 3 (z); the corner order stays, so faces turn inside out.
void Mirror(Scene& scene, const ViewState& views, int axis);
// Exchanges the first and third corners of every selected face.
void turnSelectedFaces(Scene& scene);
// Turns the faces of the selected objects that face their object's centre.
void turnSelectedFacesToCentre(Scene& scene);
// Drag along: flagged corners move toward the target by a weight that falls off with their
// distance from the source (linear; with the track bar toward inverse distance).
void meegetrokken(Workspace& ws, View view, ClickPoint source, float a, float b);

// The rotate dial: regions of a w x h picture, each a polygon from the centre.
enum class DialPlane { X, Y, Z };  // rotateX (y, z), rotateY (z, x), rotateZ (x, y)
struct DialRegion {
  std::vector<std::pair<int, int>> polygon;  // starts at the centre
  const char* label;                         // "y+", "x-", ...
  DialPlane plane;
  bool positive;  // +DegreeStep, else 360 - DegreeStep
};
std::vector<DialRegion> dialRegions(int width, int height);
// The regions (indices into dialRegions) that contain (x, y), in test order.
std::vector<int> dialRegionsAt(int width, int height, int x, int y);
// Rotates every control point and every face corner (flagged ones, or all with "All") about
// CentrePoint in `plane` by DegreeStep (positive) or 360 - DegreeStep.
void rotateSelection(Workspace& ws, DialPlane plane, bool positive);

}  // namespace facetry
