// Tests of the 3DS writer and reader: names, byte layout, the chunk walk, round trips,
// large objects, files written by a third-party program.
#include <gtest/gtest.h>

#include "exchange/three_ds_reader.h"
#include "exchange/three_ds_writer.h"
#include "exchange_test_util.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::chunk;
using testing::corner;
using testing::CountingHost;
using testing::f32Bytes;
using testing::invariantViolation;
using testing::meshObject;
using testing::readFile;
using testing::TempDir;
using testing::u16Bytes;
using testing::writeFile;

struct ThreeDsRun {
  Scene scene;
  CountingHost host;
  ViewState views;
  Point3 light{1, 2, 3};

  void read(const std::string& bytes) {
    writeFile("in.3ds", bytes);
    read3ds(scene, host, views, light, "in.3ds");
    EXPECT_EQ(invariantViolation(scene), "");
  }
  std::string name(int k) const {
    return scene.ObjectTable[static_cast<std::size_t>(k)].name.str();
  }
};

std::string mainChunk(const std::string& editor, const std::string& after = "") {
  return chunk(0x4D4D, chunk(0x3D3D, editor) + after);
}

TEST(ThreeDsNames, BlanksBecomeUnderscoresEmptyNamesAreNumberedAllCutToNine) {
  EXPECT_EQ(threeDsName("my object", 0), "my_object");
  EXPECT_EQ(threeDsName("a long object name", 0), "a_long_ob");
  EXPECT_EQ(threeDsName("", 3), "Obj_3");
  EXPECT_EQ(threeDsName("Sphere", 0, 2), "Sphere_2");
  EXPECT_EQ(threeDsName("a long object name", 0, 12), "a_long_12");
}

TEST(ThreeDsWriter, TwoFaceObjectIsWrittenByteForByte) {
  // Default centre (230, 150, 150); minX = 1, minY = 2:
  // X = x - 1, Y = 150 - z, Z = 150 - (y - 2).
  TempDir dir;
  CountingHost host;
  Scene scene;
  scene.ask = true;
  addFace(scene, host, corner(1, 2, 3), corner(4, 5, 6), corner(7, 8, 9));
  addFace(scene, host, corner(1, 12, 0), corner(2, 2, 0), corner(3, 3, 0));
  scene.ObjectNameBuffer.assign("my object");
  closeObject(scene, host, false, true);
  ViewState views;
  write3ds(scene, views, "pair.3ds");

  std::string vertices = u16Bytes(6);
  const float xyz[6][3] = {{1, 2, 3}, {4, 5, 6}, {7, 8, 9}, {1, 12, 0}, {2, 2, 0}, {3, 3, 0}};
  for (const auto& p : xyz) {
    vertices += f32Bytes(p[0] - 1) + f32Bytes(150 - p[2]) + f32Bytes(150 - (p[1] - 2));
  }
  std::string faces = u16Bytes(2);
  for (std::uint16_t v : {0, 1, 2, 7, 3, 4, 5, 7}) faces += u16Bytes(v);
  const std::string expected =
      mainChunk(chunk(0x4000, std::string("my_object") + '\0' +
                                  chunk(0x4100, chunk(0x4110, vertices) + chunk(0x4120, faces))));
  EXPECT_EQ(readFile("pair.3ds"), expected);
}

TEST(ThreeDsReader, WrittenSceneReadsBackShiftedToTheOriginObjectByObject) {
  TempDir dir;
  CountingHost host;
  Scene source;
  testing::addBoxObject(source, host, 40, 60, 80, 10, "first box");
  testing::addBoxObject(source, host, 70, 65, 20, 5, "");
  ViewState views;
  write3ds(source, views, "boxes.3ds");
  ThreeDsRun run;
  run.read(readFile("boxes.3ds"));
  ASSERT_EQ(run.scene.FaceCount, 24);
  ASSERT_EQ(run.scene.ObjectCount, 2);
  EXPECT_EQ(run.name(0), "first_box");
  EXPECT_EQ(run.name(1), "Obj_1");
  for (int i = 0; i < 24; ++i) {
    for (int c = 0; c < 3; ++c) {
      const FaceCorner& o = source.FaceTable[static_cast<std::size_t>(i)].corners[c];
      const FaceCorner& r = run.scene.FaceTable[static_cast<std::size_t>(i)].corners[c];
      EXPECT_FLOAT_EQ(r.x, o.x - 40);
      EXPECT_FLOAT_EQ(r.y, o.y - 60);
      EXPECT_FLOAT_EQ(r.z, o.z);
    }
  }
  EXPECT_EQ(run.host.counts.size(), 24u);
  EXPECT_FALSE(run.scene.ask);
}

