// Tests of the subdivision patterns and the user cut: piece lists, winding, where the
// pieces go, the capacity refusal and the user cut's clicks.
#include <gtest/gtest.h>

#include <cmath>

#include "ops/extend_faces.h"
#include "ops/user_cut.h"
#include "scene/geometry.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::corner;
using testing::invariantViolation;
using testing::ScriptedHost;
using testing::TempDir;

double area(const Face& f) {
  const Point3 a = f.corners[0].point(), b = f.corners[1].point(), c = f.corners[2].point();
  const Point3 u{b.x - a.x, b.y - a.y, b.z - a.z}, v{c.x - a.x, c.y - a.y, c.z - a.z};
  const Point3 w = cross(u, v);
  return std::sqrt(double{w.x} * w.x + double{w.y} * w.y + double{w.z} * w.z) / 2;
}

// The z component of the face normal (c1 - c0) x (c2 - c0): the winding of a flat face.
double windingZ(const Face& f) {
  const Point3 a = f.corners[0].point(), b = f.corners[1].point(), c = f.corners[2].point();
  return (double{b.x} - a.x) * (double{c.y} - a.y) - (double{b.y} - a.y) * (double{c.x} - a.x);
}

struct Rig {
  TempDir dir;
  Scene scene;
  ScriptedHost host;
  Rig() { scene.ask = true; }
  // One object of one face in the z = 5 plane, every mark set.
  void oneFace(FaceCorner a, FaceCorner b, FaceCorner c) {
    addFace(scene, host, a, b, c);
    scene.FaceTable[0].red = 7;
    closeObject(scene, host, false, true);
    setObjectSelected(scene, 0, 1);
  }
  bool same(int i, std::initializer_list<Point3> corners) const {
    int j = 0;
    for (const Point3& p : corners) {
      const FaceCorner& c = scene.FaceTable[static_cast<std::size_t>(i)].corners[j++];
      if (c.x != p.x || c.y != p.y || c.z != p.z) return false;
    }
    return true;
  }
};

TEST(ExtendFaces, EachPatternCoversTheFaceWithItsPiecesInTheSameWinding) {
  const std::pair<ExtendPattern, int> patterns[] = {{ExtendPattern::Simple, 3},
                                                    {ExtendPattern::Normal, 4},
                                                    {ExtendPattern::Complex, 7},
                                                    {ExtendPattern::Complex2, 5}};
  for (const auto& [pattern, pieces] : patterns) {
    Rig r;
    r.oneFace(corner(0, 0, 5), corner(60, 0, 5), corner(0, 30, 5));
    const double whole = area(r.scene.FaceTable[0]);
    ASSERT_TRUE(extendFaces(r.scene, r.host, pattern));
    ASSERT_EQ(r.scene.FaceCount, pieces);
    EXPECT_EQ(r.scene.ObjectTable[0].last, pieces - 1);
    EXPECT_EQ(invariantViolation(r.scene), "");
    double sum = 0;
    for (int i = 0; i < pieces; ++i) {
      const Face& f = r.scene.FaceTable[static_cast<std::size_t>(i)];
      EXPECT_GT(windingZ(f), 0) << "piece " << i;
      EXPECT_EQ(f.red, 7);
      for (const FaceCorner& c : f.corners) EXPECT_EQ(c.selected, 1) << "piece " << i;
      sum += area(f);
    }
    EXPECT_NEAR(sum, whole, 1e-3);
    // Every corner is still selected, so a repeat refines every piece again.
    ASSERT_TRUE(extendFaces(r.scene, r.host, pattern));
    EXPECT_EQ(r.scene.FaceCount, pieces * pieces);
  }
}

TEST(ExtendFaces, PieceListsInTheirOrder) {
  Rig r;
  r.oneFace(corner(0, 0, 0), corner(6, 0, 0), corner(0, 6, 0));
  extendFaces(r.scene, r.host, ExtendPattern::Simple);
  EXPECT_TRUE(r.same(0, {{0, 0, 0}, {6, 0, 0}, {2, 2, 0}}));
  EXPECT_TRUE(r.same(1, {{2, 2, 0}, {6, 0, 0}, {0, 6, 0}}));
  EXPECT_TRUE(r.same(2, {{2, 2, 0}, {0, 6, 0}, {0, 0, 0}}));

  Rig n;
  n.oneFace(corner(0, 0, 0), corner(4, 0, 0), corner(0, 4, 0));
  extendFaces(n.scene, n.host, ExtendPattern::Normal);
  EXPECT_TRUE(n.same(0, {{0, 0, 0}, {2, 0, 0}, {0, 2, 0}}));
  EXPECT_TRUE(n.same(1, {{0, 2, 0}, {2, 2, 0}, {0, 4, 0}}));
  EXPECT_TRUE(n.same(2, {{0, 2, 0}, {2, 0, 0}, {2, 2, 0}}));
  EXPECT_TRUE(n.same(3, {{2, 0, 0}, {4, 0, 0}, {2, 2, 0}}));

  Rig c;
  c.oneFace(corner(0, 0, 0), corner(12, 0, 0), corner(0, 12, 0));
  extendFaces(c.scene, c.host, ExtendPattern::Complex);  // G (4, 4); P (2, 2), Q (8, 2), R (2, 8)
  EXPECT_TRUE(c.same(0, {{0, 0, 0}, {12, 0, 0}, {2, 2, 0}}));
  EXPECT_TRUE(c.same(3, {{8, 2, 0}, {0, 12, 0}, {2, 8, 0}}));
  EXPECT_TRUE(c.same(6, {{2, 2, 0}, {8, 2, 0}, {2, 8, 0}}));
}

