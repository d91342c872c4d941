// Tests of the segment-face test in three dimensions: a face standing in a plane x = c or
// y = c is met only within its own extent, while a line along z keeps the x-y test.
#include <gtest/gtest.h>

#include "scene/geometry.h"

namespace facetry {
namespace {

Point3 pt(float x, float y, float z) {
  return {x, y, z};
}

TEST(SegmentHitsFace, AFaceStandingInAnXPlaneIsNotASlabOverEveryDepth) {
  // The face lies in x = 5 over y 0..10, z 0..10.
  const Point3 c0 = pt(5, 0, 0), c1 = pt(5, 10, 0), c2 = pt(5, 0, 10);
  Point3 x;
  EXPECT_TRUE(segmentHitsFace(pt(0, 2, 2), pt(10, 2, 2), c0, c1, c2, x));
  EXPECT_FLOAT_EQ(x.x, 5);
  // Crossing the plane at z = 50, far beyond the face: no hit (the x-y shadow said yes).
  EXPECT_FALSE(segmentHitsFace(pt(0, 2, 50), pt(10, 2, 50), c0, c1, c2, x));
  // Half a unit of slack along z, the first coordinate of the (z, y) plane.
  EXPECT_TRUE(segmentHitsFace(pt(0, 2, 8.4f), pt(10, 2, 8.4f), c0, c1, c2, x));
  EXPECT_FALSE(segmentHitsFace(pt(0, 2, 8.6f), pt(10, 2, 8.6f), c0, c1, c2, x));
}

TEST(SegmentHitsFace, AFaceInAYPlaneIsMetAcrossItsWidth) {
  // The face lies in y = 3 over x 0..10, z 0..10; a slanted segment meets it at y 3 with a
  // rounding of its own, which the x-y test would have missed.
  const Point3 c0 = pt(0, 3, 0), c1 = pt(10, 3, 0), c2 = pt(0, 3, 10);
  Point3 x;
  EXPECT_TRUE(segmentHitsFace(pt(1, 0, 1), pt(3, 7, 2), c0, c1, c2, x));
  EXPECT_FALSE(segmentHitsFace(pt(1, 0, 20), pt(3, 7, 21), c0, c1, c2, x));
}

TEST(SegmentHitsFace, ALineAlongZKeepsTheXYTest) {
  // A steep face mostly facing x: the z line through its x-y shadow meets it.
  const Point3 c0 = pt(5, 0, 0), c1 = pt(5, 10, 0), c2 = pt(6, 0, 10);
  Point3 x;
  EXPECT_TRUE(segmentHitsFace(pt(5.2f, 2, -100), pt(5.2f, 2, 100), c0, c1, c2, x));
  EXPECT_EQ(pointInTriangleXY(c0, c1, c2, x.x, x.y), true);
  // A face facing z is tested in x-y whichever segment meets it.
  EXPECT_TRUE(pointInFace(pt(0, 0, 0), pt(10, 0, 0), pt(0, 10, 0), pt(-0.4f, 5, 99)));
  EXPECT_FALSE(pointInFace(pt(0, 0, 0), pt(10, 0, 0), pt(0, 10, 0), pt(-0.6f, 5, 0)));
}

}  // namespace
}  // namespace facetry
