// Interoperability with an independent reader and writer (assimp, from Debian's
// assimp-utils): files written here load there with the same face count, and 3DS files it
// exports from OBJ and STL files written here load here. Skipped when assimp is absent,
// except under CI (CI=true), where it fails.
#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "demo_mesh.h"
#include "exchange/dxf_reader.h"
#include "exchange/dxf_writer.h"
#include "exchange/three_ds_reader.h"
#include "exchange/three_ds_writer.h"
#include "exchange_test_util.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::assimpFaceCount;
using testing::assimpInstalled;
using testing::CountingHost;
using testing::readFile;
using testing::TempDir;
using testing::testDataPath;
using testing::writeFile;

// CI installs assimp-utils (./test.sh), so there a missing assimp is a failure.
#define SKIP_WITHOUT_ASSIMP()                                                          \
  if (!assimpInstalled()) {                                                            \
    const char* ci = std::getenv("CI");                                                \
    if (ci && std::string(ci) == "true") FAIL() << "assimp (assimp-utils) is missing"; \
    GTEST_SKIP() << "assimp is not installed (Debian package assimp-utils)";           \
  }

TEST(AssimpInterop, FilesWrittenHereLoadThereWithTheSameFaceCount) {
  SKIP_WITHOUT_ASSIMP();
  TempDir dir;
  CountingHost host;
  Scene scene;
  scene.ask = true;
  const int faces = addDemoMesh(scene, host, 3000, {400, 400, 400}, 380, 4);
  testing::addBoxObject(scene, host, 10, 10, 10, 20, "a long object name");
  ViewState views;
  writeDxf(scene, "demo.dxf");
  write3ds(scene, views, "demo.3ds");
  EXPECT_EQ(assimpFaceCount("demo.dxf"), faces + 12);
  EXPECT_EQ(assimpFaceCount("demo.3ds"), faces + 12);
}

TEST(AssimpInterop, ThreeDsExportedThereFromObjAndStlLoadsHere) {
  SKIP_WITHOUT_ASSIMP();
  TempDir dir;
  const struct {
    const char* source;
    int faces;
    int objects;
  } kCases[] = {{"two_boxes.obj", 18, 2}, {"tetra.stl", 4, 1}};
  for (const auto& c : kCases) {
    const std::string source = c.source;
    writeFile(source, readFile(testDataPath(source)));
    const std::string target = source.substr(0, source.find('.')) + ".3ds";
    ASSERT_EQ(std::system(("assimp export " + source + " " + target + " >/dev/null 2>&1").c_str()),
              0)
        << source;
    Scene scene;
    CountingHost host;
    ViewState views;
    Point3 light;
    read3ds(scene, host, views, light, target);
    EXPECT_EQ(scene.FaceCount, c.faces) << source;
    EXPECT_EQ(scene.ObjectCount, c.objects) << source;
    EXPECT_EQ(testing::invariantViolation(scene), "");
  }
}

TEST(AssimpInterop, HandWrittenDxfReadsAlikeInBoth) {
  SKIP_WITHOUT_ASSIMP();
  TempDir dir;
  const std::string path = testDataPath("handmade_r12.dxf");
  writeFile("handmade.dxf", readFile(path));
  Scene scene;
  CountingHost host;
  ViewState views;
  DxfReaderState state;
  readDxf(scene, host, views, state, "handmade.dxf");
  EXPECT_EQ(scene.FaceCount, assimpFaceCount("handmade.dxf"));
}

}  // namespace
}  // namespace facetry