TEST(ExtendFaces, Complex2TurnsTheCornersUntilTheFirstToThirdEdgeIsLongest) {
  // Longest edge B-C: one turn, (C, A, B); the face becomes (C, A, N) with M the middle of
  // the old B-C.
  Rig once;
  once.oneFace(corner(0, 0, 0), corner(8, 0, 0), corner(0, 2, 0));
  extendFaces(once.scene, once.host, ExtendPattern::Complex2);
  // A' = (0,2), B' = (0,0), C' = (8,0); M = (4,1), N = (M + B') / 2 = (2, 0.5).
  EXPECT_TRUE(once.same(0, {{0, 2, 0}, {0, 0, 0}, {2, 0.5f, 0}}));
  // Longest edge A-B: two turns, (B, C, A).
  Rig twice;
  twice.oneFace(corner(0, 0, 0), corner(0, 8, 0), corner(1, 4, 0));
  extendFaces(twice.scene, twice.host, ExtendPattern::Complex2);
  // A' = (0,8), B' = (1,4), C' = (0,0); M = (0,4), N = (0.5, 4).
  EXPECT_TRUE(twice.same(0, {{0, 8, 0}, {1, 4, 0}, {0.5f, 4, 0}}));
  // Already longest: no turn.
  Rig none;
  none.oneFace(corner(0, 0, 0), corner(1, 4, 0), corner(0, 8, 0));
  extendFaces(none.scene, none.host, ExtendPattern::Complex2);
  EXPECT_TRUE(none.same(0, {{0, 0, 0}, {1, 4, 0}, {0.5f, 4, 0}}));
}

TEST(ExtendFaces, OnlyEligibleFacesSplitAndPiecesFollowTheirOwnObject) {
  Rig r;
  for (int k = 0; k < 2; ++k) {
    addFace(r.scene, r.host, corner(0, 0, 0), corner(9, 0, 0), corner(0, 9, 0));
    addFace(r.scene, r.host, corner(0, 0, 1), corner(9, 0, 1), corner(0, 9, 1));
    closeObject(r.scene, r.host, false, true);
  }
  setObjectSelected(r.scene, 0, 1);
  r.scene.FaceTable[1].corners[2].selected = 0;  // object 0's second face is not eligible
  setObjectSelected(r.scene, 1, 0);              // object 1 is not selected
  extendFaces(r.scene, r.host, ExtendPattern::Simple);
  ASSERT_EQ(r.scene.FaceCount, 6);
  EXPECT_EQ(r.scene.ObjectTable[0].last, 3);
  EXPECT_TRUE(r.same(1, {{0, 0, 1}, {9, 0, 1}, {0, 9, 1}}));  // untouched
  EXPECT_TRUE(r.same(2, {{3, 3, 0}, {9, 0, 0}, {0, 9, 0}}));  // pieces after the object's faces
  EXPECT_EQ(r.scene.ObjectTable[1].first, 4);
  EXPECT_EQ(r.scene.FaceTable[4].object, 1);
  EXPECT_EQ(invariantViolation(r.scene), "");
}

TEST(ExtendFaces, ARefinementPastTheFaceLimitIsRefusedBeforeAnythingChanges) {
  Rig r;
  for (int i = 0; i < 33334; ++i) {
    addFace(r.scene, r.host, corner(0, 0, 0), corner(9, 0, 0), corner(0, 9, 0));
  }
  closeObject(r.scene, r.host, false, true);
  setObjectSelected(r.scene, 0, 1);
  EXPECT_FALSE(extendFaces(r.scene, r.host, ExtendPattern::Simple));  // 100 002 faces
  EXPECT_EQ(r.scene.FaceCount, 33334);
  ASSERT_EQ(r.host.messages.size(), 1u);
  EXPECT_EQ(r.host.messages[0].title, "Error");
  EXPECT_FALSE(r.scene.ModifiedFlag);  // no snapshot either
}

