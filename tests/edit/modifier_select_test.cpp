// Tests of Shift and Ctrl clicks while selecting.
#include <gtest/gtest.h>

#include "edit/modifier_select.h"
#include "edit/selection.h"
#include "edit/view_mouse.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"

namespace facetry {
namespace {

using testing::ScriptedHost;

TEST(ModifierClicks, ShiftAddsDespiteOffAndCtrlTurnsOneOver) {
  Workspace ws;
  ScriptedHost host;
  startWorkspace(ws, 3);
  testing::addBoxObject(ws.scene, host, 100, 100, 160, 20, "A");
  testing::addBoxObject(ws.scene, host, 200, 100, 160, 20, "B");
  SpeedButton6Click(ws.tools, ws.scene);
  ASSERT_TRUE(takesModifiedClick(ws.tools));
  auto clickAt = [&](int x, int y, ClickModifier m) {
    moveInView(ws, host, View::Front, x, y);
    modifiedClick(ws, host, View::Front, m);
  };
  clickAt(110, 110, ClickModifier::None);
  EXPECT_TRUE(ws.scene.object(0).selected);
  ws.tools.offmode = true;  // a plain click would deselect; Shift still adds
  clickAt(210, 110, ClickModifier::Add);
  EXPECT_TRUE(ws.scene.object(1).selected);
  EXPECT_TRUE(ws.tools.offmode);
  ws.tools.offmode = false;
  clickAt(210, 110, ClickModifier::Toggle);
  EXPECT_FALSE(ws.scene.object(1).selected);
  EXPECT_FALSE(ws.scene.face(ws.scene.object(1).first).selected);
  EXPECT_TRUE(ws.scene.object(0).selected);  // the other keeps its selection
  clickAt(210, 110, ClickModifier::Toggle);
  EXPECT_TRUE(ws.scene.object(1).selected);
  EXPECT_EQ(ws.scene.face(ws.scene.object(1).first).corners[0].selected, 1);
  clickAt(400, 400, ClickModifier::Toggle);  // nothing under the mouse
  EXPECT_TRUE(ws.scene.object(1).selected);

  // Faces: Ctrl turns one face over, its object follows its faces.
  Face1Click(ws.tools, ws.scene);
  ASSERT_TRUE(takesModifiedClick(ws.tools));
  selectAll(ws.scene);
  clickAt(110, 110, ClickModifier::Toggle);
  int selected = 0;
  for (int i = ws.scene.object(0).first; i <= ws.scene.object(0).last; ++i) {
    selected += ws.scene.face(i).selected != 0;
  }
  EXPECT_EQ(selected, ws.scene.object(0).last - ws.scene.object(0).first);
  EXPECT_TRUE(ws.scene.object(0).selected);
}

}  // namespace
}  // namespace facetry
