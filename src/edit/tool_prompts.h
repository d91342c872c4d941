// edit/tool_prompts.h: the texts of the window's status line: what the active tool wants
// next, the mouse position in model units, and the zoom with the scene's counts.
#pragma once
#include <string>

#include "scene/scene.h"
#include "scene/settings.h"
#include "scene/tool_state.h"
#include "scene/view_axes.h"
#include "scene/view_state.h"

namespace facetry {

// "Cube: click the first corner", "Polygon: click the next point (right click ends the
// list)", "Move: drag the selection" ...; "Select: click an object" with no tool.
std::string toolPrompt(const ToolState& tools);

// Escape first cancels what a tool has begun (its clicks, the flag tools); pressed while
// nothing is begun, it also leaves the construction tool. True when nothing is begun.
bool toolIsIdle(const ToolState& tools);

// The mouse at (x, y) of `view`'s image in model units (divided by the scale factor), with
// the view's axis letters: "x: 12  y: 30".
std::string mousePosition(const Settings& settings, View view, int x, int y);

// "Zoom: 100 %   Faces: 12   Objects: 1   Selected: 1 object" (faces or points instead of
// objects when the selection works on them).
std::string sceneSummary(const Scene& scene, const ViewState& views, const ToolState& tools);

}  // namespace facetry
