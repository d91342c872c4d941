// Tests of facetry-cli edit and of build's selection and transform steps: the steps reach the
// same commands as the menus and the mouse, and a bad step writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

struct BoxFile {
  TempDir dir;
  BoxFile() {
    ScriptedHost host;
    Scene scene;
    testing::addBoxObject(scene, host, 100, 100, 150, 100, "box");  // x 100..200
    opslaan(scene, "box.fcy");
  }
};

TEST(CliEdit, StepsRunInOrderAndABadStepWritesNothing) {
  BoxFile f;
  // Mirrored in x about the centre point (x 230): 100..200 becomes 260..360.
  ASSERT_EQ(runCommand({"edit", "box.fcy", "-o", "out.fcy", "--select", "all", "--mirror", "x",
                        "--colour", "0,128,255"}),
            0);
  const Scene mirrored = loadedScene("out.fcy");
  EXPECT_FLOAT_EQ(mirrored.face(0).corners[0].x + loadedScene("box.fcy").face(0).corners[0].x, 460);
  EXPECT_EQ(mirrored.face(3).blue, 255);
  // Nothing selected: the menu commands change nothing.
  ASSERT_EQ(runCommand({"edit", "box.fcy", "-o", "same.fcy", "--select", "none", "--delete"}), 0);
  EXPECT_EQ(loadedScene("same.fcy").FaceCount, 12);

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"edit", "box.fcy", "-o", "bad.fcy", "--select", "all",
                                 "--frobnicate"},
        {"edit", "box.fcy", "-o", "bad.fcy", "--select", "object:nothing"},
        {"edit", "box.fcy", "-o", "bad.fcy", "--mirror", "w"},
        {"edit", "box.fcy", "bad.fcy"}}) {
    EXPECT_EQ(runCommand(bad), 1) << bad.back();
    EXPECT_FALSE(std::filesystem::exists("bad.fcy")) << bad.back();
  }
}

TEST(CliBuild, SelectAndMoveThroughTheMousePath) {
  BoxFile f;
  // A click on the box selects it; the move tool's drag moves it by the drag.
  ASSERT_EQ(runCommand({"build", "moved.fcy", "--in", "box.fcy", "--select", "150,150", "--move",
                        "drag", "150,150", "180,170"}),
            0);
  Scene moved = loadedScene("moved.fcy");
  updateAllObjectBounds(moved);
  EXPECT_FLOAT_EQ(moved.object(0).min[0], 130);
  EXPECT_FLOAT_EQ(moved.object(0).min[1], 120);
}

TEST(CliInfo, AFileCutShortFailsWithHowFarItWasRead) {
  BoxFile f;
  std::string bytes;
  {
    std::ifstream in("box.fcy", std::ios::binary);
    bytes.assign(std::istreambuf_iterator<char>(in), {});
  }
  std::ofstream("cut.fcy", std::ios::binary).write(bytes.data(), 8 + 5 * 92 + 7);
  std::string err;
  EXPECT_EQ(runCommand({"info", "cut.fcy"}, &err), 1);
  EXPECT_NE(err.find("the file ends early: 5 faces read"), std::string::npos) << err;
}

}  // namespace
}  // namespace facetry
