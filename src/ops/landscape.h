// ops/landscape.h: the fractal landscape: a triangle of width W around CentrePoint, its
// heights made by midpoint displacement on a triangular lattice, optionally flattened to a
// sea level and coloured as land and sea, closed into one named object.
#pragma once
#include "scene/host.h"
#include "scene/landscape_state.h"
#include "workspace.h"

namespace facetry {

// The lattice points at the finest resolution (N = 128 steps a side): 129 * 130 / 2.
constexpr int kLandscapeLatticePoints = 8385;

// "Create landscape" after the dialog's OK: the undo snapshot, then 4^(resolution - 1) faces
// drawn from ws.random with base level rint(CentrePoint.y), closed without orienting into
// one deselected object (the name dialog may ask). The faces appended stay when the face
// table fills or a jittered height leaves -30000..30000. Throws RangeError for a resolution
// outside 1..8, a corner outside -30000..30000 or more than 100 corners meeting in one place
// (the object is closed first). Returns the number of faces made.
int createLandscape(Workspace& ws, Host& host, const LandscapeSettings& settings);

}  // namespace facetry