TEST(ThreeDsReader, ObjectsBetweenEditorAndKeyframerCountThoseAfterItDoNot) {
  TempDir dir;
  ThreeDsRun run;
  const std::vector<float> tri = {0, 0, 0, 1, 0, 0, 0, 1, 0};
  const std::string editor = chunk(0x3D3E, std::string(4, '\0')) +
                             chunk(0xAFFF, chunk(0xA000, "mat")) +
                             meshObject("inside", tri, {0, 1, 2});
  const std::string after_editor = meshObject("behind", tri, {0, 1, 2});
  const std::string keyframer = chunk(0xB000, meshObject("keyframe", tri, {0, 1, 2}));
  run.read(chunk(0x4D4D, meshObject("before", tri, {0, 1, 2}) + chunk(0x3D3D, editor) +
                             after_editor + keyframer + meshObject("last", tri, {0, 1, 2})));
  ASSERT_EQ(run.scene.ObjectCount, 2);
  EXPECT_EQ(run.name(0), "inside");
  EXPECT_EQ(run.name(1), "behind");
}

TEST(ThreeDsReader, ColourChunkMakesFacesRedAndALightSetsThePosition) {
  TempDir dir;
  ThreeDsRun run;
  run.scene.CurrentColour = {0, 0, 255};
  const std::string light =
      chunk(0x4000, std::string("lamp") + '\0' +
                        chunk(0x4600, f32Bytes(125.9f) + f32Bytes(-39.5f) + f32Bytes(70.2f) +
                                          chunk(0x0010, f32Bytes(1) + f32Bytes(1) + f32Bytes(1))));
  run.read(mainChunk(chunk(0x0010, std::string(12, '\0')) + light +
                     meshObject("tri", {0, 0, 0, 1, 0, 0, 0, 1, 0}, {0, 1, 2})));
  ASSERT_EQ(run.scene.FaceCount, 1);
  EXPECT_EQ(run.scene.FaceTable[0].red, 255);
  EXPECT_EQ(run.scene.FaceTable[0].blue, 0);
  EXPECT_EQ(run.light.x, 12);
  EXPECT_EQ(run.light.y, -3);
  EXPECT_EQ(run.light.z, 7);
}

TEST(ThreeDsWriter, ObjectsBeyondTheSixteenBitVertexCountAreSplit) {
  TempDir dir;
  CountingHost host;
  Scene scene;
  scene.ask = true;
  constexpr int kFaces = 2 * k3dsMaxMeshFaces + 10;
  for (int i = 0; i < kFaces; ++i) {
    const auto x = static_cast<float>(i % 1000);
    const auto y = static_cast<float>(i / 1000);
    addFace(scene, host, corner(x, y, 0), corner(x + 1, y, 0), corner(x, y + 1, 0));
  }
  scene.ObjectNameBuffer.assign("big mesh");
  closeObject(scene, host, false, true);
  ViewState views;
  write3ds(scene, views, "big.3ds");
  ThreeDsRun run;
  run.read(readFile("big.3ds"));
  ASSERT_EQ(run.scene.ObjectCount, 3);
  EXPECT_EQ(run.name(0), "big_mesh");
  EXPECT_EQ(run.name(1), "big_mes_2");
  EXPECT_EQ(run.name(2), "big_mes_3");
  EXPECT_EQ(run.scene.ObjectTable[0].last, k3dsMaxMeshFaces - 1);
  EXPECT_EQ(run.scene.ObjectTable[1].last, 2 * k3dsMaxMeshFaces - 1);
  EXPECT_EQ(run.scene.FaceCount, kFaces);
  EXPECT_FLOAT_EQ(run.scene.FaceTable[kFaces - 1].corners[1].x,
                  scene.FaceTable[kFaces - 1].corners[1].x);
}

TEST(ThreeDsReader, FilesWrittenByAThirdPartyExporterAreRead) {
  // Written by assimp from the OBJ and STL files beside them: materials, local axes,
  // material groups in the face list and a keyframer.
  TempDir dir;
  ThreeDsRun boxes;
  boxes.read(readFile(testing::testDataPath("two_boxes.3ds")));
  EXPECT_EQ(boxes.scene.FaceCount, 18);
  ASSERT_EQ(boxes.scene.ObjectCount, 2);
  EXPECT_EQ(boxes.name(0), "crate_crate_0");
  EXPECT_EQ(boxes.scene.ObjectTable[1].last - boxes.scene.ObjectTable[1].first, 5);
  ThreeDsRun tetra;
  tetra.read(readFile(testing::testDataPath("tetra.3ds")));
  EXPECT_EQ(tetra.scene.FaceCount, 4);
  EXPECT_EQ(tetra.scene.ObjectCount, 1);
}

}  // namespace
}  // namespace facetry
