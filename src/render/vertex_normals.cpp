// render/vertex_normals.cpp: corner normals and Gouraud values of the closed objects.
//
// Smooth faces of one object share a normal at corners that lie within distance 1 of each
// other. The corners are ordered by the truncated x coordinate (the key) and each corner j
// not yet in a group gathers candidates from the corners after it: the next corner always,
// then the following ones while their key equals j's. A candidate joins when it is in no
// group, lies within distance 1 of j and the group has fewer than 1998 members besides j.
// Which corners end up together therefore depends on the order of corners with equal keys;
// that order is the order of the faces and, within a face, of its corners (a stable sort).
#include <algorithm>
#include <cassert>
#include <cmath>
#include <cstdint>
#include <limits>
#include <string>
#include <vector>

#include "render/light_angles.h"
#include "render/rasteriser.h"
#include "render/side_by_side.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

constexpr std::size_t kMaxGroupMembers = 1998;
// Runs of equal keys up to this length are scanned corner by corner; in longer ones (a
// slice through a finely divided object holds hundreds of corners) only the corners near
// in y are examined.
constexpr std::size_t kShortRun = 32;

// distance(a, b) < 1 as the kernel decides it, from the squared distance in double when
// that is clear of 1 by far more than its rounding error.
bool withinUnitDistance(const Point3& a, const Point3& b) {
  const double dx = double{a.x} - b.x, dy = double{a.y} - b.y, dz = double{a.z} - b.z;
  const double squared = dx * dx + dy * dy + dz * dz;
  if (squared < 1 - 1e-9) return true;
  if (squared > 1 + 1e-9) return false;
  return distance(a, b) < 1;
}

// Truncation toward zero of a key; truncToInt reports what does not fit (and NaN).
inline std::int32_t keyOf(float x) {
  if (x > -2147483648.0f && x < 2147483648.0f) return static_cast<std::int32_t>(x);
  return truncToInt(x);
}

// The smooth corners of one object in key order, with what the grouping reads. A counting
// sort scatters them into one stream per key, so every read and most writes go in order.
class SmoothCorners {
 public:
  explicit SmoothCorners(const Scene& scene) : scene_(scene) {}

  // Collects the corners of the smooth faces first..last and orders them by key, stably.
  void collect(int first, int last) {
    std::int32_t low = 0, high = 0;
    std::size_t n = 0;
    forEachSmoothCorner(first, last, [&](const FaceCorner& corner, std::uint32_t) {
      const std::int32_t key = keyOf(corner.x);
      low = n == 0 ? key : std::min(low, key);
      high = n == 0 ? key : std::max(high, key);
      ++n;
    });
    corners_.resize(n);
    grouped_.assign(n, 0);
    run_ends_.clear();
    if (n == 0) return;
    const std::int64_t spread = std::int64_t{high} - low;
    if (spread <= static_cast<std::int64_t>(4 * n + 4096)) {
      // Keys of one object usually span a few hundred pixels.
      counts_.assign(static_cast<std::size_t>(spread) + 2, 0);
      forEachSmoothCorner(first, last, [&](const FaceCorner& corner, std::uint32_t) {
        ++counts_[static_cast<std::size_t>(keyOf(corner.x) - low) + 1];
      });
      for (std::size_t i = 1; i < counts_.size(); ++i) counts_[i] += counts_[i - 1];
      forEachSmoothCorner(first, last, [&](const FaceCorner& corner, std::uint32_t id) {
        corners_[counts_[static_cast<std::size_t>(keyOf(corner.x) - low)]++] = {corner.point(), id};
      });
      // counts_[k] is now the end of key low + k.
      for (std::size_t k = 0; k + 1 < counts_.size(); ++k) {
        if (run_ends_.empty() ? counts_[k] > 0 : counts_[k] > run_ends_.back()) {
          run_ends_.push_back(counts_[k]);
        }
      }
    } else {
      std::vector<std::pair<std::int32_t, Entry>> keyed;
      keyed.reserve(n);
      forEachSmoothCorner(first, last, [&](const FaceCorner& corner, std::uint32_t id) {
        keyed.push_back({keyOf(corner.x), {corner.point(), id}});
      });
      std::stable_sort(keyed.begin(), keyed.end(),
                       [](const auto& a, const auto& b) { return a.first < b.first; });
      for (std::size_t i = 0; i < n; ++i) {
        corners_[i] = keyed[i].second;
        if (i + 1 == n || keyed[i + 1].first != keyed[i].first) run_ends_.push_back(i + 1);
      }
    }
  }

  // Forms the groups in order and hands each (its first corner and its members, as sorted
  // positions) to `share`.
  template <class Share>
  void group(Share share) {
    std::vector<std::size_t> members;
    const std::size_t n = corners_.size();
    std::size_t run = 0;
    for (std::size_t end : run_ends_) {
      const bool by_cell = end - run > kShortRun && sortRunByRowCell(run, end);
      for (std::size_t j = run; j < end; ++j) {
        if (grouped_[j]) continue;
        members.clear();
        if (j + 1 < n) consider(j, j + 1, members);  // the next corner, whatever its key
        if (by_cell) {
          considerNeighbourCells(j, members);
        } else {
          for (std::size_t i = j + 2; i < end; ++i) consider(j, i, members);
        }
        for (std::size_t i : members) grouped_[i] = 1;
        share(j, members);
      }
      run = end;
    }
  }

