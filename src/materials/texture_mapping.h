// materials/texture_mapping.h: texture coordinates of faces from the shape of their object.
// Coordinates are in texels and stored truncated toward zero in the corners' u and v.
#pragma once
#include <cmath>
#include <limits>

#include "scene/scene.h"

namespace facetry {

enum class MappingKind { Flat, Wrap };
// "Width && height", "Width" and "Height" of wrap-around mapping.
enum class WrapVariant { WidthAndHeight, Width, Height };

struct MaterialMapping {
  MappingKind kind = MappingKind::Flat;
  WrapVariant variant = WrapVariant::WidthAndHeight;
};

// A coordinate worked out in double, stored as a float: NaN becomes 0 and values beyond the
// float range are held at its ends.
inline float storedCoordinate(double value) {
  constexpr double kMost = std::numeric_limits<float>::max();
  if (std::isnan(value)) return 0;
  return static_cast<float>(value > kMost ? kMost : value < -kMost ? -kMost : value);
}

// Texture coordinates of `face` from the bounds and centre of `object`, the object that
// holds it. Flat projects along z: (x - min.x, y - min.y). Wrap-around turns the corner's
// direction from the centre in the (x, z) plane ("Height": the (y, z) plane) into a distance
// along the object's girth 2 (width + depth); a face across the seam (angles more than 180
// apart) takes its small angles one turn further. "Width && height" scales the height by
// |centre| / |centre - corner| (all relative to min), maps horizontal faces from above
// (u = x, v = last_cube_depth - z) and a face whose three v agree by (x, z). A corner less
// than 1 from the wrap axis takes the mean wrapped coordinate of the other two. A corner on
// the centre itself keeps its own height as v.
void mapFace(Face& face, const ModelObject& object, const MaterialMapping& mapping,
             float last_cube_depth);

// Refreshes every object's bounds, then gives every selected face of the closed objects
// material `material` and its mapped coordinates (faces of the open object are left alone).
// Returns the number of faces changed.
int applyMaterialToSelection(Scene& scene, int material, const MaterialMapping& mapping);

}  // namespace facetry
