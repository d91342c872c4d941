// render/view_render.h: the redraw of the three orthographic views, `teken`: the order of
// its steps and what it leaves behind besides the pictures. The face passes live in
// view_passes.h and the line work in view_lines.h.
//
// Model coordinates are view pixels, mapped to each view by viewAxes (scene/view_axes.h):
// the front view maps (x, y) to (column, row) with depth z, the top view (x, z) with depth
// -y, the side view (z, y) with depth x; rows grow down.
#pragma once
#include <functional>

#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "scene/scene.h"
#include "scene/settings.h"
#include "scene/tool_state.h"
#include "scene/view_axes.h"
#include "scene/view_state.h"

namespace facetry {

// Maps a model point in place to (column, row, depth) of a view; the front view leaves it.
void projectToView(View view, Point3& point);

// Hooks for the parts of the redraw that other subsystems draw: the survey view, the free
// curves and the survey cross. Empty functions are skipped.
struct RedrawHooks {
  std::function<void()> survey;  // step 13: redraw the survey view over all faces
  std::function<void()> curves;  // step 14: draw the free curves
  std::function<void(View view, float column, float row)> survey_cross;  // kruis2
};

// Everything the redraw reads and writes.
struct RedrawParts {
  Scene& scene;
  ViewState& views;
  const Settings& settings;
  const ToolState& tools;
  const Lighting& light;
  const TextureStore& textures;
  FrameBuffers& frame;
  RedrawHooks hooks;
};

// Redraws every view, in this order: the survey cross is taken off; corner normals are
// brought up to date when a shaded view is smooth (Gouraud or Phong; kept from the last
// redraw when nothing they depend on has changed); every object's screen bounds are reset;
// flat light angles are worked out once for every flat view, and meanwhile (when there are
// faces) the bounds are grown over every corner and SceneCentroid summed; a face whose angle
// fails leaves them reset; the front view is drawn, then
// the top and side views in the three-window layout (each shaded or wired, into ViewBitmap
// and copied to its image); the centre markers, the selection boxes (not while points or
// faces are being selected) and the crosses are drawn; SceneCentroid is divided out; the
// survey view and the curves are drawn through their hooks. Last, the name buffer is reset
// to "Object_01" and the "Don't ask" box is unticked, so the next object asks for its name.
// With `bake` only the front view is drawn, without selection boxes, survey view or curves,
// and flat colours are written back into the faces.
// Throws RangeError (the views keep what was drawn so far).
void teken(RedrawParts& parts, bool bake);

}  // namespace facetry
