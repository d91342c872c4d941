#include "scene/geometry.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <vector>

#include "scene/errors.h"

namespace facetry {
namespace {

const double kNaN = std::numeric_limits<double>::quiet_NaN();

Point3 pt(float x, float y, float z) {
  return {x, y, z};
}

FaceCorner cornerAt(float x, float y, float z) {
  FaceCorner c;
  c.x = x;
  c.y = y;
  c.z = z;
  return c;
}

double dotOf(const Point3& a, const Point3& b) {
  return double{a.x} * b.x + double{a.y} * b.y + double{a.z} * b.z;
}

Point3 minus(const Point3& a, const Point3& b) {
  return {a.x - b.x, a.y - b.y, a.z - b.z};
}

testing::AssertionResult isAt(const Point3& p, float x, float y, float z) {
  if (p.x == x && p.y == y && p.z == z) return testing::AssertionSuccess();
  return testing::AssertionFailure() << "at (" << p.x << ", " << p.y << ", " << p.z << ")";
}

TEST(AngleTable, KeyEntriesAreExact) {
  const AngleTable& table = AngleTable::instance();
  EXPECT_EQ(table.at(500), 60.0);  // one rounding at the end, not two
  EXPECT_EQ(table.at(-500), -60.0);
  EXPECT_EQ(table.at(1000), 0.0);
  EXPECT_EQ(table.at(-1000), 0.0);
  // Cosine 0 is replaced by 1e-8: just under 90, never 90 or a division by zero.
  EXPECT_LT(table.at(0), 90.0);
  EXPECT_GT(table.at(0), 89.9999);
  EXPECT_NEAR(table.at(-999), -2.5625587, 1e-6);  // arccos(-0.999) - 180
}

TEST(AngleTable, LookupTruncatesTowardZeroAndThrowsOutsideTheTable) {
  const AngleTable& table = AngleTable::instance();
  EXPECT_EQ(tableAngle(-0.0005), table.at(0));  // flooring would read entry -1
  EXPECT_EQ(tableAngle(0.5009), 60.0);
  EXPECT_EQ(tableAngle(-0.9999), table.at(-999));
  EXPECT_EQ(tableAngle(1.0009), 0.0);  // still entry 1000
  EXPECT_THROW(table.at(1001), RangeError);
  EXPECT_THROW(table.at(-1001), RangeError);
  EXPECT_THROW(tableAngle(1.0011), RangeError);
  EXPECT_THROW(tableAngle(-1.0011), RangeError);
  EXPECT_THROW(tableAngle(kNaN), RangeError);
  EXPECT_THROW(tableAngle(1e300), RangeError);
}

TEST(AngleFromCosine, EndsAndZeroStayFinite) {
  EXPECT_EQ(angleFromCosine(1.0), 0.0L);
  EXPECT_EQ(angleFromCosine(-1.0), 0.0L);
  // A cosine rounded past 1 must not take the root of a negative number.
  EXPECT_EQ(angleFromCosine(std::nextafter(1.0, 2.0)), 0.0L);
  EXPECT_EQ(angleFromCosine(std::nextafter(-1.0, -2.0)), 0.0L);
  const long double near_right = angleFromCosine(0.0);
  EXPECT_GT(near_right, 0.0L);
  EXPECT_LT(near_right, std::acos(-1.0L) / 2);
  EXPECT_NEAR(static_cast<double>(angleFromCosine(-0.5)), -std::acos(-1.0) / 3, 1e-15);
}

TEST(VectorAngle, EqualPerpendicularAndOppositeDirections) {
  const AngleTable& table = AngleTable::instance();
  // Parallel vectors whose lengths are irrational must still give cosine 1, entry 1000.
  EXPECT_EQ(vectorAngle(pt(1, 2, 3), pt(1, 2, 3)), 0.0);
  EXPECT_EQ(vectorAngle(pt(1, 2, 3), pt(2, 4, 6)), 0.0);
  EXPECT_EQ(vectorAngle(pt(0.1f, 0.7f, 0.3f), pt(0.1f, 0.7f, 0.3f)), 0.0);
  EXPECT_EQ(vectorAngle(pt(1, 0, 0), pt(0, 5, 0)), table.at(0));
  EXPECT_EQ(vectorAngle(pt(1, 2, 3), pt(-1, -2, -3)), 180.0);
  EXPECT_EQ(vectorAngle(pt(0, 0, 1), pt(0, 0, -7)), 180.0);
  EXPECT_EQ(vectorAngle(pt(0, 0, 0), pt(1, 2, 3)), table.at(0));  // zero length: cosine 0
}

TEST(VectorAngle, NegativeCosineAddsHalfTurn) {
  const AngleTable& table = AngleTable::instance();
  const float c = -0.9995f;
  const double angle = vectorAngle(pt(1, 0, 0), pt(c, std::sqrt(1 - c * c), 0));
  EXPECT_EQ(angle, table.at(-999) + 180);
  EXPECT_NEAR(angle, 177.4, 0.05);
  EXPECT_NEAR(vectorAngle(pt(1, 0, 0), pt(-1, 1, 0)), 135.0, 0.1);
  EXPECT_NEAR(vectorAngle(pt(1, 0, 0), pt(1, 1, 0)), 45.0, 0.1);
}

TEST(FaceLightAngle, FullRangeWithoutZero) {
  // n = (B - C) x (A - B) = (0, 0, -1) for this face.
  const Point3 a = pt(0, 0, 0), b = pt(1, 0, 0), c = pt(0, 1, 0);
  EXPECT_EQ(faceLightAngle(pt(0, 0, -5), a, b, c), 1.0);  // exact 0 reports 1
  EXPECT_EQ(faceLightAngle(pt(0, 0, 5), a, b, c), 180.0);
  EXPECT_NEAR(faceLightAngle(pt(1, 0, -1), a, b, c), 45.0, 1e-9);
  EXPECT_NEAR(faceLightAngle(pt(1, 0, 1), a, b, c), 135.0, 1e-9);
  const double edge_on = faceLightAngle(pt(3, 0, 0), a, b, c);
  EXPECT_LT(edge_on, 90.0);
  EXPECT_GT(edge_on, 89.9999);
  // A degenerate face has no normal: the cosine is 0, not NaN.
  EXPECT_NEAR(faceLightAngle(pt(3, 4, 5), a, a, a), 90.0, 1e-4);
}

TEST(PolarAngle, EachQuadrantAndAxis) {
  const double up = polarAngle(1, 0);  // dx = 0 replaced by 1e-14
  EXPECT_LT(up, 90.0);
  EXPECT_GT(up, 89.9999);
  EXPECT_EQ(polarAngle(0, -1), 180.0);
  EXPECT_DOUBLE_EQ(polarAngle(-1, 1), 315.0);
  EXPECT_DOUBLE_EQ(polarAngle(1, 1), 45.0);
  EXPECT_DOUBLE_EQ(polarAngle(1, -1), 135.0);
  EXPECT_DOUBLE_EQ(polarAngle(-1, -1), 225.0);
  EXPECT_EQ(polarAngle(0, 1), 0.0);
  EXPECT_GT(polarAngle(-1, 0), 270.0);
}

TEST(TruncToInt, TruncatesTowardZeroAndRejectsWhatDoesNotFit) {
  EXPECT_EQ(truncToInt(2.9), 2);
  EXPECT_EQ(truncToInt(-2.9), -2);
  EXPECT_EQ(truncToInt(2147483647.0), 2147483647);
  EXPECT_EQ(truncToInt(-2147483648.9), std::numeric_limits<std::int32_t>::min());
  EXPECT_THROW(truncToInt(2147483648.0), RangeError);
  EXPECT_THROW(truncToInt(-2147483649.0), RangeError);
  EXPECT_THROW(truncToInt(kNaN), RangeError);
  EXPECT_THROW(truncToInt(std::numeric_limits<double>::infinity()), RangeError);
  EXPECT_THROW(truncPoint(pt(0, 0, 3e9f)), RangeError);
  const auto p = truncPoint(pt(-1.5f, 1.5f, 7.99f));
  EXPECT_EQ(p[0], -1);
  EXPECT_EQ(p[1], 1);
  EXPECT_EQ(p[2], 7);
}

TEST(VectorOps, ZeroLengthInputsAreReplacedNotDividedBy) {
  Point3 zero = pt(0, 0, 0);
  normalise(zero);
  EXPECT_TRUE(isAt(zero, 0, 0, 0));
  EXPECT_TRUE(isAt(faceNormal(pt(1, 2, 3), pt(1, 2, 3), pt(1, 2, 3), 20), 20, 0, 0));
  // A line through a = b: the foot is a itself.
  EXPECT_DOUBLE_EQ(pointLineDistance(pt(3, 4, 0), pt(0, 0, 0), pt(0, 0, 0)), 5.0);
  // Elsewhere the line runs on past its two points.
  EXPECT_DOUBLE_EQ(pointLineDistance(pt(20, 3, 0), pt(0, 0, 0), pt(10, 0, 0)), 3.0);
}

TEST(VectorOps, OrientationFollowsTheCornerOrder) {
  const Point3 p0 = pt(0, 0, 0), p1 = pt(1, 0, 0), p2 = pt(0, 1, 0);
  const Point3 n = faceNormal(p0, p1, p2, 4);
  EXPECT_FLOAT_EQ(n.z, 4.0f);  // (p0 - p1) x (p0 - p2) points along +z here
  EXPECT_TRUE(facesPoint(p0, p1, p2, pt(0, 0, 1)));
  EXPECT_FALSE(facesPoint(p0, p1, p2, pt(0, 0, -1)));
  EXPECT_FALSE(facesPoint(p0, p1, p2, pt(5, 5, 0)));  // in the plane: not strictly in front
  EXPECT_TRUE(isClockwise2D(p0, p1, p2));
  EXPECT_FALSE(isClockwise2D(p0, p2, p1));
  EXPECT_TRUE(isClockwise2D(p0, p1, pt(2, 0, 9)));  // collinear counts as clockwise
}

TEST(FaceNormal, PerpendicularToEdgesWithRequestedLength) {
  const std::vector<std::array<Point3, 3>> faces = {
      {pt(0, 0, 0), pt(1, 0, 0), pt(0, 1, 0)},
      {pt(3, -2, 7), pt(-5, 4, 1), pt(2, 9, -6)},
      {pt(100, 100, 100), pt(100.5f, 100, 101), pt(99, 102, 100)},
      {pt(-40, 0, 0), pt(0, 0, 0.01f), pt(0, 30, 0)},
  };
  for (const auto& f : faces) {
    const Point3 n = faceNormal(f[0], f[1], f[2], 50);
    EXPECT_NEAR(std::sqrt(dotOf(n, n)), 50.0, 1e-4);
    const Point3 e1 = minus(f[1], f[0]), e2 = minus(f[2], f[0]);
    EXPECT_NEAR(dotOf(n, e1) / std::sqrt(dotOf(e1, e1)), 0.0, 1e-3);
    EXPECT_NEAR(dotOf(n, e2) / std::sqrt(dotOf(e2, e2)), 0.0, 1e-3);
    // Same side as facesPoint: the normal of a face points the way it faces.
    EXPECT_TRUE(facesPoint(f[0], f[1], f[2], pt(f[0].x + n.x, f[0].y + n.y, f[0].z + n.z)));
  }
}

TEST(Rotation, QuarterTurnMovesOnlySelectedCorners) {
  const double c = std::cos(std::acos(-1.0) / 2);
  FaceCorner corner = cornerAt(1, 0, 7);
  corner.u = 12;
  corner.v = 34;
  corner.selected = 1;
  rotateZ(corner, true, pt(0, 0, 0), c, 1, false);
  EXPECT_NEAR(corner.x, 0.0f, 1e-6);
  EXPECT_FLOAT_EQ(corner.y, -1.0f);
  EXPECT_EQ(corner.z, 7.0f);
  EXPECT_EQ(corner.u, 12.0f);  // only the coordinates are written
  EXPECT_EQ(corner.v, 34.0f);

  FaceCorner still = cornerAt(1, 0, 7);
  rotateZ(still, false, pt(0, 0, 0), c, 1, false);
  EXPECT_TRUE(isAt(still.point(), 1, 0, 7));
  rotateZ(still, false, pt(0, 0, 0), c, 1, true);  // rotate_all moves it anyway
  EXPECT_FLOAT_EQ(still.y, -1.0f);
}

TEST(Rotation, EachAxisTurnsItsOwnPlaneAboutTheCentre) {
  FaceCorner a = cornerAt(5, 11, 10);  // rotateX turns (y, z)
  rotateX(a, true, pt(99, 10, 10), 0, 1, false);
  EXPECT_TRUE(isAt(a.point(), 5, 10, 9));
  FaceCorner b = cornerAt(10, 5, 11);  // rotateY turns (z, x)
  rotateY(b, true, pt(10, 99, 10), 0, 1, false);
  EXPECT_TRUE(isAt(b.point(), 9, 5, 10));
  FaceCorner c = cornerAt(11, 10, 5);  // rotateZ turns (x, y)
  rotateZ(c, true, pt(10, 10, 99), 0, 1, false);
  EXPECT_TRUE(isAt(c.point(), 10, 9, 5));
}

TEST(Rotation, TurningBackRestoresTheCorner) {
  using Rotate = void (*)(FaceCorner&, bool, const Point3&, double, double, bool);
  const Rotate rotations[] = {rotateX, rotateY, rotateZ};
  const Point3 centre = pt(3, -4, 12);
  for (Rotate rotate : rotations) {
    for (double degrees : {1.0, 37.5, 90.0, 179.0, 271.0}) {
      const double radians = degrees * kDegreeRadians;
      FaceCorner corner = cornerAt(17.25f, -3.5f, 40);
      rotate(corner, true, centre, std::cos(radians), std::sin(radians), false);
      rotate(corner, true, centre, std::cos(-radians), std::sin(-radians), false);
      EXPECT_NEAR(corner.x, 17.25f, 1e-4) << degrees;
      EXPECT_NEAR(corner.y, -3.5f, 1e-4) << degrees;
      EXPECT_NEAR(corner.z, 40.0f, 1e-4) << degrees;
    }
  }
}

// A face whose projection in `view` is (0, 0), (10, 0), (0, 40) as (column, row), lying
// 1000 units deep so that it is edge-on and out of the way in the other two views.
Face faceSeenIn(int view) {
  const float a[3] = {0, 10, 0}, b[3] = {0, 0, 40};
  Face face;
  for (int i = 0; i < 3; ++i) {
    if (view == 1) face.corners[i] = cornerAt(a[i], b[i], 1000);
    if (view == 2) face.corners[i] = cornerAt(a[i], 1000, b[i]);
    if (view == 3) face.corners[i] = cornerAt(1000, b[i], a[i]);
  }
  return face;
}

TEST(FaceHit, EachViewProjectsItsOwnAxes) {
  for (int view = 1; view <= 3; ++view) {
    const Face face = faceSeenIn(view);
    const View v = viewNumbered(view);
    // At row 20 the face spans columns 0..5.
    EXPECT_TRUE(faceHitInView(v, face, 20, 3)) << view;
    EXPECT_TRUE(faceHitInView(v, face, 20, 6)) << view;   // one unit outside
    EXPECT_FALSE(faceHitInView(v, face, 20, 7)) << view;  // two units outside
    EXPECT_TRUE(faceHitInView(v, face, 20, -1.9)) << view;
    EXPECT_FALSE(faceHitInView(v, face, 20, -2)) << view;
    for (int other = 1; other <= 3; ++other) {
      if (other == view) continue;
      EXPECT_FALSE(faceHitInView(viewNumbered(other), face, 20, 3)) << view << other;
    }
  }
}

TEST(FaceHit, RowsTruncateTowardZeroAndStopAtTheCorners) {
  const Face face = faceSeenIn(1);
  EXPECT_TRUE(faceHitInView(View::Front, face, -0.5, 0));  // trunc(-0.5) = 0; floor would miss
  EXPECT_FALSE(faceHitInView(View::Front, face, -1, 0));
  EXPECT_TRUE(faceHitInView(View::Front, face, 40.9, 0));
  EXPECT_FALSE(faceHitInView(View::Front, face, 41, 0));
  EXPECT_TRUE(faceHitInView(View::Front, face, 0, 11));  // bottom edge spans 0..10
  EXPECT_FALSE(faceHitInView(View::Front, face, 0, 12));
}

TEST(FaceHit, CornerOrderDoesNotMatter) {
  // Three distinct rows: (column, row) = (0, 0), (20, 10), (4, 40).
  const FaceCorner corners[3] = {cornerAt(0, 0, 0), cornerAt(20, 10, 0), cornerAt(4, 40, 0)};
  int order[3] = {0, 1, 2};
  do {
    Face face;
    for (int i = 0; i < 3; ++i) face.corners[i] = corners[order[i]];
    EXPECT_TRUE(faceHitInView(View::Front, face, 5, 11));  // span 0..10 at row 5
    EXPECT_FALSE(faceHitInView(View::Front, face, 5, 12));
    EXPECT_TRUE(faceHitInView(View::Front, face, 20, 16));  // span 2..15 at row 20
    EXPECT_FALSE(faceHitInView(View::Front, face, 20, 17));
    EXPECT_FALSE(faceHitInView(View::Front, face, 20, 0));
  } while (std::next_permutation(order, order + 3));
}

TEST(FaceHit, HugeCoordinatesNeitherOverflowNorPassSilently) {
  // Edge products reach 1.6e19, past the int64 range.
  Face face;
  face.corners[0] = cornerAt(-2e9f, -2e9f, 0);
  face.corners[1] = cornerAt(2e9f, -2e9f, 0);
  face.corners[2] = cornerAt(-2e9f, 2e9f, 0);
  EXPECT_TRUE(faceHitInView(View::Front, face, 1.9e9, -1.9e9 + 1));
  EXPECT_FALSE(faceHitInView(View::Front, face, 1.9e9, -1.9e9 + 2));
  EXPECT_FALSE(faceHitInView(View::Front, face, 1.9e9, 0));
  face.corners[1].x = 3e9f;
  EXPECT_THROW(faceHitInView(View::Front, face, 0, 0), RangeError);
  EXPECT_THROW(faceHitInView(View::Front, faceSeenIn(1), kNaN, 0), RangeError);
}

TEST(PointInTriangle, HalfUnitToleranceAlongXInAnyCornerOrder) {
  const Point3 right[3] = {pt(0, 0, 0), pt(10, 0, 0), pt(0, 10, 0)};
  const Point3 slanted[3] = {pt(0, 0, 0), pt(20, 10, 0), pt(4, 40, 0)};
  int o[3] = {0, 1, 2};
  do {
    const auto in_right = [&](double x, double y) {
      return pointInTriangleXY(right[o[0]], right[o[1]], right[o[2]], x, y);
    };
    EXPECT_TRUE(in_right(-0.4, 5));
    EXPECT_FALSE(in_right(-0.6, 5));
    EXPECT_TRUE(in_right(5.4, 5));  // the right edge is at x = 5 on this row
    EXPECT_FALSE(in_right(5.6, 5));
    EXPECT_TRUE(in_right(10.5, 0));  // the middle corner's row
    EXPECT_FALSE(in_right(0, 10.01));
    EXPECT_FALSE(in_right(0, -0.01));
    const auto in_slanted = [&](double x, double y) {
      return pointInTriangleXY(slanted[o[0]], slanted[o[1]], slanted[o[2]], x, y);
    };
    EXPECT_TRUE(in_slanted(15.1, 20));  // spans 2 .. 14.67 at y = 20
    EXPECT_FALSE(in_slanted(15.2, 20));
    EXPECT_TRUE(in_slanted(1.6, 20));
    EXPECT_FALSE(in_slanted(1.4, 20));
    EXPECT_TRUE(in_slanted(10.4, 5));  // spans 0.5 .. 10 at y = 5
    EXPECT_FALSE(in_slanted(10.6, 5));
  } while (std::next_permutation(o, o + 3));
}

TEST(SegmentHitsFace, CrossingParallelAndOutOfRange) {
  const Point3 c0 = pt(0, 0, 0), c1 = pt(10, 0, 10), c2 = pt(0, 10, 0);  // the plane z = x
  Point3 x = pt(-7, -7, -7);
  EXPECT_TRUE(segmentHitsFace(pt(2, 3, -10), pt(2, 3, 10), c0, c1, c2, x));
  EXPECT_FLOAT_EQ(x.x, 2);
  EXPECT_FLOAT_EQ(x.y, 3);
  EXPECT_FLOAT_EQ(x.z, 2);

  // In the plane, or parallel to it: false and the meeting point left alone.
  x = pt(-7, -7, -7);
  EXPECT_FALSE(segmentHitsFace(pt(1, 1, 1), pt(2, 5, 2), c0, c1, c2, x));
  EXPECT_FALSE(segmentHitsFace(pt(1, 1, 3), pt(2, 5, 4), c0, c1, c2, x));
  EXPECT_EQ(x.x, -7.0f);

  // The plane is met beyond the segment's end: false, but the meeting point is reported.
  EXPECT_FALSE(segmentHitsFace(pt(2, 3, 5), pt(2, 3, 10), c0, c1, c2, x));
  EXPECT_FLOAT_EQ(x.z, 2);
  // Within the segment but outside the face.
  EXPECT_FALSE(segmentHitsFace(pt(8, 8, -10), pt(8, 8, 10), c0, c1, c2, x));
  EXPECT_FLOAT_EQ(x.z, 8);
}

TEST(SegmentsCross2D, EndsCountAndParallelNeverCrosses) {
  EXPECT_TRUE(segmentsCross2D(0, 0, 2, 2, 0, 2, 2, 0));
  EXPECT_TRUE(segmentsCross2D(0, 0, 2, 0, 2, -1, 2, 1));  // touches at a's end
  EXPECT_FALSE(segmentsCross2D(0, 0, 1.9, 0, 2, -1, 2, 1));
  EXPECT_FALSE(segmentsCross2D(0, 0, 2, 0, 1, 0.5, 1, 3));  // b stops short of a
  EXPECT_FALSE(segmentsCross2D(0, 0, 2, 0, 0, 1, 2, 1));
  EXPECT_FALSE(segmentsCross2D(0, 0, 2, 0, 1, 0, 3, 0));  // overlapping yet parallel
}

}  // namespace
}  // namespace facetry
