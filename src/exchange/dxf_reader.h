// exchange/dxf_reader.h: reading ASCII DXF files into the scene.
#pragma once
#include <string>

#include "scene/host.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

// What the DXF reader keeps from one import to the next during a run.
struct DxfReaderState {
  // The DxfPalette entry the next polyline layer of a new name family is coloured with:
  // 1 at start-up, one further at each use, back to 1 after 256.
  int next_layer_colour = 1;
};

// Adds the faces of the 3DFACE and POLYLINE entities of the DXF file at `path` to the scene
// as new objects, one per run of faces on one layer (named after the layer), without asking
// for names (the "Don't ask" box is ticked for the import and left unticked afterwards).
// DXF X, Y, Z become model x, z, y. Colour numbers 1..256 map to DxfPalette entries; the
// object colour rule of polyline layers uses `state`; a vertex a plain polyline leaves out
// starts from views.CentrePoint. Steps host.readingCount(FaceCount) after each face added.
// Writes the scratch files "header.tmp" (the lines up to the ENTITIES section) and, for
// polyface meshes, "~veelpt.tmp" in the working directory.
// Throws IoError when a file cannot be read or written, FormatError for a file that is not
// an ASCII DXF file; faces and objects added before an error stay, closed into objects.
void readDxf(Scene& scene, Host& host, const ViewState& views, DxfReaderState& state,
             const std::string& path);

}  // namespace facetry
