// Tests of the mesh formats of other programs: each written format read back (through
// assimp here, in assimp's own tool and in Python's meshio where installed) with its faces,
// names and colours; the mapping and fit of foreign files into the views; hostile input.
#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "exchange/assimp_reader.h"
#include "exchange/assimp_writer.h"
#include "exchange/format_table.h"
#include "exchange_test_util.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::CountingHost;
using testing::TempDir;
using testing::writeFile;

bool underCi() {
  const char* ci = std::getenv("CI");
  return ci && std::string(ci) == "true";
}

// Two named objects, the second with faces of three colours, one of them the first's.
Scene twoObjects(Host& host) {
  Scene scene;
  scene.ask = true;
  scene.CurrentColour = {200, 10, 30};
  testing::addBoxObject(scene, host, 200, 120, 140, 30, "red box");
  scene.CurrentColour = {0, 128, 255};
  testing::addBoxObject(scene, host, 300, 150, 150, 20, "blue");
  for (int i = 12; i < 16; ++i) {
    scene.face(i).red = 10;
    scene.face(i).green = 250;
    scene.face(i).blue = 20;
  }
  for (int i = 20; i < 22; ++i) {
    scene.face(i).red = 200;
    scene.face(i).green = 10;
    scene.face(i).blue = 30;
  }
  return scene;
}

TEST(MeshFormats, EveryWrittenFormatReadsBackWithFacesNamesAndColours) {
  TempDir dir;
  CountingHost host;
  const Scene original = twoObjects(host);
  ViewState views;
  const struct {
    const char* file;
    void (*write)(const Scene&, const ViewState&, const std::string&);
    bool names, colours;
  } kCases[] = {{"m.obj", writeObj, true, true},
                {"m.stl", writeStl, false, false},
                {"m.ply", writePly, false, true},
                {"m.glb", writeGlb, true, true}};
  for (const auto& c : kCases) {
    c.write(original, views, c.file);
    Scene back;
    back.CurrentColour = {1, 2, 3};
    readAssimp(back, host, views, c.file);
    ASSERT_EQ(back.FaceCount, 24) << c.file;
    EXPECT_EQ(testing::invariantViolation(back), "") << c.file;
    if (c.names) {
      ASSERT_EQ(back.ObjectCount, 2) << c.file;
      // OBJ names end at a blank, so the writer puts underscores there.
      EXPECT_EQ(back.object(0).name.str(), c.write == writeObj ? "red_box" : "red box") << c.file;
      EXPECT_EQ(back.object(1).name.str(), "blue") << c.file;
    }
    // The coordinates come back where they were: assimp may reorder faces within an
    // object, so compare the sums of the corners.
    double sum_original = 0, sum_back = 0;
    for (int i = 0; i < 24; ++i) {
      for (int k = 0; k < 3; ++k) {
        sum_original += original.FaceTable[i].corners[k].x +
                        2 * original.FaceTable[i].corners[k].y +
                        3 * original.FaceTable[i].corners[k].z;
        sum_back += back.FaceTable[i].corners[k].x + 2 * back.FaceTable[i].corners[k].y +
                    3 * back.FaceTable[i].corners[k].z;
      }
    }
    EXPECT_NEAR(sum_back, sum_original, 0.05) << c.file;
    if (c.colours) {
      int green = 0, red = 0, blue = 0;
      for (int i = 0; i < 24; ++i) {
        const Face& f = back.face(i);
        green += f.red == 10 && f.green == 250 && f.blue == 20;
        red += f.red == 200 && f.green == 10 && f.blue == 30;
        blue += f.red == 0 && f.green == 128 && f.blue == 255;
      }
      EXPECT_EQ(red, 14) << c.file;
      EXPECT_EQ(green, 4) << c.file;
      EXPECT_EQ(blue, 6) << c.file;
    }
  }
  // assimp's own tool and Python's meshio read the same face counts.
  if (testing::assimpInstalled()) {
    for (const char* file : {"m.obj", "m.stl", "m.ply", "m.glb"}) {
      EXPECT_EQ(testing::assimpFaceCount(file), 24) << file;
    }
  } else if (underCi()) {
    ADD_FAILURE() << "assimp (assimp-utils) is missing";
  }
  // Debian's python3-meshio belongs to the system's interpreter, whatever else PATH holds.
  // note: Debian 12's meshio cannot read a binary PLY face element that has properties
  // after its index list (our face colours), so the PLY file is checked by assimp alone.
  if (std::system("/usr/bin/python3 -c 'import meshio' >/dev/null 2>&1") == 0) {
    for (const char* file : {"m.obj", "m.stl"}) {
      const std::string script =
          std::string("/usr/bin/python3 -c \"import meshio,sys; m=meshio.read('") + file +
          "'); sys.exit(0 if sum(len(c.data) for c in m.cells)==24 else 1)\"";
      EXPECT_EQ(std::system(script.c_str()), 0) << file;
    }
  } else if (underCi()) {
    ADD_FAILURE() << "Python's meshio (python3-meshio) is missing";
  }
}

