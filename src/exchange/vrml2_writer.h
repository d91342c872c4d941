// exchange/vrml2_writer.h: the scene as a VRML 2.0 world.
#pragma once
#include <string>

#include "materials/texture_store.h"
#include "scene/scene.h"

namespace facetry {

// Writes faces 0..FaceCount-1 as a VRML 2.0 world under `path`, with ".wrl" appended
// unless its last four characters are exactly ".wrl". Every line ends in CR LF. After a
// viewpoint ("The watcher") and a navigation info with the headlight on, each run of faces
// (see vrmlRuns) is one Transform holding one Shape: its appearance (a Material of the
// run's colour, or an ImageTexture of its picture) and an IndexedFaceSet of its corners
// (one point per corner, none shared), one index triple per face and, for a textured run,
// one texture coordinate per corner with the same triples. Axes as in writeVrml1; points
// and texture coordinates have 3 decimals. An empty scene gives a world with no shapes.
// Replaces the file only once it is complete; throws IoError.
void writeVrml2(const Scene& scene, const TextureStore& textures, const std::string& path);

}  // namespace facetry
