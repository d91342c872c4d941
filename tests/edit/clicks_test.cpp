// Tests of the mouse path in the views: clicks through klik, remapping into the top and
// side views, right clicks, Enter and Escape, and previews that leave no trace.
#include <gtest/gtest.h>

#include "edit/previews.h"
#include "edit/tool_modes.h"
#include "edit/view_mouse.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::ScriptedHost;
using testing::TempDir;

struct Session {
  TempDir dir;  // undo snapshots go here
  Workspace ws;
  ScriptedHost host;
  Session() {
    startWorkspace(ws, 3);
    ws.scene.ask = true;
    redrawViews(ws);
  }
  void tool(std::uint8_t mode) { chooseConstructionTool(ws.tools, ws.scene, mode); }
  void click(View view, int x, int y) {
    moveInView(ws, host, view, x, y);
    clickInView(ws, host, view);
  }
  const ModelObject& last() {
    return ws.scene.ObjectTable[static_cast<std::size_t>(ws.scene.ObjectCount - 1)];
  }
};

TEST(Clicks, CubeInTheTopViewSpansXAndZWithItsDepthAlongY) {
  Session s;
  s.tool(ModeCube);
  s.click(View::Top, 100, 100);
  s.click(View::Top, 200, 200);
  EXPECT_EQ(s.ws.scene.FaceCount, 0) << "nothing is added before the last click";
  s.click(View::Top, 250, 200);
  ASSERT_EQ(s.ws.scene.ObjectCount, 1);
  const ModelObject& o = s.last();
  EXPECT_FLOAT_EQ(o.min[0], 100);
  EXPECT_FLOAT_EQ(o.max[0], 200);
  EXPECT_FLOAT_EQ(o.min[2], 100);
  EXPECT_FLOAT_EQ(o.max[2], 200);
  EXPECT_FLOAT_EQ(o.max[1], 150) << "the clicked face lies at the centre's y";
  EXPECT_FLOAT_EQ(o.min[1], 100);
  EXPECT_EQ(testing::facesTowardCentre(s.ws.scene, 0), 0) << "still outward after the turn";
  EXPECT_TRUE(s.ws.scene.ModifiedFlag) << "the construction took a snapshot";
}

TEST(Clicks, TubeAxisFollowsTheView) {
  Session front;
  front.tool(ModeTube);
  front.click(View::Front, 100, 50);
  front.click(View::Front, 200, 250);
  const ModelObject& a = front.last();
  EXPECT_NEAR(a.max[1] - a.min[1], 200, 1e-3) << "front view: the axis runs along y";
  Session top;
  top.tool(ModeTube);
  top.click(View::Top, 100, 50);
  top.click(View::Top, 200, 250);
  const ModelObject& b = top.last();
  EXPECT_NEAR(b.max[2] - b.min[2], 200, 1e-3) << "top view: the axis runs along z";
  EXPECT_NEAR(b.max[1] - b.min[1], 100, 1e-2);
}

TEST(Clicks, EscapeAfterTwoCubeClicksAddsNothingAndTheNextClickStartsAfresh) {
  Session s;
  s.tool(ModeCube);
  s.click(View::Front, 100, 100);
  s.click(View::Front, 200, 200);
  escapeKey(s.ws);
  s.click(View::Front, 300, 300);
  EXPECT_EQ(s.ws.scene.FaceCount, 0);
  s.click(View::Front, 400, 400);
  s.click(View::Front, 400, 450);
  ASSERT_EQ(s.ws.scene.ObjectCount, 1);
  EXPECT_FLOAT_EQ(s.last().min[0], 300);
}

