// The exported worlds and scenes in the programs they are written for: VRML 1.0 and 2.0
// through tovrmlx3d (Debian package view3dscene), which must read them without an error or
// a warning, and POV-Ray scenes rendered by povray (package povray), which must parse them
// (it stops at a parse error, a GIF it cannot read included) without dropping a triangle. Skipped
// when a reader is absent, except on CI (CI=true), where a missing reader fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <sstream>

#include "demo_mesh.h"
#include "exchange/pov_writer.h"
#include "exchange/vrml1_writer.h"
#include "exchange/vrml2_writer.h"
#include "exchange_test_util.h"
#include "export_scenes.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addObject;
using testing::addPicture;
using testing::corner;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

bool installed(const char* program) {
  return std::system(("command -v " + std::string(program) + " >/dev/null 2>&1").c_str()) == 0;
}

bool onCi() {
  const char* ci = std::getenv("CI");
  return ci && std::strcmp(ci, "true") == 0;
}

#define REQUIRE_READER(program, package)                                            \
  if (!installed(program)) {                                                        \
    if (onCi()) FAIL() << program " is not installed (Debian package " package ")"; \
    GTEST_SKIP() << program " is not installed (Debian package " package ")";       \
  }

// A demo mesh, an object whose name is no valid node name, runs of two colours, a decoded
// GIF picture (written beside the files) and one that could not be decoded.
struct MixedScene {
  ScriptedHost host;
  Scene scene;
  Lighting light;
  Settings settings;
  TextureStore textures;
  MixedScene() {
    scene.ask = true;
    addDemoMesh(scene, host, 400, {300, 300, 300}, 120, 2);
    writeFile("pic.gif", testing::tinyGif());
    addPicture(scene, textures, 1, "pic.gif", 1, 1);
    addPicture(scene, textures, 2, "broken.gif", 0, 0);
    const auto face = [](float x) {
      return std::array<FaceCorner, 3>{corner(x, 0, 0), corner(x + 5, 0, 0), corner(x, 5, 0)};
    };
    addObject(scene, host, "2 my object.", {{face(0)}, {face(10), {1, 2, 3}}, {face(20)}});
    addObject(scene, host, "", {{face(30), {9, 9, 9}, 1}, {face(40), {9, 9, 9}, 1}});
    addObject(scene, host, "broken", {{face(50), {9, 9, 9}, 2}});
  }
};

struct ReaderRun {
  int status;
  std::string out, err;
};

ReaderRun run(const std::string& command) {
  const int status = std::system((command + " > reader.out 2> reader.err").c_str());
  return {status, readFile("reader.out"), readFile("reader.err")};
}

int count(const std::string& text, const std::string& word) {
  int n = 0;
  for (std::size_t at = text.find(word); at != std::string::npos; at = text.find(word, at + 1)) {
    ++n;
  }
  return n;
}

TEST(RealReaders, TovrmlxReadsBothVrmlVersionsWithoutComplaint) {
  REQUIRE_READER("tovrmlx3d", "view3dscene");
  TempDir dir;
  MixedScene s;
  writeVrml1(s.scene, s.textures, "one.wrl");
  writeVrml2(s.scene, s.textures, "two.wrl");
  for (const char* file : {"one.wrl", "two.wrl"}) {
    const ReaderRun r = run(std::string("tovrmlx3d ") + file);
    EXPECT_EQ(r.status, 0) << file;
    EXPECT_EQ(r.err, "") << file;
    // The demo mesh's run, three of the named object, the picture and the broken picture.
    EXPECT_EQ(count(r.out, "IndexedFaceSet"), 6) << file;
  }
}

TEST(RealReaders, FarCoordinatesSurviveAVrml1RoundTrip) {
  REQUIRE_READER("tovrmlx3d", "view3dscene");
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  TextureStore textures;
  addObject(scene, host, "far",
            {{{corner(0, 0, 0), corner(2345678.5f, 0, 0), corner(0, 10, -1234567.25f)}}});
  writeVrml1(scene, textures, "far.wrl");
  const ReaderRun r = run("tovrmlx3d far.wrl");
  ASSERT_EQ(r.err, "");
  const std::size_t list = r.out.find("point [");
  ASSERT_NE(list, std::string::npos) << r.out;
  std::string numbers = r.out.substr(list + 7, r.out.find(']', list) - list - 7);
  for (char& c : numbers) c = c == ',' ? ' ' : c;
  std::istringstream in(numbers);
  std::vector<double> read;
  for (double v; in >> v;) read.push_back(v);
  EXPECT_EQ(read, std::vector<double>({0, 0, 0, 2345678.5, 0, 0, 0, -10, -1234567.25}));
}

TEST(RealReaders, PovrayRendersTheSceneWithoutDroppingTriangles) {
  REQUIRE_READER("povray", "povray");
  TempDir dir;
  MixedScene s;
  // Two smooth faces back to back: their shared corner normals are zero.
  addObject(s.scene, s.host, "leaf",
            {{{corner(0, 0, 0), corner(10, 0, 0), corner(0, 10, 0)}, {9, 9, 9}, 0, true},
             {{corner(0, 0, 0), corner(0, 10, 0), corner(10, 0, 0)}, {9, 9, 9}, 0, true}});
  writePov(s.scene, s.light, s.settings, s.textures, s.host, "scene.pov");
  const ReaderRun r = run("povray +Iscene.pov +Oscene.png +W32 +H24 -D -P +A0.3");
  const std::string report = r.out + r.err;
  EXPECT_EQ(r.status, 0) << report;
  EXPECT_EQ(report.find("egenerate"), std::string::npos) << report;
  EXPECT_FALSE(readFile("scene.png").empty());
}

}  // namespace
}  // namespace facetry
