// exchange/dxf_writer.h: the scene as an ASCII DXF file of 3DFACE entities.
#pragma once
#include <string>
#include <vector>

#include "scene/scene.h"

namespace facetry {

// Writes every closed object's faces as 3DFACE entities on a layer named after the object,
// in object order, between "0 SECTION 2 ENTITIES 0" and "ENDSEC 0 EOF", every line ending
// in CR LF. Per face: "3DFACE", " 8", layer, " 62", colour number, then corner groups
// 10/20/30 .. 13/23/33 holding the face's third, second, first and first corner again, and
// " 0". Axes: DXF X = x - minX, DXF Y = z, DXF Z = y - minY (see writerShift); values in
// fixed point with four decimals. Faces of the open object are not written.
// Fills DxfPalette as numberDxfColours does (the palette keeps the new entries).
// Replaces `path` only once the new file is complete; throws IoError.
void writeDxf(Scene& scene, const std::string& path);

// The DXF colour number of faces 0..FaceCount-1. Palette entries from 0 upward take the
// distinct face colours in face order; a face's number is 1 + the index of its entry
// (1..257). Once all 257 entries are taken, a further colour gets the number of the entry
// nearest to it (smallest squared distance in red, green, blue; the lower entry on a tie).
std::vector<int> numberDxfColours(Scene& scene);

}  // namespace facetry
