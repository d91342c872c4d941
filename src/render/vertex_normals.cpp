// render/vertex_normals.cpp: corner normals and Gouraud values of the closed objects.
//
// Smooth faces of one object share a normal at corners that lie within distance 1 of each
// other. The corners are ordered by the truncated x coordinate and each ungrouped corner j
// gathers candidates from the corners after it: the next corner always, then the following
// ones while their key equals j's. Which corners end up together therefore depends on the
// order of corners with equal keys; that order is the order of the faces and, within a
// face, of its corners (a stable sort by key).
#include <algorithm>
#include <cassert>
#include <cstdint>
#include <string>
#include <vector>

#include "render/light_angles.h"
#include "render/rasteriser.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

constexpr std::size_t kMaxGroupMembers = 1998;  // besides the corner that starts the group

// One corner of a smooth face.
struct SmoothCorner {
  Point3 position;
  Point3 normal;  // the face normal, length 20
  std::int32_t key;
  std::int32_t face;
  std::int32_t corner;
};

// Stable order by key. Keys of one object usually span a few hundred pixels, so a counting
// sort does it in two passes; a wide spread falls back to a comparison sort.
void sortByKey(std::vector<SmoothCorner>& corners, std::vector<SmoothCorner>& scratch) {
  if (corners.size() < 2) return;
  const auto [lowest, highest] = std::minmax_element(
      corners.begin(), corners.end(),
      [](const SmoothCorner& a, const SmoothCorner& b) { return a.key < b.key; });
  const std::int64_t spread = std::int64_t{highest->key} - lowest->key;
  if (spread > static_cast<std::int64_t>(4 * corners.size() + 4096)) {
    std::stable_sort(corners.begin(), corners.end(),
                     [](const SmoothCorner& a, const SmoothCorner& b) { return a.key < b.key; });
    return;
  }
  const std::int32_t base = lowest->key;
  std::vector<std::size_t> starts(static_cast<std::size_t>(spread) + 2, 0);
  for (const SmoothCorner& c : corners) ++starts[static_cast<std::size_t>(c.key - base) + 1];
  for (std::size_t i = 1; i < starts.size(); ++i) starts[i] += starts[i - 1];
  scratch.resize(corners.size());
  for (const SmoothCorner& c : corners) scratch[starts[static_cast<std::size_t>(c.key - base)]++] = c;
  corners.swap(scratch);
}

// distance(a, b) < 1 as the kernel decides it, from the squared distance in double when
// that is clear of 1 by far more than its rounding error.
bool withinUnitDistance(const Point3& a, const Point3& b) {
  const double dx = double{a.x} - b.x, dy = double{a.y} - b.y, dz = double{a.z} - b.z;
  const double squared = dx * dx + dy * dy + dz * dz;
  if (squared < 1 - 1e-9) return true;
  if (squared > 1 + 1e-9) return false;
  return distance(a, b) < 1;
}

// Groups the sorted corners and writes each group's normal into its corners' FaceShading.
void shareNormals(Scene& scene, const std::vector<SmoothCorner>& corners,
                  std::vector<std::uint8_t>& grouped, std::vector<std::size_t>& members) {
  grouped.assign(corners.size(), 0);
  for (std::size_t j = 0; j < corners.size(); ++j) {
    if (grouped[j]) continue;
    const SmoothCorner& lead = corners[j];
    members.clear();
    for (std::size_t i = j + 1; i < corners.size(); ++i) {
      if (i > j + 1 && corners[i].key != lead.key) break;
      if (!grouped[i] && withinUnitDistance(lead.position, corners[i].position) &&
          members.size() < kMaxGroupMembers) {
        members.push_back(i);
      }
    }
    // The group normal is the midpoint of each component's range, taken in double.
    float low[3] = {lead.normal.x, lead.normal.y, lead.normal.z};
    float high[3] = {low[0], low[1], low[2]};
    for (std::size_t i : members) {
      const Point3& n = corners[i].normal;
      const float components[3] = {n.x, n.y, n.z};
      for (int axis = 0; axis < 3; ++axis) {
        low[axis] = std::min(low[axis], components[axis]);
        high[axis] = std::max(high[axis], components[axis]);
      }
      grouped[i] = 1;
    }
    std::int32_t normal[3];
    for (int axis = 0; axis < 3; ++axis) {
      normal[axis] = truncToInt((double{low[axis]} + high[axis]) / 2);
    }
    const auto store = [&](const SmoothCorner& c) {
      std::int32_t* target =
          scene.FaceShadingTable[static_cast<std::size_t>(c.face)].normals[c.corner];
      std::copy(normal, normal + 3, target);
    };
    store(lead);
    for (std::size_t i : members) store(corners[i]);
  }
}

}  // namespace

void computeVertexNormals(Scene& scene, const Lighting& light) {
  assert(scene.FaceShadingTable.size() == scene.FaceTable.size());
  const VectorAngleLights& lights = VectorAngleLights::instance();
  const Point3 lamp = light.LightPosition;
  std::vector<SmoothCorner> corners;
  std::vector<SmoothCorner> scratch;
  std::vector<std::uint8_t> grouped;
  std::vector<std::size_t> members;

  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& object = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (object.first > object.last) continue;
    if (object.first < 0 || object.last > scene.faceSlotsAllocated()) {
      throw RangeError("object " + std::to_string(k) + " covers faces " +
                       std::to_string(object.first) + ".." + std::to_string(object.last) +
                       " beyond the face table");
    }
    corners.clear();
    for (int f = object.first; f <= object.last; ++f) {
      const Face& face = scene.FaceTable[static_cast<std::size_t>(f)];
      const Point3 a = face.corners[0].point();
      const Point3 b = face.corners[1].point();
      const Point3 c = face.corners[2].point();
      const Point3 normal = faceNormal(a, b, c, 20);
      if (face.smooth != 0) {
        for (int i = 0; i < 3; ++i) {
          corners.push_back(
              {face.corners[i].point(), normal, truncToInt(face.corners[i].x), f, i});
        }
      } else {
        const std::array<std::int32_t, 3> whole = truncPoint(normal);
        for (auto& n : scene.FaceShadingTable[static_cast<std::size_t>(f)].normals) {
          std::copy(whole.begin(), whole.end(), n);
        }
      }
    }
    sortByKey(corners, scratch);
    shareNormals(scene, corners, grouped, members);

    // Gouraud values from the stored (truncated) normals and the direction to the light.
    for (int f = object.first; f <= object.last; ++f) {
      const Face& face = scene.FaceTable[static_cast<std::size_t>(f)];
      FaceShading& shading = scene.FaceShadingTable[static_cast<std::size_t>(f)];
      for (int i = 0; i < 3; ++i) {
        const std::int32_t* n = shading.normals[i];
        const Point3 normal{static_cast<float>(n[0]), static_cast<float>(n[1]),
                            static_cast<float>(n[2])};
        const Point3 to_light{lamp.x - face.corners[i].x, lamp.y - face.corners[i].y,
                              lamp.z - face.corners[i].z};
        shading.light[i] = static_cast<std::uint8_t>(cornerLightValue(normal, to_light, lights));
      }
    }
  }
}

}  // namespace facetry
