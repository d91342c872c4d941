// Tests of the native model file: byte layout, round trips, merging, damaged files.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "files/native_file.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::invariantViolation;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

std::string int32Bytes(std::int32_t v) {
  return std::string(reinterpret_cast<char*>(&v), 4);
}

template <typename T>
std::string recordBytes(const T& record) {
  return std::string(reinterpret_cast<const char*>(&record), sizeof record);
}

// A scene with `objects` boxes, a material naming an existing file, and two surfaces.
Scene sampleScene(ScriptedHost& host, int objects, float x0 = 0) {
  Scene scene;
  scene.ask = true;
  for (int k = 0; k < objects; ++k) {
    addBoxObject(scene, host, x0 + 20.f * k, 0, 0, 10, "box" + std::to_string(k));
  }
  scene.ask = false;
  writeFile("wood.bmp", "BM");
  scene.MaterialList[1].assign("wood.bmp");
  scene.MaterialCount = 2;
  if (scene.FaceCount > 0) scene.FaceTable[0].material = 1;
  scene.ObjectTable[0].reserved[3] = 0xAB;
  scene.NurbCount = 2;
  scene.NurbTable[0].count = 2;
  scene.NurbTable[0].points[1].x = 7;
  scene.NurbTable[1].count = 1;
  scene.NurbTable[1].points[0].y = 9;
  return scene;
}

TEST(NativeFile, EmptySceneIsSixteenBytes) {
  TempDir dir;
  Scene scene;
  opslaan(scene, "empty.fcy");
  EXPECT_EQ(readFile("empty.fcy"), int32Bytes(1) + int32Bytes(0) + int32Bytes(0) + int32Bytes(0));
}

TEST(NativeFile, HandBuiltFileLaysOutEverySection) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = sampleScene(host, 1);
  opslaan(scene, "one.fcy");
  std::string expected = int32Bytes(2) + recordBytes(scene.MaterialList[1]) + int32Bytes(12);
  for (int i = 0; i < 12; ++i)
    expected += recordBytes(scene.FaceTable[static_cast<std::size_t>(i)]);
  expected += int32Bytes(1) + recordBytes(scene.ObjectTable[0]) + int32Bytes(2);
  // Each surface block: its count, then the first 980 bytes of the next slot's points.
  std::string block0 =
      int32Bytes(2) + std::string(reinterpret_cast<const char*>(&scene.NurbTable[1].points), 980);
  expected += block0 + recordBytes(scene.NurbTable[0].points[0]) +
              recordBytes(scene.NurbTable[0].points[1]);
  std::string block1 = int32Bytes(1) + std::string(980, '\0');
  expected += block1 + recordBytes(scene.NurbTable[1].points[0]);
  const std::string written = readFile("one.fcy");
  EXPECT_EQ(written.size(), 4 + 255 + 4 + 12 * 92 + 4 + 84 + 4 + 984 + 48 + 984 + 24);
  EXPECT_EQ(written, expected);
}

TEST(NativeFile, RoundTripReproducesEveryRecordAndTheSameBytes) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = sampleScene(host, 3);
  scene.FaceTable[4].selected = 1;
  scene.FaceTable[4].spare82[1] = 5;
  scene.FaceTable[5].ReflectionLevel = 3;
  opslaan(scene, "a.fcy");
  Scene loaded;
  TextureStore textures;
  ASSERT_TRUE(ophaal(loaded, host, "a.fcy", true, &textures));
  EXPECT_EQ(textures.loadsRequested(), 1);
  ASSERT_EQ(loaded.FaceCount, 36);
  ASSERT_EQ(loaded.ObjectCount, 3);
  EXPECT_EQ(std::memcmp(loaded.FaceTable.data(), scene.FaceTable.data(), 36 * sizeof(Face)), 0);
  EXPECT_EQ(
      std::memcmp(loaded.ObjectTable.data(), scene.ObjectTable.data(), 3 * sizeof(ModelObject)), 0);
  EXPECT_EQ(loaded.NurbCount, 2);
  EXPECT_EQ(loaded.NurbTable[0].points[1].x, 7);
  EXPECT_EQ(loaded.MaterialList[1].str(), "wood.bmp");
  EXPECT_TRUE(host.name_prompts.empty());
  EXPECT_FALSE(loaded.ask) << "the box is restored after the load";
  opslaan(loaded, "b.fcy");
  EXPECT_EQ(readFile("a.fcy"), readFile("b.fcy"));
  EXPECT_EQ(invariantViolation(loaded), "");
}

