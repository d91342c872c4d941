// ops/punch_pick.h: the punch tool in the views: its toolbox button, the hover highlight of
// the object under the mouse (shared with the boolean pick) and the two picking clicks.
#pragma once
#include "scene/host.h"
#include "scene/tool_state.h"
#include "scene/view_axes.h"
#include "workspace.h"

namespace facetry {

// The punch button (SpeedButton21): toggles the tool; when it comes on, ToolMode 0. Every
// other flag tool goes off (but the user extension), the clicks and the highlighted object
// are forgotten and the object bounds brought up to date. Returns whether the tool is on.
bool togglePunchTool(Workspace& ws);

// dofig: with at least two objects, highlights the object whose first corner lies nearest to
// (x, y) in the view's plane: the previous one's rectangle is drawn white, the new one's
// black (copy pen) into the view's image, one unit outside its bounds. Returns whether the
// highlighted object changed.
bool dofig(Workspace& ws, View view, float x, float y);

// A click of the punch tool: the first click while an object is highlighted picks the object
// to modify; a later click on a different highlighted object picks the tool object and runs
// the punch with the toolbox's options (undo snapshot first), after which the tool is off
// and the clicks are cleared. Returns true when the punch ran.
bool punchClick(Workspace& ws, Host& host, View view, ClickPoint click);

// Hooks the hover highlight and the punch click into the workspace's mouse dispatch.
void installPunchTool(Workspace& ws);

}  // namespace facetry
