// Tests of the transform tools at the edges their rules name.
#include <gtest/gtest.h>

#include "edit/selection.h"
#include "edit/tool_buttons.h"
#include "edit/transforms.h"
#include "edit/view_mouse.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::facesTowardCentre;
using testing::ScriptedHost;

struct Bench {
  testing::TempDir dir;
  Workspace ws;
  ScriptedHost host;
  Bench() {
    startWorkspace(ws, 9);
    addBoxObject(ws.scene, host, 200, 100, 200, 100, "box");  // x 200..300, y 100..200
  }
  ModelObject bounds() {
    updateAllObjectBounds(ws.scene);
    return ws.scene.ObjectTable[0];
  }
  void drag(View view, std::initializer_list<std::pair<int, int>> path) {
    auto it = path.begin();
    moveInView(ws, host, view, it->first, it->second);
    pressInView(ws, host, view, it->first, it->second, MouseButton::Left);
    for (++it; it != path.end(); ++it) moveInView(ws, host, view, it->first, it->second);
    releaseInView(ws, host, view);
  }
};

TEST(ResizeDrag, StepsOnlyPerThreePixelsOfVerticalMovement) {
  Bench b;
  b.ws.settings.GridStep = 1;
  setObjectSelected(b.ws.scene, 0, 1);
  ASSERT_TRUE(toggleFlagTool(b.ws, FlagTool::Resize));
  b.drag(View::Front, {{400, 400}, {400, 401}, {400, 403}});  // 1 then 2 pixels
  EXPECT_FLOAT_EQ(b.bounds().max[0] - b.bounds().min[0], 100);
  b.drag(View::Front, {{400, 400}, {400, 403}});  // 3 pixels down: one step of 10 %
  EXPECT_NEAR(b.bounds().max[0] - b.bounds().min[0], 110, 1e-3);
  b.ws.settings.GridStep = 5;
  b.drag(View::Front, {{400, 400}, {400, 405}, {400, 395}});  // one grid step each way
  EXPECT_NEAR(b.bounds().max[0] - b.bounds().min[0], 110 * 1.1 * 0.9, 1e-2);
}

TEST(EnlargeReduce, DoNotRestoreTheSizeAndEmptySelectionChangesNothing) {
  Bench b;
  EXPECT_FALSE(enlargeSelection(b.ws)) << "nothing selected";
  setObjectSelected(b.ws.scene, 0, 1);
  EXPECT_TRUE(enlargeSelection(b.ws));
  EXPECT_TRUE(reduceSelection(b.ws));
  EXPECT_NEAR(b.bounds().max[1] - b.bounds().min[1], 99, 1e-3);
}

TEST(RotateDial, AllOffAndNothingSelectedChangesNothingAllOnTurnsTheScene) {
  Bench b;
  b.ws.scene.RotateAll = false;
  const Face before = b.ws.scene.FaceTable[0];
  const std::vector<int> top = dialRegionsAt(43, 41, 21, 2);
  ASSERT_EQ(top.size(), 1u);
  EXPECT_STREQ(dialRegions(43, 41)[static_cast<std::size_t>(top[0])].label, "y+");
  pressDial(b.ws, 43, 41, 21, 2);
  EXPECT_EQ(b.ws.scene.FaceTable[0].corners[0].y, before.corners[0].y);
  b.ws.scene.RotateAll = true;
  b.ws.tools.DegreeStep = 90;
  pressDial(b.ws, 43, 41, 40, 20);  // right middle: "z+", a quarter turn about y
  EXPECT_NE(b.ws.scene.FaceTable[0].corners[0].x, before.corners[0].x);
  EXPECT_TRUE(dialRegionsAt(43, 41, -5, -5).empty());
}

