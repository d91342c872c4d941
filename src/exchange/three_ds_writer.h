// exchange/three_ds_writer.h: the scene as a 3D Studio (.3ds) file of triangle meshes.
#pragma once
#include <string>

#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// The most faces one mesh can hold: its vertex count (three per face, none shared) is an
// unsigned 16-bit number.
constexpr int k3dsMaxMeshFaces = 65535 / 3;

// Writes every closed object as a named object (chunk 0x4000) holding a triangle mesh
// (0x4100) of a vertex list (0x4110: count, then X, Y, Z per vertex, three vertices per
// face in corner order) and a face list (0x4120: count, then 3k, 3k+1, 3k+2 and the flags
// word 7 for face k), all inside the editor chunk 0x3D3D inside the main chunk 0x4D4D.
// Little-endian; every chunk length counts its 6-byte header and everything nested in it.
// Axes, with (Rx, Ry, Rz) = views.CentrePoint and minX, minY from writerShift:
// X = x - minX, Y = Rz - z, Z = Ry - (y - minY). Faces of the open object are not written.
// An object of more than k3dsMaxMeshFaces faces is written as several objects of at most
// that many faces each, the second named threeDsName(..., 2) and so on.
// Replaces `path` only once the new file is complete; throws IoError.
void write3ds(const Scene& scene, const ViewState& views, const std::string& path);

// The name object `index` is written under: its name with every blank replaced by an
// underscore ("Obj_" and the object's number when the name is empty), cut to 9 characters.
// Pieces 2, 3, ... of a split object end in "_2", "_3", ..., cut in front of that suffix so
// that the whole stays within 9 characters.
std::string threeDsName(const std::string& name, int index, int part = 1);

}  // namespace facetry
