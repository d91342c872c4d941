// Tests of facetry-cli render --view walk: the steps it reads, the picture it writes and
// the model and scene it leaves alone.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli_commands.h"
#include "cli_run.h"
#include "demo_mesh.h"
#include "files/native_file.h"
#include "scene/errors.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"
#include "walk_steps.h"

namespace facetry {
namespace {

using testing::runCommand;

using testing::readFile;
using testing::TempDir;

TEST(WalkSteps, ReadEachActionWithItsMoveAndCount) {
  const std::vector<WalkStep> steps =
      parseWalkSteps("forward:60*10,yaw:-7,tilt:5,roll:3*2,a*3,z,left,study,larger");
  ASSERT_EQ(steps.size(), 9u);
  EXPECT_EQ(steps[0].kind, WalkStep::Kind::Drag);
  EXPECT_EQ(steps[0].dy, -60);  // forward: the mouse moves up
  EXPECT_EQ(steps[0].count, 10);
  EXPECT_EQ(steps[1].dx, -7);
  EXPECT_EQ(steps[1].button, WalkButton::Left);
  EXPECT_EQ(steps[2].button, WalkButton::Right);
  EXPECT_EQ(steps[2].dy, 5);
  EXPECT_EQ(steps[3].dx, 3);
  EXPECT_EQ(steps[4].key, 'a');
  EXPECT_EQ(steps[4].count, 3);
  EXPECT_EQ(steps[6].pad, WalkPad::Left);
  EXPECT_EQ(steps[7].kind, WalkStep::Kind::Study);
  for (const char* bad : {"", "forward", "forward:x", "a*0", "yaw:5*", "jump", "up,,down", "b"}) {
    EXPECT_THROW(parseWalkSteps(bad), Error) << bad;
  }
}

TEST(CliWalk, WritesTheWholeBitmapAndLeavesTheModelFileAsItWas) {
  TempDir dir;
  testing::ScriptedHost host;
  Scene scene;
  scene.CurrentColour = {200, 120, 60};
  addDemoMesh(scene, host, 500, {230, 150, 100}, 60, 2);
  opslaan(scene, "m.fcy");
  const std::string model = readFile("m.fcy");
  std::string err;
  ASSERT_EQ(runCommand({"render", "m.fcy", "--view", "walk", "--speed", "slow", "--walk",
                        "forward:60*3,yaw:20*2,up,a*2,study,roll:10,smaller", "-o", "walk"},
                       &err),
            0)
      << err;
  const std::string picture = readFile("walk.bmp");  // ".bmp" appended as the window does
  EXPECT_EQ(picture.size(), 54u + 816u * 816u * 3u);
  EXPECT_EQ(readFile("m.fcy"), model);
  EXPECT_FALSE(std::filesystem::exists("walk.fil"));
  EXPECT_FALSE(std::filesystem::exists("b@walk.tmp"));
}

TEST(CliWalk, AnUnknownStepIsOneLineAndStatusOne) {
  TempDir dir;
  Scene scene;
  opslaan(scene, "empty.fcy");
  std::string err;
  EXPECT_EQ(
      runCommand({"render", "empty.fcy", "--view", "walk", "--walk", "a,hop", "-o", "w.bmp"}, &err),
      1);
  EXPECT_EQ(std::count(err.begin(), err.end(), '\n'), 1) << err;
  EXPECT_NE(err.find("\"hop\""), std::string::npos);
  EXPECT_FALSE(std::filesystem::exists("w.bmp"));
  EXPECT_EQ(runCommand({"render", "empty.fcy", "--view", "front", "--shading", "flat", "--walk",
                        "a", "-o", "w.bmp"}),
            1);
}

}  // namespace
}  // namespace facetry
