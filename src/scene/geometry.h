// scene/geometry.h: the numeric routines shared by the scene store, renderers, tools and
// editors. Inputs are float triples and doubles; intermediates are computed in long double
// (80-bit on x86-64) and rounded once when stored. Angles are in degrees unless stated.
// No routine reports errors: zero divisors are replaced as stated on each declaration.
#pragma once
#include <array>
#include <cstdint>
#include <utility>

#include "scene/records.h"
#include "scene/view_axes.h"

namespace facetry {

// pi/180 as the double the angle conversions divide by.
inline constexpr double kDegreeRadians = 0.017453292519943295;

// arccos in degrees by table, for x = i/1000, i = -1000..1000 (entry at i + 1000):
// atan(s/x) / (pi/180) with s = sqrt(1 - x^2); x = 0 is replaced by 1e-8 (entry 0 is just
// under 90); entries for x < 0 are arccos(x) - 180. Built once, shared read-only.
class AngleTable {
 public:
  AngleTable();
  // Entry i, -1000 <= i <= 1000; throws RangeError outside.
  double at(int i) const;
  static const AngleTable& instance();

 private:
  std::array<double, 2001> entries_{};
};

inline void swapCorners(FaceCorner& a, FaceCorner& b) {
  std::swap(a, b);
}
inline void swapInts(std::int32_t& a, std::int32_t& b) {
  std::swap(a, b);
}
inline void swapDoubles(double& a, double& b) {
  std::swap(a, b);
}

Point3 cross(const Point3& a, const Point3& b);
double distance(const Point3& a, const Point3& b);
// a / |a| in place; the zero vector stays (0, 0, 0).
void normalise(Point3& a);
std::array<double, 3> widenPoint(const Point3& p);
// Each coordinate truncated toward zero; throws RangeError when one does not fit an int32.
std::array<std::int32_t, 3> truncPoint(const Point3& p);
// Truncation toward zero of a drawing or editing coordinate; throws RangeError for NaN or
// a value outside the int32 range.
std::int32_t truncToInt(double value);

// (p0 - p1) x (p0 - p2) scaled to length `length`; a zero cross product is divided by 1,
// and when all three results are exactly 0 the result is (length, 0, 0).
Point3 faceNormal(const Point3& p0, const Point3& p1, const Point3& p2, double length);
// True when q lies strictly on the side the normal (p1 - p0) x (p2 - p0) points to.
bool facesPoint(const Point3& p0, const Point3& p1, const Point3& p2, const Point3& q);
// On x and y only: true unless (p1.y-p0.y)(p2.x-p0.x) - (p2.y-p0.y)(p1.x-p0.x) > 0.
bool isClockwise2D(const Point3& p0, const Point3& p1, const Point3& p2);
// Distance from p to the infinite line through a and b (a zero |b - a| counts as 1).
double pointLineDistance(const Point3& p, const Point3& a, const Point3& b);

// atan(sqrt(1 - x^2) / x) in radians, x = 0 replaced by 1e-8, the root 0 when |x| = 1;
// range (-pi/2, pi/2]. Returned unrounded so that callers dividing by kDegreeRadians keep
// the extra precision (AngleTable entry 500 is exactly 60).
long double angleFromCosine(double x);
// AngleTable entry at trunc(x * 1000); throws RangeError when x * 1000 is outside -1000..1000.
double tableAngle(double x);
// Angle between a and b, 0..180, by table: k = trunc(cos * 1000), entry k, plus 180 when
// k < 0 (exactly opposite directions give 180). A zero length product counts as 1.
double vectorAngle(const Point3& a, const Point3& b);
// Angle between n = (b - c) x (a - b) and p - a, in (0, 180]: exact arithmetic through
// angleFromCosine, plus 180 for a negative cosine; an exact 0 is returned as 1.
double faceLightAngle(const Point3& p, const Point3& a, const Point3& b, const Point3& c);
// Direction of the vector (dx, dy) in 0..360: atan(dy/dx) with dx = 0 replaced by 1e-14,
// +180 for dx < 0, +360 for dx >= 0 and dy < 0. Note the argument order (dy, dx).
double polarAngle(double dy, double dx);

// Rotation of one corner about the axis-parallel line through `centre` by the angle whose
// cosine and sine are given. The corner moves only when `selected` or `rotate_all`; only
// x, y, z are written. rotateZ turns (x, y), rotateX (y, z), rotateY (z, x):
//   u' = cu + (u - cu) cos + (v - cv) sin,  v' = cv + (v - cv) cos - (u - cu) sin.
void rotateX(FaceCorner& corner, bool selected, const Point3& centre, double cos_angle,
             double sin_angle, bool rotate_all);
void rotateY(FaceCorner& corner, bool selected, const Point3& centre, double cos_angle,
             double sin_angle, bool rotate_all);
void rotateZ(FaceCorner& corner, bool selected, const Point3& centre, double cos_angle,
             double sin_angle, bool rotate_all);

// Whether the face, projected into view 1 (front: x, y), 2 (top: x, z) or 3 (side: z, y),
// covers view position (row, column), with integer edge walking and a tolerance of one unit
// either side along the row. Any other view projects every corner to (0, 0).
// Throws RangeError for a coordinate that does not fit an int32.
bool faceHitInView(View view, const Face& face, double row, double column);
// Whether (x, y) lies in the triangle's x-y projection, 0.5 tolerance along x.
bool pointInTriangleXY(const Point3& t0, const Point3& t1, const Point3& t2, double x, double y);
// Whether `point` lies within the face, tested in the coordinate plane that drops the axis
// of the face normal's largest component: (x, y) when it is z (ties go to z, then x), (z, y)
// when it is x, (x, z) when it is y; corners ordered by the second coordinate, 0.5
// tolerance along the first, as pointInTriangleXY does in the x-y plane.
bool pointInFace(const Point3& c0, const Point3& c1, const Point3& c2, const Point3& point);
// Whether segment p0 -> p1 meets the face's plane within the segment at a point within the
// face: pointInFace, except that a segment along z (equal x and y at both ends) is tested in
// the x-y plane (pointInTriangleXY). Segments parallel to the plane (|n . d| < 1e-7 with n
// the unit normal) never meet. `meeting` is set whenever the plane is crossed at all, also
// when the result is false because of the range or triangle test.
bool segmentHitsFace(const Point3& p0, const Point3& p1, const Point3& c0, const Point3& c1,
                     const Point3& c2, Point3& meeting);
// Whether segments a0-a1 and b0-b1 of a plane cross: both intersection parameters in 0..1;
// parallel segments (zero determinant) never cross.
bool segmentsCross2D(double a0x, double a0y, double a1x, double a1y, double b0x, double b0y,
                     double b1x, double b1y);

}  // namespace facetry
