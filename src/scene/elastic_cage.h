// scene/elastic_cage.h: the elastic cage: four points per orthographic view around the
// selected corners, the positions they are measured against, and the point being dragged.
#pragma once
#include <array>
#include <cstdint>

namespace facetry {

struct CagePoint {
  std::int32_t X = 0, Y = 0, Z = 0;
  friend bool operator==(const CagePoint&, const CagePoint&) = default;
};

// Points 1-4 (index 0-3) belong to the front view, 5-8 to the top view, 9-12 to the side.
struct ElasticCage {
  static constexpr std::uint8_t kNonePicked = 100;
  std::array<CagePoint, 12> current{};
  std::array<CagePoint, 12> reference{};
  std::uint8_t picked = kNonePicked;  // 1..12 while a point is dragged
};

}  // namespace facetry
