// render/flat_angles.cpp: the flat light angles of a redraw, kept where nothing changed.
#include "render/flat_angles.h"

#include <algorithm>
#include <cstring>
#include <exception>

#include "render/rasteriser.h"

namespace facetry {

namespace {

std::array<std::uint32_t, 3> bitsOf(const Point3& p) {
  std::array<std::uint32_t, 3> bits{};
  std::memcpy(&bits[0], &p.x, 4);
  std::memcpy(&bits[1], &p.y, 4);
  std::memcpy(&bits[2], &p.z, 4);
  return bits;
}

// The angles of faces first..last - 1 that are not kept (when `angles_wanted`), counting in
// `written` the faces whose corners are written. A face that fails is left without a known
// angle and the exception goes to the caller.
void workOut(const Scene& scene, const Point3& light, std::vector<int>& angles,
             FlatAngleSources& sources, int first, int last, std::uint64_t& written,
             bool angles_wanted) {
  for (int i = first; i < last; ++i) {
    const auto k = static_cast<std::size_t>(i);
    const Face& face = scene.FaceTable[k];
    std::array<std::uint32_t, 9> bits;
    for (int c = 0; c < 3; ++c)
      std::memcpy(&bits[static_cast<std::size_t>(3 * c)], &face.corners[c].x, 12);
    std::uint8_t& state = sources.state[k];
    if ((state & kCornersHeld) != 0 && sources.corners[k] == bits) {
      state &= static_cast<std::uint8_t>(~kCornersWritten);
      if (angles_wanted && (state & kAngleKnown) == 0) {
        angles[k] = flatLightAngle(face, light);
        state |= kAngleKnown;
      }
      continue;
    }
    state = 0;
    if (angles_wanted) angles[k] = flatLightAngle(face, light);
    ++written;
    sources.corners[k] = bits;
    state = kCornersHeld | kCornersWritten | (angles_wanted ? kAngleKnown : 0);
  }
}

}  // namespace

void computeFlatAngles(const Scene& scene, const Point3& light, std::vector<int>& angles,
                       FlatAngleSources& sources, SideWorker* worker,
                       const std::function<void()>& alongside, bool angles_wanted) {
  const int faces = scene.FaceCount;
  const auto count = static_cast<std::size_t>(faces);
  angles.resize(count);
  sources.corners.resize(count);
  sources.state.resize(count, 0);
  sources.changes_before = sources.changes;
  if (angles_wanted && bitsOf(light) != sources.light) {
    for (std::uint8_t& state : sources.state) state &= static_cast<std::uint8_t>(~kAngleKnown);
    sources.light = bitsOf(light);
  }
  if (!worthSplitting(faces)) {
    workOut(scene, light, angles, sources, 0, faces, sources.changes, angles_wanted);
    if (alongside) alongside();
    return;
  }
  // Both threads take blocks of faces as they go, the calling one after `alongside`. Each
  // side stops at its first failure; the side that owns the first face that fails reaches
  // it (the blocks before it are done by one side or the other), so the lower of the two
  // failures is the one face by face would report.
  BlockQueue blocks(faces, 256);
  struct Side {
    int failed_at = -1;
    std::exception_ptr failure;
    std::uint64_t written = 0;
  };
  const auto take = [&](Side& side) {
    for (int first, last; blocks.take(first, last);) {
      try {
        workOut(scene, light, angles, sources, first, last, side.written, angles_wanted);
      } catch (...) {
        // The face that failed is the first of the block still unknown: those before it are
        // known, kept or worked out.
        int at = first;
        while (at < last && (sources.state[static_cast<std::size_t>(at)] & kAngleKnown) != 0) ++at;
        side.failed_at = at;
        side.failure = std::current_exception();
        return;
      }
    }
  };
  Side here, there;
  std::exception_ptr alongside_failure;
  runSideBySide(
      worker,
      [&] {
        try {
          if (alongside) alongside();
        } catch (...) {
          alongside_failure = std::current_exception();
        }
        take(here);
      },
      [&] { take(there); });
  sources.changes += here.written + there.written;
  const Side* first_failure = nullptr;
  for (const Side* side : {&here, &there}) {
    if (side->failure && (first_failure == nullptr || side->failed_at < first_failure->failed_at)) {
      first_failure = side;
    }
  }
  if (first_failure != nullptr) std::rethrow_exception(first_failure->failure);
  if (alongside_failure) std::rethrow_exception(alongside_failure);
}

}  // namespace facetry
