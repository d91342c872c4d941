// exchange/vrml1_writer.h: the scene as a VRML 1.0 world.
#pragma once
#include <string>

#include "materials/texture_store.h"
#include "scene/scene.h"

namespace facetry {

// Writes faces 0..FaceCount-1 as a VRML 1.0 world under `path`, with ".wrl" appended
// unless its last four characters are exactly ".wrl". Every line ends in CR LF. After the
// shape hints (clockwise, solid, convex), a camera and one white point light, each run of
// faces (see vrmlRuns) is one Separator named after the object of its first face (made a
// valid name by vrmlName) holding its colour as a Material, or its picture as a Texture2
// with one texture coordinate per corner, then its corners as Coordinate3 points and one
// IndexedFaceSet triple per face. Corners are not shared between faces. Axes: X = x - minX,
// Y = minY - y, Z = z (minX, minY from writerShift); points have 4 decimals, texture
// coordinates 3. An empty scene gives a world with no shapes.
// Replaces the file only once it is complete; throws IoError.
void writeVrml1(const Scene& scene, const TextureStore& textures, const std::string& path);

}  // namespace facetry
