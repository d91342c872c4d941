// Tests of the Poly creator's model: the curve tools, resampling, the loft with its
// turning and caps, the resolution box and "Ok".
#include <gtest/gtest.h>

#include <cmath>

#include "editors/poly_creator.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"

namespace facetry {
namespace {

using testing::invariantViolation;
using testing::ScriptedHost;

PolyLine2D line(std::initializer_list<std::pair<int, int>> points) {
  PolyLine2D l;
  for (auto [x, y] : points) l.push_back({x, y, 0, 0});
  return l;
}

struct PolyRun {
  Workspace ws;
  ScriptedHost host;
  PolyCreator pc;
  PolyRun() {
    startWorkspace(ws, 1);
    ws.scene.ask = true;
    openPolyCreator(pc, ws);
  }
  void click(PolyImage image, int x, int y) {
    polyMouseDown(pc, image, x, y, PolyButton::Left);
    polyMouseUp(pc, image);
  }
};

TEST(PolyCreator, ResamplingInsertsEvenlyPerSegmentAndAnEmptyPolygonCopiesTheOther) {
  PolyLine2D front, back = line({{0, 0}, {30, 0}, {60, 0}, {90, 0}});
  for (int i = 0; i < 10; ++i) front.push_back({i, 5, 0, 0});
  resamplePolygons(front, back);
  ASSERT_EQ(back.size(), 10u);
  // e = 6 to insert, ceiling(6 / 3) = 2 per segment: 2, 2 and 2.
  for (int i = 0; i < 10; ++i) EXPECT_EQ(back[static_cast<std::size_t>(i)].x, 10 * i) << i;

  // e = 3, ceiling(3 / 2) = 2: two in the first segment, the last one in the second.
  PolyLine2D six = line({{0, 0}, {1, 0}, {2, 0}, {3, 0}, {4, 0}, {5, 0}});
  PolyLine2D three = line({{0, 0}, {30, 0}, {60, 0}});
  resamplePolygons(six, three);
  EXPECT_EQ(three, line({{0, 0}, {10, 0}, {20, 0}, {30, 0}, {40, 0}, {60, 0}}));

  PolyLine2D empty;
  resamplePolygons(empty, six);
  EXPECT_EQ(empty, six);
}

TEST(PolyCreator, CurveToolsAppendTheirPoints) {
  PolyLine2D curve;
  appendBezier(curve, 20, {10, 10}, {11, 11}, {12, 10}, {10, 12});  // all within 2 units
  EXPECT_EQ(curve, line({{10, 10}}));
  appendBezier(curve, 20, {10, 10}, {90, 10}, {30, 60}, {70, 60});
  EXPECT_GT(curve.size(), 10u);
  EXPECT_EQ(curve.back(), (PolyPoint{90, 10, 0, 0}));

  PolyRun run;
  choosePolyTool(run.pc, PolyTool::Circle);
  // The centre at x = 0 is a centre like any other, not the lack of one.
  run.click(PolyImage::Front, 0, 150);
  run.click(PolyImage::Front, 30, 120);
  const PolyLine2D& circle = run.pc.lines[0];
  ASSERT_EQ(circle.size(), 22u);
  EXPECT_EQ(circle.front(), (PolyPoint{0, 120, 0, 0}));  // (centre.x, centre.y + dy)
  EXPECT_EQ(circle.back(), circle.front());
  EXPECT_EQ(circle[6].x, 30 * -1 + 0);  // 270 degrees: sin -1 times dx 30
}

TEST(PolyCreator, ResolutionBelowTwoOrNotANumberIsRefused) {
  PolyRun run;
  for (const char* text : {"1", "0", "-3", "-", "", "12a"}) {
    EXPECT_FALSE(setPolyResolution(run.pc, run.host, text)) << text;
  }
  EXPECT_EQ(run.host.messages.size(), 6u);
  EXPECT_EQ(run.pc.resolution, 20);
  EXPECT_TRUE(setPolyResolution(run.pc, run.host, "12345678"));  // cut to 6 characters
  EXPECT_EQ(run.pc.resolution, 123456);
}

TEST(PolyCreator, SelectDeleteAndMoveSelectionEditThePolylines) {
  PolyRun run;
  for (auto [x, y] : {std::pair{10, 10}, {50, 50}, {90, 90}}) run.click(PolyImage::Back, x, y);
  choosePolyTool(run.pc, PolyTool::Select);
  run.click(PolyImage::Back, 40, 40);
  run.click(PolyImage::Back, 60, 60);
  choosePolyTool(run.pc, PolyTool::MoveSelection);
  polyMouseDown(run.pc, PolyImage::Back, 0, 0, PolyButton::Left);
  polyMouseMove(run.pc, PolyImage::Back, 5, -5);
  polyMouseUp(run.pc, PolyImage::Back);
  EXPECT_EQ(run.pc.lines[1][1], (PolyPoint{55, 45, 0, 1}));
  EXPECT_EQ(run.pc.lines[1][2], (PolyPoint{90, 90, 0, 0}));
  deleteSelectedPolyPoints(run.pc);
  EXPECT_EQ(run.pc.lines[1], line({{10, 10}, {90, 90}}));
}

TEST(PolyCreator, LoftStitchesRingsAlongTheConnectionLineWithCaps) {
  PolyCreator pc;
  pc.lines[0] = line({{0, 0}, {40, 0}, {40, 40}, {0, 40}});
  pc.lines[2] = line({{0, 0}});
  Scene scene;
  ScriptedHost host;
  EXPECT_EQ(buildPolySolid(pc, scene, host), 0);  // one connection point builds nothing

  pc.lines[2] = line({{0, 0}, {100, 0}});
  EXPECT_EQ(buildPolySolid(pc, scene, host), 6);  // 3 segments, 2 faces each, no closing one
  // Corners: x = connection x, y = polygon y, z = polygon x.
  const Face& f = scene.FaceTable[0];
  EXPECT_EQ(f.corners[0].x, 100);
  EXPECT_EQ(f.corners[2].x, 0);

  Scene capped;
  pc.closed_front = pc.closed_rear = true;
  EXPECT_EQ(buildPolySolid(pc, capped, host), 6 + 2 + 2);
  Scene reversed;
  pc.outside = true;  // the other turning sense finds no ears in this square
  EXPECT_EQ(buildPolySolid(pc, reversed, host), 6);
}

TEST(PolyCreator, FollowEdgeTurnsTheCrossSectionWithTheLine) {
  PolyCreator pc;
  pc.lines[0] = line({{0, 0}, {0, 40}});
  pc.lines[2] = line({{0, 0}, {100, 0}, {100, 100}});  // along, then down
  Scene turned, straight;
  ScriptedHost host;
  buildPolySolid(pc, turned, host);
  pc.follow_edge = false;
  buildPolySolid(pc, straight, host);
  // The last ring: without turning it stands across y at x = 100; turned by 90 degrees it
  // lies along x.
  const Face& s = straight.FaceTable[3];  // (this[0], this[1], previous[1])
  EXPECT_EQ(s.corners[0].x, 100);
  EXPECT_EQ(s.corners[1].x, 100);
  const Face& t = turned.FaceTable[3];
  EXPECT_NEAR(std::abs(t.corners[0].x - t.corners[1].x), 40, 1e-3);
}

TEST(PolyCreator, OkAddsOneSelectedCentredObjectAndNothingWhenNothingIsBuilt) {
  PolyRun run;
  testing::addBoxObject(run.ws.scene, run.host, 0, 0, 0, 10, "box");
  const Scene before = run.ws.scene;
  run.click(PolyImage::Front, 10, 10);
  run.click(PolyImage::Front, 60, 10);
  run.click(PolyImage::Connection, 0, 0);
  tekenen(run.pc, run.ws);
  EXPECT_EQ(run.ws.scene.FaceCount, before.FaceCount);  // the preview leaves no faces
  EXPECT_EQ(polyOk(run.pc, run.ws, run.host), -1);
  EXPECT_EQ(run.ws.scene.ObjectCount, 1);
  EXPECT_EQ(run.ws.scene.ObjectTable[0].selected, before.ObjectTable[0].selected);
  EXPECT_EQ(run.ws.scene.FaceTable[0].corners[0].x, before.FaceTable[0].corners[0].x);
  EXPECT_FALSE(run.pc.open);

  openPolyCreator(run.pc, run.ws);
  EXPECT_TRUE(run.pc.lines[0].empty());
  run.click(PolyImage::Front, 10, 10);
  run.click(PolyImage::Front, 60, 10);
  run.click(PolyImage::Connection, 0, 0);
  run.click(PolyImage::Connection, 80, 0);
  ASSERT_EQ(polyOk(run.pc, run.ws, run.host), 1);
  const ModelObject& o = run.ws.scene.ObjectTable[1];
  EXPECT_EQ(o.last - o.first + 1, 2);
  EXPECT_EQ(o.selected, 1);
  EXPECT_TRUE(objectFullySelected(run.ws.scene, 1));
  const Point3 c = run.ws.views.CentrePoint;
  EXPECT_NEAR(o.centre[0], c.x, 1e-3);
  EXPECT_NEAR(o.centre[1], c.y, 1e-3);
  EXPECT_NEAR(o.centre[2], c.z, 1e-3);
  EXPECT_EQ(invariantViolation(run.ws.scene), "");
  EXPECT_FALSE(run.ws.survey.poly_creator_open);
}

}  // namespace
}  // namespace facetry
