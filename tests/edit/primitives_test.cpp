// Tests of the builders at the edges of their inputs: face counts, exact corners, steps,
// the polygon closing rule and capacity.
#include <gtest/gtest.h>

#include <cmath>

#include "edit/primitives.h"
#include "scene/errors.h"
#include "scene/geometry.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"

namespace facetry {
namespace {

using testing::invariantViolation;
using testing::ScriptedHost;

struct Builder {
  Scene scene;
  ScriptedHost host;
  ViewState views;
  ToolState tools;
  BuildContext ctx{scene, host, views, tools};
  Builder() { scene.ask = true; }
  void list(std::initializer_list<std::pair<int, int>> points) {
    tools.ClickList1.count = 0;
    for (auto [a, b] : points) tools.ClickList1.add(a, b);
  }
};

TEST(Cube, TwelveFlatFacesWithTheBackFaceBehindTheClickedOne) {
  Builder b;
  buildCube(b.ctx, {100, 100, 150}, {200, 180, 150}, 230, 220);  // depth 50
  ASSERT_EQ(b.scene.FaceCount, 12);
  ASSERT_EQ(b.scene.ObjectCount, 1);
  EXPECT_FLOAT_EQ(b.scene.LastCubeDepth, 50);
  const ModelObject& o = b.scene.ObjectTable[0];
  EXPECT_FLOAT_EQ(o.min[2], 100);
  EXPECT_FLOAT_EQ(o.max[2], 150);
  EXPECT_FLOAT_EQ(o.max[1], 180);
  for (int i = 0; i < 12; ++i) EXPECT_EQ(b.scene.FaceTable[static_cast<std::size_t>(i)].smooth, 0);
  EXPECT_EQ(testing::facesTowardCentre(b.scene, 0), 0) << "oriented outward";
}

TEST(Sphere, StepFifteenGivesTwentyFiveSectorsAndHalfAStepUsesOne) {
  Builder b;
  buildSphere(b.ctx, 15, 300, 300, 50, 80);
  // 13 profile points: 2 * 13 - 4 = 22 faces per sector.
  EXPECT_EQ(b.scene.FaceCount, 22 * 25);
  const ModelObject& o = b.scene.ObjectTable[0];
  EXPECT_NEAR(o.max[1] - o.min[1], 160, 1e-3) << "half-height |ry|";
  EXPECT_NEAR(o.max[0] - o.min[0], 100, 1e-3) << "radius |rx| around the axis";
  Builder half;
  buildSphere(half.ctx, 0.5f, 300, 300, 50, 50);
  // The first face runs from the pole to the profile point one degree (not half) along.
  EXPECT_FLOAT_EQ(half.scene.FaceTable[0].corners[1].y,
                  static_cast<float>(300 + 50 * std::cos(kDegreeRadians)));
}

TEST(Tube, StepTwentyFiveLeavesAGapAndHalfAStepIsKept) {
  Builder b;
  buildTube(b.ctx, false, 25, {100, 50, 150}, 200, 250);
  EXPECT_EQ(b.scene.FaceCount, 2 * 14) << "sectors at 25..350 degrees";
  Builder closed;
  buildTube(closed.ctx, true, 90, {100, 50, 150}, 200, 250);
  EXPECT_EQ(closed.scene.FaceCount, 4 * 4);
  Builder half;
  buildTube(half.ctx, false, 0.5f, {100, 50, 150}, 200, 250);
  EXPECT_EQ(half.scene.FaceCount, 2 * 720);
  // The wall passes through the first click; the axis is halfway to the second click.
  const ModelObject& o = closed.scene.ObjectTable[0];
  EXPECT_NEAR(o.min[0], 100, 1e-3);
  EXPECT_NEAR(o.max[0], 200, 1e-3);
  EXPECT_NEAR(o.max[2] - o.min[2], 100, 1e-3);
  Builder zero;
  EXPECT_THROW(buildTube(zero.ctx, false, 0, {100, 50, 150}, 200, 250), RangeError);
}

TEST(PointCone, OneSectorMoreThanTheStepsWhenTheStepDividesTheCircle) {
  Builder b;
  buildPointCone(b.ctx, true, 90, {100, 50, 150}, 150, 200);
  EXPECT_EQ(b.scene.FaceCount, 2 * 5);
}

TEST(MultiSurface, StepFifteenGivesFourHundredFiftyFaces) {
  Builder b;
  b.tools.DegreeStep = 15;
  berglandschap(b.ctx, {0, 0, 150}, 150, 300);
  EXPECT_EQ(b.scene.FaceCount, 450);
  const Face& last = b.scene.FaceTable[449];
  EXPECT_FLOAT_EQ(last.corners[1].x, 150);
  EXPECT_FLOAT_EQ(last.corners[1].y, 300);
}

TEST(Triangle, SnapsReplaceWholeCornersAndEmptySceneKeepsTheClicks) {
  Builder b;
  std::array<std::optional<FaceCorner>, 3> snaps{};
  driehoek(b.ctx, {1, 2, 150}, {30, 2, 150}, {1, 40, 150}, snaps);
  EXPECT_FLOAT_EQ(b.scene.FaceTable[0].corners[1].x, 30);
  EXPECT_FALSE(nearestCorner(Scene{}, b.views, View::Front, 1, 1).has_value());
  // The nearest corner weighs the depth difference by a tenth.
  auto near = nearestCorner(b.scene, b.views, View::Front, 29, 3);
  ASSERT_TRUE(near.has_value());
  EXPECT_FLOAT_EQ(near->x, 30);
  near->u = 77;
  snaps[0] = near;
  driehoek(b.ctx, {500, 500, 150}, {600, 500, 150}, {500, 600, 150}, snaps);
  EXPECT_FLOAT_EQ(b.scene.FaceTable[1].corners[0].x, 30);
  EXPECT_FLOAT_EQ(b.scene.FaceTable[1].corners[0].u, 77);
}

TEST(Polygon, LastClickNearTheFirstIsNotClosedByAnExtraPoint) {
  // A square whose last click lies within 2 of the first in x: no closing point, so the
  // walls leave the last edge open (3 walls), while the fill still covers it (2 faces).
  Builder b;
  b.list({{100, 100}, {200, 100}, {200, 200}, {101, 200}});
  dichtepoly(b.ctx, true, 20);
  EXPECT_EQ(b.scene.FaceCount, 3 * 2 + 2 * 2);
  EXPECT_EQ(b.tools.ClickList1.count, 0);
  // Far from the first point in both x and y, the outline is closed by the first point
  // again: 4 walls, and the fill clips the five-point list into three triangles (the last
  // one on the repeated point has no area).
  Builder c;
  c.list({{100, 100}, {200, 100}, {200, 200}, {120, 190}});
  dichtepoly(c.ctx, true, 20);
  EXPECT_EQ(c.scene.FaceCount, 4 * 2 + 3 * 2);
  EXPECT_EQ(invariantViolation(c.scene), "");
}

TEST(Polygon, ConcaveOutlineIsFilledWithoutCrossingItsEdges) {
  Builder b;
  // An L shape: six corners and the repeated first point, five ears.
  b.list({{100, 100}, {300, 100}, {300, 150}, {150, 150}, {150, 300}, {100, 300}, {100, 100}});
  dichtepoly(b.ctx, true, -1);
  EXPECT_EQ(b.scene.FaceCount, 5);
  // No fill triangle may cover the notch at (250, 250).
  for (int i = 0; i < b.scene.FaceCount; ++i) {
    const Face& f = b.scene.FaceTable[static_cast<std::size_t>(i)];
    EXPECT_FALSE(pointInTriangleXY(f.corners[0].point(), f.corners[1].point(), f.corners[2].point(),
                                   250, 250));
  }
  Builder out;
  out.list({{100, 100}, {2000, 100}, {200, 200}});
  EXPECT_THROW(dichtepoly(out.ctx, true, 10), RangeError);
}

TEST(Sweep, MultiTubeAndRingFaceCountsAndRingKeepsClosed) {
  Builder b;
  b.tools.DegreeStep = 90;  // N = 4 section points + 1
  b.list({{100, 100}, {200, 100}, {300, 150}});
  slang(b.ctx, false, 10, 10);
  // Two joins of 2 * 4 faces, two caps of 3 + 1 faces.
  EXPECT_EQ(b.scene.FaceCount, 2 * 8 + 2 * 4);
  Builder ring;
  ring.tools.DegreeStep = 90;
  doring(ring.ctx, RingKind::Ring, {300, 300, 150}, {250, 250, 150}, 240, 245);
  EXPECT_TRUE(ring.tools.closedar);
  // Path: the start point and t = 360, 270, 180, 90 -> 5 points, 4 joins and the loop.
  EXPECT_EQ(ring.scene.FaceCount, 5 * 8);
}

TEST(EllipsePath, CircleRunsToZeroAndRingStopsAbove) {
  ToolState tools;
  tools.DegreeStep = 90;
  ellipsePath(tools, RingKind::Circle, 100, 100, 50, 30);
  EXPECT_EQ(tools.ClickList1.count, 6);
  EXPECT_EQ(tools.ClickList1.points[0], (std::array<std::int32_t, 2>{100, 130}));
  ellipsePath(tools, RingKind::Ring, 100, 100, 50, 30);
  EXPECT_EQ(tools.ClickList1.count, 5);
  tools.DegreeStep = 0.1f;
  ellipsePath(tools, RingKind::Circle, 100, 100, 50, 30);
  EXPECT_EQ(tools.ClickList1.count, kClickListMax) << "the list never grows beyond 999";
}

TEST(Capacity, BuilderRunningOutOfFacesLeavesAPartialObject) {
  Builder b;
  const FaceCorner c{};
  for (int i = 0; i < kMaxFaces - 5; ++i) addFace(b.scene, b.host, c, c, c);
  closeObject(b.scene, b.host, false, true);
  buildCube(b.ctx, {100, 100, 150}, {200, 180, 150}, 230, 220);
  EXPECT_EQ(b.scene.FaceCount, kMaxFaces);
  EXPECT_EQ(b.host.messages.size(), 1u);
  EXPECT_EQ(b.scene.ObjectCount, 2);
  EXPECT_EQ(invariantViolation(b.scene), "");
  buildSphere(b.ctx, 15, 300, 300, 50, 80);
  EXPECT_EQ(b.scene.FaceCount, kMaxFaces) << "a following primitive adds no faces";
}

}  // namespace
}  // namespace facetry
