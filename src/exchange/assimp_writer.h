// exchange/assimp_writer.h: the scene in the mesh formats of other programs: OBJ with its
// MTL, binary STL, binary PLY and binary glTF 2.0 (.glb). The writers are our own; assimp
// reads all of them back (exchange/assimp_reader.h).
//
// Every closed object is one mesh named after the object (faces of the open object are not
// written); a face's corners are written in the order 0, 2, 1 and on the axes the reader
// takes (X = x - Rx, Y = Ry - y, Z = z - Rz with (Rx, Ry, Rz) = views.CentrePoint), so a
// file written here reads back onto the same coordinates. Every writer replaces its file
// only once the new one is complete and throws IoError when it cannot be written.
#pragma once
#include <string>

#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// "o NAME" per object (blanks in the name written as underscores, since a name ends at a
// blank), a "v" line per distinct corner position of the object (shared only by corners
// with the very same coordinates), "usemtl colour_RRGGBB" where the face colour changes,
// "f" per face; the colours as materials ("Kd") in the .mtl file beside it, of the same
// name with the extension ".mtl", named by "mtllib". Numbers are the shortest text that
// reads back as the same float.
void writeObj(const Scene& scene, const ViewState& views, const std::string& path);

// Binary STL: the 80-byte header, the face count, then per face its normal, three corners
// and an attribute word of 0. STL has no objects: all faces are one solid.
void writeStl(const Scene& scene, const ViewState& views, const std::string& path);

// Binary little-endian PLY: three vertices per face with the face colour, and the faces
// with their colour ("red", "green", "blue" on both elements); a comment line "object
// NAME FIRST LAST" per object gives the face range (PLY itself has no objects).
void writePly(const Scene& scene, const ViewState& views, const std::string& path);

// Binary glTF 2.0 (exchange/glb_writer.cpp): a node per object with one mesh of the
// object's distinct corner positions, a primitive of indexed triangles and a material (base
// colour, the bytes / 255) per face colour it uses. Names are escaped for JSON.
void writeGlb(const Scene& scene, const ViewState& views, const std::string& path);

}  // namespace facetry
