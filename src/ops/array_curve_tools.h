// ops/array_curve_tools.h: the array tools and the free-curve tools as the toolbox, the
// menu and the mouse reach them: the toolbox boxes of the array, the "Nurbs" commands, and
// the click, press and move steps they hook into the view mouse.
#pragma once
#include <cstdint>

#include "workspace.h"

namespace facetry {

// Hooks the array and curve steps into the workspace's click dispatcher and the curves into
// its redraw.
void installArrayAndCurveTools(Workspace& ws);

// The array boxes: ticking "x", "y" or "z" unticks "lin" (the tool mode stays); ticking
// "lin" unticks the three and chooses the line array (ToolMode 80), unticking it the
// array (8).
enum class ArrayBox { X, Y, Z, Lin };
void setArrayBox(ToolState& tools, ArrayBox box, bool checked);

// "Draw nurb": the other tools off (a curve being drawn keeps its points), the drawing tool
// on, and a new curve started.
void drawNurb(Workspace& ws);
// "Edit points selected nurb": the edit tool on.
void editNurbPoints(Workspace& ws);
// "Connect" / "All": the other tools off (a curve being drawn keeps its points), then all
// curves connected. Returns true when the scene changed.
bool connectAllNurbs(Workspace& ws, Host& host);
// "Connect" / "Individual": the connect tool on, no curve picked.
void connectIndividualNurbs(Workspace& ws);
// "Array selected nurbs round center" x-, y-, z-rotation: the other tools off (a curve being
// drawn keeps its points), ToolMode 28, 29 or 27; the next click is the centre.
void chooseNurbArray(Workspace& ws, std::uint8_t mode);
// "Delete all nurbs", "Select all nurbs", "De-select all nurbs".
void deleteAllNurbs(Workspace& ws);
void selectAllNurbs(Workspace& ws, bool selected);

}  // namespace facetry
