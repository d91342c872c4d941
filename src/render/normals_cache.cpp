// render/normals_cache.cpp: keeping the corner normals between redraws.
#include "render/normals_cache.h"

#include <algorithm>
#include <cstring>

#include "render/rasteriser.h"
#include "render/side_by_side.h"

namespace facetry {

namespace {

// The faces the objects cover: 0 .. one past the last face of any object.
std::size_t coveredFaces(const Scene& scene) {
  std::int64_t end = 0;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& object = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (object.first <= object.last)
      end = std::max<std::int64_t>(end, std::int64_t{object.last} + 1);
  }
  // Ranges beyond the table are refused by the computation itself.
  return static_cast<std::size_t>(
      std::min<std::int64_t>(end, static_cast<std::int64_t>(scene.FaceTable.size())));
}

bool sameBits(const void* a, const void* b, std::size_t bytes) {
  return bytes == 0 || std::memcmp(a, b, bytes) == 0;
}

// Whether faces [first, last) have the corners (unless `corners_known`), smooth flags and
// shading the cache holds.
bool sameFaces(const Scene& scene, const VertexNormalsCache& cache, std::size_t first,
               std::size_t last, bool corners_known) {
  if (corners_known) {
    for (std::size_t f = first; f < last; ++f) {
      if (scene.FaceTable[f].smooth != cache.smooth[f]) return false;
    }
    return sameBits(scene.FaceShadingTable.data() + first, cache.shading.data() + first,
                    (last - first) * sizeof(FaceShading));
  }
  const float* position = cache.positions.data() + 9 * first;
  for (std::size_t f = first; f < last; ++f, position += 9) {
    const Face& face = scene.FaceTable[f];
    if (face.smooth != cache.smooth[f]) return false;
    const float corners[9] = {face.corners[0].x, face.corners[0].y, face.corners[0].z,
                              face.corners[1].x, face.corners[1].y, face.corners[1].z,
                              face.corners[2].x, face.corners[2].y, face.corners[2].z};
    if (!sameBits(corners, position, sizeof corners)) return false;
  }
  return sameBits(scene.FaceShadingTable.data() + first, cache.shading.data() + first,
                  (last - first) * sizeof(FaceShading));
}

bool unchanged(const Scene& scene, const Lighting& light, const VertexNormalsCache& cache,
               std::size_t covered, SideWorker* worker, const std::uint64_t* corner_changes) {
  if (!cache.valid || !sameBits(&light.LightPosition, &cache.light, sizeof(Point3))) return false;
  const auto objects = static_cast<std::size_t>(std::max(scene.ObjectCount, 0));
  if (cache.ranges.size() != 2 * objects || cache.smooth.size() != covered) return false;
  for (std::size_t k = 0; k < objects; ++k) {
    const ModelObject& object = scene.ObjectTable[k];
    if (object.first != cache.ranges[2 * k] || object.last != cache.ranges[2 * k + 1]) return false;
  }
  const bool known =
      corner_changes != nullptr && cache.corners_counted && cache.corner_changes == *corner_changes;
  if (worker == nullptr || !worthSplitting(static_cast<int>(covered))) {
    return sameFaces(scene, cache, 0, covered, known);
  }
  const std::size_t half = covered / 2;
  bool first_same = false, second_same = false;
  const SideFailures failures = runSideBySide(
      worker, [&] { first_same = sameFaces(scene, cache, 0, half, known); },
      [&] { second_same = sameFaces(scene, cache, half, covered, known); });
  return !failures.any() && first_same && second_same;
}

void remember(const Scene& scene, const Lighting& light, VertexNormalsCache& cache,
              std::size_t covered, const std::uint64_t* corner_changes) {
  cache.light = light.LightPosition;
  cache.corners_counted = corner_changes != nullptr;
  cache.corner_changes = corner_changes != nullptr ? *corner_changes : 0;
  const auto objects = static_cast<std::size_t>(std::max(scene.ObjectCount, 0));
  cache.ranges.resize(2 * objects);
  for (std::size_t k = 0; k < objects; ++k) {
    cache.ranges[2 * k] = scene.ObjectTable[k].first;
    cache.ranges[2 * k + 1] = scene.ObjectTable[k].last;
  }
  cache.positions.resize(9 * covered);
  cache.smooth.resize(covered);
  float* position = cache.positions.data();
  for (std::size_t f = 0; f < covered; ++f, position += 9) {
    const Face& face = scene.FaceTable[f];
    cache.smooth[f] = face.smooth;
    for (int c = 0; c < 3; ++c) {
      position[3 * c] = face.corners[c].x;
      position[3 * c + 1] = face.corners[c].y;
      position[3 * c + 2] = face.corners[c].z;
    }
  }
  cache.shading.assign(scene.FaceShadingTable.begin(),
                       scene.FaceShadingTable.begin() + static_cast<std::ptrdiff_t>(covered));
  cache.valid = true;
}

}  // namespace

bool updateVertexNormals(Scene& scene, const Lighting& light, VertexNormalsCache& cache,
                         SideWorker* worker, const std::uint64_t* corner_changes) {
  const std::size_t covered = coveredFaces(scene);
  if (unchanged(scene, light, cache, covered, worker, corner_changes)) {
    // Its corners are the ones compared, so the count is theirs from now on.
    if (corner_changes != nullptr) {
      cache.corners_counted = true;
      cache.corner_changes = *corner_changes;
    }
    return false;
  }
  cache.valid = false;
  computeVertexNormals(scene, light);  // throws, leaving the cache invalid
  remember(scene, light, cache, covered, corner_changes);
  return true;
}

}  // namespace facetry
