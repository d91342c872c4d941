// Tests of facetry-cli edit and of build's selection and transform steps: the steps reach the
// same commands as the menus and the mouse, and a bad step writes nothing.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
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

int run(const std::vector<std::string>& args, std::string* err = nullptr) {
  std::ostringstream out, errors;
  const int status = runCli(args, out, errors);
  if (err) *err = errors.str();
  return status;
}

Scene load(const std::string& path) {
  ScriptedHost host;
  Scene scene;
  EXPECT_TRUE(ophaal(scene, host, path, true, nullptr));
  return scene;
}

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
  ASSERT_EQ(run({"edit", "box.fcy", "-o", "out.fcy", "--select", "all", "--mirror", "x", "--colour",
                 "0,128,255"}),
            0);
  const Scene mirrored = load("out.fcy");
  EXPECT_FLOAT_EQ(mirrored.face(0).corners[0].x + load("box.fcy").face(0).corners[0].x, 460);
  EXPECT_EQ(mirrored.face(3).blue, 255);
  // Nothing selected: the menu commands change nothing.
  ASSERT_EQ(run({"edit", "box.fcy", "-o", "same.fcy", "--select", "none", "--delete"}), 0);
  EXPECT_EQ(load("same.fcy").FaceCount, 12);

  for (const std::vector<std::string>& bad :
       {std::vector<std::string>{"edit", "box.fcy", "-o", "bad.fcy", "--select", "all",
                                 "--frobnicate"},
        {"edit", "box.fcy", "-o", "bad.fcy", "--select", "object:nothing"},
        {"edit", "box.fcy", "-o", "bad.fcy", "--mirror", "w"},
        {"edit", "box.fcy", "bad.fcy"}}) {
    EXPECT_EQ(run(bad), 1) << bad.back();
    EXPECT_FALSE(std::filesystem::exists("bad.fcy")) << bad.back();
  }
}

TEST(CliBuild, SelectAndMoveThroughTheMousePath) {
  BoxFile f;
  // A click on the box selects it; the move tool's drag moves it by the drag.
  ASSERT_EQ(run({"build", "moved.fcy", "--in", "box.fcy", "--select", "150,150", "--move", "drag",
                 "150,150", "180,170"}),
            0);
  Scene moved = load("moved.fcy");
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
  EXPECT_EQ(run({"info", "cut.fcy"}, &err), 1);
  EXPECT_NE(err.find("the file ends early: 5 faces read"), std::string::npos) << err;
}

}  // namespace
}  // namespace facetry
