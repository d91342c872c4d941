// render/normals_cache.h: the corner normals kept from one redraw to the next. A redraw
// that changes no corner, smooth flag, object range or light position (zooming, scrolling,
// another shading mode, the survey turned) finds them as they were and skips the work.
#pragma once
#include <cstdint>
#include <vector>

#include "render/lighting.h"
#include "scene/scene.h"

namespace facetry {

// What the last computation read and what it wrote; `valid` is false until one has
// succeeded. Holds about 80 bytes per face.
struct VertexNormalsCache {
  bool valid = false;
  Point3 light;
  std::vector<std::int32_t> ranges;  // first and last of each object
  std::vector<float> positions;      // x, y, z of each corner of the faces covered
  std::vector<std::uint8_t> smooth;  // the faces' smooth flags
  std::vector<FaceShading> shading;  // FaceShadingTable of the faces covered, as written
  // Set when the corners were compared with FlatAngleSources just before the computation,
  // which then counted `corner_changes` changes.
  bool corners_counted = false;
  std::uint64_t corner_changes = 0;
};

// computeVertexNormals(scene, light), unless everything it reads is what the last call
// with `cache` read and FaceShadingTable still holds what that call wrote (nothing else
// has written it since). Returns true when it computed. The comparison is exact, bit for
// bit, so the table ends up as computeVertexNormals would leave it; `worker`, when given,
// takes half of the comparison. `corner_changes`, when given, is FlatAngleSources::changes
// just after every face's corners were compared with it: while that count is the one the
// cache was made at, the corners are known to be the same and are not compared again.
class SideWorker;
bool updateVertexNormals(Scene& scene, const Lighting& light, VertexNormalsCache& cache,
                         SideWorker* worker = nullptr,
                         const std::uint64_t* corner_changes = nullptr);

}  // namespace facetry
