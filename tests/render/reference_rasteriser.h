// render/reference_rasteriser.h: the face rasteriser written out rule by rule, one pixel at
// a time, with exact wide integer arithmetic and the geometry kernel's own angle routines.
// Slow and plain on purpose: the optimised rasteriser must match it pixel for pixel.
#pragma once
#include "render/rasteriser.h"

namespace facetry::testing {

// Same contract as rasteriseFace.
void referenceRasteriseFace(Scene& scene, int face, int view, ShadingMode mode, bool bake,
                            const RasterContext& context, FrameBuffers& frame);

}  // namespace facetry::testing
