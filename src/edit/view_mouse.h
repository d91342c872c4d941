// edit/view_mouse.h: the mouse and keys in the three views: grid snapping, the coordinate
// read-outs, the click dispatcher klik, the left and right presses, the moves with their
// previews, and Enter and Escape. The window forwards its events here and redraws when told.
#pragma once
#include <string>

#include "scene/host.h"
#include "workspace.h"

namespace facetry {

enum class MouseButton { Left, Right };

// A position snapped to the grid: (x div g) * g, truncating toward zero.
int snapToGrid(int value, int grid_step);
// The model point under view position (x, y), the view's depth taken from CentrePoint:
// front (x, y, cz), top (x, cy, y), side (cx, y, x).
Point3 viewToModel(View view, float x, float y, const Point3& centre);

// The texts of the coordinate read-outs for view position (x, y) of `view`.
struct Readouts {
  std::string xlab, ylab;      // the position divided by ScaleFactor, whole numbers
  std::string label7, label8;  // the view's axis letters, "x:" "y:" / "x:" "z:" / "z:" "y:"
  std::string diepst;          // "Distance :" read-out from the last click, while one pends
};
Readouts readouts(const Workspace& ws, View view, int x, int y);

// The click dispatcher: runs every tool step that applies to a left click at (a, b) of
// `view` (depth c) in its fixed order. Returns true when the scene or the selection changed.
bool klik(Workspace& ws, Host& host, View view, float a, float b, float c);

// A left click in a view (Image1Click .. Image3Click): the click at the view's last mouse
// position through klik, and the new faces turned from the front-view frame into the top or
// side view. Redraws (with the preview) when klik says so.
void clickInView(Workspace& ws, Host& host, View view);
// A press in a view at (x, y) of its image.
void pressInView(Workspace& ws, Host& host, View view, int x, int y, MouseButton button);
// A move over a view to (x, y): snapped, the cross and the preview follow.
void moveInView(Workspace& ws, Host& host, View view, int x, int y);
// The release of a press in a view.
void releaseInView(Workspace& ws, Host& host, View view);
// Enter clicks in the view the mouse last moved over; Escape cancels every tool.
void enterKey(Workspace& ws, Host& host);
void escapeKey(Workspace& ws);

}  // namespace facetry