// The node names the structural check of a GLB file prints, or "" when a rule is broken
// ("-" without Python).
std::string checkedGlbNodes(const std::string& file) {
  if (std::system("/usr/bin/python3 -c '' >/dev/null 2>&1") != 0) {
    if (underCi()) ADD_FAILURE() << "Python is missing";
    return "-";
  }
  const std::string command = "/usr/bin/python3 '" + testing::testDataPath("check_glb.py") + "' '" +
                              file + "' > '" + file + ".nodes' 2>&1";
  return std::system(command.c_str()) == 0 ? testing::readFile(file + ".nodes") : "";
}

TEST(MeshFormats, ObjWritesEachObjectsDistinctPositionsOnceAndExactly) {
  TempDir dir;
  CountingHost host;
  Scene scene;
  scene.ask = true;
  testing::addBoxObject(scene, host, 200, 120, 140, 30, "box");
  // Numbers whose texts must read back exactly, and 0 beside -0: equal, yet not one position.
  addFace(scene, host, testing::corner(-0.0f, 1e-7f, 3e-39f), testing::corner(0.0f, 1e-7f, 3e-39f),
          testing::corner(0.1f, 1.0f / 3, 123456.79f));
  closeObject(scene, host, false, true);
  ViewState views;
  views.CentrePoint = {0, 0, 0};
  writeObj(scene, views, "s.obj");
  std::vector<std::array<float, 3>> positions;
  std::vector<std::array<int, 3>> faces;
  std::istringstream in(testing::readFile("s.obj"));
  for (std::string tag; in >> tag;) {
    if (tag == "v") {
      std::string x, y, z;
      in >> x >> y >> z;
      positions.push_back({std::strtof(x.c_str(), nullptr), std::strtof(y.c_str(), nullptr),
                           std::strtof(z.c_str(), nullptr)});
    } else if (tag == "f") {
      std::array<int, 3> f;
      in >> f[0] >> f[1] >> f[2];
      faces.push_back(f);
    }
    in.ignore(1 << 20, '\n');
  }
  ASSERT_EQ(positions.size(), 8u + 3u) << "a box has 8 distinct corners";
  ASSERT_EQ(faces.size(), 13u);
  for (int i = 0; i < 13; ++i) {
    for (int c = 0; c < 3; ++c) {
      const FaceCorner& want = scene.face(i).corners[c == 0 ? 0 : 3 - c];
      const int v = faces[static_cast<std::size_t>(i)][static_cast<std::size_t>(c)] - 1;
      ASSERT_TRUE(v >= 0 && v < static_cast<int>(positions.size())) << i;
      const std::array<float, 3> got = positions[static_cast<std::size_t>(v)];
      const std::array<float, 3> mapped = {want.x - 0.0f, 0.0f - want.y, want.z - 0.0f};
      EXPECT_EQ(std::memcmp(got.data(), mapped.data(), sizeof got), 0)
          << "face " << i << " corner " << c;
    }
  }
}

TEST(MeshFormats, GlbEscapesHostileNamesAndKeepsEmptyScenesAndObjectsValid) {
  TempDir dir;
  CountingHost host;
  ViewState views;
  // Quotes, a backslash, control characters, UTF-8 and a byte that is not UTF-8 (Latin-1).
  const std::string hostile = "a\"b\\c\x01\t\xC3\xA9\xFF]}";
  Scene scene;
  scene.ask = true;
  testing::addBoxObject(scene, host, 200, 120, 140, 30, hostile);
  writeGlb(scene, views, "hostile.glb");
  EXPECT_NE(checkedGlbNodes("hostile.glb"), "");
  Scene back;
  readAssimp(back, host, views, "hostile.glb");
  ASSERT_EQ(back.ObjectCount, 1);
  EXPECT_EQ(back.object(0).name.str(), "a\"b\\c\x01\t\xC3\xA9\xC3\xBF]}");

  // An object without faces after the box is a node without a mesh; a scene without
  // objects is a file of the nodes alone. Both read back, as the OBJ files do.
  ModelObject& empty = scene.ObjectTable[1];
  empty = scene.object(0);
  empty.name.length = 0;
  empty.first = empty.last + 1;
  scene.ObjectCount = 2;
  ensureObjectSlot(scene, host);
  scene.openObject().first = scene.FaceCount;
  ASSERT_EQ(testing::invariantViolation(scene), "");
  const Scene nothing;
  const struct {
    const char* file;
    void (*write)(const Scene&, const ViewState&, const std::string&);
  } kWriters[] = {{"e.glb", writeGlb}, {"e.obj", writeObj}};
  for (const Scene* s : {static_cast<const Scene*>(&scene), &nothing}) {
    for (const auto& w : kWriters) {
      w.write(*s, views, w.file);
      Scene read;
      readAssimp(read, host, views, w.file);
      EXPECT_EQ(read.FaceCount, s->ObjectCount > 0 ? 12 : 0) << w.file;
    }
    const std::string nodes = checkedGlbNodes("e.glb");
    EXPECT_NE(nodes, "");
    if (s == &scene) {
      EXPECT_NE(nodes.find("\"Object_1\""), std::string::npos) << nodes;
    }
  }
}

