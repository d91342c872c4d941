// edit/primitives.cpp: cube, sphere, triangle, tube, cone and multi-surface builders.
#include "edit/primitives.h"

#include <cmath>
#include <string>
#include <vector>

#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

FaceCorner at(double x, double y, double z) {
  FaceCorner c;
  c.x = static_cast<float>(x);
  c.y = static_cast<float>(y);
  c.z = static_cast<float>(z);
  return c;
}

void add(BuildContext& ctx, const FaceCorner& a, const FaceCorner& b, const FaceCorner& c) {
  addFace(ctx.scene, ctx.host, a, b, c);
}

void close(BuildContext& ctx) {
  closeObject(ctx.scene, ctx.host, true, true);
}

// A rotation about the vertical axis through (x, z) = (px, pz) by `degrees`, whatever the
// selection.
struct AxisTurn {
  Point3 centre;
  double cos_angle, sin_angle;
  AxisTurn(double px, double pz, double degrees)
      : centre{static_cast<float>(px), 0, static_cast<float>(pz)},
        cos_angle(std::cos(degrees * kDegreeRadians)),
        sin_angle(std::sin(degrees * kDegreeRadians)) {}
  void operator()(FaceCorner& c) const { rotateY(c, true, centre, cos_angle, sin_angle, true); }
};

void checkStep(float step) {
  if (!(step > 0)) {
    throw RangeError("a step of " + std::to_string(step) + " degrees cannot go round");
  }
}

}  // namespace

void buildCube(BuildContext& ctx, ClickPoint first, ClickPoint second, float a3, float b3) {
  const double depth = std::sqrt((static_cast<double>(a3) - second.a) * (a3 - second.a) +
                                 (static_cast<double>(b3) - second.b) * (b3 - second.b));
  const float x1 = first.a, y1 = first.b, z1 = first.c;
  const float x2 = second.a, y2 = second.b;
  const auto z2 = static_cast<float>(z1 - depth);
  const FaceCorner c[8] = {at(x1, y1, z1), at(x2, y1, z1), at(x2, y2, z1), at(x1, y2, z1),
                           at(x1, y1, z2), at(x2, y1, z2), at(x2, y2, z2), at(x1, y2, z2)};
  static constexpr int kFaces[12][3] = {{0, 1, 2}, {0, 2, 3}, {4, 1, 0}, {4, 5, 1},
                                        {4, 7, 5}, {7, 6, 5}, {7, 3, 2}, {6, 7, 2},
                                        {4, 0, 3}, {4, 3, 7}, {1, 5, 6}, {1, 6, 2}};
  const int start = ctx.scene.FaceCount;
  for (const auto& f : kFaces) add(ctx, c[f[0]], c[f[1]], c[f[2]]);
  close(ctx);
  for (int i = start; i < ctx.scene.FaceCount; ++i) {
    ctx.scene.FaceTable[static_cast<std::size_t>(i)].smooth = 0;
  }
  ctx.scene.LastCubeDepth = static_cast<float>(depth);
}

void buildSphere(BuildContext& ctx, float step, float a1, float b1, float rx, float ry) {
  const double s = step < 1 ? 1.0 : step;
  const double cx = a1, cy = b1, cz = ctx.views.CentrePoint.z;
  std::vector<FaceCorner> profile;
  for (double t = 0; t <= 180; t += s) {
    if (profile.size() >= 751) throw RangeError("the sphere profile exceeds 751 points");
    profile.push_back(
        at(cx + rx * std::sin(t * kDegreeRadians), cy + ry * std::cos(t * kDegreeRadians), cz));
  }
  const auto m = static_cast<int>(profile.size());
  const AxisTurn turn(cx, cz, s);
  // One sector per whole step up to 360 degrees and one more, the last over the first.
  for (int k = 0; k <= 360 / s; ++k) {
    const std::vector<FaceCorner> old_profile = profile;
    for (FaceCorner& p : profile) turn(p);
    const auto& o = old_profile;
    const auto& n = profile;
    for (int j = 0; j + 1 < m; ++j) {
      const auto u = static_cast<std::size_t>(j);
      if (j == 0) add(ctx, o[0], o[1], n[1]);
      if (j >= 1 && j < m - 2) {
        add(ctx, o[u], o[u + 1], n[u + 1]);
        add(ctx, o[u], n[u + 1], n[u]);
      }
      if (j == m - 2) add(ctx, o[u], o[u + 1], n[u]);
    }
  }
  close(ctx);
}