TEST(NativeFile, MergeShiftsFaceRangesAndObjectNumbers) {
  TempDir dir;
  ScriptedHost host;
  Scene file_scene = sampleScene(host, 3, 500);
  opslaan(file_scene, "three.fcy");
  Scene scene;
  scene.ask = true;
  for (int k = 0; k < 5; ++k) addBoxObject(scene, host, 20.f * k, 0, 0, 10, "old");
  // 5 objects with 60 faces; drop two faces from the last so that there are 58... keep 60.
  ASSERT_TRUE(ophaal(scene, host, "three.fcy", false, nullptr));
  ASSERT_EQ(scene.ObjectCount, 8);
  EXPECT_EQ(scene.FaceCount, 96);
  for (int k = 5; k < 8; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    EXPECT_EQ(o.first, 60 + 12 * (k - 5));
    EXPECT_EQ(o.last, 71 + 12 * (k - 5));
    EXPECT_EQ(o.name.str(), "box" + std::to_string(k - 5));
    EXPECT_EQ(scene.FaceTable[static_cast<std::size_t>(o.first)].object, k);
  }
  EXPECT_TRUE(scene.ask) << "a ticked box stays ticked";
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(NativeFile, FileEndingAfterTheObjectsKeepsTheSurfacesInMemory) {
  TempDir dir;
  ScriptedHost host;
  Scene source = sampleScene(host, 1);
  source.NurbCount = 0;
  opslaan(source, "x.fcy");
  std::string bytes = readFile("x.fcy");
  writeFile("x.fcy", bytes.substr(0, bytes.size() - 4));  // drop the surface count
  Scene scene = sampleScene(host, 2);
  ASSERT_TRUE(ophaal(scene, host, "x.fcy", true, nullptr));
  EXPECT_EQ(scene.NurbCount, 2);
  EXPECT_EQ(scene.FaceCount, 12);
}

TEST(NativeFile, MaterialsNamingMissingFilesAreEmptiedAndTheirFacesLoseThem) {
  TempDir dir;
  ScriptedHost host;
  Scene source = sampleScene(host, 1);
  source.MaterialList[2].assign("gone.jpg");
  source.MaterialCount = 3;
  source.FaceTable[1].material = 2;
  opslaan(source, "m.fcy");
  Scene scene;
  TextureStore textures;
  ASSERT_TRUE(ophaal(scene, host, "m.fcy", true, &textures));
  EXPECT_EQ(scene.MaterialCount, 2);
  EXPECT_TRUE(scene.MaterialList[2].empty());
  EXPECT_EQ(scene.FaceTable[0].material, 1);
  EXPECT_EQ(scene.FaceTable[1].material, 0);
  EXPECT_EQ(textures.loadsRequested(), 1);
}

TEST(NativeFile, NotAModelFileIsReportedAndLosesNothing) {
  TempDir dir;
  ScriptedHost host;
  writeFile("bad.fcy", int32Bytes(101) + std::string(100, 'x'));
  Scene scene = sampleScene(host, 2);
  EXPECT_FALSE(ophaal(scene, host, "bad.fcy", true, nullptr));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "This is not an facetry file");
  EXPECT_EQ(host.messages[0].title, "Error reading file");
  EXPECT_EQ(host.messages[0].icon, MessageIcon::Warning);
  EXPECT_EQ(scene.FaceCount, 24);
  EXPECT_EQ(scene.MaterialCount, 2);

  writeFile("neg.fcy", int32Bytes(-5));
  EXPECT_FALSE(ophaal(scene, host, "neg.fcy", true, nullptr));
  writeFile("short.fcy", "ab");
  EXPECT_THROW(ophaal(scene, host, "short.fcy", true, nullptr), FormatError);
  EXPECT_FALSE(ophaal(scene, host, "missing.fcy", true, nullptr));
  EXPECT_EQ(host.messages.size(), 2u) << "a missing file is no message";
  EXPECT_EQ(scene.FaceCount, 24);
}

TEST(NativeFile, EveryTruncationKeepsAConsistentPrefix) {
  TempDir dir;
  ScriptedHost host;
  Scene source = sampleScene(host, 3);
  opslaan(source, "full.fcy");
  const std::string bytes = readFile("full.fcy");
  for (std::size_t cut = 0; cut < bytes.size(); ++cut) {
    writeFile("cut.fcy", bytes.substr(0, cut));
    Scene scene;
    try {
      ophaal(scene, host, "cut.fcy", true, nullptr);
    } catch (const FormatError&) {
      ASSERT_LT(cut, 4u) << "only a file without a material count is refused";
    }
    ASSERT_EQ(invariantViolation(scene), "") << "cut at " << cut;
    ASSERT_LE(scene.FaceCount, 36);
  }
}

