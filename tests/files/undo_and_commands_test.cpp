// Tests of the undo snapshot, zoom rescaling and the native save/load commands.
#include <gtest/gtest.h>

#include <cmath>
#include <filesystem>

#include "files/model_commands.h"
#include "files/native_file.h"
#include "files/undo.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"
#include "workspace.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::invariantViolation;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;

TEST(Undo, SecondUndoRestoresTheSameStateAndNothingElseChanges) {
  TempDir dir;
  ScriptedHost host;
  Workspace ws;
  ws.scene.ask = true;
  addBoxObject(ws.scene, host, 0, 0, 0, 10, "first");
  voorundo(ws.scene);
  EXPECT_TRUE(ws.scene.ModifiedFlag);
  addBoxObject(ws.scene, host, 50, 0, 0, 10, "second");
  voorundo(ws.scene);
  setObjectSelected(ws.scene, 0, 1);
  addBoxObject(ws.scene, host, 90, 0, 0, 10, "third");
  ws.scene.ModifiedFlag = false;  // as after a save
  ws.scene.ask = false;

  ASSERT_TRUE(Undo1Click(ws.scene, host));
  EXPECT_EQ(ws.scene.ObjectCount, 2) << "only the last command is undone";
  EXPECT_EQ(ws.scene.ObjectTable[1].name.str(), "second");
  EXPECT_EQ(ws.scene.FaceTable[0].selected, 0);
  EXPECT_FALSE(ws.scene.ModifiedFlag) << "undo leaves the flag alone";
  EXPECT_TRUE(host.name_prompts.empty());
  ASSERT_TRUE(Undo1Click(ws.scene, host));
  EXPECT_EQ(ws.scene.ObjectCount, 2) << "there is no second level";
  EXPECT_EQ(invariantViolation(ws.scene), "");
}

TEST(Undo, WithoutSnapshotUndoDoesNothing) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  addBoxObject(scene, host, 0, 0, 0, 10, "kept");
  EXPECT_FALSE(Undo1Click(scene, host));
  EXPECT_EQ(scene.FaceCount, 12);
  EXPECT_TRUE(host.messages.empty());
}

TEST(Undo, SnapshotKeepsTheZoomOfItsMomentWhileTheZoomStays) {
  TempDir dir;
  ScriptedHost host;
  Workspace ws;
  ws.scene.ask = true;
  addBoxObject(ws.scene, host, 230, 150, 150, 20, "box");
  const float x_at_100 = ws.scene.FaceTable[0].corners[1].x;
  voorundo(ws.scene);
  setZoom(ws.scene, ws.views, 200);
  ASSERT_NE(ws.scene.FaceTable[0].corners[1].x, x_at_100);
  Undo1Click(ws.scene, host);
  EXPECT_EQ(ws.scene.FaceTable[0].corners[1].x, x_at_100);
  EXPECT_EQ(ws.views.ZoomPercent, 200);
  // Materials and surfaces come back too; texture pictures are not loaded again.
  ws.scene.MaterialList[1].assign("");
}

TEST(Zoom, ThereAndBackRestoresUnlessTheCentreMoved) {
  ScriptedHost host;
  Workspace ws;
  ws.scene.ask = true;
  addBoxObject(ws.scene, host, 100, 50, 20, 30, "box");
  ws.scene.NurbCount = 1;
  ws.scene.NurbTable[0].count = 1;
  ws.scene.NurbTable[0].points[0].x = 300;
  const Face before = ws.scene.FaceTable[2];
  setZoom(ws.scene, ws.views, 200);
  // p' = C + 2 (p - C) with C = (230, 150, 150).
  EXPECT_FLOAT_EQ(ws.scene.FaceTable[2].corners[0].x, 230 + 2 * (before.corners[0].x - 230));
  EXPECT_FLOAT_EQ(ws.scene.NurbTable[0].points[0].x, 370);
  setZoom(ws.scene, ws.views, 100);
  for (int c = 0; c < 3; ++c) {
    EXPECT_NEAR(ws.scene.FaceTable[2].corners[c].x, before.corners[c].x, 1e-3);
    EXPECT_NEAR(ws.scene.FaceTable[2].corners[c].z, before.corners[c].z, 1e-3);
  }
  // With the centre moved by 20, 200 % and back shifts the scene by half of that, back
  // toward the start centre.
  ws.views.CentrePoint.x = 250;
  setZoom(ws.scene, ws.views, 200);
  setZoom(ws.scene, ws.views, 100);
  EXPECT_NEAR(ws.scene.FaceTable[2].corners[0].x, before.corners[0].x - 10, 1e-3);
  EXPECT_THROW(setZoom(ws.scene, ws.views, 0), RangeError);
  EXPECT_THROW(setZoom(ws.scene, ws.views, -50), RangeError);
  EXPECT_THROW(setZoom(ws.scene, ws.views, std::nan("")), RangeError);
  EXPECT_EQ(ws.views.ZoomPercent, 100);
}