TEST(UserCut, WalksAreWholeNumbersAlongTheLongerAxis) {
  const auto walk = cutWalk(10, 0, 0, 3);
  ASSERT_EQ(walk.size(), 11u);
  EXPECT_EQ(walk.front(), (std::array<std::int64_t, 2>{0, 3}));
  // 3 + (0 - 3) * 5 / 10: -15 / 10 truncates toward zero to -1.
  EXPECT_EQ(walk[5], (std::array<std::int64_t, 2>{5, 2}));
  EXPECT_TRUE(cutWalk(4, 4, 4, 4).empty());
  // An edge with equal ends in x and y meets nothing.
  EXPECT_FALSE(edgeMeetsCut(walk, {5, 1, 0}, {5, 1, 9}));
  const auto met = edgeMeetsCut(cutWalk(5, -10, 5, 10), {0, 0, 0}, {10, 0, 20});
  ASSERT_TRUE(met);
  EXPECT_EQ(*met, (std::array<std::int64_t, 3>{5, 0, 10}));
}

TEST(UserCut, ALineAcrossAFaceMakesThreeWithTheNewOnesAfterIt) {
  Rig r;
  addFace(r.scene, r.host, corner(0, 0, 0), corner(20, 0, 0), corner(0, 20, 0));
  addFace(r.scene, r.host, corner(50, 50, 0), corner(60, 50, 0), corner(50, 60, 0));
  closeObject(r.scene, r.host, false, true);
  r.scene.FaceTable[0].selected = 1;
  // x = 10 crosses A-B at (10, 0) and B-C at (10, 10).
  ASSERT_TRUE(userCut(r.scene, r.host, 10, -5, 10, 30));
  ASSERT_EQ(r.scene.FaceCount, 4);
  EXPECT_TRUE(r.same(0, {{0, 0, 0}, {10, 0, 0}, {10, 10, 0}}));   // (A, X, Y)
  EXPECT_TRUE(r.same(1, {{10, 0, 0}, {20, 0, 0}, {10, 10, 0}}));  // (X, B, Y)
  EXPECT_TRUE(r.same(2, {{0, 0, 0}, {10, 10, 0}, {0, 20, 0}}));   // (A, Y, C)
  EXPECT_TRUE(r.same(3, {{50, 50, 0}, {60, 50, 0}, {50, 60, 0}}));
  for (int i = 0; i < 3; ++i)
    EXPECT_GT(windingZ(r.scene.FaceTable[static_cast<std::size_t>(i)]), 0);
  EXPECT_EQ(r.scene.FaceTable[1].corners[0].selected, 1);
  EXPECT_EQ(invariantViolation(r.scene), "");

  // A line that ends inside the face crosses one edge only: the face stays.
  Rig inside;
  addFace(inside.scene, inside.host, corner(0, 0, 0), corner(20, 0, 0), corner(0, 20, 0));
  closeObject(inside.scene, inside.host, false, true);
  inside.scene.FaceTable[0].selected = 1;
  userCut(inside.scene, inside.host, 5, -5, 5, 5);
  EXPECT_EQ(inside.scene.FaceCount, 1);
}

TEST(UserCut, ClicksTakeTheFrontViewOnlyAndAStartAtZeroIsNone) {
  TempDir dir;
  Workspace ws;
  ScriptedHost host;
  ws.scene.ask = true;
  addFace(ws.scene, host, corner(0, 0, 0), corner(20, 0, 0), corner(0, 20, 0));
  closeObject(ws.scene, host, false, true);
  ws.scene.FaceTable[0].selected = 1;
  chooseUserExtend(ws.tools, ws.scene);
  EXPECT_TRUE(ws.tools.flags.userExtendOn);

  EXPECT_FALSE(userExtendClick(ws, host, View::Top, 10, -5, 0));  // top view: nothing stored
  EXPECT_EQ(ws.tools.FirstClick.a, 0);
  EXPECT_FALSE(userExtendClick(ws, host, View::Front, 0, -5, 0));   // start at x = 0 counts as none
  EXPECT_FALSE(userExtendClick(ws, host, View::Front, 10, -5, 0));  // so this one is the start
  EXPECT_EQ(ws.scene.FaceCount, 1);
  EXPECT_TRUE(userExtendClick(ws, host, View::Front, 10, 30, 0));
  EXPECT_EQ(ws.scene.FaceCount, 3);
  EXPECT_EQ(ws.tools.FirstClick.a, 0);
}

}  // namespace
}  // namespace facetry
