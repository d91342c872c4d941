// render/flat_angles.h: each face's flat light angle for a redraw, worked out on two threads
// and kept between redraws for the faces whose corners and light have not changed.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <vector>

#include "render/side_by_side.h"
#include "scene/scene.h"

namespace facetry {

// What the kept angles were worked out from.
struct FlatAngleSources {
  std::vector<std::array<std::uint32_t, 9>> corners;  // face i's corners, bit for bit
  // Per face: kCornersHeld when corners[i] holds its corners, kCornersWritten when the last
  // computeFlatAngles wrote them (they had changed), kAngleKnown when angles[i] is for them
  // and for the light.
  std::vector<std::uint8_t> state;
  std::array<std::uint32_t, 3> light{};  // the light position, bit for bit
  // How many times corners[i] have been written: it stays as it is while every face keeps
  // its corners, bit for bit. `changes_before` is what it was before the last
  // computeFlatAngles.
  std::uint64_t changes = 0;
  std::uint64_t changes_before = 0;
};
inline constexpr std::uint8_t kAngleKnown = 1;
inline constexpr std::uint8_t kCornersHeld = 2;
inline constexpr std::uint8_t kCornersWritten = 4;

// Every face's flat light angle into `angles` (by face), on two threads for a large scene
// (the second the worker's, when given), and `alongside` (when given) on the calling thread
// meanwhile. A face whose corners and the light are bit for bit those `sources` holds for it
// keeps its angle. Throws what the first face that fails throws (as working them out one by
// one would), else what `alongside` throws; `alongside` may have run either way. Without
// `angles_wanted` only the corners are compared and held, and nothing but `alongside` fails.
void computeFlatAngles(const Scene& scene, const Point3& light, std::vector<int>& angles,
                       FlatAngleSources& sources, SideWorker* worker = nullptr,
                       const std::function<void()>& alongside = {}, bool angles_wanted = true);

}  // namespace facetry
