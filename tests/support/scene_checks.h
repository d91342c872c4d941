// support/scene_checks.h: scenes built in code for tests, and the table invariants every
// operation must keep.
#pragma once
#include <string>

#include "scene/host.h"
#include "scene/scene.h"

namespace facetry::testing {

FaceCorner corner(float x, float y, float z);

// Appends the twelve faces of an axis-aligned box from (x, y, z) to (x + size, y + size,
// z - size), in the cube builder's corner order, without closing an object.
void appendBox(Scene& scene, Host& host, float x, float y, float z, float size);
// A box closed into an object named `name` (without asking), oriented and deselected.
void addBoxObject(Scene& scene, Host& host, float x, float y, float z, float size,
                  const std::string& name);
// How many faces of object k face its centre (the inside-out count).
int facesTowardCentre(const Scene& scene, int k);

// Empty string when the invariants hold, otherwise a description of the first broken one:
// objects partition a prefix of the faces in order, every face carries its object's index,
// slot FaceCount is allocated while the table is not full, counts within their bounds.
std::string invariantViolation(const Scene& scene);

}  // namespace facetry::testing
