// Tests of the free curves: evaluation, drawing them through the view mouse, editing a
// control point, connecting and the array round a centre.
#include <gtest/gtest.h>

#include <filesystem>

#include "edit/view_mouse.h"
#include "ops/array_curve_tools.h"
#include "ops/modelling_tools.h"
#include "ops/nurb_curves.h"
#include "ops/tool_session.h"
#include "scene/scratch_files.h"
#include "support/scene_checks.h"

namespace facetry {
namespace {

NurbSurface curveOf(std::initializer_list<Point3> points) {
  NurbSurface s;
  for (const Point3& p : points) {
    s.points[s.count].setPoint(p);
    ++s.count;
  }
  return s;
}

struct Session : testing::ToolSession {
  void click(View view, int x, int y) {
    moveInView(ws, host, view, x, y);
    clickInView(ws, host, view);
  }
  void right(View view, int x, int y) { pressInView(ws, host, view, x, y, MouseButton::Right); }
  void addCurve(const NurbSurface& curve) { ws.scene.surface(ws.scene.NurbCount++) = curve; }
};

TEST(CurvePoints, FourControlPointsGiveOneSpanEndingAtTheBasisAverage) {
  const NurbSurface c = curveOf({{0, 0, 0}, {60, 12, 6}, {120, 30, -60}, {180, 91, 37}});
  std::vector<CurvePoint> points;
  curvePoints(c, 4, points);
  ASSERT_EQ(points.size(), 4u);
  // t = 1: (P1 + 4 P2 + P3) / 6 = (120, 37.17, -32.83), rounded.
  EXPECT_EQ(points.back(), (CurvePoint{120, 37, -33}));
  // Fewer than 4 control points: no curve points; the list stops at 501.
  std::vector<CurvePoint> none;
  curvePoints(curveOf({{0, 0, 0}, {1, 1, 1}, {2, 2, 2}}), 4, none);
  EXPECT_TRUE(none.empty());
  NurbSurface long_curve;
  for (int i = 0; i < kMaxSurfacePoints; ++i) long_curve.points[i].setPoint({float(i), 0, 0});
  long_curve.count = kMaxSurfacePoints;
  std::vector<CurvePoint> many;
  curvePoints(long_curve, 20, many);
  EXPECT_EQ(many.size(), 501u);
}

TEST(CurveTools, ClicksDrawCurvesARightClickStartsTheNextAndDrawNurbKeepsAnUnfinishedOne) {
  Session s;
  drawNurb(s.ws);
  s.click(View::Front, 10, 20);
  s.click(View::Top, 30, 40);  // top: x and z from the click, y from the centre
  ASSERT_EQ(s.ws.scene.NurbCount, 1);
  const NurbSurface& first = s.ws.scene.surface(0);
  ASSERT_EQ(first.count, 2);
  EXPECT_FLOAT_EQ(first.points[1].x, 30);
  EXPECT_FLOAT_EQ(first.points[1].y, s.ws.views.CentrePoint.y);
  EXPECT_FLOAT_EQ(first.points[1].z, 40);
  EXPECT_EQ(s.ws.scene.FaceCount, 0) << "curve clicks are not remapped faces";
  s.right(View::Front, 0, 0);
  EXPECT_EQ(s.ws.scene.NurbCount, 2);
  s.click(View::Front, 50, 50);
  drawNurb(s.ws);  // the curve being drawn keeps its point
  EXPECT_EQ(s.ws.scene.surface(1).count, 1);
  EXPECT_EQ(s.ws.scene.NurbCount, 3);
}

TEST(CurveTools, EditGrabsTheNearestSelectedPointAndDragsItInTheView) {
  Session s;
  s.addCurve(curveOf({{10, 10, 0}, {50, 50, 0}}));
  s.addCurve(curveOf({{52, 52, 0}}));
  s.ws.scene.surface(0).points[1].selected = 1;
  editNurbPoints(s.ws);
  s.ws.settings.GridStep = 1;
  pressInView(s.ws, s.host, View::Front, 53, 53, MouseButton::Left);
  moveInView(s.ws, s.host, View::Front, 70, 80);
  EXPECT_FLOAT_EQ(s.ws.scene.surface(0).points[1].x, 70) << "the unselected nearer point is passed";
  EXPECT_FLOAT_EQ(s.ws.scene.surface(0).points[1].y, 80);
  releaseInView(s.ws, s.host, View::Front);
  moveInView(s.ws, s.host, View::Front, 90, 90);
  EXPECT_FLOAT_EQ(s.ws.scene.surface(0).points[1].x, 70) << "let go on release";
}

TEST(CurveConnect, TwoCurvesOfMPointsGiveTwoTimesMMinusOneTimesCFaces) {
  Session s;
  s.addCurve(curveOf({{0, 0, 0}, {0, 40, 0}, {0, 80, 0}, {0, 120, 0}, {0, 160, 0}}));
  s.addCurve(curveOf({{90, 0, 0}, {90, 40, 0}, {90, 80, 0}, {90, 120, 0}, {90, 160, 0}}));
  s.ws.array_curves.curves.connect_resolution = 3;
  int asked = 0;
  s.ws.array_curves.askCurveResolution = [&] { return ++asked > 0; };
  ASSERT_TRUE(connectAllNurbs(s.ws, s.host));
  const int m = 2 * 4;  // two spans of four points each
  EXPECT_EQ(s.ws.scene.FaceCount, 2 * (m - 1) * 3);
  EXPECT_EQ(s.ws.scene.ObjectCount, 1);
  EXPECT_EQ(asked, 1);
  EXPECT_EQ(testing::invariantViolation(s.ws.scene), "");
  EXPECT_EQ(s.ws.scene.NurbCount, 2) << "the curves stay";
  deleteAllNurbs(s.ws);
  EXPECT_EQ(s.ws.scene.NurbCount, 0);
  EXPECT_EQ(s.ws.scene.FaceCount, 2 * (m - 1) * 3) << "connected faces stay";
}

TEST(CurveConnect, ShortCurvesAreLeftOutAndACancelledDialogAddsNothing) {
  Session s;
  s.addCurve(curveOf({{0, 0, 0}, {0, 40, 0}, {0, 80, 0}, {0, 120, 0}}));
  s.addCurve(curveOf({{50, 0, 0}, {50, 40, 0}}));  // two points: no curve points
  s.addCurve(curveOf({{90, 0, 0}, {90, 40, 0}, {90, 80, 0}, {90, 120, 0}, {90, 160, 0}}));
  ASSERT_TRUE(connectAllNurbs(s.ws, s.host));
  EXPECT_EQ(s.ws.scene.FaceCount, 0);
  EXPECT_NE(s.ws.array_curves.status.find("2"), std::string::npos) << s.ws.array_curves.status;

  s.ws.array_curves.askCurveResolution = [] { return false; };
  s.ws.scene.surface(1) = curveOf({{50, 0, 0}, {50, 40, 0}, {50, 80, 0}, {50, 120, 0}});
  connectAllNurbs(s.ws, s.host);
  EXPECT_EQ(s.ws.scene.FaceCount, 0);
  EXPECT_TRUE(std::filesystem::exists(kUndoFile)) << "the snapshot comes before the question";

  // Individual: two picks of different curves connect them (unequal counts resampled).
  s.ws.array_curves.askCurveResolution = nullptr;
  connectIndividualNurbs(s.ws);
  s.click(View::Front, 1, 1);
  EXPECT_EQ(s.ws.scene.FaceCount, 0);
  s.click(View::Front, 89, 159);
  EXPECT_EQ(s.ws.scene.FaceCount, 2 * (8 - 1));
}

TEST(CurveArray, StepNinetyAddsFourCurvesTheLastOnTheOriginal) {
  Session s;
  s.addCurve(curveOf({{100, 10, 150}, {120, 20, 150}, {140, 30, 150}}));
  s.addCurve(curveOf({{0, 0, 0}}));  // unselected: not copied
  s.addCurve(NurbSurface{});         // a trailing empty slot is dropped
  s.ws.scene.surface(0).points[0].selected = 1;
  s.ws.tools.DegreeStep = 90;
  chooseNurbArray(s.ws, ModeNurbArrayX);
  s.click(View::Front, 100, 100);  // centre (100, 100) in the x-y plane
  const Scene& scene = s.ws.scene;
  ASSERT_EQ(scene.NurbCount, 2 + 4);
  EXPECT_EQ(s.ws.tools.ToolMode, ModeNone);
  const NurbSurface& fourth = scene.NurbTable[5];
  for (int j = 0; j < 3; ++j) {
    EXPECT_NEAR(fourth.points[j].x, scene.NurbTable[0].points[j].x, 1e-3);
    EXPECT_NEAR(fourth.points[j].y, scene.NurbTable[0].points[j].y, 1e-3);
    EXPECT_EQ(fourth.points[j].selected, 0);
  }
  EXPECT_NEAR(scene.NurbTable[3].points[0].x, 100, 1e-3) << "half way round";
  EXPECT_NEAR(scene.NurbTable[3].points[0].y, 190, 1e-3);
}

TEST(CurveDrawing, CurvesAreDrawnInEveryRedraw) {
  Session s;
  s.addCurve(curveOf({{100, 100, 150}, {200, 100, 150}, {200, 200, 150}, {100, 200, 150}}));
  redraw(s.ws);
  const Canvas& front = s.ws.frame.images[0];
  EXPECT_EQ(front.pixel(150, 100), (Rgb{128, 128, 128})) << "the control polygon";
  EXPECT_EQ(front.pixel(102, 102), (Rgb{128, 128, 128})) << "the mark round a control point";
  // A control point far outside the views is clipped away, not walked pixel by pixel.
  s.addCurve(curveOf({{100, 300, 150}, {1e9f, 300, 150}}));
  EXPECT_NO_THROW(redraw(s.ws));
  EXPECT_EQ(s.ws.frame.images[0].pixel(300, 300), (Rgb{128, 128, 128}));
}

}  // namespace
}  // namespace facetry
