// ops/modelling_tools.h: connects the modelling operations that live above the editing
// layer (free curves, the user extension, punch and booleans, arrays, the elastic cage) to
// the click dispatcher and the redraw of a workspace.
#pragma once
#include "workspace.h"

namespace facetry {

// Sets the workspace's click steps and redraw steps of the modelling tools. The window and
// the command-line tool call it once, right after startWorkspace.
void connectModellingTools(Workspace& ws);

}  // namespace facetry
