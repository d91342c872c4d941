// scene/geometry.cpp: vector arithmetic, angles, rotations and hit tests on float triples.
// Every routine widens its float or double inputs to long double, works there, and rounds
// once when it stores or returns a result.
#include "scene/geometry.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "scene/errors.h"

namespace facetry {
namespace {

using Real = long double;

struct Vec {
  Real x = 0, y = 0, z = 0;
};

Vec widen(const Point3& p) {
  return {p.x, p.y, p.z};
}
Vec operator-(const Vec& a, const Vec& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Vec operator+(const Vec& a, const Vec& b) {
  return {a.x + b.x, a.y + b.y, a.z + b.z};
}
Vec operator*(const Vec& a, Real s) {
  return {a.x * s, a.y * s, a.z * s};
}
Real dot(const Vec& a, const Vec& b) {
  return a.x * b.x + a.y * b.y + a.z * b.z;
}
Vec crossWide(const Vec& a, const Vec& b) {
  return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
Real length(const Vec& a) {
  return std::sqrt(dot(a, a));
}
Point3 narrow(const Vec& a) {
  return {static_cast<float>(a.x), static_cast<float>(a.y), static_cast<float>(a.z)};
}

// |a| |b| as one root of the product of squares, so that parallel vectors give a cosine of
// exactly +-1 instead of one rounding step short of it.
Real lengthProduct(const Vec& a, const Vec& b) {
  return std::sqrt(dot(a, a) * dot(b, b));
}

// The common rotation in the plane (u, v) about (cu, cv); the old u and v are read before
// either is written.
void rotatePlane(float& u, float& v, float cu, float cv, double cos_angle, double sin_angle) {
  const Real du = Real{u} - cu;
  const Real dv = Real{v} - cv;
  const Real new_u = cu + du * cos_angle + dv * sin_angle;
  const Real new_v = cv + dv * cos_angle - du * sin_angle;
  u = static_cast<float>(new_u);
  v = static_cast<float>(new_v);
}

// Integer edge walking for faceHitInView: trunc((a_to - a_from) * step / span) + a_from with
// 0 <= step <= span and span > 0. The magnitudes are multiplied as unsigned 64-bit values:
// both factors are below 2^32, so the product cannot overflow, and dividing magnitudes
// truncates toward zero once the sign is put back.
std::int64_t edgeColumn(std::int64_t a_from, std::int64_t a_to, std::int64_t step,
                        std::int64_t span) {
  const std::int64_t delta = a_to - a_from;
  const auto magnitude = static_cast<std::uint64_t>(delta < 0 ? -delta : delta);
  const std::uint64_t quotient =
      magnitude * static_cast<std::uint64_t>(step) / static_cast<std::uint64_t>(span);
  const auto offset = static_cast<std::int64_t>(quotient);
  return a_from + (delta < 0 ? -offset : offset);
}

}  // namespace

AngleTable::AngleTable() {
  for (int i = -1000; i <= 1000; ++i) {
    const Real degrees = angleFromCosine(static_cast<double>(i) / 1000.0) / Real{kDegreeRadians};
    entries_[static_cast<std::size_t>(i + 1000)] = static_cast<double>(degrees);
  }
}

double AngleTable::at(int i) const {
  if (i < -1000 || i > 1000) {
    throw RangeError("angle table index " + std::to_string(i) + " is outside -1000..1000");
  }
  return entries_[static_cast<std::size_t>(i + 1000)];
}

const AngleTable& AngleTable::instance() {
  static const AngleTable table;
  return table;
}

Point3 cross(const Point3& a, const Point3& b) {
  return narrow(crossWide(widen(a), widen(b)));
}

double distance(const Point3& a, const Point3& b) {
  return static_cast<double>(length(widen(a) - widen(b)));
}

void normalise(Point3& a) {
  const Vec wide = widen(a);
  const Real len = length(wide);
  a = len == 0 ? Point3{} : narrow(wide * (1 / len));
}

std::array<double, 3> widenPoint(const Point3& p) {
  return {p.x, p.y, p.z};
}

std::array<std::int32_t, 3> truncPoint(const Point3& p) {
  return {truncToInt(p.x), truncToInt(p.y), truncToInt(p.z)};
}

std::int32_t truncToInt(double value) {
  const double whole = std::trunc(value);
  // Written so that NaN fails the test as well.
  if (!(whole >= std::numeric_limits<std::int32_t>::min() &&
        whole <= std::numeric_limits<std::int32_t>::max())) {
    throw RangeError("coordinate " + std::to_string(value) + " does not fit a 32-bit integer");
  }
  return static_cast<std::int32_t>(whole);
}

Point3 faceNormal(const Point3& p0, const Point3& p1, const Point3& p2, double length_wanted) {
  const Vec a = widen(p0);
  const Vec n = crossWide(a - widen(p1), a - widen(p2));
  Real len = length(n);
  if (len == 0) len = 1;
  const Point3 result = narrow(n * (Real{length_wanted} / len));
  if (result.x == 0 && result.y == 0 && result.z == 0) {
    return {static_cast<float>(length_wanted), 0, 0};
  }
  return result;
}

bool facesPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& q) {
  const Vec a = widen(p0);
  const Vec n = crossWide(widen(p1) - a, widen(p2) - a);
  return dot(widen(q) - a, n) > 0;
}

bool isClockwise2D(const Point3& p0, const Point3& p1, const Point3& p2) {
  const Real turn =
      (Real{p1.y} - p0.y) * (Real{p2.x} - p0.x) - (Real{p2.y} - p0.y) * (Real{p1.x} - p0.x);
  return !(turn > 0);
}

double pointLineDistance(const Point3& p, const Point3& a, const Point3& b) {
  const Vec start = widen(a);
  const Vec along = widen(b) - start;
  Real squared = dot(along, along);
  if (squared == 0) squared = 1;
  const Real t = dot(widen(p) - start, along) / squared;
  return static_cast<double>(length(start + along * t - widen(p)));
}

long double angleFromCosine(double x) {
  const Real cosine = x == 0 ? Real{1e-8} : Real{x};
  Real rest = 1 - cosine * cosine;
  // A cosine rounded just past +-1 would leave a negative rest; it belongs to angle 0.
  if (std::fabs(x) == 1 || rest < 0) rest = 0;
  return std::atan(std::sqrt(rest) / cosine);
}

double tableAngle(double x) {
  const Real index = std::trunc(Real{x} * 1000);
  if (!(index >= -1000 && index <= 1000)) {
    throw RangeError("cosine " + std::to_string(x) + " is outside -1..1");
  }
  return AngleTable::instance().at(static_cast<int>(index));
}

double vectorAngle(const Point3& a, const Point3& b) {
  const Vec wa = widen(a);
  const Vec wb = widen(b);
  Real lengths = lengthProduct(wa, wb);
  if (lengths == 0) lengths = 1;
  Real scaled = std::trunc(dot(wa, wb) / lengths * 1000);
  // Rounding can carry a cosine slightly past +-1; a non-finite coordinate gives entry 0.
  if (std::isnan(scaled)) scaled = 0;
  if (scaled > 1000) scaled = 1000;
  if (scaled < -1000) scaled = -1000;
  const int k = static_cast<int>(scaled);
  const double angle = AngleTable::instance().at(k);
  return k >= 0 ? angle : angle + 180;
}

double faceLightAngle(const Point3& p, const Point3& a, const Point3& b, const Point3& c) {
  const Vec wa = widen(a);
  const Vec wb = widen(b);
  const Vec normal = crossWide(wb - widen(c), wa - wb);
  const Vec towards = widen(p) - wa;
  Real lengths = lengthProduct(normal, towards);
  if (lengths == 0) lengths = 1;
  const auto cosine = static_cast<double>(dot(normal, towards) / lengths);
  Real degrees = angleFromCosine(cosine) / Real{kDegreeRadians};
  if (cosine < 0) degrees += 180;
  const auto result = static_cast<double>(degrees);
  // The range is (0, 180]: a face looking straight at p reports 1, not 0.
  return result == 0 ? 1 : result;
}

double polarAngle(double dy, double dx) {
  const Real run = dx == 0 ? Real{1e-14} : Real{dx};
  const Real degrees = std::atan(Real{dy} / run) / Real{kDegreeRadians};
  if (dx < 0) return static_cast<double>(degrees + 180);
  if (dy < 0) return static_cast<double>(degrees + 360);
  return static_cast<double>(degrees);
}

void rotateX(FaceCorner& corner, bool selected, const Point3& centre, double cos_angle,
             double sin_angle, bool rotate_all) {
  if (!selected && !rotate_all) return;
  rotatePlane(corner.y, corner.z, centre.y, centre.z, cos_angle, sin_angle);
}

void rotateY(FaceCorner& corner, bool selected, const Point3& centre, double cos_angle,
             double sin_angle, bool rotate_all) {
  if (!selected && !rotate_all) return;
  rotatePlane(corner.z, corner.x, centre.z, centre.x, cos_angle, sin_angle);
}

void rotateZ(FaceCorner& corner, bool selected, const Point3& centre, double cos_angle,
             double sin_angle, bool rotate_all) {
  if (!selected && !rotate_all) return;
  rotatePlane(corner.x, corner.y, centre.x, centre.y, cos_angle, sin_angle);
}

bool faceHitInView(View view, const Face& face, double row, double column) {
  // (a, b, d): column axis, row axis, depth. The front view maps y to rows, the top view z,
  // and the side view shows z across.
  std::array<std::array<double, 3>, 3> projected{};
  const ViewAxes axes = viewAxes(view);
  for (int i = 0; i < 3; ++i) {
    const FaceCorner& p = face.corners[i];
    projected[i] = {axisOf(p, axes.column), axisOf(p, axes.row), axisOf(p, axes.depth)};
  }
  // Three conditional exchanges in this fixed order (not a stable sort): they decide which
  // of two corners on one row becomes the middle one.
  if (projected[0][1] > projected[1][1]) std::swap(projected[0], projected[1]);
  if (projected[0][1] > projected[2][1]) std::swap(projected[0], projected[2]);
  if (projected[1][1] > projected[2][1]) std::swap(projected[1], projected[2]);

  std::array<std::int64_t, 3> a{};
  std::array<std::int64_t, 3> b{};
  for (int i = 0; i < 3; ++i) {
    a[i] = truncToInt(projected[i][0]);
    b[i] = truncToInt(projected[i][1]);
    truncToInt(projected[i][2]);  // depth is checked like the rest, though unused
  }

  const std::int64_t r = truncToInt(row);
  if (r < b[0] || r > b[2]) return false;

  const std::int64_t long_span = b[2] - b[0];
  const std::int64_t x_long = edgeColumn(a[0], a[2], r - b[0], long_span == 0 ? 1 : long_span);
  std::int64_t x_short = a[1];
  if (r < b[1]) {
    x_short = edgeColumn(a[0], a[1], r - b[0], b[1] - b[0]);
  } else if (r > b[1]) {
    x_short = edgeColumn(a[1], a[2], r - b[1], b[2] - b[1]);
  }

  // The integer of the span nearest the column decides; one unit either side still hits.
  const auto low = static_cast<double>(std::min(x_short, x_long));
  const auto high = static_cast<double>(std::max(x_short, x_long));
  const double nearest = std::clamp(std::round(column), low, high);
  return std::fabs(nearest - column) < 2;
}

namespace {

// The test of pointInTriangleXY in any coordinate plane: `first` and `second` pick the two
// coordinates (0 x, 1 y, 2 z); corners are ordered by the second, with half a unit of slack
// along the first.
bool pointInTrianglePlane(const Point3& t0, const Point3& t1, const Point3& t2, int first,
                          int second, Real u, Real v) {
  auto coord = [](const Point3& p, int axis) -> Real {
    return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
  };
  std::array<std::array<Real, 2>, 3> p = {{{coord(t0, first), coord(t0, second)},
                                           {coord(t1, first), coord(t1, second)},
                                           {coord(t2, first), coord(t2, second)}}};
  if (p[0][1] > p[1][1]) std::swap(p[0], p[1]);
  if (p[0][1] > p[2][1]) std::swap(p[0], p[2]);
  if (p[1][1] > p[2][1]) std::swap(p[1], p[2]);

  if (v < p[0][1] || v > p[2][1]) return false;

  Real long_span = p[2][1] - p[0][1];
  if (long_span == 0) long_span = 1;
  const Real u_long = p[0][0] + (p[2][0] - p[0][0]) * (v - p[0][1]) / long_span;
  Real u_short = p[1][0];
  if (v < p[1][1]) {
    u_short = p[0][0] + (p[1][0] - p[0][0]) * (v - p[0][1]) / (p[1][1] - p[0][1]);
  } else if (v > p[1][1]) {
    u_short = p[1][0] + (p[2][0] - p[1][0]) * (v - p[1][1]) / (p[2][1] - p[1][1]);
  }
  // Half a unit of slack keeps a point on an edge shared by two faces from missing both.
  return std::min(u_short, u_long) - 0.5L <= u && u <= std::max(u_short, u_long) + 0.5L;
}

// The plane a point is tested in against a face: the one that drops the axis of the
// normal's largest component, so that the face's shadow there is widest. Ties go to z,
// then x. Returns the (first, second) coordinates: (x, y), (z, y) or (x, z).
std::pair<int, int> facePlane(const Vec& normal) {
  const Real ax = std::fabs(normal.x), ay = std::fabs(normal.y), az = std::fabs(normal.z);
  if (az >= ax && az >= ay) return {0, 1};
  if (ax >= ay) return {2, 1};
  return {0, 2};
}

Vec faceCross(const Point3& c0, const Point3& c1, const Point3& c2) {
  const Vec corner = widen(c0);
  return crossWide(widen(c1) - corner, widen(c2) - corner);
}

}  // namespace

bool pointInTriangleXY(const Point3& t0, const Point3& t1, const Point3& t2, double x, double y) {
  return pointInTrianglePlane(t0, t1, t2, 0, 1, x, y);
}

bool pointInFace(const Point3& c0, const Point3& c1, const Point3& c2, const Point3& point) {
  const auto [first, second] = facePlane(faceCross(c0, c1, c2));
  const Real p[3] = {point.x, point.y, point.z};
  return pointInTrianglePlane(c0, c1, c2, first, second, p[first], p[second]);
}

bool segmentHitsFace(const Point3& p0, const Point3& p1, const Point3& c0, const Point3& c1,
                     const Point3& c2, Point3& meeting) {
  const Vec corner = widen(c0);
  Vec normal = faceCross(c0, c1, c2);
  const Real normal_length = length(normal);
  if (normal_length != 0) normal = normal * (1 / normal_length);

  const Vec start = widen(p0);
  const Vec along = widen(p1) - start;
  const Real approach = dot(normal, along);
  if (std::fabs(approach) < 1e-7L) return false;

  const Real u = dot(normal, corner - start) / approach;
  meeting = narrow(start + along * u);
  if (u < 0 || u > 1) return false;
  // A line along z meets the face where its x and y are, so the x-y shadow is the right
  // test for it; any other segment is tested in the face's own widest shadow, so that a
  // face standing upright is not taken for a slab over every depth.
  if (p0.x == p1.x && p0.y == p1.y) return pointInTriangleXY(c0, c1, c2, meeting.x, meeting.y);
  return pointInFace(c0, c1, c2, meeting);
}

bool segmentsCross2D(double a0x, double a0y, double a1x, double a1y, double b0x, double b0y,
                     double b1x, double b1y) {
  const Real ax = Real{a1x} - a0x;
  const Real ay = Real{a1y} - a0y;
  const Real bx = Real{b1x} - b0x;
  const Real by = Real{b1y} - b0y;
  const Real det = ax * by - ay * bx;
  if (det == 0) return false;
  const Real wx = Real{b0x} - a0x;
  const Real wy = Real{b0y} - a0y;
  const Real s = (wx * by - wy * bx) / det;
  const Real t = (wx * ay - wy * ax) / det;
  return s >= 0 && s <= 1 && t >= 0 && t <= 1;
}

}  // namespace facetry
