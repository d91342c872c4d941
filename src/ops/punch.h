// ops/punch.h: the punch, which pushes the corners of one object along z onto the surface of
// another ("P.. in", "Punch out") or snaps them onto its nearer surface ("Glue"), and the
// menu's "Glue selected points". Both move corners only; no face is added or removed.
#pragma once
#include "scene/host.h"
#include "scene/scene.h"
#include "scene/tool_state.h"
#include "workspace.h"

namespace facetry {

struct PunchOptions {
  PunchMode mode = PunchMode::In;
  bool glue_selected = false;  // only corners whose selected byte is set are written
  bool auto_edge = true;       // punch along the line between the two objects' centres
  bool remove = true;          // delete the tool object afterwards
};

// The options the toolbox's punch boxes hold.
PunchOptions punchOptions(const ToolState& tools);

// dodeuk: deforms object `modified` by object `tool`. Each corner P of `modified` looks
// along its z line at the faces of `tool`: inside the tool (strictly between the lowest and
// the highest meeting point) it moves to the lowest ("P.. in") or the highest ("Punch out");
// with "Glue" any corner whose z line meets the tool moves to the nearer meeting point.
// With auto edge both objects are first turned about the centre of `modified` so that the
// tool's centre lies straight in front of it (+z), and turned back afterwards: corners the
// punch left alone and the tool itself return exactly where they were. With remove the tool
// object is deleted (later objects move down by one). The progress window shows
// "Calculate space" meanwhile. Object bounds are left up to date in the model's frame.
// Does nothing for an index outside the objects or for two equal indices.
void dodeuk(Scene& scene, Host& host, int modified, int tool, const PunchOptions& options);

// The punch as a command: the undo snapshot, then dodeuk. Returns false, taking no snapshot,
// when the two objects are not two different existing objects.
bool punchObjects(Workspace& ws, Host& host, int modified, int tool, const PunchOptions& options);

// "Glue selected points": every selected corner of object k (k from the first to the last
// but one) takes x, y and z of the nearest selected corner of object k + 1 (in 3D, nearer
// than 1 000 000; texture coordinates and flags stay). No undo snapshot. Returns whether
// any corner was written.
bool glueSelectedPoints(Scene& scene);

}  // namespace facetry
