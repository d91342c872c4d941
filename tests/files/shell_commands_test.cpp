// Tests of the core of New, Exit and the shutdown (their questions, the snapshot and the
// scratch files) and of the face attribute commands.
#include <gtest/gtest.h>

#include <filesystem>

#include "files/shell_commands.h"
#include "files/undo.h"
#include "scene/errors.h"
#include "scene/scratch_files.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

namespace fs = std::filesystem;
using testing::addBoxObject;
using testing::invariantViolation;
using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

struct ShellFixture {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  ViewState views;
  int saves = 0;
  int faces_seen_by_save = -1;
  SaveCommand save = [this] {
    ++saves;
    faces_seen_by_save = scene.FaceCount;
  };

  ShellFixture() {
    scene.ask = true;
    addBoxObject(scene, host, 100, 100, 100, 40, "box");
    scene.MaterialCount = 3;
    scene.NurbCount = 2;
    scene.surface(0).count = 5;
    scene.surface(1).count = 4;
  }
};

TEST(NewCommand, CancelKeepsTheSceneAtFullSizeWithAFreshSnapshot) {
  ShellFixture f;
  setZoom(f.scene, f.views, 200);
  const float zoomed_x = f.scene.face(0).corners[0].x;
  f.scene.ModifiedFlag = true;
  f.host.answers = {Answer::Cancel};
  EXPECT_FALSE(newScene(f.scene, f.views, f.host, f.save));
  ASSERT_EQ(f.host.messages.size(), 1u);
  EXPECT_EQ(f.host.messages[0].text, "Do you want to save ?");
  EXPECT_EQ(f.host.messages[0].title, "Scene is modified");
  EXPECT_EQ(f.host.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(f.saves, 0);
  EXPECT_EQ(f.views.ZoomPercent, 100);
  EXPECT_NE(f.scene.face(0).corners[0].x, zoomed_x) << "the scene is back at 100 %";
  EXPECT_EQ(f.scene.FaceCount, 12);
  EXPECT_EQ(f.scene.ObjectCount, 1);
  EXPECT_EQ(f.scene.MaterialCount, 3);
  EXPECT_EQ(f.scene.NurbCount, 2);
  // The snapshot holds the scene at 100 %.
  const float full_x = f.scene.face(0).corners[0].x;
  f.scene.face(0).corners[0].x = -1;
  ASSERT_TRUE(Undo1Click(f.scene, f.host));
  EXPECT_EQ(f.scene.face(0).corners[0].x, full_x);
}

TEST(NewCommand, UnmodifiedSceneIsEmptiedWithoutAQuestionAndUndoBringsItBack) {
  ShellFixture f;
  f.scene.ModifiedFlag = false;
  EXPECT_TRUE(newScene(f.scene, f.views, f.host, f.save));
  EXPECT_TRUE(f.host.messages.empty());
  EXPECT_EQ(f.scene.FaceCount, 0);
  EXPECT_EQ(f.scene.ObjectCount, 0);
  EXPECT_EQ(f.scene.MaterialCount, 1);
  EXPECT_EQ(f.scene.NurbCount, 0);
  EXPECT_EQ(f.scene.surface(0).count, 0);
  EXPECT_EQ(f.scene.surface(1).count, 0);
  EXPECT_FALSE(f.scene.ModifiedFlag);
  EXPECT_EQ(invariantViolation(f.scene), "");
  ASSERT_TRUE(Undo1Click(f.scene, f.host));
  EXPECT_EQ(f.scene.FaceCount, 12);
  EXPECT_EQ(f.scene.ObjectTable[0].name.str(), "box");
}

TEST(NewCommand, YesSavesBeforeTheSceneIsEmptied) {
  ShellFixture f;
  f.scene.ModifiedFlag = true;
  f.host.answers = {Answer::Yes};
  EXPECT_TRUE(newScene(f.scene, f.views, f.host, f.save));
  EXPECT_EQ(f.saves, 1);
  EXPECT_EQ(f.faces_seen_by_save, 12);
  EXPECT_EQ(f.scene.FaceCount, 0);
  EXPECT_FALSE(f.scene.ModifiedFlag);
}

TEST(ExitCommand, NoClosesWithoutASecondQuestionAtShutdown) {
  ShellFixture f;
  f.scene.ModifiedFlag = true;
  f.host.answers = {Answer::No};
  EXPECT_TRUE(confirmExit(f.scene, f.host, f.save));
  EXPECT_FALSE(f.scene.ModifiedFlag);
  shutdownScene(f.scene, f.host, f.save);
  EXPECT_EQ(f.host.messages.size(), 1u) << "asked once";
  EXPECT_EQ(f.saves, 0);
}

TEST(ExitCommand, CancelKeepsTheProgramAndTheFlag) {
  ShellFixture f;
  f.scene.ModifiedFlag = true;
  f.host.answers = {Answer::Cancel};
  EXPECT_FALSE(confirmExit(f.scene, f.host, f.save));
  EXPECT_TRUE(f.scene.ModifiedFlag);
  // Yes saves, and the exit goes on whatever the save did.
  f.host.answers = {Answer::Yes};
  EXPECT_TRUE(confirmExit(f.scene, f.host, f.save));
  EXPECT_EQ(f.saves, 1);
  EXPECT_FALSE(f.scene.ModifiedFlag);
}

TEST(Shutdown, AsksAndRemovesExactlyTheShutdownScratchFilesOrKeepsAllOnCancel) {
  ShellFixture f;
  const char* removed[] = {"lijnar",   "lijnar2",     "punten",     "lijntje", "walk.fil",
                           "undo.fil", "~veelpt.tmp", "header.tmp", "del&.del"};
  for (const char* name : removed) writeFile(f.dir.file(name), "x");
  writeFile(f.dir.file("moddd.tmp"), "x");
  writeFile(f.dir.file("b@walk.tmp"), "x");
  f.scene.ModifiedFlag = true;
  // Cancel keeps the window open: nothing saved, nothing removed.
  f.host.answers = {Answer::Cancel, Answer::Yes};
  EXPECT_FALSE(shutdownScene(f.scene, f.host, f.save));
  EXPECT_EQ(f.saves, 0);
  for (const char* name : removed) EXPECT_TRUE(fs::exists(f.dir.file(name))) << name;
  EXPECT_TRUE(shutdownScene(f.scene, f.host, f.save));
  ASSERT_EQ(f.host.messages.size(), 2u);
  EXPECT_EQ(f.host.messages[0].buttons, MessageButtons::YesNoCancel);
  EXPECT_EQ(f.saves, 1);
  for (const char* name : removed) EXPECT_FALSE(fs::exists(f.dir.file(name))) << name;
  EXPECT_TRUE(fs::exists(f.dir.file("moddd.tmp")));
  EXPECT_TRUE(fs::exists(f.dir.file("b@walk.tmp")));
}

TEST(Shutdown, FailedSaveStillRemovesTheScratchFiles) {
  ShellFixture f;
  writeFile(f.dir.file("undo.fil"), "x");
  f.scene.ModifiedFlag = true;
  f.host.answers = {Answer::Yes};
  EXPECT_THROW(shutdownScene(f.scene, f.host, [] { throw IoError("disk full"); }), IoError);
  EXPECT_FALSE(fs::exists(f.dir.file("undo.fil")));
}

TEST(FaceAttributes, OnlySelectedFacesChange) {
  ShellFixture f;
  f.scene.face(3).selected = 1;
  f.scene.face(7).selected = 1;
  setSelectedReflection(f.scene, 4);
  setSelectedSmooth(f.scene, false);
  for (int i = 0; i < f.scene.FaceCount; ++i) {
    const bool selected = i == 3 || i == 7;
    EXPECT_EQ(f.scene.face(i).ReflectionLevel, selected ? 4 : 0) << i;
    EXPECT_EQ(f.scene.face(i).smooth, selected ? 0 : 1) << i;
  }
  setSelectedSmooth(f.scene, true);
  EXPECT_EQ(f.scene.face(3).smooth, 1);
  EXPECT_THROW(setSelectedReflection(f.scene, 5), RangeError);
  EXPECT_THROW(setSelectedReflection(f.scene, -1), RangeError);
}

}  // namespace
}  // namespace facetry
