// exchange/three_ds_reader.h: reading 3D Studio (.3ds) files into the scene.
#pragma once
#include <string>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// Adds every triangle mesh of the 3DS file at `path` to the scene as an object named after
// its named object (chunk 0x4000), without asking for names (the "Don't ask" box is ticked
// for the import and left unticked afterwards). Axes, with (Rx, Ry, Rz) =
// views.CentrePoint: x = X, y = Rz - Z, z = Ry - Y. Faces take CurrentColour; a colour
// chunk 0x0010 in the main or editor chunk makes CurrentColour red. A light (0x4600) at
// (X, Y, Z) sets `light_position` to (trunc(X / 10), trunc(Y / 10), trunc(Z / 10)).
// Reading ends at the keyframer chunk 0xB000. Steps host.readingCount(FaceCount) after
// each face added. A face naming a vertex beyond its mesh's vertex list is skipped.
// Throws IoError when the file cannot be read, FormatError when it is not a 3DS file or is
// damaged (a chunk shorter than its header or longer than what holds it, a list longer
// than its chunk); everything readable around the damage is read first, closed into
// objects.
void read3ds(Scene& scene, Host& host, const ViewState& views, Point3& light_position,
             const std::string& path);

}  // namespace facetry