TEST(MeshFormats, ForeignFilesAreMappedOntoTheViewsAndFittedIntoThem) {
  TempDir dir;
  CountingHost host;
  ViewState views;  // centre point (230, 150, 150)
  // A unit triangle, Y up: scaled by 400 about the centre point, Y turned down the rows.
  writeFile("unit.obj", "o tiny\nv 0 0 0\nv 1 0 0\nv 0 1 0\nf 1 2 3\n");
  Scene scene;
  scene.CurrentColour = {9, 8, 7};
  readAssimp(scene, host, views, "unit.obj");
  EXPECT_EQ(scene.face(0).red, 9) << "a file without colours takes the current colour";
  ASSERT_EQ(scene.FaceCount, 1);
  EXPECT_EQ(scene.object(0).name.str(), "tiny");
  const Face& f = scene.face(0);
  const ModelObject tiny = selectionBounds(scene, true);
  EXPECT_NEAR(tiny.max[0] - tiny.min[0], 400, 1e-3);
  EXPECT_NEAR((tiny.max[0] + tiny.min[0]) / 2, 230, 1e-3) << "moved onto the centre point";
  EXPECT_NEAR((tiny.max[1] + tiny.min[1]) / 2, 150, 1e-3);
  EXPECT_FLOAT_EQ(f.corners[1].y, f.corners[0].y - 400) << "corners 0, 2, 1; Y turned down";
  EXPECT_FLOAT_EQ(f.corners[2].x, f.corners[0].x + 400);
  // A model of view size far from the origin keeps its size and is moved to the centre.
  writeFile("far.obj", "v 5000 0 0\nv 5100 0 0\nv 5000 100 0\nf 1 2 3\n");
  Scene far;
  readAssimp(far, host, views, "far.obj");
  const ModelObject box = selectionBounds(far, true);
  EXPECT_NEAR(box.max[0] - box.min[0], 100, 1e-3);
  EXPECT_NEAR((box.max[0] + box.min[0]) / 2, 230, 1e-3);
  EXPECT_NEAR((box.max[1] + box.min[1]) / 2, 150, 1e-3);
  EXPECT_FALSE(host.counts.empty()) << "the Reading counter";
}

TEST(MeshFormats, HostileInputEndsInAMessageNeverACrash) {
  TempDir dir;
  CountingHost host;
  ViewState views;
  Scene scene;
  EXPECT_THROW(readAssimp(scene, host, views, "missing.obj"), IoError);
  writeFile("junk.fbx", std::string(300, '\x7f'));
  EXPECT_THROW(readAssimp(scene, host, views, "junk.fbx"), FormatError);
  for (const char* text : {"v 1 2\nf 1 2 3\n", "v nan nan nan\nv 1 1 1\nv 2 2 2\nf 1 2 3\n",
                           "f 1 2 3\n", "v 1e39 0 0\nv 0 0 0\nv 1 1 1\nf 1 2 3 4 5\n"}) {
    try {
      readAssimpMemory(scene, host, views, text, "obj");
    } catch (const Error&) {
    }
    EXPECT_EQ(testing::invariantViolation(scene), "") << text;
  }
  // An OFF file cut short makes assimp abort: that ends in a message, not in the program.
  try {
    readAssimpMemory(scene, host, views, "OFF\n3 1 0\n0 0 0\n", "off");
    ADD_FAILURE() << "a cut OFF file read";
  } catch (const FormatError& e) {
    EXPECT_NE(std::string(e.what()).find("assimp"), std::string::npos) << e.what();
  }
  // The format table reaches the readers and writers.
  ASSERT_NE(readFormatOf("x.GLB"), nullptr);
  EXPECT_EQ(readFormatOf("x.dae")->load_index, 10);
  EXPECT_EQ(writeFormatOf("x.ply")->save_index, 11);
  EXPECT_EQ(writeFormatOf("x.fbx"), nullptr);
}

}  // namespace
}  // namespace facetry
