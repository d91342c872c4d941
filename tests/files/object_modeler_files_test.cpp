// Tests of object files (.obq) and modeler files (.mdd): layouts, import rules and bad input.
#include <gtest/gtest.h>

#include <cstring>
#include <filesystem>

#include "files/modeler_file.h"
#include "files/object_file.h"
#include "files/undo.h"
#include "scene/errors.h"
#include "scene/geometry.h"
#include "scene/scratch_files.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addBoxObject;
using testing::corner;
using testing::invariantViolation;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

std::string int32s(std::initializer_list<std::int32_t> values) {
  std::string bytes;
  for (std::int32_t v : values) bytes.append(reinterpret_cast<const char*>(&v), 4);
  return bytes;
}

std::int32_t int32At(const std::string& bytes, std::size_t offset) {
  std::int32_t v = 0;
  std::memcpy(&v, bytes.data() + offset, 4);
  return v;
}

TEST(ObjectFile, ThreeFacesComeBackAsOneSelectedObjectWithDefaultAttributes) {
  TempDir dir;
  ScriptedHost host;
  Scene source;
  source.ask = true;
  const Rgb colours[3] = {{10, 20, 30}, {40, 50, 60}, {70, 80, 90}};
  for (int i = 0; i < 4; ++i) {
    addFace(source, host, corner(i, 0, 0), corner(i + 10, 0, 0), corner(i, 10, 5));
  }
  closeObject(source, host, false, true);
  for (int i = 0; i < 3; ++i) {
    Face& f = source.FaceTable[static_cast<std::size_t>(i + 1)];
    f.selected = 1;
    f.red = colours[i].red, f.green = colours[i].green, f.blue = colours[i].blue;
    f.material = 7;
    f.corners[1].u = 99;
  }
  ASSERT_TRUE(checkSelectionToSave(source, host));
  const std::string path = saveSelectionAsObject(source, dir.file("part"));
  EXPECT_EQ(path, dir.file("part.obq")) << "the extension is appended";
  const std::string bytes = readFile(path);
  ASSERT_EQ(bytes.size(), 4u + 3 * 92);
  EXPECT_EQ(int32At(bytes, 0), 3);

  Scene scene;
  scene.ask = true;
  ASSERT_EQ(importObjectFile(scene, host, path), 0);
  ASSERT_EQ(scene.ObjectCount, 1);
  EXPECT_EQ(scene.ObjectTable[0].first, 0);
  EXPECT_EQ(scene.ObjectTable[0].last, 2);
  EXPECT_TRUE(scene.ObjectTable[0].selected);
  for (int i = 0; i < 3; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    EXPECT_EQ((Rgb{f.red, f.green, f.blue}), colours[i]);
    EXPECT_TRUE(f.selected);
    EXPECT_EQ(f.material, 0) << "only the colour is taken from the record";
    EXPECT_EQ(f.corners[1].u, 50);
    for (const FaceCorner& c : f.corners) EXPECT_TRUE(c.selected);
  }
  EXPECT_EQ(scene.ObjectTable[0].max[0], 13) << "the bounds are up to date";
  EXPECT_TRUE(scene.ModifiedFlag) << "an undo snapshot was taken";
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(ObjectFile, NothingSelectedAndBadFilesAreReported) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  addBoxObject(scene, host, 0, 0, 0, 10, "box");
  EXPECT_FALSE(checkSelectionToSave(scene, host));
  ASSERT_EQ(host.messages.size(), 1u);
  EXPECT_EQ(host.messages[0].text, "There are no objects selected");
  EXPECT_EQ(host.messages[0].title, "Error");

  writeFile(dir.file("negative.obq"), int32s({-1}));
  EXPECT_THROW(readObjectFaces(scene, host, dir.file("negative.obq")), FormatError);
  // Two records claimed, one and a half present: the whole one stays in the open object.
  Face face;
  face.corners[1].x = 5;
  std::string short_file = int32s({2}) + std::string(reinterpret_cast<const char*>(&face), 92);
  writeFile(dir.file("short.obq"), short_file + std::string(40, '\0'));
  EXPECT_THROW(readObjectFaces(scene, host, dir.file("short.obq")), FormatError);
  EXPECT_EQ(scene.FaceCount, 13);
  EXPECT_EQ(scene.openObject().first, 12);
  EXPECT_EQ(invariantViolation(scene), "");
}

TEST(ModelerFile, ExportWritesUnsharedTruncatedPoints) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  EXPECT_FALSE(exportSelectedFaces(scene, dir.file("empty.mdd")));
  addFace(scene, host, corner(2.9f, -2.9f, 1), corner(4, 5, 6), corner(7, 8, 9));
  addFace(scene, host, corner(0, 0, 0), corner(1, 1, 1), corner(2, 2, 2));
  addFace(scene, host, corner(10, 10, 10), corner(11, 11, 11), corner(12, 12, 12));
  closeObject(scene, host, false, true);
  EXPECT_FALSE(exportSelectedFaces(scene, dir.file("none.mdd")));
  EXPECT_FALSE(std::filesystem::exists(dir.file("none.mdd")));
  scene.FaceTable[0].selected = scene.FaceTable[2].selected = 1;

  ASSERT_TRUE(exportSelectedFaces(scene, dir.file("two")));
  const std::string bytes = readFile(dir.file("two"));
  ASSERT_EQ(bytes.size(), 104u) << "no extension added, 4 + 72 + 4 + 24 bytes";
  EXPECT_EQ(int32At(bytes, 0), 6);
  EXPECT_EQ(int32At(bytes, 4), 2) << "2.9 truncates to 2";
  EXPECT_EQ(int32At(bytes, 8), -2) << "-2.9 truncates to -2";
  EXPECT_EQ(int32At(bytes, 4 + 3 * 12), 10) << "the second selected face's first point";
  EXPECT_EQ(int32At(bytes, 76), 2);
  for (int i = 0; i < 6; ++i) EXPECT_EQ(int32At(bytes, 80 + 4 * i), i);
}