std::optional<FaceCorner> nearestCorner(const Scene& scene, const ViewState& views, View view,
                                        float a, float b) {
  const Point3 c = views.CentrePoint;
  const ViewAxes axes = viewAxes(view);
  std::optional<FaceCorner> best;
  double best_distance = 1000000;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& p : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      // The difference along the view's depth axis counts one tenth.
      double d3[3] = {};  // the axes are a permutation, so all three are set
      d3[axes.column] = axisOf(p, axes.column) - a;
      d3[axes.row] = axisOf(p, axes.row) - b;
      d3[axes.depth] = 0.1 * (axisOf(p, axes.depth) - axisOf(c, axes.depth));
      const double d = std::sqrt(d3[0] * d3[0] + d3[1] * d3[1] + d3[2] * d3[2]);
      if (d < best_distance) {
        best_distance = d;
        best = p;
      }
    }
  }
  return best;
}

void driehoek(BuildContext& ctx, ClickPoint p1, ClickPoint p2, ClickPoint p3,
              const std::array<std::optional<FaceCorner>, 3>& snaps) {
  if (!addFace(ctx.scene, ctx.host, at(p1.a, p1.b, p1.c), at(p2.a, p2.b, p2.c),
               at(p3.a, p3.b, p3.c))) {
    return;
  }
  Face& face = ctx.scene.FaceTable[static_cast<std::size_t>(ctx.scene.FaceCount) - 1];
  for (int i = 0; i < 3; ++i) {
    if (snaps[static_cast<std::size_t>(i)]) face.corners[i] = *snaps[static_cast<std::size_t>(i)];
  }
  close(ctx);
}

void buildTube(BuildContext& ctx, bool closed, float step, ClickPoint first, float a2, float b2) {
  checkStep(step);
  FaceCorner top = at(first.a, first.b, first.c);
  FaceCorner bottom = at(first.a, b2, first.c);
  const FaceCorner top0 = top, bottom0 = bottom;
  const AxisTurn turn((static_cast<double>(first.a) + a2) / 2, first.c, step);
  for (double t = step; t <= 360; t += step) {
    const FaceCorner top_old = top, bottom_old = bottom;
    turn(top);
    turn(bottom);
    add(ctx, top, bottom_old, bottom);
    add(ctx, top, top_old, bottom_old);
    if (closed) {
      add(ctx, top0, top_old, top);
      add(ctx, bottom0, bottom, bottom_old);
    }
  }
  close(ctx);
}

void buildPointCone(BuildContext& ctx, bool closed, float step, ClickPoint first, float a2,
                    float b2) {
  checkStep(step);
  FaceCorner apex = at(first.a, first.b, first.c);
  FaceCorner rim = at(a2, b2, first.c);
  const FaceCorner rim0 = rim;
  const AxisTurn turn(first.a, first.c, step);
  for (double t = 0; t <= 360; t += step) {
    const FaceCorner rim_old = rim;
    turn(apex);
    turn(rim);
    add(ctx, apex, rim_old, rim);
    if (closed) add(ctx, rim0, rim, rim_old);
  }
  close(ctx);
}

void berglandschap(BuildContext& ctx, ClickPoint first, float a2, float b2) {
  const int n = static_cast<int>(ctx.tools.DegreeStep < 1 ? 1.0f : ctx.tools.DegreeStep);
  const double da = (static_cast<double>(a2) - first.a) / n;
  const double db = (static_cast<double>(b2) - first.b) / n;
  const double z = ctx.views.CentrePoint.z;
  for (int i = 0; i < n; ++i) {
    const double x = first.a + i * da;
    for (int j = 0; j < n; ++j) {
      const double y = first.b + j * db;
      const FaceCorner p = at(x, y, z), q = at(x + da, y, z), r = at(x + da, y + db, z),
                       t = at(x, y + db, z);
      add(ctx, p, q, r);
      add(ctx, p, r, t);
    }
  }
  close(ctx);
}

}  // namespace facetry