  std::uint32_t id(std::size_t s) const { return corners_[s].id; }
  const Point3& position(std::size_t s) const { return corners_[s].position; }

 private:
  struct Entry {
    Point3 position;
    std::uint32_t id;  // face * 3 + corner
  };

  template <class Visit>
  void forEachSmoothCorner(int first, int last, Visit visit) const {
    for (int f = first; f <= last; ++f) {
      const Face& face = scene_.FaceTable[static_cast<std::size_t>(f)];
      if (face.smooth == 0) continue;
      for (int c = 0; c < 3; ++c) {
        visit(face.corners[c], static_cast<std::uint32_t>(f) * 3 + static_cast<std::uint32_t>(c));
      }
    }
  }
  void consider(std::size_t j, std::size_t i, std::vector<std::size_t>& members) const {
    if (!grouped_[i] && members.size() < kMaxGroupMembers &&
        withinUnitDistance(position(j), position(i))) {
      members.push_back(i);
    }
  }

  // Lists the run's corners by row cell floor(y), each cell in sorted order. A candidate
  // within distance 1 of j lies within 1 of j's y, so in j's cell or the one above or below.
  // False (scan the run) when a y is not finite or the cells spread too far.
  bool sortRunByRowCell(std::size_t run, std::size_t end) {
    double low = position(run).y, high = low;
    for (std::size_t i = run; i < end; ++i) {
      const double y = position(i).y;
      if (!std::isfinite(y)) return false;
      low = std::min(low, y);
      high = std::max(high, y);
    }
    const double cells = std::floor(high) - std::floor(low) + 1;
    if (cells > static_cast<double>(8 * (end - run) + 64)) return false;
    cell_low_ = static_cast<std::int64_t>(std::floor(low));
    const auto count = static_cast<std::size_t>(cells);
    cell_start_.assign(count + 1, 0);
    for (std::size_t i = run; i < end; ++i) ++cell_start_[cellOf(i) + 1];
    for (std::size_t c = 1; c <= count; ++c) cell_start_[c] += cell_start_[c - 1];
    cell_cursor_.assign(cell_start_.begin(), cell_start_.end() - 1);
    by_cell_.resize(end - run);
    cell_fill_.assign(cell_start_.begin(), cell_start_.end() - 1);
    for (std::size_t i = run; i < end; ++i) by_cell_[cell_fill_[cellOf(i)]++] = i;
    return true;
  }
  std::size_t cellOf(std::size_t i) const {
    return static_cast<std::size_t>(static_cast<std::int64_t>(std::floor(position(i).y)) -
                                    cell_low_);
  }

  // The candidates after j + 1 in j's run from the three neighbouring cells, in sorted
  // order (a merge of three ordered lists).
  void considerNeighbourCells(std::size_t j, std::vector<std::size_t>& members) {
    const std::size_t cell = cellOf(j);
    const std::size_t count = cell_start_.size() - 1;
    std::size_t at[3], stop[3];
    for (int k = 0; k < 3; ++k) {
      const std::size_t c = cell + static_cast<std::size_t>(k);  // c - 1 is the cell
      if (c == 0 || c > count) {
        at[k] = stop[k] = 0;
        continue;
      }
      // Cursors only move forward, as j does.
      std::size_t& cursor = cell_cursor_[c - 1];
      stop[k] = cell_start_[c];
      while (cursor < stop[k] && by_cell_[cursor] <= j + 1) ++cursor;
      at[k] = cursor;
    }
    for (;;) {
      int best = -1;
      for (int k = 0; k < 3; ++k) {
        if (at[k] < stop[k] && (best < 0 || by_cell_[at[k]] < by_cell_[at[best]])) best = k;
      }
      if (best < 0) break;
      consider(j, by_cell_[at[best]++], members);
    }
  }

  const Scene& scene_;
  std::vector<Entry> corners_;         // in key order
  std::vector<std::size_t> run_ends_;  // where each key's corners end
  std::vector<std::size_t> counts_;
  std::vector<std::uint8_t> grouped_;
  // Row cells of the current run.
  std::int64_t cell_low_ = 0;
  std::vector<std::size_t> cell_start_;
  std::vector<std::size_t> cell_cursor_;
  std::vector<std::size_t> cell_fill_;
  std::vector<std::size_t> by_cell_;
};

