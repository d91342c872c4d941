// Tests of the corner-normal pass: which corners share a normal, the shared value, and the
// Gouraud values from the stored normals. Normals of faces in the planes used here are
// exactly (0, 0, 20), (0, -20, 0) and so on, so every expected value is a whole number.
#include <gtest/gtest.h>

#include <array>

#include "render/raster_rig.h"
#include "render/rasteriser.h"

namespace facetry {
namespace {

using testing::at;
using testing::RasterRig;

using Normal = std::array<std::int32_t, 3>;

Normal normalOf(RasterRig& rig, int face, int corner) {
  const std::int32_t* n = rig.shading(face).normals[corner];
  return {n[0], n[1], n[2]};
}

// Faces in the plane z = 0 (normal (0, 0, 20)) and y = 0 (normal (0, -20, 0)), each with
// its first corner at `p` and the other two far away at x = far.
void addFlatFace(RasterRig& rig, const FaceCorner& p, float far) {
  addFace(rig.scene, rig.host, p, at(far, p.y, p.z), at(far, p.y + 10, p.z));
}
void addUprightFace(RasterRig& rig, const FaceCorner& p, float far) {
  addFace(rig.scene, rig.host, p, at(far, p.y, p.z), at(far, p.y, p.z + 10));
}
void closeIt(RasterRig& rig) {
  closeObject(rig.scene, rig.host, false, false);
}

TEST(VertexNormals, SmoothCornersOfOneObjectWithinDistanceOneShareTheMidpointNormal) {
  RasterRig rig;
  addFlatFace(rig, at(50, 0, 0), 100);        // (0, 0, 20)
  addUprightFace(rig, at(50.5f, 0, 0), 200);  // (0, -20, 0), first corner 0.5 away
  addUprightFace(rig, at(50, 1, 0), 300);     // same key, exactly 1 from the first corner
  closeIt(rig);
  computeVertexNormals(rig.scene, rig.light);
  // Midpoint of each component's range over the group: (0, -10, 10).
  EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, -10, 10}));
  EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -10, 10}));
  // The third face's corner is at distance 1 from the group's first corner, not below 1: it
  // keeps its face normal (the second corner, nearer to it, is already taken).
  EXPECT_EQ(normalOf(rig, 2, 0), (Normal{0, -20, 0}));
  // Far corners keep their own face's normal.
  EXPECT_EQ(normalOf(rig, 0, 1), (Normal{0, 0, 20}));
  EXPECT_EQ(normalOf(rig, 1, 2), (Normal{0, -20, 0}));
}

TEST(VertexNormals, ObjectsAndUnsmoothFacesNeverShare) {
  RasterRig rig;
  addFlatFace(rig, at(50, 0, 0), 100);
  closeIt(rig);
  addUprightFace(rig, at(50, 0, 0), 200);  // same corner, other object
  closeIt(rig);
  addFlatFace(rig, at(60, 0, 0), 100);
  addUprightFace(rig, at(60, 0, 0), 200);
  rig.face(3).smooth = 0;
  closeIt(rig);
  computeVertexNormals(rig.scene, rig.light);
  EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, 0, 20}));
  EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -20, 0}));
  EXPECT_EQ(normalOf(rig, 2, 0), (Normal{0, 0, 20}));
  for (int corner = 0; corner < 3; ++corner) {
    EXPECT_EQ(normalOf(rig, 3, corner), (Normal{0, -20, 0}));
  }
}

TEST(VertexNormals, CandidatesAreTheNextCornerAndThenOnlyCornersWithTheSameKey) {
  // Corners at x = 4.9 (key 4) and 5.1 (key 5) are 0.2 apart. Sorted by key they are
  // neighbours, and the next corner is always examined, so they share (0, -10, 10).
  {
    RasterRig rig;
    addFlatFace(rig, at(4.9f, 0, 0), 100);
    addUprightFace(rig, at(5.1f, 0, 0), 200);
    closeIt(rig);
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, -10, 10}));
    EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -10, 10}));
  }
  // A later face with another key-4 corner (x = 4.2, far away in y) comes between them in
  // the sorted order: the 4.9 corner's scan examines it, then stops at key 5, so the two
  // near corners keep their own normals.
  {
    RasterRig rig;
    addFlatFace(rig, at(4.9f, 0, 0), 100);
    addUprightFace(rig, at(5.1f, 0, 0), 200);
    addFlatFace(rig, at(4.2f, 50, 0), 300);
    closeIt(rig);
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, 0, 20}));
    EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -20, 0}));
  }
  // Put the far corner's face first and the 4.9 corner is again directly before 5.1.
  {
    RasterRig rig;
    addFlatFace(rig, at(4.2f, 50, 0), 300);
    addFlatFace(rig, at(4.9f, 0, 0), 100);
    addUprightFace(rig, at(5.1f, 0, 0), 200);
    closeIt(rig);
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(normalOf(rig, 1, 0), (Normal{0, -10, 10}));
    EXPECT_EQ(normalOf(rig, 2, 0), (Normal{0, -10, 10}));
  }
}

TEST(VertexNormals, GroupTakesAtMost1998MembersBesidesItsFirstCorner) {
  // 2000 faces meet at the origin: 1998 flat ones, then two upright ones. The first face's
  // corner takes the next 1998 corners, the first upright one included, so the group's
  // normal is (0, -10, 10); the last upright corner is left with its own normal. (Counting
  // the first corner as a member would leave both upright corners out, together.)
  // Far corners sit on distinct keys, 10 apart.
  RasterRig rig;
  for (int i = 0; i < 1998; ++i) addFlatFace(rig, at(0, 0, 0), 100.0f + 10.0f * i);
  addUprightFace(rig, at(0, 0, 0), 30000);
  addUprightFace(rig, at(0, 0, 0), 30010);
  closeIt(rig);
  computeVertexNormals(rig.scene, rig.light);
  EXPECT_EQ(normalOf(rig, 0, 0), (Normal{0, -10, 10}));
  EXPECT_EQ(normalOf(rig, 1998, 0), (Normal{0, -10, 10}));
  EXPECT_EQ(normalOf(rig, 1999, 0), (Normal{0, -20, 0}));
}

TEST(VertexNormals, GouraudValuesFollowTheAngleToTheLightAndOpenFacesKeepTheirs) {
  // Normal (0, 0, 20). Light straight ahead: angle 0, value 180. Light in the face's plane:
  // cosine 0 reads entry 0 (just under 90), 180 - 89.9999994 truncates to 90. Light behind:
  // cosine -1 gives 180, value 0.
  const struct {
    Point3 light;
    int value;
  } cases[] = {{{50, 0, 500}, 180}, {{50, 500, 0}, 90}, {{50, 0, -500}, 0}};
  for (const auto& c : cases) {
    RasterRig rig;
    rig.light.LightPosition = c.light;
    addFlatFace(rig, at(50, 0, 0), 100);
    closeIt(rig);
    addFlatFace(rig, at(50, 0, 0), 100);  // stays in the open object
    rig.shading(1).light[0] = 77;
    rig.shading(1).normals[0][0] = 5;
    computeVertexNormals(rig.scene, rig.light);
    EXPECT_EQ(rig.shading(0).light[0], c.value);
    EXPECT_EQ(rig.shading(1).light[0], 77);
    EXPECT_EQ(rig.shading(1).normals[0][0], 5);
  }
}

}  // namespace
}  // namespace facetry
