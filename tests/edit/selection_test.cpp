// Tests of selection: rectangles on and off in object and point mode, picks by depth,
// menus, names and colours.
#include <gtest/gtest.h>

#include "edit/selection.h"
#include "edit/tool_modes.h"
#include "edit/view_mouse.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::ScriptedHost;

// Two boxes side by side: "a" at x 100..150, "b" at x 300..350; both y 100..150, z 100..150.
struct Scene2 {
  testing::TempDir dir;
  Workspace ws;
  ScriptedHost host;
  Scene2() {
    startWorkspace(ws, 5);
    addBoxObject(ws.scene, host, 100, 100, 150, 50, "a");
    addBoxObject(ws.scene, host, 300, 100, 150, 50, "b");
  }
  int selectedCorners(int k) {
    const ModelObject& o = ws.scene.ObjectTable[static_cast<std::size_t>(k)];
    int n = 0;
    for (int i = o.first; i <= o.last; ++i) {
      for (const auto& c : ws.scene.FaceTable[static_cast<std::size_t>(i)].corners) n += c.selected;
    }
    return n;
  }
  void click(View view, int x, int y) {
    moveInView(ws, host, view, x, y);
    clickInView(ws, host, view);
  }
};

TEST(RectangleSelection, OffDeselectsWholeObjectsButOnlyEnclosedPoints) {
  Scene2 s;
  selectAll(s.ws.scene);
  // A rectangle over the left half of box "a" in the front view, with "off".
  doselectvierkant(s.ws.scene, View::Front, 90, 90, 120, 160, 0);
  EXPECT_EQ(s.ws.scene.ObjectTable[0].selected, 0);
  EXPECT_EQ(s.selectedCorners(0), 0) << "object mode clears the whole object";
  EXPECT_EQ(s.selectedCorners(1), 36);
  selectAll(s.ws.scene);
  doselectvierkantpoints(s.ws.scene, View::Front, 90, 90, 120, 160, 0);
  EXPECT_EQ(s.ws.scene.ObjectTable[0].selected, 1) << "faces with a corner left stay";
  const int left = s.selectedCorners(0);
  EXPECT_GT(left, 0);
  EXPECT_LT(left, 36);
  // Every corner at x = 100 is off, every corner at x = 150 still on.
  for (int i = 0; i < 12; ++i) {
    for (const auto& c : s.ws.scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      EXPECT_EQ(c.selected, c.x > 120 ? 1 : 0);
    }
  }
}

TEST(RectangleSelection, ObjectRectangleResetsPartialPointSelection) {
  Scene2 s;
  s.ws.scene.FaceTable[3].corners[1].selected = 1;
  s.ws.scene.FaceTable[3].selected = 1;
  doselectvierkant(s.ws.scene, View::Front, 290, 90, 360, 160, 1);  // over "b" only
  EXPECT_EQ(s.selectedCorners(0), 0) << "object a's stray point follows its flag";
  EXPECT_EQ(s.selectedCorners(1), 36);
}

TEST(RectangleSelection, FirstClickAtColumnZeroIsNotTakenAsStarted) {
  Scene2 s;
  Points1Click(s.ws.tools, s.ws.scene);
  s.ws.tools.selectpoints = false;  // objects
  s.click(View::Front, 0, 50);
  s.click(View::Front, 200, 200);  // taken as a new first click
  EXPECT_EQ(s.ws.scene.ObjectTable[0].selected, 0);
  s.click(View::Front, 90, 90);
  EXPECT_EQ(s.ws.scene.ObjectTable[0].selected, 1) << "rectangle (200,200)-(90,90) holds a";
  EXPECT_EQ(s.ws.scene.ObjectTable[1].selected, 0);
}

TEST(Picks, ObjectNearestToTheCentreDepthWinsAndFacePickFollowsItsFirstCorner) {
  testing::TempDir dir;
  Workspace ws;
  ScriptedHost host;
  startWorkspace(ws, 5);
  addBoxObject(ws.scene, host, 100, 100, 400, 50, "far");   // z 350..400
  addBoxObject(ws.scene, host, 100, 100, 170, 50, "near");  // z 120..170, centre 145
  ASSERT_TRUE(pickObject(ws.scene, ws.views, View::Front, 125, 125, 1));
  EXPECT_EQ(ws.scene.ObjectTable[1].selected, 1) << "centre 145 is nearest to 150";
  EXPECT_EQ(ws.scene.ObjectTable[0].selected, 0);
  ws.views.CentrePoint.z = 390;
  pickObject(ws.scene, ws.views, View::Front, 125, 125, 1);
  EXPECT_EQ(ws.scene.ObjectTable[0].selected, 1);
  EXPECT_FALSE(pickObject(ws.scene, ws.views, View::Front, 700, 700, 1)) << "a miss";

  ws.views.CentrePoint.z = 150;
  setObjectSelected(ws.scene, 0, 0);
  setObjectSelected(ws.scene, 1, 0);
  ASSERT_TRUE(pickFace(ws.scene, ws.views, View::Front, 125, 125, 1));
  int selected_faces = 0;
  for (int i = 0; i < ws.scene.FaceCount; ++i)
    selected_faces += ws.scene.FaceTable[static_cast<std::size_t>(i)].selected;
  EXPECT_EQ(selected_faces, 1);
  EXPECT_EQ(ws.scene.ObjectTable[1].selected, 1);
}

TEST(SelectionMenus, InverseNamesColourAndTheSelectButton) {
  Scene2 s;
  setObjectSelected(s.ws.scene, 0, 1);
  inverseSelection(s.ws.scene);
  EXPECT_EQ(s.ws.scene.ObjectTable[0].selected, 0);
  EXPECT_EQ(s.ws.scene.ObjectTable[1].selected, 1);
  s.ws.scene.FaceTable[15].material = 3;
  colourSelected(s.ws.scene, {1, 2, 3});
  EXPECT_EQ(s.ws.scene.FaceTable[15].material, 0) << "colouring removes the texture";
  EXPECT_EQ(s.ws.scene.FaceTable[15].blue, 3);
  EXPECT_EQ(s.ws.scene.FaceTable[0].blue, 0);
  EXPECT_EQ(s.ws.scene.CurrentColour, (Rgb{1, 2, 3}));
  renameObjects(s.ws.scene, {0, 1}, "a name longer than twenty");
  EXPECT_EQ(s.ws.scene.ObjectTable[1].name.str(), "a name longer than t");
  selectObjectsByIndex(s.ws.scene, {0}, 1);
  EXPECT_EQ(s.selectedCorners(0), 36);

  ToolState& t = s.ws.tools;
  EXPECT_FALSE(SpeedButton6Click(t, s.ws.scene));
  EXPECT_TRUE(t.flags.selectObjectsOn);
  selectpointsClick(t, s.ws.scene, true);
  EXPECT_TRUE(t.flags.selectPointsOn);
  EXPECT_EQ(t.ToolMode, ModeSelectArea);
  selectfacesClick(t, s.ws.scene, true);
  EXPECT_TRUE(t.flags.selectFacesOn);
  EXPECT_FALSE(t.flags.selectPointsOn);
  EXPECT_EQ(t.ToolMode, ModeSelectFace);
  EXPECT_TRUE(SpeedButton6Click(t, s.ws.scene)) << "switching off redraws";
  EXPECT_FALSE(t.flags.selectFacesOn);
}

}  // namespace
}  // namespace facetry