TEST(Clicks, PolygonNeedsThreePointsBeforeARightClickEndsIt) {
  Session s;
  s.tool(ModePolygon);
  s.click(View::Front, 100, 100);
  s.click(View::Front, 200, 100);
  pressInView(s.ws, s.host, View::Front, 200, 100, MouseButton::Right);
  EXPECT_EQ(s.ws.tools.ClickStage, 1) << "two points do not end the list";
  s.click(View::Front, 200, 200);
  EXPECT_EQ(s.ws.tools.ClickList1.count, 3);
  pressInView(s.ws, s.host, View::Front, 200, 200, MouseButton::Right);
  EXPECT_EQ(s.ws.tools.ClickStage, 2);
  s.click(View::Front, 200, 230);  // depth 30
  ASSERT_EQ(s.ws.scene.ObjectCount, 1);
  EXPECT_NEAR(s.last().max[2] - s.last().min[2], 30, 1e-3);
  EXPECT_EQ(s.ws.views.CentrePoint.x, 230) << "a pending list keeps the centre";
}

TEST(Clicks, RightClickWithoutAListMovesTheCentreAndTheDepthOfTheNextConstruction) {
  Session s;
  pressInView(s.ws, s.host, View::Top, 300, 120, MouseButton::Right);
  EXPECT_EQ(s.ws.views.CentrePoint.x, 300);
  EXPECT_EQ(s.ws.views.CentrePoint.z, 120);
  s.tool(ModeMultiSurface);
  s.ws.tools.DegreeStep = 2;
  s.click(View::Front, 10, 10);
  s.click(View::Front, 50, 50);
  EXPECT_FLOAT_EQ(s.last().min[2], 120);
}

TEST(Clicks, EnterClicksInTheViewTheMouseLastMovedOver) {
  Session s;
  s.tool(ModeSphere);
  moveInView(s.ws, s.host, View::Side, 300, 300);
  enterKey(s.ws, s.host);
  moveInView(s.ws, s.host, View::Side, 340, 360);
  enterKey(s.ws, s.host);
  ASSERT_EQ(s.ws.scene.ObjectCount, 1);
  // Centre (z, y) = (300, 300) in the side view; radius 40 around the vertical axis and
  // half-height 60 along it.
  const ModelObject& o = s.last();
  EXPECT_NEAR((o.max[2] + o.min[2]) / 2, 300, 1e-2);
  EXPECT_NEAR(o.max[0] - o.min[0], 80, 1e-2);
  EXPECT_NEAR(o.max[1] - o.min[1], 120, 1e-2);
}

TEST(Clicks, ClickListStopsCountingAt999) {
  Session s;
  s.tool(ModePolygon);
  for (int i = 0; i < 1005; ++i) s.ws.tools.ClickList1.add(i % 500, i / 500);
  EXPECT_EQ(s.ws.tools.ClickList1.count, kClickListMax);
  EXPECT_EQ(s.ws.tools.ClickList1.points[999][0], 1004 % 500);
}

TEST(Previews, DrawnAndErasedRestoreEveryPixel) {
  Session s;
  s.ws.tools.DegreeStep = 30;
  std::array<std::vector<std::uint8_t>, 3> before;
  auto snapshot = [&] {
    std::array<std::vector<std::uint8_t>, 3> images;
    for (std::size_t v = 0; v < 3; ++v) {
      const Canvas& c = s.ws.frame.images[v];
      images[v].assign(c.data(), c.data() + c.stride() * c.height());
    }
    return images;
  };
  for (std::uint8_t mode : {ModeCube, ModeSphere, ModePolygon, ModeRing}) {
    s.tool(mode);
    s.click(View::Front, 200, 200);
    if (mode == ModeCube) s.click(View::Front, 300, 260);
    const auto mouse = s.ws.views.MousePosition[0];
    erasePreview(s.ws);
    before = snapshot();
    for (int step = 0; step < 12; ++step) {
      moveInView(s.ws, s.host, viewNumbered(step % 3 + 1), 250 + 7 * step, 280 - 5 * step);
    }
    moveInView(s.ws, s.host, View::Front, static_cast<int>(mouse[0]), static_cast<int>(mouse[1]));
    erasePreview(s.ws);
    const auto after = snapshot();
    // The front view's cross is back where it was; the others' crosses moved, so compare
    // the front image only.
    EXPECT_EQ(after[0], before[0]) << "mode " << int(mode);
    escapeKey(s.ws);
  }
}

}  // namespace
}  // namespace facetry
