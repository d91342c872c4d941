// ops/boolean_ops.h: "Subtract", "Add", "Intersect" and "Remove": two objects cut along
// their intersection, each face kept or dropped by whether its centroid lies inside the
// other object, and what is left of both merged into one new object at the end.
#pragma once
#include "scene/host.h"
#include "scene/scene.h"
#include "scene/tool_state.h"
#include "scene/view_axes.h"
#include "workspace.h"

namespace facetry {

enum class BooleanOperation { Subtract = 1, Add = 2, Intersect = 3, Remove = 4 };

struct BooleanOptions {
  bool exhaustive = false;  // every face pair visited in full (the plain transcription)
};

// Runs `operation` on objects `first` (clicked first) and `second`: the undo snapshot,
// every selection mark in the scene cleared, the progress window ("Progress first object",
// "Progress second object", "Calculate space"), the cutting, the classification, the
// deletion of what the operation drops and the merge of the survivors into one new object
// (named from ObjectNameBuffer without asking). Objects that do not cut each other keep
// their faces. When the pieces or the merge would take the scene past 99 999 faces nothing
// but the marks changes and the host says why. Returns true when it ran (the views must
// be redrawn); false for an object number out of range or the same object twice.
// Throws IoError when the snapshot or the compaction file fails.
bool booleanOperation(Scene& scene, Host& host, int first, int second, BooleanOperation operation,
                      const BooleanOptions& options = {});

// The menu entries: the operation chosen and the boolean tool toggled (chosen again, it goes
// off); every other tool flag off (and ToolMode 0 when it comes on), the pick and the
// click stores cleared, every object's bounds recomputed. Returns whether the tool is now on.
bool chooseBooleanTool(ToolState& tools, Scene& scene, BooleanOperation operation);

// The object a click of the two-object tools takes at (a, b) of `view`: the one whose first
// corner of its first face lies nearest in the view's plane (a strictly smaller distance
// than 100000 wins, objects in order); -1 when the scene holds fewer than two objects.
int objectUnderClick(const Scene& scene, View view, float a, float b);

// A click of the boolean tool: the first pick is remembered, a pick of another object runs
// the operation and switches the tool off. Returns true when the scene changed.
bool booleanPickClick(Workspace& ws, Host& host, View view, float a, float b);

}  // namespace facetry
