// render/view_render.h: the redraw of the three orthographic views (teken) and the pieces
// it is made of: projection, wire-frame edges, corner marks, selection boxes, the centre
// marker and the cross.
//
// Model coordinates are view pixels. The front view maps (x, y) to (column, row) with depth
// z, the top view (x, z) with depth -y, the side view (z, y) with depth x; rows grow down.
#pragma once
#include <functional>

#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "scene/scene.h"
#include "scene/settings.h"
#include "scene/tool_state.h"
#include "scene/view_state.h"

namespace facetry {

// Maps a model point in place to (column, row, depth) of view 1, 2 or 3; view 1 leaves it.
void projectToView(int view, Point3& point);

// A wire-frame edge between two model points in `view`, in `colour`, into `bitmap`: both
// ends truncated; nothing when all four values are below 1; clipped so that columns and rows
// 814 and 815 are never plotted. Throws RangeError for a coordinate beyond the int32 range.
void drawViewLine(Canvas& bitmap, int view, const Point3& from, const Point3& to, Rgb colour);

// The cross in one view image at (column, row), drawn not-xor (drawing it again erases it);
// nothing when the cross is off.
void kruis(Canvas& image, bool cross_on, int row, int column);

// Hooks for the parts of the redraw that other subsystems draw: the survey view, the free
// curves and the survey cross. Empty functions are skipped.
struct RedrawHooks {
  std::function<void()> survey;  // step 13: redraw the survey view over all faces
  std::function<void()> curves;  // step 14: draw the free curves
  std::function<void(int view, float column, float row)> survey_cross;  // kruis2
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

// Redraws every view. With `bake` only the front view is drawn, without selection boxes,
// survey view or curves, and flat colours are written back into the faces.
// Throws RangeError (the views keep what was drawn so far).
void teken(RedrawParts& parts, bool bake);

}  // namespace facetry