TEST(NativeFile, FileCutShortSaysSoAndLeavesEveryFaceInAnObjectOrTheSceneAsItWas) {
  TempDir dir;
  ScriptedHost host;
  Scene source = sampleScene(host, 3);
  opslaan(source, "full.fcy");
  const std::string bytes = readFile("full.fcy");
  const std::size_t faces_start = 4 + sizeof(MaterialEntry) + 4;
  // Cut inside the 20th face: 19 faces are read and closed into one object of their own.
  writeFile("cut.fcy", bytes.substr(0, faces_start + 19 * sizeof(Face) + 10));
  Scene scene = sampleScene(host, 1, 500);
  host.messages.clear();
  EXPECT_TRUE(ophaal(scene, host, "cut.fcy", true, nullptr));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_NE(host.messages[0].text.find("the file ends early: 19 faces read"), std::string::npos);
  EXPECT_EQ(scene.FaceCount, 19);
  EXPECT_EQ(scene.openObject().first, 19) << "no face is left outside an object";
  EXPECT_EQ(invariantViolation(scene), "");
  // Cut before any whole face: the scene stays as it was.
  writeFile("cut.fcy", bytes.substr(0, faces_start + 50));
  Scene kept = sampleScene(host, 1, 500);
  host.messages.clear();
  EXPECT_FALSE(ophaal(kept, host, "cut.fcy", true, nullptr));
  EXPECT_EQ(kept.FaceCount, 12);
  EXPECT_EQ(kept.ObjectCount, 1);
  EXPECT_EQ(host.messages.size(), 1u);
}

TEST(NativeFile, HostileCountsAndRangesEndInAnErrorWithConsistentTables) {
  TempDir dir;
  ScriptedHost host;
  Scene source = sampleScene(host, 2);
  opslaan(source, "ok.fcy");
  const std::string ok = readFile("ok.fcy");
  const std::size_t face_count_at = 4 + 255;
  const std::size_t object_count_at = face_count_at + 4 + 24 * 92;
  const std::size_t surface_count_at = object_count_at + 4 + 2 * 84;

  auto patched = [&](std::size_t at, std::int32_t value) {
    std::string b = ok;
    std::memcpy(b.data() + at, &value, 4);
    return b;
  };
  struct Case {
    const char* what;
    std::string bytes;
    bool range_error;  // must end in a RangeError; the others may (garbage read as records)
  };
  ModelObject beyond = source.ObjectTable[1];
  beyond.last = 40;
  std::string beyond_bytes = ok;
  std::memcpy(beyond_bytes.data() + object_count_at + 4 + 84, &beyond, 84);
  ModelObject gap = source.ObjectTable[1];
  gap.first = 13;
  std::string gap_bytes = ok;
  std::memcpy(gap_bytes.data() + object_count_at + 4 + 84, &gap, 84);
  Face bad_material = source.FaceTable[3];
  bad_material.material = 5000;
  std::string material_bytes = ok;
  std::memcpy(material_bytes.data() + face_count_at + 4 + 3 * 92, &bad_material, 92);

  const std::vector<Case> cases = {
      {"face count -1", patched(face_count_at, -1), false},
      {"face count 2^31-1", patched(face_count_at, 0x7fffffff), false},
      {"object count -1", patched(object_count_at, -1), false},
      {"object count 2^31-1", patched(object_count_at, 0x7fffffff), false},
      {"object beyond the faces", beyond_bytes, true},
      {"object ranges with a gap", gap_bytes, true},
      {"material 5000", material_bytes, true},
      {"surface count 101", patched(surface_count_at, 101), true},
      {"surface count -1", patched(surface_count_at, -1), true},
      {"point count 42", patched(surface_count_at + 4, 42), true},
      {"junk appended", ok + std::string(1000, '\xff'), false},
  };
  for (const Case& c : cases) {
    writeFile("hostile.fcy", c.bytes);
    Scene scene;
    bool threw = false;
    try {
      ophaal(scene, host, "hostile.fcy", true, nullptr);
    } catch (const RangeError&) {
      threw = true;
    }
    if (c.range_error) {
      EXPECT_TRUE(threw) << c.what;
    }
    EXPECT_EQ(invariantViolation(scene), "") << c.what;
    EXPECT_FALSE(scene.ask) << c.what;
  }
}

TEST(NativeFile, FailedSaveKeepsThePreviousFile) {
  TempDir dir;
  ScriptedHost host;
  Scene scene = sampleScene(host, 1);
  writeFile("keep.fcy", "previous contents");
  std::filesystem::create_directory("keep.fcy.part~");  // the temporary cannot be created
  EXPECT_THROW(opslaan(scene, "keep.fcy"), IoError);
  EXPECT_EQ(readFile("keep.fcy"), "previous contents");
  std::filesystem::create_directory("folder.fcy");
  EXPECT_THROW(opslaan(scene, "folder.fcy"), IoError);
  EXPECT_THROW(opslaan(scene, "no/such/dir/x.fcy"), IoError);
  EXPECT_TRUE(std::filesystem::is_directory("folder.fcy"));
}

}  // namespace
}  // namespace facetry
