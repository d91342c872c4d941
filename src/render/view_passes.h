// render/view_passes.h: the shaded pass of the redraw over every face in one view.
#pragma once
#include <functional>
#include <optional>
#include <vector>

#include "render/rasteriser.h"
#include "render/view_lines.h"
#include "render/view_render.h"

namespace facetry {

// Rows first_row..last_row and columns first_column..last_column of the bitmap (empty when
// a last is below its first).
struct PixelRectangle {
  int first_row, last_row, first_column, last_column;
};

// Puts the pixels of `later` (faces drawn after those drawn into `frame`, into a buffer
// cleared where they can draw) over `frame` wherever they are nearer, inside `area`: with
// the depth test keeping the earlier of two equal depths, that is what drawing all the
// faces in order into `frame` gives.
void mergeNearer(FrameBuffers& frame, FrameBuffers& later, const PixelRectangle& area);

// Where the faces can draw in `view`: the rectangle of every corner's column and row
// (FrameBuffers' corner bounds, or the whole bitmap while the redraw has not gathered them).
PixelRectangle facesRectangle(const FrameBuffers& frame, View view);

// The drawing mode of a view's entry.
ShadingMode modeOf(const ViewShadingEntry& entry);

// Every face of a shaded view in index order into ViewBitmap, each followed by its corner
// marks when it is selected and point or face selection is on. `flat_angles` holds each
// face's flat light angle when the view is shaded flat. A large pass that bakes nothing
// and draws no marks is drawn as two halves of the faces at once, merged by depth; should
// it fail, it is drawn again face by face, so that a failure leaves what drawing face by
// face leaves. Returns the rectangle of the second buffer that finishView must still merge
// in, when the faces were split.
std::optional<PixelRectangle> drawFacePass(RedrawParts& parts, View view, bool bake,
                                           const std::vector<int>& flat_angles);

// The end of a view's pass: the second buffer merged in inside `merge` (when given), the
// bitmap copied onto `image` (when given), and its rows cleared for the next view as `next`
// asks. With two cores each thread does all three for its own rows.
void finishView(FrameBuffers& frame, Canvas* image, const std::optional<PixelRectangle>& merge,
                const FrameBuffers::RowClear& next);

}  // namespace facetry
