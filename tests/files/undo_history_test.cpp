// Tests of the undo history behind the single snapshot: stepping back and forward, the
// redo steps a new command forgets, the budget, a history that cannot be written and the
// private folder's lifetime.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "files/configuration.h"
#include "files/native_file.h"
#include "files/undo.h"
#include "scene/scratch_files.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"
#include "workspace.h"

namespace facetry {
namespace {

namespace fs = std::filesystem;
using testing::addBoxObject;
using testing::invariantViolation;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;

std::string sceneBytes(const Scene& scene) {
  opslaan(scene, "state.fcy");
  return readFile("state.fcy");
}

struct HistoryRig {
  TempDir dir;
  ScriptedHost host;
  Workspace ws;
  HistoryRig() {
    startWorkspace(ws, 1);
    ws.undo_history.setHost(&host);
    ws.scene.ask = true;
  }
  // One modifying command: a snapshot, then a new box.
  void command(float x) {
    voorundo(ws.scene);
    addBoxObject(ws.scene, host, x, 10, 10, 8, "box");
  }
};

TEST(UndoHistory, TwoUndosThenTwoRedosGiveBackEachStateByteForByte) {
  HistoryRig r;
  addBoxObject(r.ws.scene, r.host, 0, 0, 0, 8, "start");
  const std::string a = sceneBytes(r.ws.scene);
  r.command(20);
  const std::string b = sceneBytes(r.ws.scene);
  r.command(40);
  const std::string c = sceneBytes(r.ws.scene);
  r.ws.scene.ModifiedFlag = false;  // as after a save

  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(sceneBytes(r.ws.scene), b);
  EXPECT_EQ(readFile(kUndoFile), a) << "undo.fil holds what the next undo reads";
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(sceneBytes(r.ws.scene), a);
  EXPECT_FALSE(r.ws.scene.ModifiedFlag) << "undo leaves the flag alone";
  ASSERT_TRUE(Redo1Click(r.ws.scene, r.host));
  EXPECT_EQ(sceneBytes(r.ws.scene), b);
  EXPECT_TRUE(r.ws.scene.ModifiedFlag);
  ASSERT_TRUE(Redo1Click(r.ws.scene, r.host));
  EXPECT_EQ(sceneBytes(r.ws.scene), c);
  EXPECT_FALSE(Redo1Click(r.ws.scene, r.host)) << "nothing left to redo";
  EXPECT_EQ(sceneBytes(r.ws.scene), c);
  // And back again through the steps the redos put back.
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(sceneBytes(r.ws.scene), b);
  EXPECT_EQ(invariantViolation(r.ws.scene), "");
  EXPECT_TRUE(r.host.messages.empty());
}

TEST(UndoHistory, ANewCommandAfterUndoForgetsTheRedoStepsAndTheOldestUndoRepeats) {
  HistoryRig r;
  r.command(0);
  r.command(20);
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(r.ws.undo_history.redoSteps(), 1);
  r.command(60);
  EXPECT_EQ(r.ws.undo_history.redoSteps(), 0);
  EXPECT_FALSE(Redo1Click(r.ws.scene, r.host));
  EXPECT_EQ(r.ws.scene.ObjectCount, 2);
  // Past the oldest step undo reads the single snapshot again, which holds the state the
  // last step restored.
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(r.ws.scene.ObjectCount, 0);
  EXPECT_EQ(r.ws.undo_history.undoSteps(), 0);
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(r.ws.scene.ObjectCount, 0);
}

TEST(UndoHistory, TheBudgetDropsTheOldestStep) {
  HistoryRig r;
  r.ws.settings.HistorySteps = 2;
  for (int i = 0; i < 4; ++i) r.command(20.0f * static_cast<float>(i));
  EXPECT_EQ(r.ws.undo_history.undoSteps(), 2);
  int files = 0;
  for (const auto& entry : fs::directory_iterator(r.ws.undo_history.folder())) {
    (void)entry;
    ++files;
  }
  EXPECT_EQ(files, 2) << "dropped steps leave no file behind";
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(r.ws.scene.ObjectCount, 2) << "the steps before the last two are gone";
  EXPECT_EQ(r.ws.undo_history.redoSteps(), 2);
}

TEST(UndoHistory, AHistoryThatCannotBeWrittenIsReportedOnceAndUndoKeepsOneStep) {
  TempDir dir;
  ScriptedHost host;
  testing::writeFile("not-a-folder", "x");
  UndoHistory history((dir.path() / "not-a-folder").string());
  Settings settings;
  Scene scene;
  scene.ask = true;
  history.connect(scene, settings);
  history.setHost(&host);
  voorundo(scene);
  addBoxObject(scene, host, 0, 0, 0, 8, "one");
  voorundo(scene);
  addBoxObject(scene, host, 20, 0, 0, 8, "two");
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].title, "Undo history");
  EXPECT_EQ(history.undoSteps(), 0);
  ASSERT_TRUE(Undo1Click(scene, host));
  EXPECT_EQ(scene.ObjectCount, 1) << "the single snapshot still works";
  ASSERT_TRUE(Undo1Click(scene, host));
  EXPECT_EQ(scene.ObjectCount, 1);
  EXPECT_FALSE(Redo1Click(scene, host));
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(UndoHistory, AFolderLostMidwayEmptiesTheHistoryAndTheCommandsGoOn) {
  HistoryRig r;
  r.command(0);
  r.command(20);
  const std::string folder = r.ws.undo_history.folder();
  fs::remove_all(folder);
  testing::writeFile(folder, "in the way");
  r.command(40);
  EXPECT_EQ(r.host.messages.size(), 1u);
  EXPECT_EQ(r.ws.undo_history.undoSteps(), 0);
  ASSERT_TRUE(Undo1Click(r.ws.scene, r.host));
  EXPECT_EQ(r.ws.scene.ObjectCount, 2);
  fs::remove(folder);
}

TEST(UndoHistory, TheFolderIsPrivateRemovedAtTheEndAndStaleOnesAreCleared) {
  TempDir dir;
  const fs::path stale = dir.path() / "facetry-history-999999999-abcdef";
  const fs::path alive = dir.path() / ("facetry-history-" + std::to_string(::getpid()) + "-x");
  fs::create_directory(stale);
  fs::create_directory(alive);
  testing::writeFile((stale / "step-1.fcy").string(), "old");
  std::string folder;
  {
    UndoHistory history(dir.path().string());
    Settings settings;
    Scene scene;
    history.connect(scene, settings);
    voorundo(scene);
    folder = history.folder();
    ASSERT_TRUE(fs::is_directory(folder));
    EXPECT_EQ(fs::status(folder).permissions() & fs::perms::all, fs::perms::owner_all);
    EXPECT_FALSE(fs::exists(stale)) << "a folder of a run that ended is removed";
    EXPECT_TRUE(fs::exists(alive)) << "a live run's folder stays";
  }
  EXPECT_FALSE(fs::exists(folder));
}

TEST(UndoHistory, ACopiedSceneRecordsNowhereAndAnAssignedOneKeepsItsHistory) {
  HistoryRig r;
  Scene copy = r.ws.scene;
  voorundo(copy);
  EXPECT_EQ(r.ws.undo_history.undoSteps(), 0);
  r.ws.scene = Scene();
  voorundo(r.ws.scene);
  EXPECT_EQ(r.ws.undo_history.undoSteps(), 1);
}

TEST(UndoHistoryConfiguration, TheBudgetFollowsTheFieldsOnlyWhenItIsNotTheDefault) {
  TempDir dir;
  Settings s;
  s.SearchDirectory = "c:\\";
  EXPECT_EQ(configurationBytes(s).size(), 44u);
  s.HistorySteps = 5;
  s.HistoryMegabytes = 64;
  const std::string bytes = configurationBytes(s);
  ASSERT_EQ(bytes.size(), 60u);  // a tagged block: "HIST", its size 8, the two values
  EXPECT_EQ(bytes.substr(44, 4), "HIST");
  writeConfiguration(s, dir.path().string());
  Settings read;
  ASSERT_TRUE(readConfiguration(read, dir.path().string()));
  EXPECT_EQ(read.HistorySteps, 5);
  EXPECT_EQ(read.HistoryMegabytes, 64);
  // Other bytes after the fields are ignored; out-of-range values are held to the range;
  // the block is found beside the recent files' one.
  s.RecentFiles = {"a.fcy"};
  writeConfiguration(s, dir.path().string());
  ASSERT_TRUE(readConfiguration(read, dir.path().string()));
  EXPECT_EQ(read.HistorySteps, 5);
  EXPECT_EQ(read.RecentFiles, s.RecentFiles);
  testing::writeFile(dir.file(kConfigurationFile), bytes.substr(0, 44) + "JUNKJUNKJUNK");
  Settings junk;
  ASSERT_TRUE(readConfiguration(junk, dir.path().string()));
  EXPECT_EQ(junk.HistorySteps, 32);
  std::string zero = bytes;
  zero.replace(52, 4, std::string(4, '\0'));
  testing::writeFile(dir.file(kConfigurationFile), zero);
  ASSERT_TRUE(readConfiguration(junk, dir.path().string()));
  EXPECT_EQ(junk.HistorySteps, 1);
}

}  // namespace
}  // namespace facetry
