// edit/sweep.cpp: tubes swept along the click list (multi tube, ring) and the ellipse path
// of the circle and ring tools.
#include <cmath>
#include <vector>

#include "edit/primitives.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

constexpr int kMaxSectionPoints = 371;

// The cross-section at path point (x, y): N + 1 points round the ellipse with radii r1 (in
// the view plane) and r2 (in depth), turned in the view plane by `angle` degrees.
std::vector<FaceCorner> sweepSection(double x, double y, double z0, double r1, double r2,
                                     double step, double angle) {
  const int n = static_cast<int>(360 / step);
  if (n + 1 > kMaxSectionPoints) throw RangeError("the tube section exceeds 371 points");
  const Point3 centre{static_cast<float>(x), static_cast<float>(y), 0};
  const double cos_angle = std::cos(angle * kDegreeRadians);
  const double sin_angle = std::sin(angle * kDegreeRadians);
  std::vector<FaceCorner> section(static_cast<std::size_t>(n) + 1);
  for (int k = 0; k <= n; ++k) {
    double h = 360 - k * step;
    if (h == 0) h = 0.00001;
    FaceCorner& c = section[static_cast<std::size_t>(k)];
    c.x = static_cast<float>(x);
    c.y = static_cast<float>(y + r1 * std::cos(h * kDegreeRadians));
    c.z = static_cast<float>(z0 + r2 * std::sin(h * kDegreeRadians));
    rotateZ(c, true, centre, cos_angle, sin_angle, true);
  }
  return section;
}

}  // namespace

void slang(BuildContext& ctx, bool loop, double r1, double r2) {
  ClickList& list = ctx.tools.ClickList1;
  const int count = list.count;
  const double step = ctx.tools.DegreeStep < 1 ? 1.0 : ctx.tools.DegreeStep;
  const double z0 = truncToInt(ctx.views.CentrePoint.z);
  const bool closed = ctx.tools.closedar;
  auto add = [&](const FaceCorner& a, const FaceCorner& b, const FaceCorner& c) {
    addFace(ctx.scene, ctx.host, a, b, c);
  };
  auto cap = [&](const std::vector<FaceCorner>& q) {
    const std::size_t n = q.size() - 1;
    for (std::size_t k = 1; k < n; ++k) add(q[0], q[k], q[k + 1]);
    if (n >= 2) add(q[0], q[n - 1], q[n]);  // the last fan face goes in twice
  };
  std::vector<FaceCorner> previous, first;
  double angle = 0;
  for (int i = 0; i < count; ++i) {
    const auto& p = list.points[static_cast<std::size_t>(i)];
    if (i + 1 < count) {
      const auto& next = list.points[static_cast<std::size_t>(i) + 1];
      angle = polarAngle(p[1] - next[1], p[0] - next[0]) - 90;
    }
    std::vector<FaceCorner> q = sweepSection(p[0], p[1], z0, r1, r2, step, angle);
    const std::size_t n = q.size() - 1;
    if (i > 0) {
      for (std::size_t k = 0; k < n; ++k) {
        add(previous[k], previous[k + 1], q[k]);
        add(previous[k + 1], q[k + 1], q[k]);
      }
    }
    if (closed && (i == 0 || i == count - 1)) cap(q);
    if (i == 0) first = q;
    previous = std::move(q);
  }
  if (loop && count > 0) {
    for (std::size_t k = 0; k + 1 < previous.size(); ++k) {
      add(previous[k], first[k + 1], first[k]);
      add(previous[k], previous[k + 1], first[k + 1]);
    }
  }
  closeObject(ctx.scene, ctx.host, true, true);
  list.count = 0;
  ctx.tools.FirstClick = {};
}

void ellipsePath(ToolState& tools, RingKind kind, float a1, float b1, float rx, float ry) {
  ClickList& list = tools.ClickList1;
  list.count = 0;
  const double step = tools.DegreeStep;
  if (!(step > 0)) throw RangeError("the ellipse step must be positive");
  list.add(truncToInt(a1), truncToInt(static_cast<double>(b1) + ry));
  for (double t = 360; kind == RingKind::Ring ? t > 0 : t >= 0; t -= step) {
    if (list.count >= kClickListMax) break;
    list.add(truncToInt(a1 + rx * std::sin(t * kDegreeRadians)),
             truncToInt(b1 + ry * std::cos(t * kDegreeRadians)));
  }
}

void doring(BuildContext& ctx, RingKind kind, ClickPoint first, ClickPoint second, float a3,
            float b3) {
  ellipsePath(ctx.tools, kind, first.a, first.b, first.a - second.a, first.b - second.b);
  if (kind == RingKind::Circle) {
    const double da = static_cast<double>(second.a) - a3, db = static_cast<double>(second.b) - b3;
    dichtepoly(ctx, true, std::sqrt(da * da + db * db));
  } else {
    const bool closed = ctx.tools.closedar;
    ctx.tools.closedar = false;
    try {
      slang(ctx, true, static_cast<double>(second.b) - b3, static_cast<double>(second.a) - a3);
    } catch (...) {
      ctx.tools.closedar = closed;
      throw;
    }
    ctx.tools.closedar = closed;
  }
}

}  // namespace facetry
