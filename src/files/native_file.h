// files/native_file.h: the native model file (.fcy), also the format of the undo snapshot.
// Raw little-endian records without a header:
//   int32 material count c; if c > 1, entries 1..c-1 of 255 bytes each;
//   int32 face count n, n Face records (92 bytes);
//   int32 object count m, m ModelObject records (84 bytes);
//   optionally int32 surface count k and per surface a 984-byte block (its int32 point
//   count p, then 980 bytes without meaning) followed by p 24-byte control points.
// Coordinates are written as held in memory; saving at 100 % is the caller's business.
#pragma once
#include <string>

#include "materials/texture_store.h"
#include "scene/host.h"
#include "scene/scene.h"

namespace facetry {

// Writes the whole scene to `path`, replacing it only once the new file is complete.
// Changes nothing in the scene. Throws IoError.
void opslaan(const Scene& scene, const std::string& path);

// Reads `path` into the scene, emptying faces and objects first (`replace`) or appending
// behind them with object numbers and face ranges shifted. When `textures` is given, the
// picture of every material entry whose file exists is loaded into it. No object name is
// asked for. Returns false, changing nothing, when the file does not exist or is not a
// model file (its material count is outside 0..100; the user is told so).
// A file that ends early keeps what was read. A face, object or surface that breaks the
// tables' bounds (material number, reflection level, face range, surface or point count)
// ends the load with a RangeError; the scene then holds what came before it, consistent.
// Throws IoError when the file cannot be read, FormatError when it is too short to hold a
// material count.
bool ophaal(Scene& scene, Host& host, const std::string& path, bool replace,
            TextureStore* textures);

}  // namespace facetry
