// facetry-cli edit --material / --texture and render of the textured result.
#include <gtest/gtest.h>

#include <sstream>

#include "../materials/picture_builders.h"
#include "cli_commands.h"
#include "cli_run.h"
#include "files/native_file.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::runCommand;

TEST(CliMaterials, EditAppliesMovesAndRenderDrawsTheTexture) {
  testing::TempDir dir;
  testing::writeFile("tile.bmp", testing::makeBmp(8, 8, 24, {},
                                                  std::vector<std::vector<std::uint32_t>>(
                                                      8, std::vector<std::uint32_t>(8, 0x2040F0))));
  ASSERT_EQ(runCommand({"demo", "d.fcy", "--faces", "100", "--objects", "2"}), 0);
  ASSERT_EQ(runCommand({"edit", "d.fcy", "-o", "t.fcy", "--select", "all", "--material", "tile.bmp",
                        "--mapping", "wrap-height", "--texture", "left", "--factor", "25"}),
            0);
  testing::ScriptedHost host;
  Scene scene;
  scene.ask = true;
  ophaal(scene, host, "t.fcy", true, nullptr);
  ASSERT_EQ(scene.MaterialCount, 2);
  EXPECT_EQ(scene.MaterialList[1].str(), "tile.bmp");  // the name as given
  EXPECT_EQ(scene.FaceTable[0].material, 1);
  for (const char* shading : {"flat", "gouraud", "phong"}) {
    EXPECT_EQ(
        runCommand({"render", "t.fcy", "--view", "front", "--shading", shading, "-o", "v.bmp"}), 0);
  }
  EXPECT_EQ(
      runCommand({"render", "t.fcy", "--view", "survey", "--shading", "phong", "-o", "s.jpg"}), 0);

  std::string err;
  EXPECT_EQ(runCommand({"edit", "d.fcy", "-o", "u.fcy", "--material", "none.bmp"}, &err), 1);
  EXPECT_NE(err.find("none.bmp: no such picture file"), std::string::npos);
  EXPECT_EQ(runCommand({"edit", "d.fcy", "-o", "u.fcy", "--texture", "sideways"}), 1);
}

}  // namespace
}  // namespace facetry
