// exchange/vrml_runs.h: what the two VRML writers share: the runs of faces they write one
// block each, the mapping of corners and texture pixels to VRML numbers, and valid names.
#pragma once
#include <string>
#include <string_view>
#include <vector>

#include "materials/texture_store.h"
#include "scene/scene.h"

namespace facetry {

// A maximal sequence of consecutive faces first..last (inclusive) whose colour and
// material number equal those of face `first`. `textured` when that material is an entry
// 1..100 whose picture was decoded (a width and height above 0): a run whose picture could
// not be decoded is written in its colour, like a run without texture.
struct VrmlRun {
  int first = 0;
  int last = 0;
  bool textured = false;
  int texture = 0;  // the material entry of a textured run
  int width = 0;    // its picture's size in pixels
  int height = 0;
};

// The runs of faces 0..FaceCount-1, in face order; none for an empty scene.
std::vector<VrmlRun> vrmlRuns(const Scene& scene, const TextureStore& textures);

// Texture coordinates of a texture pixel position on a picture `size` pixels wide (s) or
// high (t): with U = u cut toward zero to whole pixels, s = (U mod W) / W - W, which is the
// fraction (U mod W) / W moved by whole repeats of the picture; t = -((V mod H) / H).
// The remainder keeps the sign of U, as Pascal's mod does.
double textureS(float u, int width);
double textureT(float v, int height);

// `name` as a valid VRML node name. A valid name is kept as it is. Otherwise every
// character that may not appear in a name (control characters and the blank, the double
// and single quote, '#', '+', ',', '.', '[', '\', ']', '{', '}' and DEL) becomes '_', a
// name that would start with a digit or a minus sign gets '_' in front, and an empty name
// becomes "Object".
std::string vrmlName(std::string_view name);

// The name of the object a face belongs to, empty for an index outside the object table.
std::string objectNameOf(const Scene& scene, int object);

}  // namespace facetry
