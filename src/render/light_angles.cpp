// render/light_angles.cpp: the flat light angle of a face and the light tables of
// vectorAngle, each a double-precision estimate checked against its error bound.
#include "render/light_angles.h"

#include <algorithm>

#include "render/rasteriser.h"

namespace facetry {

namespace {

constexpr double kUnitRoundoff = 1.1102230246251565e-16;  // 2^-53
constexpr double kDegreesPerRadian = 57.295779513082323;

// arccos(x) to within 2.2e-8 radians on [-1, 1] (checked on 2e8 points): sqrt(1 - |x|) times a
// polynomial of degree 7 in |x| (a classical minimax fit), mirrored about pi/2 for negative x. The
// shading only needs the angle to decide a truncation with a margin, so it costs a root and a few
// multiplications instead of a library call.
inline double quickArcCosine(double x) {
  const double a = std::fabs(x);
  const double p =
      1.5707963050 +
      a * (-0.2145988016 +
           a * (0.0889789874 +
                a * (-0.0501743046 +
                     a * (0.0308918810 +
                          a * (-0.0170881256 + a * (0.0066700901 + a * -0.0012624911))))));
  const double angle = std::sqrt(1 - a) * p;
  return x < 0 ? 3.14159265358979323846 - angle : angle;
}

// The kernel's flat angle: three corner angles in long double, their mean in double.
int exactFlatLightAngle(const Point3& a, const Point3& b, const Point3& c, const Point3& light) {
  return truncToInt((faceLightAngle(light, a, b, c) + faceLightAngle(light, b, c, a) +
                     faceLightAngle(light, c, a, b)) /
                    3);
}

// The flat angle from double arithmetic, or false when the estimate cannot be trusted to
// truncate like the kernel's mean.
//
// Error bound. Each corner angle is the angle between n = (B - C) x (A - B) (the same
// vector for every rotation of the corners) and L - P. Rounding the edges, the cross
// product and the light direction moves the cosine by at most about 20 u kappa + 10 u, with
// u = 2^-53 and kappa = (product of two edge lengths) / |n|, the face's condition: thin
// faces lose the low bits of n to cancellation. The kernel's long-double cosine is within
// the same bound, so the two cosines differ by at most eps = 64 u (kappa + 1). arccos is
// 1/2-Hoelder with constant pi/2 on [-1, 1] (the steepest case is next to +-1), so the
// angles differ by at most 1.6 sqrt(eps) radians whatever the cosine. The kernel also
// replaces a cosine of exactly 0 by 1e-8 (5.7e-7 degrees off 90) and reports an angle of
// exactly 0 as 1; the first is covered by the margin, the second by refusing angles near 0.
bool quickFlatLightAngle(const Point3& a, const Point3& b, const Point3& c, const Point3& light,
                         int& angle) {
  const double ax = a.x, ay = a.y, az = a.z;
  const double bx = b.x, by = b.y, bz = b.z;
  const double cx = c.x, cy = c.y, cz = c.z;
  const double ux = bx - cx, uy = by - cy, uz = bz - cz;  // B - C
  const double vx = ax - bx, vy = ay - by, vz = az - bz;  // A - B
  const double wx = cx - ax, wy = cy - ay, wz = cz - az;  // C - A
  const double nx = uy * vz - uz * vy;
  const double ny = uz * vx - ux * vz;
  const double nz = ux * vy - uy * vx;
  const double nn = nx * nx + ny * ny + nz * nz;
  if (!(nn > 1e-200 && nn < 1e200)) return false;
  const double uu = ux * ux + uy * uy + uz * uz;
  const double vv = vx * vx + vy * vy + vz * vz;
  const double ww = wx * wx + wy * wy + wz * wz;
  // Faces with kappa up to 1000 share one margin, the one for kappa = 1000 (3e-4 degrees),
  // widened by the error of quickArcCosine (2.2e-8 radians, under 1.3e-6 degrees, taken as
  // 2e-6); thinner faces always take the kernel's path.
  const double widest = std::max({uu * vv, vv * ww, ww * uu});
  if (!(widest < 1e6 * nn)) return false;
  constexpr double kArcCosineError = 2e-6;  // degrees
  constexpr double kMargin = 3e-4 + kArcCosineError;
  // What the margin leaves for the arccos bound, in radians, must exceed 1.6 sqrt(eps).
  constexpr double kRoom = (kMargin - kArcCosineError - 1e-6 - 1e-9) / (1.6 * kDegreesPerRadian);
  static_assert(kRoom * kRoom > 64 * kUnitRoundoff * (1000 + 1));

  const double lx = light.x, ly = light.y, lz = light.z;
  const double corners[3][3] = {{ax, ay, az}, {bx, by, bz}, {cx, cy, cz}};
  double sum = 0;
  for (const auto& p : corners) {
    const double dx = lx - p[0], dy = ly - p[1], dz = lz - p[2];
    const double dd = dx * dx + dy * dy + dz * dz;
    if (!(dd > 1e-200 && dd < 1e200)) return false;
    const double cosine = std::clamp((nx * dx + ny * dy + nz * dz) / std::sqrt(nn * dd), -1.0, 1.0);
    const double degrees = quickArcCosine(cosine) * kDegreesPerRadian;
    if (degrees < 2 * kMargin) return false;
    sum += degrees;
  }
  // Both ends are positive and at most 180, so conversion truncates like floor.
  const double mean = sum / 3;
  const int low = static_cast<int>(mean - kMargin);
  if (low != static_cast<int>(mean + kMargin)) return false;
  angle = low;
  return true;
}

}  // namespace

const VectorAngleLights& VectorAngleLights::instance() {
  static const VectorAngleLights lights = [] {
    VectorAngleLights built;
    const AngleTable& table = AngleTable::instance();
    for (int k = -1000; k <= 1000; ++k) {
      // vectorAngle's own final step: the entry, plus 180 for a negative index.
      const double angle = k >= 0 ? table.at(k) : table.at(k) + 180;
      const auto i = static_cast<std::size_t>(k + 1000);
      built.pixel[i] = static_cast<std::uint8_t>(180 - truncToInt(angle));
      built.corner[i] = static_cast<std::uint8_t>(truncToInt(180 - angle));
    }
    return built;
  }();
  return lights;
}

int flatLightAngle(const Face& face, const Point3& light) {
  const Point3 a = face.corners[0].point();
  const Point3 b = face.corners[1].point();
  const Point3 c = face.corners[2].point();
  int angle = 0;
  if (quickFlatLightAngle(a, b, c, light, angle)) return angle;
  return exactFlatLightAngle(a, b, c, light);
}

}  // namespace facetry
