// Tests of facetry-cli edit's --undo and --redo steps.
#include <gtest/gtest.h>

#include <sstream>

#include "cli_commands.h"
#include "files/native_file.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::ScriptedHost;
using testing::TempDir;

int facesAfter(std::vector<std::string> steps) {
  std::vector<std::string> args{"edit", "in.fcy", "-o", "out.fcy"};
  args.insert(args.end(), steps.begin(), steps.end());
  std::ostringstream out, err;
  EXPECT_EQ(runCli(args, out, err), 0) << err.str();
  ScriptedHost host;
  Scene scene;
  ophaal(scene, host, "out.fcy", true, nullptr);
  return scene.FaceCount;
}

TEST(CliHistory, UndoAndRedoStepThroughTheCommandsOfTheRun) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  testing::addBoxObject(scene, host, 10, 20, 30, 5, "one");
  testing::addBoxObject(scene, host, 50, 20, 30, 5, "two");
  opslaan(scene, "in.fcy");
  const std::vector<std::string> delete_both{"--select", "object:one", "--delete",
                                             "--select", "all",        "--delete"};
  auto with = [&](std::vector<std::string> more) {
    std::vector<std::string> steps = delete_both;
    steps.insert(steps.end(), more.begin(), more.end());
    return steps;
  };
  EXPECT_EQ(facesAfter(with({})), 0);
  EXPECT_EQ(facesAfter(with({"--undo"})), 12);
  EXPECT_EQ(facesAfter(with({"--undo", "--undo"})), 24);
  EXPECT_EQ(facesAfter(with({"--undo", "--undo", "--redo"})), 12);
  EXPECT_EQ(facesAfter(with({"--undo", "--undo", "--redo", "--redo", "--redo"})), 0);
  EXPECT_EQ(facesAfter({"--redo", "--undo"}), 24) << "nothing to undo or redo changes nothing";
}

}  // namespace
}  // namespace facetry