TEST(SaveCommand, SavingAt200PercentWritesHundredPercentAndKeepsTheView) {
  TempDir dir;
  ScriptedHost host;
  Workspace ws;
  ws.scene.ask = true;
  addBoxObject(ws.scene, host, 100, 50, 20, 30, "box");
  opslaan(ws.scene, "at100.fcy");
  setZoom(ws.scene, ws.views, 200);
  const float zoomed = ws.scene.FaceTable[0].corners[0].x;
  updateAllObjectBounds(ws.scene);  // as the redraw at 200 % leaves them
  const float zoomed_max_x = ws.scene.ObjectTable[0].max[0];
  ws.scene.ModifiedFlag = true;
  EXPECT_EQ(saveNativeModel(ws.scene, ws.views, dir.file("model.fcy")), "model.fcy");
  EXPECT_EQ(ws.scene.ObjectTable[0].max[0], zoomed_max_x) << "the view's bounds come back";
  EXPECT_FALSE(ws.scene.ModifiedFlag);
  EXPECT_EQ(ws.views.ZoomPercent, 200);
  EXPECT_NEAR(ws.scene.FaceTable[0].corners[0].x, zoomed, 1e-3);
  Scene a, b;
  ASSERT_TRUE(ophaal(a, host, "at100.fcy", true, nullptr));
  ASSERT_TRUE(ophaal(b, host, "model.fcy", true, nullptr));
  for (int i = 0; i < 12; ++i) {
    EXPECT_NEAR(a.FaceTable[static_cast<std::size_t>(i)].corners[2].y,
                b.FaceTable[static_cast<std::size_t>(i)].corners[2].y, 1e-3);
  }
  EXPECT_NEAR(b.ObjectTable[0].max[0], a.ObjectTable[0].max[0], 1e-3) << "bounds saved at 100 %";

  // A failing save restores the zoom and keeps the flag.
  ws.scene.ModifiedFlag = true;
  EXPECT_THROW(saveNativeModel(ws.scene, ws.views, "no/such/dir/m.fcy"), IoError);
  EXPECT_TRUE(ws.scene.ModifiedFlag);
  EXPECT_NEAR(ws.scene.FaceTable[0].corners[0].x, zoomed, 1e-3);
}

TEST(LoadCommands, LoadReplacesAtHundredPercentAndImportMergesWithASnapshot) {
  TempDir dir;
  ScriptedHost host;
  Workspace ws;
  ws.scene.ask = true;
  addBoxObject(ws.scene, host, 100, 50, 20, 30, "box");
  opslaan(ws.scene, "one.fcy");
  setZoom(ws.scene, ws.views, 50);
  EXPECT_EQ(loadNativeModel(ws.scene, ws.views, host, ws.textures, dir.file("one.fcy")), "one.fcy");
  EXPECT_EQ(ws.views.ZoomPercent, 100);
  EXPECT_EQ(ws.scene.FaceCount, 12);
  ws.scene.ModifiedFlag = false;
  EXPECT_TRUE(importNativeModel(ws.scene, host, ws.textures, "one.fcy"));
  EXPECT_EQ(ws.scene.ObjectCount, 2);
  EXPECT_TRUE(ws.scene.ModifiedFlag) << "the import took an undo snapshot";
  Undo1Click(ws.scene, host);
  EXPECT_EQ(ws.scene.ObjectCount, 1);
}

TEST(FileNames, ExtensionRuleIsCaseSensitiveAndNamesFollowTheLastSeparator) {
  EXPECT_EQ(withExtension("model", ".fcy"), "model.fcy");
  EXPECT_EQ(withExtension("model.fcy", ".fcy"), "model.fcy");
  EXPECT_EQ(withExtension("MODEL.FCY", ".fcy"), "MODEL.FCY.fcy");
  EXPECT_EQ(withExtension("fcy", ".fcy"), "fcy.fcy");
  EXPECT_EQ(modelNameOf("/home/me/models/car.fcy"), "car.fcy");
  EXPECT_EQ(modelNameOf("c:\\models\\car.fcy"), "car.fcy");
  EXPECT_EQ(modelNameOf("car.fcy"), "car.fcy");
}

}  // namespace
}  // namespace facetry