TEST(MirrorAndTurn, MirroredCubeIsInsideOutAndTurningRestoresIt) {
  Bench b;
  setObjectSelected(b.ws.scene, 0, 1);
  mirrorSelection(b.ws, 1);
  updateObjectBounds(b.ws.scene, 0);
  EXPECT_EQ(facesTowardCentre(b.ws.scene, 0), 12);
  EXPECT_FLOAT_EQ(b.ws.scene.ObjectTable[0].min[0], 2 * 230 - 300.f);
  turnFaces(b.ws);
  EXPECT_EQ(facesTowardCentre(b.ws.scene, 0), 0);
  mirrorSelection(b.ws, 3);
  turnFacesToCentre(b.ws);
  updateObjectBounds(b.ws.scene, 0);
  EXPECT_EQ(facesTowardCentre(b.ws.scene, 0), 0);
}

TEST(DragAlong, SingleCornerMovesTheWholeWay) {
  Bench b;
  b.ws.scene.FaceTable[0].corners[0].selected = 1;  // (200, 100, 200)
  meegetrokken(b.ws, View::Front, {200, 100, 150}, 230, 90);
  EXPECT_FLOAT_EQ(b.ws.scene.FaceTable[0].corners[0].x, 230);
  EXPECT_FLOAT_EQ(b.ws.scene.FaceTable[0].corners[0].y, 90);
  EXPECT_FLOAT_EQ(b.ws.scene.FaceTable[0].corners[0].z, 200);
}

TEST(CopyTool, CopyInTheTopViewMovesAlongXAndZOnlyAndStaysOn) {
  Bench b;
  setObjectSelected(b.ws.scene, 0, 1);
  toggleFlagTool(b.ws, FlagTool::Copy);
  auto click = [&](int x, int y) {
    moveInView(b.ws, b.host, View::Top, x, y);
    clickInView(b.ws, b.host, View::Top);
  };
  click(100, 100);
  click(150, 120);
  ASSERT_EQ(b.ws.scene.ObjectCount, 2);
  const Face& original = b.ws.scene.FaceTable[0];
  const Face& copy = b.ws.scene.FaceTable[12];
  EXPECT_FLOAT_EQ(copy.corners[0].x - original.corners[0].x, 50);
  EXPECT_FLOAT_EQ(copy.corners[0].y, original.corners[0].y);
  EXPECT_FLOAT_EQ(copy.corners[0].z - original.corners[0].z, 20);
  click(100, 100);
  click(100, 200);
  EXPECT_EQ(b.ws.scene.ObjectCount, 3) << "the copy tool stays on";
}

TEST(ResizeRectangle, SideViewLeavesXAndScalesToTheClicks) {
  Bench b;
  setObjectSelected(b.ws.scene, 0, 1);
  doresvierkant(b.ws, View::Side, {400, 300, 0}, 450, 500);  // z 400..450, y 300..500
  const ModelObject o = b.bounds();
  EXPECT_FLOAT_EQ(o.min[0], 200);
  EXPECT_FLOAT_EQ(o.max[0], 300);
  EXPECT_NEAR(o.min[2], 400, 1e-3);
  EXPECT_NEAR(o.max[2], 450, 1e-3);
  EXPECT_NEAR(o.min[1], 300, 1e-3);
  EXPECT_NEAR(o.max[1], 500, 1e-3);
}

TEST(MoveDrag, MovesFlaggedCornersOfSelectedObjectsAlongTheViewAxes) {
  Bench b;
  b.ws.settings.GridStep = 1;
  setObjectSelected(b.ws.scene, 0, 1);
  toggleFlagTool(b.ws, FlagTool::Move);
  b.drag(View::Side, {{100, 100}, {110, 105}, {130, 120}});
  const ModelObject o = b.bounds();
  EXPECT_FLOAT_EQ(o.min[2], 100 + 30);  // side view columns are z
  EXPECT_FLOAT_EQ(o.min[1], 100 + 20);
  EXPECT_FLOAT_EQ(o.min[0], 200);
  EXPECT_TRUE(b.ws.scene.ModifiedFlag) << "the press took a snapshot";
}

}  // namespace
}  // namespace facetry
