// Tests of `facetry-cli build ... --poly STEP... ok|cancel`.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli_commands.h"
#include "files/native_file.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

int runQuietly(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  return runCli(args, out, err);
}

TEST(CliPoly, StepsBuildOneCentredSelectedSolidAndBadListsWriteNothing) {
  testing::TempDir dir;
  ASSERT_EQ(
      runQuietly({"build", "solid.fcy", "--poly", "circle", "resolution", "8", "front", "200,150",
                  "170,120", "connection", "0,0", "100,0", "closed-front", "closed-rear", "ok"}),
      0);
  Scene scene;
  testing::ScriptedHost host;
  ASSERT_TRUE(ophaal(scene, host, "solid.fcy", true, nullptr));
  ASSERT_EQ(scene.ObjectCount, 1);
  // The circle of 8 steps has 10 points (9 segments): 18 faces of wall, and the caps.
  EXPECT_GT(scene.FaceCount, 18);
  EXPECT_EQ(scene.ObjectTable[0].selected, 1);
  const ModelObject& o = scene.ObjectTable[0];
  EXPECT_NEAR((o.min[0] + o.max[0]) / 2, 230, 1);  // on CentrePoint

  ASSERT_EQ(runQuietly({"build", "none.fcy", "--poly", "front", "1,1", "cancel"}), 0);
  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"build", "bad.fcy", "--poly", "1,1", "ok"},
        {"build", "bad.fcy", "--poly", "front", "1,1", "wobble", "ok"},
        {"build", "bad.fcy", "--poly", "front", "1,1"}}) {
    EXPECT_EQ(runQuietly(bad), 1);
  }
  EXPECT_FALSE(std::filesystem::exists("bad.fcy"));
}

}  // namespace
}  // namespace facetry
