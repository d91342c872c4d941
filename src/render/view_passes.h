// render/view_passes.h: one pass of the redraw over every face in one view, and the integer
// line the wire frames and corner marks are drawn with.
#pragma once
#include <cstdint>
#include <vector>

#include "render/rasteriser.h"
#include "render/view_render.h"

namespace facetry {

// The wire-frame line between two pixels of `bitmap`: the major axis walked within 0..814,
// the minor coordinate by truncating division, only pixels in 0..813 on both axes written;
// nothing when all four values are below 1.
void drawBitmapLine(Canvas& bitmap, std::int64_t x1, std::int64_t y1, std::int64_t x2,
                    std::int64_t y2, Rgb colour);

// Every face's flat light angle into `angles`, on two threads for a large scene.
void computeFlatAngles(const Scene& scene, const Point3& light, std::vector<int>& angles);

// The drawing mode of a view's entry.
ShadingMode modeOf(const ViewShadingEntry& entry);

// Every face in `view` in index order: its edges when the view is wired, the face
// otherwise, then its corner marks when it is selected and point or face selection is on.
// `flat_angles` holds each face's flat light angle when the view is shaded flat. The front
// pass first grows each object's screen bounds and the scene centroid. A large shaded pass
// that bakes nothing and draws no marks is drawn as two halves of the faces at once, merged
// by depth; should it fail, it is drawn again face by face, so that a failure leaves what
// drawing face by face leaves.
void drawPass(RedrawParts& parts, int view, bool bake, const std::vector<int>& flat_angles);

}  // namespace facetry
