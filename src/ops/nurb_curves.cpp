// ops/nurb_curves.cpp: evaluation, editing and connection of the free curves.
#include "ops/nurb_curves.h"

#include <cmath>
#include <limits>

#include "files/undo.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

std::int32_t roundToInt(double value) {
  if (!std::isfinite(value) || std::abs(value) > std::numeric_limits<std::int32_t>::max()) {
    throw RangeError("A curve point lies outside the range of whole numbers");
  }
  return static_cast<std::int32_t>(std::lround(value));
}

NurbSurface& currentCurve(Scene& scene) {
  if (scene.NurbCount == 0) scene.NurbCount = 1;  // a first click before "Draw nurb"
  return scene.surface(scene.NurbCount - 1);
}

bool hasSelectedPoint(const NurbSurface& curve) {
  for (int i = 0; i < curve.count; ++i) {
    if (curve.points[i].selected != 0) return true;
  }
  return false;
}

FaceCorner cornerAt(const CurvePoint& p) {
  FaceCorner c;
  c.x = static_cast<float>(p[0]);
  c.y = static_cast<float>(p[1]);
  c.z = static_cast<float>(p[2]);
  return c;
}

bool askResolutions(ArrayCurveState& state) {
  if (state.curves.dont_ask || !state.askCurveResolution) return true;
  return state.askCurveResolution();
}

}  // namespace

void curvePoints(const NurbSurface& curve, int resolution, std::vector<CurvePoint>& list) {
  const int d = resolution < 1 ? 1 : resolution;
  const int n = curve.count < kMaxSurfacePoints ? curve.count : kMaxSurfacePoints;
  for (int span = 0; span + 3 < n; ++span) {
    const FaceCorner* p = &curve.points[span];
    for (int k = 1; k <= d; ++k) {
      if (static_cast<int>(list.size()) >= kMaxCurvePoints) return;
      const double t = static_cast<double>(k) / d, t2 = t * t, t3 = t2 * t;
      const double b0 = -t3 / 6 + t2 / 2 - t / 2 + 1.0 / 6;
      const double b1 = t3 / 2 - t2 + 2.0 / 3;
      const double b2 = -t3 / 2 + t2 / 2 + t / 2 + 1.0 / 6;
      const double b3 = t3 / 6;
      CurvePoint point{};
      for (int axis = 0; axis < 3; ++axis) {
        point[static_cast<std::size_t>(axis)] =
            roundToInt(b0 * axisOf(p[0], axis) + b1 * axisOf(p[1], axis) + b2 * axisOf(p[2], axis) +
                       b3 * axisOf(p[3], axis));
      }
      list.push_back(point);
    }
  }
}

void startCurve(Scene& scene) {
  if (scene.NurbCount >= kSurfaceSlots) {
    throw RangeError("No more nurbs available: all 101 curve slots are in use");
  }
  NurbSurface& curve = scene.surface(scene.NurbCount);
  curve.count = 0;
  ++scene.NurbCount;
}

bool addCurvePoint(Scene& scene, View view, float column, float row, const Point3& centre) {
  NurbSurface& curve = currentCurve(scene);
  if (curve.count >= kMaxSurfacePoints) return false;
  FaceCorner& point = curve.points[curve.count];
  point.setPoint(fromView(view, column, row, centre));
  point.selected = 0;
  ++curve.count;
  return true;
}

bool endCurve(Scene& scene) {
  if (scene.NurbCount == 0 || currentCurve(scene).count == 0) return false;
  if (scene.NurbCount >= kMaxCurveSlots) return false;
  startCurve(scene);
  return true;
}

bool nearestControlPoint(const Scene& scene, View view, float column, float row, bool selected_only,
                         int& curve, int& point) {
  double best = std::numeric_limits<double>::infinity();
  curve = point = -1;
  for (int i = 0; i < scene.NurbCount; ++i) {
    const NurbSurface& s = scene.NurbTable[static_cast<std::size_t>(i)];
    for (int j = 0; j < s.count && j < kMaxSurfacePoints; ++j) {
      const FaceCorner& c = s.points[j];
      if (selected_only && c.selected == 0) continue;
      const ViewPosition v = toView(view, c);
      const double dc = v.column - static_cast<double>(column);
      const double dr = v.row - static_cast<double>(row);
      const double dist = dc * dc + dr * dr;
      if (dist < best) {
        best = dist;
        curve = i;
        point = j;
      }
    }
  }
  return curve >= 0;
}

void selectAllCurves(Scene& scene, bool selected) {
  for (int i = 0; i < scene.NurbCount; ++i) {
    NurbSurface& s = scene.surface(i);
    for (FaceCorner& c : s.points) c.selected = selected ? 1 : 0;
  }
}

void deleteAllCurves(Scene& scene) {
  voorundo(scene);
  for (NurbSurface& s : scene.NurbTable) s = NurbSurface{};
  scene.NurbCount = 0;
}

