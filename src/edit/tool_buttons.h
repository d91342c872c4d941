// edit/tool_buttons.h: the toolbox's flag tools and the one-shot transform commands, as the
// window's buttons and menus call them. Commands that change the scene take the undo
// snapshot themselves; each returns true when the views must be redrawn.
#pragma once
#include "scene/host.h"
#include "workspace.h"

namespace facetry {

enum class FlagTool { Move, Resize, Copy, ResizeRectangle };

// Move, Resize, Copy and Resize rectangle: toggles the tool; when it comes on, ToolMode 0
// and every other flag tool (but the user extension) off. Resize switched on takes an undo
// snapshot and the pivot. Returns whether the tool is now on.
bool toggleFlagTool(Workspace& ws, FlagTool tool);
// "Drag along": ToolMode 0, every tool off, drag along on.
void startDragAlong(Workspace& ws);

bool enlargeSelection(Workspace& ws);  // "Enlarge": snapshot, then scale up
bool reduceSelection(Workspace& ws);   // "Reduce": snapshot, then scale down
// A press on the rotate dial (a w x h picture) at (x, y): every region there turns the
// selection. Returns true when one did.
bool pressDial(Workspace& ws, int width, int height, int x, int y);
bool centreScene(Workspace& ws);                // "Center"
bool turnFaces(Workspace& ws);                  // "&Turn selected faces"
bool turnFacesToCentre(Workspace& ws);          // "T&urn selected faces to center of object"
bool mirrorSelection(Workspace& ws, int axis);  // "Towards x/y/z-axis" (no snapshot)
// "&Delete" (and the Delete key): snapshot, then the selected faces are deleted.
bool deleteSelection(Workspace& ws, Host& host);
// "Turn selected faces into one object": snapshot, then the selected faces move into one
// new object at the end.
bool collectSelection(Workspace& ws, Host& host);
// The colour grid and "&Color...": snapshot, then the selected faces take `colour`.
bool recolourSelection(Workspace& ws, Rgb colour);

}  // namespace facetry
