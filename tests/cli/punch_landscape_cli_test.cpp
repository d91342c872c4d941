// Tests of the punch, glue, landscape and elastic steps of facetry-cli.
#include <gtest/gtest.h>

#include <sstream>

#include "cli_commands.h"
#include "cli_run.h"
#include "files/native_file.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::loadedScene;
using testing::runCommand;

using testing::corner;
using testing::ScriptedHost;
using testing::TempDir;

// A triangle "plate" (corner 0 inside the box, all corners selected) and a box "tool".
void writePlateAndTool(const std::string& path) {
  Scene scene;
  ScriptedHost host;
  scene.ask = true;
  FaceCorner a = corner(150, 120, 150), b = corner(200, 150, 150), c = corner(300, 300, 150);
  a.selected = b.selected = c.selected = 1;
  addFace(scene, host, a, b, c);
  scene.ObjectNameBuffer.assign("plate");
  closeObject(scene, host, false, false);
  for (FaceCorner& k : scene.FaceTable[0].corners) k.selected = 1;
  testing::addBoxObject(scene, host, 100, 100, 200, 100, "tool");
  opslaan(scene, path);
}

TEST(CliPunch, PunchesTheTargetWithTheToolAndRemovesItWhenAsked) {
  TempDir dir;
  writePlateAndTool("in.fcy");
  std::string err;
  ASSERT_EQ(runCommand({"edit", "in.fcy", "-o", "kept.fcy", "--punch", "in", "tool", "#0"}, &err),
            0)
      << err;
  const Scene kept = loadedScene("kept.fcy");
  EXPECT_EQ(kept.ObjectCount, 2);
  EXPECT_EQ(kept.FaceTable[0].corners[0].z, 100.0f);
  EXPECT_EQ(kept.FaceTable[0].corners[2].z, 150.0f);

  ASSERT_EQ(runCommand({"edit", "in.fcy", "-o", "out.fcy", "--punch", "out", "tool", "plate",
                        "--auto-edge", "--remove"}),
            0);
  EXPECT_EQ(loadedScene("out.fcy").ObjectCount, 1);
  EXPECT_EQ(runCommand({"edit", "in.fcy", "-o", "x.fcy", "--punch", "sideways", "tool", "plate"}),
            1);
  EXPECT_EQ(runCommand({"edit", "in.fcy", "-o", "x.fcy", "--punch", "in", "tool", "tool"}), 1);
  EXPECT_EQ(runCommand({"edit", "in.fcy", "-o", "g.fcy", "--glue-selected"}), 0);
}

TEST(CliLandscape, ASeedBuildsTheSameLandscapeEachTime) {
  TempDir dir;
  ASSERT_EQ(runCommand({"build", "a.fcy", "--landscape", "400,200,3,1", "--seed", "9"}), 0);
  ASSERT_EQ(runCommand({"build", "b.fcy", "--seed", "9", "--landscape", "400,200,3,1"}), 0);
  ASSERT_EQ(runCommand({"build", "c.fcy", "--landscape", "400,200,3,1", "--seed", "10"}), 0);
  EXPECT_EQ(testing::readFile("a.fcy"), testing::readFile("b.fcy"));
  EXPECT_NE(testing::readFile("a.fcy"), testing::readFile("c.fcy"));
  EXPECT_EQ(loadedScene("a.fcy").FaceCount, 16);
  EXPECT_EQ(runCommand({"build", "x.fcy", "--landscape", "400,200,9,1"}), 1);
  EXPECT_EQ(runCommand({"build", "x.fcy", "--landscape", "400,200,3"}), 1);
}

TEST(CliElastic, DragsACagePointAndAppliesTheView) {
  TempDir dir;
  writePlateAndTool("in.fcy");
  // The front cage spans (150, 120)..(300, 300) with point 1 on corner 0 and point 3 on corner
  // 2; point 3 is dragged to (320, 340).
  std::string err;
  ASSERT_EQ(runCommand({"build", "out.fcy", "--in", "in.fcy", "--view", "front", "--elastic",
                        "300,300", "320,340", "right"},
                       &err),
            0)
      << err;
  const Scene bent = loadedScene("out.fcy");
  EXPECT_EQ(bent.FaceTable[0].corners[2].x, 320.0f) << "the corner on the dragged point";
  EXPECT_EQ(bent.FaceTable[0].corners[2].y, 340.0f);
  EXPECT_EQ(bent.FaceTable[0].corners[0].x, 150.0f) << "on point 1, which stayed";
}

}  // namespace
}  // namespace facetry
