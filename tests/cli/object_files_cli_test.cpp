// Tests of facetry-cli with object and modeler files: convert both ways, and the object
// file steps of edit and build.
#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>

#include "cli_commands.h"
#include "demo_mesh.h"
#include "files/native_file.h"
#include "scene/scratch_files.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::ScriptedHost;
using testing::TempDir;

int cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = runCli(args, out, err);
  EXPECT_EQ(status, 0) << err.str();
  return status;
}

Scene loaded(const std::string& path) {
  ScriptedHost host;
  Scene scene;
  EXPECT_TRUE(ophaal(scene, host, path, true, nullptr));
  return scene;
}

TEST(CliObjectFiles, ConvertKeepsObjectCoordinatesAndCentresModelerMeshes) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  const int n = addDemoMesh(scene, host, 100, {600, 500, 400}, 50, 2);
  opslaan(scene, "model.fcy");

  cli({"convert", "model.fcy", "model.obq"});
  cli({"convert", "model.obq", "from_obq.fcy"});
  const Scene from_obq = loaded("from_obq.fcy");
  ASSERT_EQ(from_obq.FaceCount, n) << "every face is written, selected or not";
  EXPECT_EQ(from_obq.ObjectCount, 1);
  EXPECT_NEAR(from_obq.ObjectTable[0].centre[0], 600, 60) << "no place-object click moves it";

  cli({"convert", "model.fcy", "model.mdd"});
  cli({"convert", "model.mdd", "from_mdd.fcy"});
  const Scene from_mdd = loaded("from_mdd.fcy");
  ASSERT_EQ(from_mdd.FaceCount, n);
  double sum[3] = {0, 0, 0};
  for (int i = 0; i < from_mdd.FaceCount; ++i) {
    for (const FaceCorner& c : from_mdd.FaceTable[static_cast<std::size_t>(i)].corners) {
      sum[0] += c.x, sum[1] += c.y, sum[2] += c.z;
    }
  }
  EXPECT_NEAR(sum[0] / (3 * n), 230, 0.01) << "centred on CentrePoint";
  EXPECT_NEAR(sum[1] / (3 * n), 150, 0.01);
  EXPECT_NEAR(sum[2] / (3 * n), 150, 0.01);
  EXPECT_FALSE(std::filesystem::exists(kModelerFile)) << "convert leaves no scratch file";
  EXPECT_FALSE(std::filesystem::exists(kUndoFile)) << "convert takes no undo snapshot";
}

TEST(CliObjectFiles, EditSavesTheSelectionAndBuildPlacesItWithAClick) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  addDemoMesh(scene, host, 60, {300, 300, 300}, 40, 2);
  opslaan(scene, "model.fcy");
  const int first_object_faces = scene.ObjectTable[0].last + 1;

  cli({"edit", "model.fcy", "-o", "same.fcy", "--select", "object:#0", "--save-object", "part",
       "--export-modeler", "part.mdd"});
  ASSERT_TRUE(std::filesystem::exists("part.obq"));
  cli({"build", "placed.fcy", "--in", "model.fcy", "--import-object", "part.obq", "100,80"});
  Scene placed = loaded("placed.fcy");
  ASSERT_EQ(placed.ObjectCount, 3);
  updateObjectBounds(placed, 2);
  const ModelObject& o = placed.ObjectTable[2];
  EXPECT_EQ(o.last - o.first + 1, first_object_faces);
  EXPECT_NEAR(o.centre[0], 100, 0.01) << "the click moved the new object's centre";
  EXPECT_NEAR(o.centre[1], 80, 0.01);

  cli({"edit", "model.fcy", "-o", "with_mesh.fcy", "--import-modeler", "part.mdd"});
  EXPECT_EQ(loaded("with_mesh.fcy").ObjectCount, 3);
}

}  // namespace
}  // namespace facetry
