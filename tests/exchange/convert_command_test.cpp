// Tests of facetry-cli convert: every direction between .fcy, .dxf and .3ds, and misuse.
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

struct CliRun {
  int status;
  std::string out, err;
};

CliRun cli(const std::vector<std::string>& args) {
  std::ostringstream out, err;
  const int status = runCli(args, out, err);
  return {status, out.str(), err.str()};
}

TEST(CliConvert, EveryDirectionKeepsTheObjects) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  const int n = addDemoMesh(scene, host, 200, {400, 400, 400}, 100, 2);
  opslaan(scene, "model.fcy");
  auto wrote = [](const std::string& file, int faces) {
    return "wrote " + file + ": " + std::to_string(faces) + " faces in 2 objects\n";
  };
  EXPECT_EQ(cli({"convert", "model.fcy", "model.3ds"}).out, wrote("model.3ds", n));
  EXPECT_EQ(cli({"convert", "model.fcy", "model.DXF"}).out, wrote("model.DXF", n));
  EXPECT_EQ(cli({"convert", "model.3ds", "from3ds.dxf"}).out, wrote("from3ds.dxf", n));
  // Each DXF face comes back with a twin whose first two corners coincide.
  EXPECT_EQ(cli({"convert", "model.DXF", "fromdxf.3ds"}).out, wrote("fromdxf.3ds", 2 * n));
  EXPECT_EQ(cli({"convert", "fromdxf.3ds", "back.fcy"}).out, wrote("back.fcy", 2 * n));
  EXPECT_EQ(cli({"convert", "from3ds.dxf", "out.bin", "--format", "fcy"}).status, 0);
  EXPECT_TRUE(std::filesystem::exists("out.bin"));
  // The scratch files of the DXF import do not stay behind.
  EXPECT_FALSE(std::filesystem::exists(kHeaderFile));
}

TEST(CliConvert, MisuseAndBadFilesFailWithAReason) {
  TempDir dir;
  testing::writeFile("bad.3ds", "not a 3ds file");
  const struct {
    std::vector<std::string> args;
    const char* says;
  } kCases[] = {
      {{"convert", "a.fcy"}, "an input and an output file"},
      {{"convert", "a.xyz", "b.fcy"}, "cannot tell the format of a.xyz"},
      {{"convert", "a.fcy", "b.xyz"}, "cannot tell the format to write b.xyz"},
      {{"convert", "a.fcy", "b.dxf", "--format", "xyz"}, "--format wants"},
      {{"convert", "missing.dxf", "b.fcy"}, "missing.dxf: no such file"},
      {{"convert", "bad.3ds", "b.fcy"}, "bad.3ds: not a 3DS file"},
  };
  for (const auto& c : kCases) {
    const CliRun r = cli(c.args);
    EXPECT_EQ(r.status, 1) << c.says;
    EXPECT_NE(r.err.find(c.says), std::string::npos) << r.err;
  }
}

}  // namespace
}  // namespace facetry