TEST(ModelerFile, ImportCentresTheMeshWithFreshBoundsAndAnUndoSnapshot) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  addBoxObject(scene, host, 0, 0, 0, 10, "before");
  const Point3 centre{230, 150, 150};
  // Far from the centre: a square of two faces sharing points 1 and 2.
  writeFile(dir.file("mesh.mdd"), int32s({4,    1000, 1000, 5, 1100, 1000, 5, 1000, 1100, 5,
                                          1100, 1100, 5,    2, 0,    1,    2, 1,    3,    2}));
  ASSERT_EQ(importModelerFile(scene, host, centre, dir.file("mesh.mdd")), 2);
  ASSERT_EQ(scene.ObjectCount, 2);
  const ModelObject& o = scene.ObjectTable[1];
  EXPECT_EQ(o.first, 12);
  EXPECT_EQ(o.last, 13);
  EXPECT_FLOAT_EQ(o.centre[0], 230) << "the object's centre follows the moved faces";
  EXPECT_FLOAT_EQ(o.centre[1], 150);
  EXPECT_FLOAT_EQ(o.min[0], 180);
  EXPECT_FLOAT_EQ(o.max[1], 200);
  EXPECT_FLOAT_EQ(o.min[2], 150) << "a flat mesh lies at the centre's depth";
  for (int i = 12; i <= 13; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    EXPECT_LE(f.corners[0].x, f.corners[1].x) << "least x first";
    EXPECT_LE(f.corners[0].x, f.corners[2].x);
  }
  EXPECT_EQ(readFile(kModelerFile).size(), 4u * 24) << "the points are left in moddd.tmp";

  ASSERT_TRUE(Undo1Click(scene, host));
  EXPECT_EQ(scene.ObjectCount, 1) << "undo takes back the import alone";
  EXPECT_EQ(scene.FaceCount, 12);
}

TEST(ModelerFile, CancelledImportClosesTheOpenObjectAndMovesNothing) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  addFace(scene, host, corner(0, 0, 0), corner(10, 0, 0), corner(0, 10, 0));
  EXPECT_EQ(importModelerFile(scene, host, {230, 150, 150}, ""), 0);
  EXPECT_EQ(scene.ObjectCount, 1);
  EXPECT_EQ(scene.FaceTable[0].corners[1].x, 10);
  EXPECT_FALSE(std::filesystem::exists(kUndoFile));
}

TEST(ModelerFile, BadInputEndsWithAMessageAndKeepsTheFacesBefore) {
  TempDir dir;
  ScriptedHost host;
  const std::string points = int32s({3, 0, 0, 0, 10, 0, 0, 0, 10, 0});
  const struct {
    const char* name;
    std::string bytes;
    int faces_kept;
  } cases[] = {
      {"index beyond the points", points + int32s({2, 0, 1, 2, 0, 1, 3}), 1},
      {"negative index", points + int32s({1, -1, 1, 2}), 0},
      {"negative point count", int32s({-5}), 0},
      {"point count beyond the file", int32s({1000, 1, 2, 3}), 0},
      {"face count beyond the file", points + int32s({2147483647, 0, 1, 2}), 0},
      {"negative face count", points + int32s({-1}), 0},
      {"no face count", points, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Scene scene;
    scene.ask = true;
    writeFile(dir.file("bad.mdd"), c.bytes);
    EXPECT_THROW(addModelerFile(scene, host, {230, 150, 150}, dir.file("bad.mdd")), FormatError);
    EXPECT_EQ(scene.FaceCount, c.faces_kept);
    EXPECT_EQ(invariantViolation(scene), "");
    EXPECT_THROW(readModelerMesh(dir.file("bad.mdd")), FormatError);
  }
}

TEST(ModelerFile, MeshRoundTripAndCornerOrderKeepsTheTriangle) {
  TempDir dir;
  ModelerMesh mesh;
  mesh.points = {{1, 2, 3}, {-4, 5, 6}, {7, -8, 9}};
  mesh.faces = {{0, 1, 2}, {2, 1, 0}};
  writeModelerFile(mesh, dir.file("m.mdd"));
  const ModelerMesh back = readModelerMesh(dir.file("m.mdd"));
  EXPECT_EQ(back.points, mesh.points);
  EXPECT_EQ(back.faces, mesh.faces);

  // Whatever order the corners come in, the result is one cyclic order of the same three
  // points, clockwise in x-y.
  const Point3 reference{0, 0, 500};
  const FaceCorner a = corner(0, 0, 10), b = corner(30, 5, 0), c = corner(10, 40, 20);
  const FaceCorner orders[6][3] = {{a, b, c}, {a, c, b}, {b, a, c},
                                   {b, c, a}, {c, a, b}, {c, b, a}};
  FaceCorner first[3];
  for (int k = 0; k < 6; ++k) {
    FaceCorner p[3] = {orders[k][0], orders[k][1], orders[k][2]};
    orderModelerCorners(reference, p[0], p[1], p[2]);
    EXPECT_TRUE(isClockwise2D(p[0].point(), p[1].point(), p[2].point()));
    if (k == 0) std::copy(p, p + 3, first);
    for (int j = 0; j < 3; ++j) EXPECT_EQ(p[j].x, first[j].x) << "order " << k;
  }
}

}  // namespace
}  // namespace facetry
