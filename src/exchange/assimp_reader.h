// exchange/assimp_reader.h: the mesh formats of other programs (OBJ, STL, PLY, glTF 2.0,
// Collada, FBX, OFF), read through the assimp library into the scene.
#pragma once
#include <string>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// Adds every mesh of the file at `path` to the scene, triangulated: one object per node
// that holds meshes, named after the node (cut to 20 characters; "Object_NN" from the name
// buffer when the node has no name), without asking for names. A face takes the diffuse
// colour of its material (the corners' colours when the mesh has vertex colours, their
// mean), CurrentColour when it has neither. Points and lines are skipped.
//
// Axes, with (Rx, Ry, Rz) = views.CentrePoint and the file's axes X right, Y up, Z toward
// the viewer (assimp's convention): x = Rx + X, y = Ry - Y, z = Rz + Z, the corners taken
// in the order 0, 2, 1 so that the mirror keeps the faces' outside. Then, when the largest
// side E of the whole import's box is below 8 or above 815 pixels, everything is scaled by
// 400 / E about the centre point; when the box's centre then lies outside 0..815 on any
// axis, everything is moved so that the centre lands on the centre point.
//
// Steps host.readingCount(FaceCount) after each face added. A file with more faces than the
// table holds is read up to the limit, the scene's one message said once. Throws IoError
// when the file cannot be read and FormatError with assimp's reason when it is not a file
// of a format assimp knows; nothing is added then.
void readAssimp(Scene& scene, Host& host, const ViewState& views, const std::string& path);

// The same from bytes in memory; `extension_hint` ("obj", "stl", ...) helps assimp choose
// the format. For the fuzzer and for tests.
void readAssimpMemory(Scene& scene, Host& host, const ViewState& views, const std::string& bytes,
                      const std::string& extension_hint);

}  // namespace facetry