// The corner normals and Gouraud values of objects [first_object, last_object).
void normalsOfObjects(Scene& scene, const Lighting& light, int first_object, int last_object) {
  const VectorAngleLights& lights = VectorAngleLights::instance();
  const Point3 lamp = light.LightPosition;
  // The Gouraud value of a corner: trunc(180 - angle between its stored (whole) normal and
  // the direction to the light).
  const auto lightValue = [&](const std::int32_t* normal, const Point3& position) {
    const Point3 direction{static_cast<float>(normal[0]), static_cast<float>(normal[1]),
                           static_cast<float>(normal[2])};
    const Point3 to_light{lamp.x - position.x, lamp.y - position.y, lamp.z - position.z};
    return static_cast<std::uint8_t>(cornerLightValue(direction, to_light, lights));
  };
  std::vector<Point3> face_normals;
  SmoothCorners corners(scene);

  for (int k = first_object; k < last_object; ++k) {
    const ModelObject& object = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (object.first > object.last) continue;
    if (object.first < 0 || object.last > scene.faceSlotsAllocated()) {
      throw RangeError("object " + std::to_string(k) + " covers faces " +
                       std::to_string(object.first) + ".." + std::to_string(object.last) +
                       " beyond the face table");
    }
    const auto first = static_cast<std::size_t>(object.first);
    face_normals.resize(static_cast<std::size_t>(object.last - object.first) + 1);
    for (std::size_t f = first; f <= static_cast<std::size_t>(object.last); ++f) {
      const Face& face = scene.FaceTable[f];
      const Point3 normal =
          faceNormal(face.corners[0].point(), face.corners[1].point(), face.corners[2].point(), 20);
      face_normals[f - first] = normal;
      if (face.smooth == 0) {
        const std::array<std::int32_t, 3> whole = truncPoint(normal);
        FaceShading& shading = scene.FaceShadingTable[f];
        for (int c = 0; c < 3; ++c) {
          std::copy(whole.begin(), whole.end(), shading.normals[c]);
          shading.light[c] = lightValue(whole.data(), face.corners[c].point());
        }
      }
    }

    corners.collect(object.first, object.last);
    corners.group([&](std::size_t j, const std::vector<std::size_t>& members) {
      // The group normal is the midpoint of each component's range, taken in double.
      const auto normalOf = [&](std::size_t s) -> const Point3& {
        return face_normals[corners.id(s) / 3 - first];
      };
      const Point3& lead = normalOf(j);
      float low[3] = {lead.x, lead.y, lead.z};
      float high[3] = {lead.x, lead.y, lead.z};
      for (std::size_t i : members) {
        const Point3& n = normalOf(i);
        const float components[3] = {n.x, n.y, n.z};
        for (int axis = 0; axis < 3; ++axis) {
          low[axis] = std::min(low[axis], components[axis]);
          high[axis] = std::max(high[axis], components[axis]);
        }
      }
      std::int32_t normal[3];
      for (int axis = 0; axis < 3; ++axis) {
        normal[axis] = truncToInt((double{low[axis]} + high[axis]) / 2);
      }
      // Corners of one group mostly share their position exactly, and with it the value.
      const Point3& lead_position = corners.position(j);
      const std::uint8_t lead_light = lightValue(normal, lead_position);
      const auto store = [&](std::size_t s) {
        const std::uint32_t id = corners.id(s);
        FaceShading& shading = scene.FaceShadingTable[id / 3];
        std::copy(normal, normal + 3, shading.normals[id % 3]);
        const Point3& p = corners.position(s);
        const bool same =
            p.x == lead_position.x && p.y == lead_position.y && p.z == lead_position.z;
        shading.light[id % 3] = same ? lead_light : lightValue(normal, p);
      };
      store(j);
      for (std::size_t i : members) store(i);
    });
  }
}

}  // namespace

void computeVertexNormals(Scene& scene, const Lighting& light) {
  assert(scene.FaceShadingTable.size() == scene.FaceTable.size());
  const int objects = scene.ObjectCount;
  // Objects share nothing, so a large scene is split between two threads at the object
  // where half of its faces have been passed. Should either half fail, the whole is done
  // again in order, so that the failure and everything before it are what the serial
  // pass gives (objects after the failing one may then already hold their new values).
  // Only objects that follow each other without overlapping are split, so that no face is
  // written by both threads.
  long long faces = 0;
  bool in_order = true;
  int previous_last = -1;
  for (int k = 0; k < objects; ++k) {
    const ModelObject& object = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (object.first > object.last) continue;
    in_order =
        in_order && object.first > previous_last && object.last <= scene.faceSlotsAllocated();
    previous_last = object.last;
    faces += object.last - object.first + 1;
  }
  int split = 0;
  for (long long passed = 0; split < objects && passed * 2 < faces; ++split) {
    const ModelObject& object = scene.ObjectTable[static_cast<std::size_t>(split)];
    if (object.first <= object.last) passed += object.last - object.first + 1;
  }
  if (!in_order || faces > std::numeric_limits<int>::max() ||
      !worthSplitting(static_cast<int>(faces)) || split <= 0 || split >= objects) {
    normalsOfObjects(scene, light, 0, objects);
    return;
  }
  const SideFailures failures =
      runSideBySide([&] { normalsOfObjects(scene, light, 0, split); },
                    [&] { normalsOfObjects(scene, light, split, objects); });
  if (failures.any()) normalsOfObjects(scene, light, 0, objects);
}

}  // namespace facetry
