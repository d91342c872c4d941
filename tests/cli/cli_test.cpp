// Tests of facetry-cli: what it prints and its exit status.
#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>
#include <tuple>

#include "cli_commands.h"
#include "demo_mesh.h"
#include "files/native_file.h"
#include "scene/geometry.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

struct CliRun {
  int status;
  std::string out, err;
};

CliRun runCliCapture(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = runCli(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CliInfo, ListsCountsObjectsRangesAndBounds) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  testing::addBoxObject(scene, host, 10, 20, 30, 5, "my box");
  opslaan(scene, "box.fcy");
  const CliRun r = runCliCapture({"info", "box.fcy"});
  EXPECT_EQ(r.status, 0) << r.err;
  EXPECT_EQ(r.out,
            "model box.fcy\nmaterials 1\nfaces 12\nobjects 1\nsurfaces 0\n"
            "object 0 \"my box\" faces 0..11 bounds (10, 20, 25) (15, 25, 30)\n");
}

TEST(CliInfo, DamagedOrMissingFileGivesOneLineAndStatusOne) {
  TempDir dir;
  const std::int32_t not_a_model = 500;
  writeFile("bad.fcy", std::string(reinterpret_cast<const char*>(&not_a_model), 4));
  writeFile("short.fcy", "x");
  for (const char* file : {"bad.fcy", "short.fcy", "missing.fcy"}) {
    const CliRun r = runCliCapture({"info", file});
    EXPECT_EQ(r.status, 1) << file;
    EXPECT_TRUE(r.out.empty()) << file;
    EXPECT_EQ(std::count(r.err.begin(), r.err.end(), '\n'), 1) << r.err;
  }
  EXPECT_NE(runCliCapture({"info", "bad.fcy"}).err.find("This is not an facetry file"),
            std::string::npos);
  EXPECT_EQ(runCliCapture({"frobnicate"}).status, 1);
  EXPECT_EQ(runCliCapture({}).status, 1);
  EXPECT_EQ(runCliCapture({"demo", "x.fcy", "--faces", "many"}).status, 1);
}

TEST(DemoMesh, IsClosedAndFacesOutward) {
  ScriptedHost host;
  for (int faces : {8, 100, 5000}) {
    Scene scene;
    const int added = addDemoMesh(scene, host, faces, {400, 400, 400}, 300, 1);
    EXPECT_LE(added, faces);
    EXPECT_GE(added, faces * 3 / 4);
    ASSERT_EQ(scene.ObjectCount, 1);
    EXPECT_EQ(testing::facesTowardCentre(scene, 0), 0) << faces;
    // Closed: every edge is shared by exactly two faces, walked in opposite directions.
    std::map<std::tuple<float, float, float, float, float, float>, int> edges;
    for (int i = 0; i < scene.FaceCount; ++i) {
      const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
      for (int e = 0; e < 3; ++e) {
        const FaceCorner& a = f.corners[e];
        const FaceCorner& b = f.corners[(e + 1) % 3];
        edges[{a.x, a.y, a.z, b.x, b.y, b.z}] += 1;
        edges[{b.x, b.y, b.z, a.x, a.y, a.z}] -= 1;
      }
    }
    for (const auto& [edge, balance] : edges) ASSERT_EQ(balance, 0) << faces;
  }
  EXPECT_TRUE(host.name_prompts.empty());
}

TEST(CliDemo, WritesAModelThatInfoReads) {
  TempDir dir;
  const CliRun demo = runCliCapture({"demo", "d.fcy", "--faces", "300", "--objects", "3"});
  ASSERT_EQ(demo.status, 0) << demo.err;
  const CliRun info = runCliCapture({"info", "d.fcy"});
  EXPECT_EQ(info.status, 0);
  EXPECT_NE(info.out.find("objects 3\n"), std::string::npos) << info.out;
  EXPECT_NE(info.out.find("\"Demo_3\""), std::string::npos);
}

}  // namespace
}  // namespace facetry
