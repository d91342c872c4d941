// ops/elastic.h: the elastic cage. Four points per orthographic view surround the selected
// corners; the user drags cage points, and a right click bends every selected corner after
// the moved points of that view by inverse-distance weights. Cage points are whole model
// units, drawn at their model coordinates in the view images.
#pragma once
#include "scene/host.h"
#include "scene/view_axes.h"
#include "workspace.h"

namespace facetry {

// "Elastic": every other tool off (ToolMode 0), elastic mode on, and the cage fitted to the
// selected corners (coordinates truncated): front 1-4 = (min x, min y, min z), (max x,
// min y, min z), (max, max, max), (min x, max y, max z); top 5-8 the same; side 9-12 at
// min x with (y, z) = (min, min), (min, max), (max, max), (max, min). The reference cage
// becomes the cage, the views are redrawn and the cage drawn on them, nothing is picked.
// Without a selected corner the mode goes off again and "No objects selected" (title
// "Error") is shown. Returns whether the mode is on.
bool Elastic1Click(Workspace& ws, Host& host);

// doelastic: draws the cage in black into the three view images, with the copy pen for
// mode 0; mode 1 draws it not-xor (erasing), moves the picked point of `view` to the
// pointer (a, b) on the view's axes and draws it again.
void doelastic(Workspace& ws, int mode, View view, float a, float b);

// The cage point (1..12) of `view` nearest to (a, b) in the view's plane; the first of equal
// distances wins, and nothing (0) beyond 100000.
int nearestCagePoint(const ElasticCage& cage, View view, float a, float b);

// berekenelastic: the undo snapshot, then for each of the view's four points q in order
// every selected corner moves by w (current(q) - reference(q)) along the view's two axes,
// with w = a / (a + b), a its distance to the nearest other reference point of the view and
// b its distance to reference(q); reference(q) then becomes current(q). A corner lying on
// q and on another reference point at once (a + b = 0) follows q (w = 1).
void berekenelastic(Workspace& ws, View view);

// A press in a view in elastic mode at (x, y): a left press lets go of the picked point or
// picks the nearest of the view; a right press applies the view's cage, lets go and refits
// the cage to the bent selection.
void elasticPress(Workspace& ws, Host& host, View view, float x, float y, bool right);

// Hooks the cage's press and move into the workspace's mouse dispatch.
void installElasticTool(Workspace& ws);

}  // namespace facetry
