// Tests of zooming about the mouse, the zoom steps, fit all and the status line's texts.
#include <gtest/gtest.h>

#include "edit/tool_prompts.h"
#include "edit/view_navigation.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "workspace.h"

namespace facetry {
namespace {

using testing::ScriptedHost;

struct Scene3 {
  Workspace ws;
  ScriptedHost host;
  Scene3() { startWorkspace(ws, 3); }
  void box(float x, float y, float z, float size) {
    testing::addBoxObject(ws.scene, host, x, y, z, size, "Box");
  }
};

TEST(ZoomSteps, FollowTheMenuThenGoByAQuarterAndStopAtTheEnds) {
  EXPECT_DOUBLE_EQ(nextZoomStep(100, +1), 125);
  EXPECT_DOUBLE_EQ(nextZoomStep(100, -1), 75);
  EXPECT_DOUBLE_EQ(nextZoomStep(110, +1), 125);  // off the menu: the next entry
  EXPECT_DOUBLE_EQ(nextZoomStep(110, -1), 100);
  EXPECT_DOUBLE_EQ(nextZoomStep(400, +1), 500);
  EXPECT_DOUBLE_EQ(nextZoomStep(25, -1), 20);
  EXPECT_DOUBLE_EQ(nextZoomStep(1600, +1), 1600);
  EXPECT_DOUBLE_EQ(nextZoomStep(5, -1), 5);
}

TEST(ZoomAboutPoint, KeepsThePointUnderTheMouseAndScalesLikeSetZoom) {
  Scene3 s;
  s.box(300, 200, 150, 20);  // corner (300, 200) in the front view
  s.ws.views.ScrollX[0] = 100;
  s.ws.views.ScrollY[0] = 100;
  const float before_x = s.ws.scene.face(0).corners[0].x;
  // The mouse over the box's corner: after zooming, it is still under the mouse.
  zoomAboutPoint(s.ws.scene, s.ws.views, View::Front, 300, 200, 200);
  EXPECT_DOUBLE_EQ(s.ws.views.ZoomPercent, 200);
  const float after_x = s.ws.scene.face(0).corners[0].x;
  EXPECT_FLOAT_EQ(after_x, 230 + 2 * (before_x - 230));  // setZoom's rule about the centre
  EXPECT_EQ(s.ws.views.ScrollX[0], 100 + (370 - 300));
  EXPECT_EQ(s.ws.views.ScrollY[0], 100 + (250 - 200));
  EXPECT_EQ(s.ws.views.ScrollX[1], 0);  // the other views keep theirs
  // Zooming back brings both the coordinates and the scroll position back.
  zoomAboutPoint(s.ws.scene, s.ws.views, View::Front, 370, 250, 100);
  EXPECT_NEAR(s.ws.scene.face(0).corners[0].x, before_x, 1e-3);
  EXPECT_EQ(s.ws.views.ScrollX[0], 100);
  // The scroll bars' ends hold: zooming out near the far edge cannot scroll below 0.
  zoomAboutPoint(s.ws.scene, s.ws.views, View::Front, 800, 800, 25);
  EXPECT_EQ(s.ws.views.ScrollX[0], 0);
  EXPECT_EQ(s.ws.views.ScrollY[0], 0);
}

TEST(FitAll, ShowsEveryCornerInEveryShownViewAndIgnoresAnEmptyScene) {
  Scene3 s;
  const std::array<ViewWindow, 3> windows{{{380, 300, true}, {380, 300, true}, {380, 300, true}}};
  EXPECT_FALSE(fitAll(s.ws.scene, s.ws.views, windows));
  EXPECT_DOUBLE_EQ(s.ws.views.ZoomPercent, 100);

  s.box(200, 120, 180, 40);
  s.box(280, 190, 100, 10);
  ASSERT_TRUE(fitAll(s.ws.scene, s.ws.views, windows));
  const double zoom = s.ws.views.ZoomPercent;
  EXPECT_GT(zoom, 200);  // a small scene is zoomed in
  auto allVisible = [&](const std::array<ViewWindow, 3>& w) {
    for (View view : kViews) {
      const auto i = static_cast<std::size_t>(viewIndex(view));
      if (!w[i].shown) continue;
      for (int f = 0; f < s.ws.scene.FaceCount; ++f) {
        for (const FaceCorner& c : s.ws.scene.face(f).corners) {
          const ViewPosition p = toView(view, c);
          if (p.column < s.ws.views.ScrollX[i] || p.column > s.ws.views.ScrollX[i] + w[i].width ||
              p.row < s.ws.views.ScrollY[i] || p.row > s.ws.views.ScrollY[i] + w[i].height) {
            return false;
          }
        }
      }
    }
    return true;
  };
  EXPECT_TRUE(allVisible(windows));
  // The only-front layout fits the front view alone.
  std::array<ViewWindow, 3> only_front = windows;
  only_front[1].shown = only_front[2].shown = false;
  s.ws.views.ScrollX[1] = 7;
  ASSERT_TRUE(fitAll(s.ws.scene, s.ws.views, only_front));
  EXPECT_TRUE(allVisible(only_front));
  EXPECT_EQ(s.ws.views.ScrollX[1], 7);  // hidden views keep their scroll
  // A scene far larger than the views is zoomed out until it fits.
  s.box(-2000, -2000, 2000, 4000);
  ASSERT_TRUE(fitAll(s.ws.scene, s.ws.views, windows));
  EXPECT_LT(s.ws.views.ZoomPercent, zoom / 4);
  EXPECT_TRUE(allVisible(windows));
}

TEST(ToolPrompts, FollowTheClicksOfEachTool) {
  ToolState t;
  EXPECT_EQ(toolPrompt(t), "Select: click an object (Shift adds, Ctrl toggles)");
  t.ToolMode = ModeCube;
  EXPECT_EQ(toolPrompt(t), "Cube: click the first corner");
  t.ClickStage = 1;
  EXPECT_EQ(toolPrompt(t), "Cube: click the opposite corner");
  t.ClickStage = 2;
  EXPECT_EQ(toolPrompt(t), "Cube: click the depth");
  t.ToolMode = ModeSphere;
  t.ClickStage = 1;
  EXPECT_EQ(toolPrompt(t), "Sphere: click the radius");
  t.ToolMode = ModePolygon;
  t.ClickStage = 2;
  EXPECT_EQ(toolPrompt(t), "Polygon: click to finish");
  t.ToolMode = ModeNone;
  t.flags.moveOn = true;
  EXPECT_EQ(toolPrompt(t), "Move: drag the selection");
  // Escape leaves a tool only when nothing of it is begun.
  EXPECT_FALSE(toolIsIdle(t));
  t.flags.moveOn = false;
  t.ClickStage = 0;
  EXPECT_TRUE(toolIsIdle(t));
  t.ClickList1.add(1, 2);
  EXPECT_FALSE(toolIsIdle(t));
}

TEST(StatusTexts, GiveThePositionInModelUnitsAndTheCounts) {
  Scene3 s;
  s.ws.settings.ScaleFactor = 2;
  EXPECT_EQ(mousePosition(s.ws.settings, View::Top, 100, 41), "x: 50  z: 20");
  EXPECT_EQ(mousePosition(s.ws.settings, View::Side, 10, 20), "z: 5  y: 10");
  s.box(200, 120, 180, 40);
  s.ws.scene.object(0).selected = 1;
  EXPECT_EQ(sceneSummary(s.ws.scene, s.ws.views, s.ws.tools),
            "Zoom: 100 %   Faces: 12   Objects: 1   Selected: 1 object");
  s.ws.tools.selectfaces = true;
  EXPECT_EQ(sceneSummary(s.ws.scene, s.ws.views, s.ws.tools),
            "Zoom: 100 %   Faces: 12   Objects: 1   Selected: 0 faces");
}

}  // namespace
}  // namespace facetry
