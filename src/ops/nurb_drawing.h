// ops/nurb_drawing.h: the free curves drawn over the three view images.
#pragma once
#include <array>
#include <utility>
#include <vector>

#include "render/canvas.h"
#include "scene/array_curve_state.h"
#include "scene/scene.h"

namespace facetry {

// Draws curve `index` into each view image: its control polygon in grey (red when
// `highlighted`), a small rectangle round each control point, and its curve points joined
// by black lines, with the pen mode `mode` (NotXor draws over the same strokes erase them).
// Throws RangeError for a coordinate beyond the whole-number range.
void drawCurve(const Scene& scene, int index, const CurveSettings& settings,
               std::array<Canvas, 3>& images, PenMode mode, bool highlighted);
// A polyline through model-scale points, each segment clipped to the canvas (plus a margin)
// before it is drawn with the canvas pen, so that far-away points cost nothing.
void drawClippedPolyline(Canvas& image, const std::vector<std::pair<double, double>>& points);

// Every curve in use, in copy mode; the one under the connect tool's mouse highlighted.
void drawCurves(const Scene& scene, const CurveSettings& settings, std::array<Canvas, 3>& images);

}  // namespace facetry
