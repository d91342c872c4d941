// edit/polygon_fill.cpp: the polygon and circle builder: closing, cleaning and orienting the
// outline, the walls, and the fill by ear clipping with a grid test for crossing edges.
#include <algorithm>
#include <string>
#include <vector>

#include "edit/primitives.h"
#include "scene/errors.h"

namespace facetry {

namespace {

struct IPoint {
  std::int32_t x, y;
  bool operator==(const IPoint&) const = default;
};

constexpr int kGridLow = -100, kGridHigh = 1000, kGridSize = kGridHigh - kGridLow + 1;

bool isLeftTurn(IPoint p0, IPoint p1, IPoint p2) {
  const std::int64_t turn = static_cast<std::int64_t>(p1.y - p0.y) * (p2.x - p0.x) -
                            static_cast<std::int64_t>(p1.x - p0.x) * (p2.y - p0.y);
  return turn > 0;
}

// Of two consecutive points within 1 of each other in x and in y, the first goes.
void removeNearDuplicates(std::vector<IPoint>& points) {
  std::size_t i = 0;
  while (i + 1 < points.size()) {
    const IPoint p = points[i], q = points[i + 1];
    if (std::abs(p.x - q.x) <= 1 && std::abs(p.y - q.y) <= 1) {
      points.erase(points.begin() + static_cast<std::ptrdiff_t>(i));
    } else {
      ++i;
    }
  }
}

// Reverses the outline when most of its turns are left turns.
void orientOutline(std::vector<IPoint>& points) {
  const auto n = static_cast<int>(points.size());
  int left = 0;
  for (int i = 0; i + 3 < n; ++i) {
    const auto u = static_cast<std::size_t>(i);
    if (isLeftTurn(points[u], points[u + 1], points[u + 2])) ++left;
  }
  if (left > (n - 2) / 2) std::reverse(points.begin(), points.end());
}

// Integer-grid segments: the cells one step apart along the longer axis. Two segments
// cross when they share a cell, unless they share an end point. The grid holds the stamp
// of the last segment marked, so marking needs no clearing.
class CrossingGrid {
 public:
  CrossingGrid() : cells_(static_cast<std::size_t>(kGridSize) * kGridSize, 0) {}

  bool segmentsCross(IPoint a0, IPoint a1, IPoint b0, IPoint b1) {
    if (a0 == b0 || a0 == b1 || a1 == b0 || a1 == b1) return false;
    ++stamp_;
    bool hit = false;
    walk(a0, a1, [&](std::size_t cell) { cells_[cell] = stamp_; });
    walk(b0, b1, [&](std::size_t cell) { hit = hit || cells_[cell] == stamp_; });
    return hit;
  }

 private:
  template <typename Visit>
  static void walk(IPoint p, IPoint q, Visit visit) {
    const std::int64_t dx = q.x - p.x, dy = q.y - p.y;
    const std::int64_t steps = std::max(std::abs(dx), std::abs(dy));
    for (std::int64_t k = 0; k <= steps; ++k) {
      const std::int64_t x = p.x + (steps ? dx * k / steps : 0);
      const std::int64_t y = p.y + (steps ? dy * k / steps : 0);
      visit(static_cast<std::size_t>(y - kGridLow) * kGridSize +
            static_cast<std::size_t>(x - kGridLow));
    }
  }

