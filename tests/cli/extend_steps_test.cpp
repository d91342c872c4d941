// Tests of the edit steps --extend, --cut and --boolean: they reach the same commands as
// the menus, and their words are checked.
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

using testing::ScriptedHost;
using testing::TempDir;

TEST(ExtendSteps, ExtendCutAndBooleanChangeTheSavedModel) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  testing::addBoxObject(scene, host, 0, 0, 0, 20, "A");
  testing::addBoxObject(scene, host, 10, -5, 5, 30, "B");
  opslaan(scene, "two.fcy");

  ASSERT_EQ(runCommand({"edit", "two.fcy", "-o", "fine.fcy", "--select", "object:A", "--extend",
                        "normal"}),
            0);
  EXPECT_EQ(loadedScene("fine.fcy").FaceCount, 12 * 4 + 12);

  ASSERT_EQ(runCommand({"edit", "two.fcy", "-o", "cut.fcy", "--select", "object:B", "--cut",
                        "20,-30", "20,40"}),
            0);
  EXPECT_GT(loadedScene("cut.fcy").FaceCount, 24);

  ASSERT_EQ(runCommand({"edit", "two.fcy", "-o", "sum.fcy", "--boolean", "add", "A", "#1"}), 0);
  const Scene sum = loadedScene("sum.fcy");
  EXPECT_EQ(sum.ObjectCount, 1);

  std::string err;
  EXPECT_EQ(runCommand({"edit", "two.fcy", "-o", "x.fcy", "--boolean", "add", "A", "A"}, &err), 1);
  EXPECT_NE(err.find("two different objects"), std::string::npos);
  EXPECT_EQ(runCommand({"edit", "two.fcy", "-o", "x.fcy", "--extend", "fancy"}, &err), 1);
  EXPECT_NE(err.find("simple|normal|complex|complex2"), std::string::npos);
}

}  // namespace
}  // namespace facetry
