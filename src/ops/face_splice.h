// ops/face_splice.h: replaces the faces of objects with new lists in one pass, the way the
// extend and boolean operations insert faces inside an object's range: every later face
// moves up, and the ranges of every later object (and the start of the open object) move
// with it, so the scene's invariants hold.
#pragma once
#include <vector>

#include "scene/scene.h"

namespace facetry {

// A new face list for closed object `object`.
struct ObjectFaces {
  int object = 0;
  std::vector<Face> faces;
};

// Writes each list over its object's range, growing or shrinking the range and shifting
// everything after it; every face of a replaced range gets its object's number. The objects
// must be distinct. Throws RangeError when the result would pass kMaxFaces faces (nothing
// is changed then).
void spliceObjectFaces(Scene& scene, std::vector<ObjectFaces> lists);

// The faces of closed object k, in order.
std::vector<Face> objectFaces(const Scene& scene, int k);

}  // namespace facetry
