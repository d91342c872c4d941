// render/walk_file.h: the walk-through's copies of the scene, "walk.fil" (the baked scene
// the window starts from) and "b@walk.tmp" (the untouched scene restored when it closes).
// Raw little-endian records without a header:
//   int32 face count N; N times a Face record (92 bytes) followed by its FaceShading (40);
//   int32 object count M; M ModelObject records (84 bytes).
#pragma once
#include <string>

#include "scene/scene.h"

namespace facetry {

// Writes faces 0..FaceCount-1 with their shading and objects 0..ObjectCount-1 to `path`,
// replacing it only once the new file is complete. Throws IoError.
void writeWalkFile(const Scene& scene, const std::string& path);

// Puts the faces, their shading and the objects of `path` back into the tables, exactly as
// they were written; slots past the counts keep what they held. The open object starts
// after the last object read. Throws IoError when the file cannot be read and FormatError,
// changing nothing, when it is not a walk file of a consistent scene.
void readWalkFile(Scene& scene, const std::string& path);

// Deletes the walk-through's two files, each only when it can be opened, with a pause of
// 10 ms after each deletion; a missing file is skipped silently.
void removeWalkFiles();

}  // namespace facetry