  std::vector<std::uint32_t> cells_;
  std::uint32_t stamp_ = 0;
};

bool insideTriangle(IPoint p, IPoint t0, IPoint t1, IPoint t2) {
  auto side = [](IPoint a, IPoint b, IPoint q) {
    return static_cast<std::int64_t>(b.x - a.x) * (q.y - a.y) -
           static_cast<std::int64_t>(b.y - a.y) * (q.x - a.x);
  };
  const std::int64_t s0 = side(t0, t1, p), s1 = side(t1, t2, p), s2 = side(t2, t0, p);
  return (s0 >= 0 && s1 >= 0 && s2 >= 0) || (s0 <= 0 && s1 <= 0 && s2 <= 0);
}

// A point lies inside an ear when it and its four diagonal neighbours are inside and it is
// not within 2 of one of the ear's corners.
bool pointInsideEar(IPoint p, IPoint w0, IPoint w1, IPoint w2) {
  for (IPoint corner : {w0, w1, w2}) {
    if (std::abs(p.x - corner.x) <= 2 && std::abs(p.y - corner.y) <= 2) return false;
  }
  for (int dx : {-1, 0, 1}) {
    for (int dy : {-1, 0, 1}) {
      if ((dx == 0) != (dy == 0)) continue;
      if (!insideTriangle({p.x + dx, p.y + dy}, w0, w1, w2)) return false;
    }
  }
  return true;
}

bool earIsClear(CrossingGrid& grid, const std::vector<IPoint>& outline, IPoint w0, IPoint w1,
                IPoint w2) {
  for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
    const IPoint p = outline[i], q = outline[i + 1];
    if (grid.segmentsCross(p, q, w0, w1) || grid.segmentsCross(p, q, w1, w2) ||
        grid.segmentsCross(p, q, w2, w0)) {
      return false;
    }
    if (pointInsideEar(p, w0, w1, w2) || pointInsideEar(q, w0, w1, w2)) return false;
  }
  return true;
}

FaceCorner corner(IPoint p, double z) {
  FaceCorner c;
  c.x = static_cast<float>(p.x);
  c.y = static_cast<float>(p.y);
  c.z = static_cast<float>(z);
  return c;
}

}  // namespace

void dichtepoly(BuildContext& ctx, bool fill, double depth) {
  ClickList& list = ctx.tools.ClickList1;
  std::vector<IPoint> outline;
  for (int i = 0; i < list.count; ++i) {
    const auto& p = list.points[static_cast<std::size_t>(i)];
    outline.push_back({p[0], p[1]});
  }
  for (const IPoint& p : outline) {
    if (p.x < kGridLow || p.x > kGridHigh || p.y < kGridLow || p.y > kGridHigh) {
      throw RangeError("polygon point (" + std::to_string(p.x) + ", " + std::to_string(p.y) +
                       ") lies outside -100..1000");
    }
  }
  if (fill && !outline.empty()) {
    const IPoint first = outline.front(), last = outline.back();
    if (std::abs(last.x - first.x) > 2 && std::abs(last.y - first.y) > 2) {
      outline.push_back(first);
    }
  }
  removeNearDuplicates(outline);
  orientOutline(outline);

  const double z = ctx.views.CentrePoint.z;
  const double back = z - depth;
  const bool walls = depth != -1;
  if (walls) {
    for (std::size_t i = 0; i + 1 < outline.size(); ++i) {
      const FaceCorner f0 = corner(outline[i], z), f1 = corner(outline[i + 1], z);
      const FaceCorner b0 = corner(outline[i], back), b1 = corner(outline[i + 1], back);
      addFace(ctx.scene, ctx.host, b1, f1, f0);
      addFace(ctx.scene, ctx.host, b0, b1, f0);
    }
  }
  if (fill) {
    CrossingGrid grid;
    std::vector<IPoint> w = outline;
    const std::size_t attempts = 20 * outline.size();
    for (std::size_t attempt = 0; attempt < attempts && w.size() > 2; ++attempt) {
      const IPoint w0 = w[0], w1 = w[1], w2 = w[2];
      if (isLeftTurn(w0, w1, w2) || !earIsClear(grid, outline, w0, w1, w2)) {
        std::rotate(w.begin(), w.begin() + 1, w.end());
        continue;
      }
      addFace(ctx.scene, ctx.host, corner(w0, z), corner(w1, z), corner(w2, z));
      if (walls) addFace(ctx.scene, ctx.host, corner(w2, back), corner(w1, back), corner(w0, back));
      w.erase(w.begin() + 1);
    }
  }
  closeObject(ctx.scene, ctx.host, true, true);
  ctx.tools.FirstClick.a = 0;
  list.count = 0;
}

}  // namespace facetry