int arrayCurves(Scene& scene, CurveArrayPlane plane, const Point3& centre, double step_degrees) {
  if (scene.NurbCount == 0) return 0;
  if (!(step_degrees > 0)) throw RangeError("The array angle must be a positive number of degrees");
  voorundo(scene);
  while (scene.NurbCount > 0 && scene.surface(scene.NurbCount - 1).count == 0) --scene.NurbCount;
  const double radians = step_degrees * kDegreeRadians;
  const double cos_a = std::cos(radians), sin_a = std::sin(radians);
  const int originals = scene.NurbCount;
  int added = 0;
  for (int i = 0; i < originals; ++i) {
    if (!hasSelectedPoint(scene.surface(i))) continue;
    int previous = i;
    for (double h = 0; h < 360 && scene.NurbCount < kMaxCurveSlots; h += step_degrees) {
      NurbSurface copy = scene.surface(previous);
      for (int j = 0; j < copy.count && j < kMaxSurfacePoints; ++j) {
        FaceCorner& c = copy.points[j];
        c.selected = 0;
        switch (plane) {
          case CurveArrayPlane::X:
            rotateZ(c, true, centre, cos_a, sin_a, true);
            break;
          case CurveArrayPlane::Y:
            rotateX(c, true, centre, cos_a, sin_a, true);
            break;
          case CurveArrayPlane::Z:
            rotateY(c, true, centre, cos_a, sin_a, true);
            break;
        }
      }
      previous = scene.NurbCount;
      scene.surface(previous) = copy;
      ++scene.NurbCount;
      ++added;
    }
  }
  return added;
}

std::vector<CurvePoint> resampleCurvePoints(const std::vector<CurvePoint>& list, int count) {
  const int b = static_cast<int>(list.size());
  if (b == 0 || b >= count) return list;
  if (b == 1) return std::vector<CurvePoint>(static_cast<std::size_t>(count), list[0]);
  int remaining = count - b;
  const int per_segment = (remaining + b - 2) / (b - 1);  // ceiling of e / (b - 1)
  std::vector<CurvePoint> out;
  out.reserve(static_cast<std::size_t>(count));
  for (int i = 0; i + 1 < b; ++i) {
    const CurvePoint& p = list[static_cast<std::size_t>(i)];
    const CurvePoint& q = list[static_cast<std::size_t>(i + 1)];
    out.push_back(p);
    for (int k = 1; k <= per_segment && remaining > 0; ++k, --remaining) {
      const double f = static_cast<double>(k) / (per_segment + 1);
      CurvePoint r{};
      for (std::size_t axis = 0; axis < 3; ++axis) {
        r[axis] = roundToInt(p[axis] + (static_cast<double>(q[axis]) - p[axis]) * f);
      }
      out.push_back(r);
    }
  }
  out.push_back(list.back());
  return out;
}

int connectTwoCurves(Scene& scene, Host& host, int a, int b, const CurveSettings& settings) {
  std::vector<CurvePoint> pa, pb;
  curvePoints(scene.surface(a), settings.line_resolution, pa);
  curvePoints(scene.surface(b), settings.line_resolution, pb);
  if (pa.empty() || pb.empty()) return 0;
  const int m = static_cast<int>(pa.size() > pb.size() ? pa.size() : pb.size());
  pa = resampleCurvePoints(pa, m);
  pb = resampleCurvePoints(pb, m);
  const int c = settings.connect_resolution < 1 ? 1 : settings.connect_resolution;
  auto q = [&](int k, int r) {
    CurvePoint p{};
    for (std::size_t axis = 0; axis < 3; ++axis) {
      const double from = pa[static_cast<std::size_t>(k)][axis];
      const double step = (pb[static_cast<std::size_t>(k)][axis] - from) / c;
      p[axis] = roundToInt(from + r * step);
    }
    return cornerAt(p);
  };
  int faces = 0;
  for (int r = 0; r < c; ++r) {
    for (int k = 0; k + 1 < m; ++k) {
      if (!addFace(scene, host, q(k, r), q(k, r + 1), q(k + 1, r + 1))) return faces;
      ++faces;
      if (!addFace(scene, host, q(k, r), q(k + 1, r + 1), q(k + 1, r))) return faces;
      ++faces;
    }
  }
  return faces;
}

bool connectAllCurves(Scene& scene, Host& host, ArrayCurveState& state) {
  state.status.clear();
  if (scene.NurbCount == 0) return false;
  voorundo(scene);
  if (!askResolutions(state)) return false;
  std::string left_out;
  for (int i = 0; i < scene.NurbCount; ++i) {
    const int n = scene.surface(i).count;
    if (n >= 2 && n <= 3) left_out += (left_out.empty() ? "" : ", ") + std::to_string(i + 1);
  }
  int faces = 0;
  for (int i = 0; i + 1 < scene.NurbCount; ++i) {
    if (scene.surface(i).count > 1 && scene.surface(i + 1).count > 1) {
      faces += connectTwoCurves(scene, host, i, i + 1, state.curves);
    }
  }
  if (!left_out.empty()) {
    state.status = "Nurbs with fewer than 4 control points are left out: " + left_out;
  }
  if (faces > 0) closeObject(scene, host, true, true);
  return true;
}

bool connectPickedCurves(Scene& scene, Host& host, ArrayCurveState& state, int a, int b) {
  state.status.clear();
  voorundo(scene);
  if (!askResolutions(state)) return false;
  int faces = 0;
  if (scene.surface(a).count > 1 && scene.surface(b).count > 1) {
    faces = connectTwoCurves(scene, host, a, b, state.curves);
  }
  if (faces == 0) {
    state.status = "A nurb needs at least 4 control points to be connected";
  } else {
    closeObject(scene, host, true, true);
  }
  return true;
}

}  // namespace facetry
