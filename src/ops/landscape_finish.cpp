// ops/landscape_finish.cpp: sea level, weld, colours and corner order of the landscape.
#include "ops/landscape_finish.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <unordered_map>
#include <vector>

#include "scene/errors.h"

namespace facetry {

namespace {

constexpr int kMaxWeldGroup = 100;

void flattenToSea(Scene& scene, int first, float sea) {
  for (int i = first; i < scene.FaceCount; ++i) {
    Face& f = scene.face(i);
    const bool below = std::any_of(std::begin(f.corners), std::end(f.corners),
                                   [sea](const FaceCorner& c) { return c.y > sea; });
    if (below) {
      for (FaceCorner& c : f.corners) c.y = sea;
    }
  }
}

// Cells of 2 x 2 units on (x, z): corners within 2 of each other lie in neighbouring cells.
std::int64_t cellKey(std::int64_t cx, std::int64_t cz) {
  return cx * 4000003 + cz;
}
std::int64_t cellOf(float v) {
  return static_cast<std::int64_t>(std::floor(v / 2.0f));
}

// Every corner not yet taken by an earlier group gathers the untaken corners of the later
// faces within 2 in x and z; the group shares the mean of its heights. The groups are the
// same as scanning all later corners in order, found through a grid of cells.
void weld(Scene& scene, int first) {
  const int count = scene.FaceCount - first;
  if (count < 2) return;
  auto corner = [&](int id) -> FaceCorner& { return scene.face(first + id / 3).corners[id % 3]; };
  std::unordered_map<std::int64_t, std::vector<int>> cells;
  for (int id = 0; id < count * 3; ++id) {
    const FaceCorner& c = corner(id);
    cells[cellKey(cellOf(c.x), cellOf(c.z))].push_back(id);
  }
  std::vector<bool> taken(static_cast<std::size_t>(count) * 3, false);
  std::vector<int> group;
  for (int id = 0; id < (count - 1) * 3; ++id) {
    if (taken[static_cast<std::size_t>(id)]) continue;
    FaceCorner& c = corner(id);
    const int later = (id / 3 + 1) * 3;  // the first corner of the next face
    group.clear();
    const std::int64_t cx = cellOf(c.x), cz = cellOf(c.z);
    for (std::int64_t dx = -1; dx <= 1; ++dx) {
      for (std::int64_t dz = -1; dz <= 1; ++dz) {
        const auto cell = cells.find(cellKey(cx + dx, cz + dz));
        if (cell == cells.end()) continue;
        for (int other : cell->second) {
          if (other < later || taken[static_cast<std::size_t>(other)]) continue;
          const FaceCorner& o = corner(other);
          if (std::fabs(o.x - c.x) < 2 && std::fabs(o.z - c.z) < 2) group.push_back(other);
        }
      }
    }
    if (group.empty()) continue;
    if (static_cast<int>(group.size()) + 1 > kMaxWeldGroup) {
      throw RangeError("more than " + std::to_string(kMaxWeldGroup) +
                       " landscape corners meet at x " + std::to_string(c.x) + ", z " +
                       std::to_string(c.z) + "; choose a larger width or a lower resolution");
    }
    std::sort(group.begin(), group.end());
    double sum = c.y;
    for (int other : group) {
      taken[static_cast<std::size_t>(other)] = true;
      sum += corner(other).y;
    }
    const auto mean = static_cast<float>(sum / static_cast<double>(group.size() + 1));
    c.y = mean;
    for (int other : group) corner(other).y = mean;
  }
}

void colour(Scene& scene, int first, float sea) {
  for (int i = first; i < scene.FaceCount; ++i) {
    Face& f = scene.face(i);
    const bool sea_face = std::all_of(std::begin(f.corners), std::end(f.corners),
                                      [sea](const FaceCorner& c) { return c.y >= sea; });
    f.red = 0;
    f.green = sea_face ? 0 : 255;
    f.blue = sea_face ? 255 : 0;
  }
}

void orderCorners(Scene& scene, int first) {
  for (int i = first; i < scene.FaceCount; ++i) {
    FaceCorner* c = scene.face(i).corners;
    if (c[1].x > c[0].x) std::swap(c[0], c[1]);
    if (c[2].x > c[0].x) std::swap(c[0], c[2]);
    if (c[2].z > c[1].z) std::swap(c[1], c[2]);
  }
}

}  // namespace

void finishLandscape(Scene& scene, Host& host, int first, bool sea_level) {
  float sea = 0;
  if (sea_level && scene.FaceCount > first) {
    float low = scene.face(first).corners[0].y, high = low;
    for (int i = first; i < scene.FaceCount; ++i) {
      for (const FaceCorner& c : scene.face(i).corners) {
        low = std::min(low, c.y);
        high = std::max(high, c.y);
      }
    }
    sea = (low + high) / 2;
    flattenToSea(scene, first, sea);
  }
  std::string weld_failure;
  try {
    weld(scene, first);
  } catch (const RangeError& e) {
    weld_failure = e.what();
  }
  if (sea_level) colour(scene, first, sea);
  orderCorners(scene, first);
  closeObject(scene, host, false, true);
  if (!weld_failure.empty()) throw RangeError(weld_failure);
}

}  // namespace facetry
