// Tests of the VRML reader: objects per face set and primitive, names, colours, the
// transform stack, USE, number forms, the normalising, and hostile files.
#include <gtest/gtest.h>

#include <cmath>
#include <sstream>
#include <string>

#include "cli_commands.h"
#include "exchange/vrml1_writer.h"
#include "exchange/vrml2_writer.h"
#include "exchange/vrml_reader.h"
#include "exchange_test_util.h"
#include "export_scenes.h"
#include "files/native_file.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::corner;
using testing::CountingHost;
using testing::invariantViolation;
using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

const double kSize = 150 * std::sqrt(2.0);

struct VrmlRun {
  TempDir dir;
  Scene scene;
  CountingHost host;
  ViewState views;

  void read(const std::string& text) {
    writeFile("in.wrl", text);
    readVrml(scene, host, views, "in.wrl");
    EXPECT_EQ(invariantViolation(scene), "");
    EXPECT_FALSE(scene.ask);  // the name dialog's box is unticked again
    EXPECT_TRUE(host.name_prompts.empty());
  }
  const ModelObject& object(int k) const { return scene.ObjectTable[static_cast<std::size_t>(k)]; }
  const Face& face(int i) const { return scene.FaceTable[static_cast<std::size_t>(i)]; }
  int faces(int k) const { return object(k).last - object(k).first + 1; }
  // The x-y diagonal and the centre of the extent of every face.
  double diagonal() const {
    const ModelObject all = selectionBounds(scene, true);
    return std::hypot(all.max[0] - all.min[0], all.max[1] - all.min[1]);
  }
};

std::string v1(const std::string& body) {
  return "#VRML V1.0 ascii\n" + body;
}
std::string v2(const std::string& body) {
  return "#VRML V2.0 utf8\n" + body;
}

const char* kTriangleBlock =
    "Coordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n"
    "IndexedFaceSet { coordIndex [ 0, 1, 2, -1 ] }\n";

TEST(VrmlReader, HandWrittenVersionOneFileGivesOneNamedObjectPerBlockAtStandardSize) {
  // Blocks as the VRML 1.0 writer lays them out: a DEF'd Separator with its material,
  // points and faces.
  VrmlRun run;
  run.read(
      v1("# written by hand\n"
         "DEF Front Separator {\n"
         "  Material { diffuseColor 1 0.5 0 }\n"
         "  Coordinate3 { point [ 0 0 0, 10 0 0, 10 10 0, 0 10 0 ] }\n"
         "  IndexedFaceSet { coordIndex [ 0, 1, 2, -1, 0, 2, 3, -1 ] }\n"
         "}\n"
         "DEF Back Separator {\n"
         "  Coordinate3 { point [ 0 0 -5, 10 0 -5, 10 10 -5 ] }\n"
         "  IndexedFaceSet { coordIndex [ 0, 1, 2, -1 ] }\n"
         "}\n"));
  ASSERT_EQ(run.scene.ObjectCount, 2);
  EXPECT_EQ(run.object(0).name.str(), "Front");
  EXPECT_EQ(run.object(1).name.str(), "Back");
  EXPECT_EQ(run.faces(0), 2);
  EXPECT_EQ(run.faces(1), 1);
  EXPECT_EQ(run.face(0).red, 255);
  EXPECT_EQ(run.face(0).green, 128);  // round(127.5)
  // The Separator ended the material: the second block has the colour in use before.
  EXPECT_EQ(run.face(2).red, run.scene.CurrentColour.red);
  EXPECT_NEAR(run.diagonal(), kSize, 1e-3);
  const ModelObject all = selectionBounds(run.scene, true);
  EXPECT_NEAR((all.min[0] + all.max[0]) / 2, run.views.CentrePoint.x, 1e-3);
  EXPECT_NEAR((all.min[1] + all.max[1]) / 2, run.views.CentrePoint.y, 1e-3);
  EXPECT_NEAR((all.min[2] + all.max[2]) / 2, run.views.CentrePoint.z, 1e-3);
  // y is turned over: VRML's first point (0, 0) is the lowest of the square, so the
  // largest model y.
  EXPECT_NEAR(run.face(0).corners[2].y, all.max[1], 1e-3);
  EXPECT_EQ(run.host.counts.size(), 3u);
  EXPECT_EQ(run.scene.ObjectNameBuffer.str(), "Object_01");
}

TEST(VrmlReader, PolygonsOfAnySizeBecomeFansAndTheListEndClosesTheLast) {
  VrmlRun run;
  run.read(
      v1("Coordinate3 { point [ 0 0 0, 1 0 0, 1 1 0, 0 1 0, -1 0.5 0 ] }\n"
         "IndexedFaceSet { coordIndex [ 0 1 2 3 -1 ] }\n"
         "IndexedFaceSet { coordIndex [ 0,1,2,3,4 ] }\n"
         "IndexedFaceSet { coordIndex [ 0 1 7 -1 0 1 2 ] }\n"));  // 7: beyond the points
  ASSERT_EQ(run.scene.ObjectCount, 3);
  EXPECT_EQ(run.faces(0), 2);
  EXPECT_EQ(run.faces(1), 3);
  EXPECT_EQ(run.faces(2), 1);
}

TEST(VrmlReader, NumbersWithExponentsReadRight) {
  VrmlRun run;
  run.read(
      v1("Coordinate3 { point [ 0 0 0, 1.5e2 0 0, 0 1.5E-2 0, 1e+2 +0 -0 ] }\n"
         "IndexedFaceSet { coordIndex [ 0 1 2 -1 0 3 2 ] }\n"));
  const ModelObject all = selectionBounds(run.scene, true);
  const double x = all.max[0] - all.min[0], y = all.max[1] - all.min[1];
  EXPECT_NEAR(x / y / 10000, 1, 1e-3);  // 150 / 0.015, to the float precision of 150
  EXPECT_NEAR(std::hypot(x, y), kSize, 1e-3);
}

TEST(VrmlReader, SeparatorUndoesItsTranslationAndTransformsCompose) {
  VrmlRun run;
  run.read(v1(std::string("Separator { Translation { translation 10 0 0 } ") + kTriangleBlock +
              "}\n" + kTriangleBlock));
  ASSERT_EQ(run.scene.ObjectCount, 2);
  const double s = kSize / std::hypot(11.0, 1.0);
  EXPECT_NEAR(run.object(0).min[0] - run.object(1).min[0], 10 * s, 1e-3);

  // A rotation of pi/2 about z takes (10, 0, 0) to (0, 10, 0): one corner up top (the
  // smallest model y), the other two at the bottom, all on one x.
  VrmlRun turned;
  turned.read(
      v2("Transform { rotation 0 0 1 1.5707963 children [ Shape { geometry "
         "IndexedFaceSet { coord Coordinate { point [ 0 0 0, 10 0 0, 0 0 1 ] } "
         "coordIndex [ 0 1 2 ] } } ] }\n"
         "Transform { translation 0 0 50 }\n"));  // a VRML 2.0 Transform is scoped
  ASSERT_EQ(turned.scene.FaceCount, 1);
  const Face& f = turned.face(0);
  const ModelObject& o = turned.object(0);
  int at_top = 0;
  for (const FaceCorner& c : f.corners) {
    EXPECT_NEAR(c.x, turned.views.CentrePoint.x, 1e-3);
    at_top += std::abs(c.y - o.min[1]) < 1e-3;
  }
  EXPECT_EQ(at_top, 1);
  EXPECT_NEAR(o.max[1] - o.min[1], kSize, 1e-3);
  // After the move onto CentrePoint the object's bounds describe where it is.
  EXPECT_NEAR(o.centre[0], turned.views.CentrePoint.x, 1e-3);
}

TEST(VrmlReader, UseCopiesTheDefinedGeometryUnderTheCurrentTransform) {
  VrmlRun run;
  run.read(v1(std::string("DEF Tri Separator { ") + kTriangleBlock + "}\n" +
              "Translation { translation 0 0 4 }\nUSE Tri\n"));
  ASSERT_EQ(run.scene.ObjectCount, 2);
  EXPECT_EQ(run.object(1).name.str(), "Tri");
  EXPECT_EQ(run.faces(1), 1);
  EXPECT_NEAR(run.object(0).max[2] - run.object(1).max[2], -4 * kSize / std::sqrt(2.0), 1e-3);
}

TEST(VrmlReader, TextureCoordinatesCommentsStringsAndOtherNodesMakeNoGeometry) {
  VrmlRun run;
  run.read(
      v2("# Transform { translation 99 99 99 \n"
         "WorldInfo { title \"a } brace { in a string\" }\n"
         "Shape { appearance Appearance { material Material { diffuseColor 0 0 2 }\n"
         "  textureTransform TextureTransform { translation 50 50 } }\n"
         "  geometry IndexedFaceSet {\n"
         "    coord Coordinate { point [ 0 0 0, 2 0 0, 0 2 0 ] }\n"
         "    texCoord TextureCoordinate { point [ 0 0, 9 0, 0 9, 5 5 ] }\n"
         "    coordIndex [ 0 1 2 -1 ] texCoordIndex [ 0 1 2 -1 ] } }\n"
         "Shape { geometry IndexedLineSet { coord Coordinate { point [ 0 0 0, 5 5 5 ] }"
         " coordIndex [ 0 1 -1 ] } }\n"));
  ASSERT_EQ(run.scene.ObjectCount, 1);
  ASSERT_EQ(run.scene.FaceCount, 1);
  EXPECT_EQ(run.face(0).blue, 255);                                     // clamped
  EXPECT_NEAR(run.object(0).max[0] - run.object(0).min[0], 150, 1e-3);  // not moved by 50
}

TEST(VrmlReader, PrimitivesAreBuiltNamedByTheirDefAndScaledTogether) {
  VrmlRun run;
  run.read(
      v2("DEF Ball Shape { geometry Sphere { radius 1 } }\n"
         "Transform { translation 4 0 0 children Shape { geometry Box { size 2 4 2 } } }\n"
         "Shape { geometry Cone { } } Shape { geometry Cylinder { radius 1 } }\n"));
  ASSERT_EQ(run.scene.ObjectCount, 4);
  EXPECT_EQ(run.object(0).name.str(), "Ball");
  EXPECT_EQ(run.faces(1), 12);
  const ModelObject& box = run.object(1);
  EXPECT_NEAR((box.max[1] - box.min[1]) / (box.max[0] - box.min[0]), 2, 1e-3);
  EXPECT_NEAR(run.diagonal(), kSize, 1e-3);
  for (int k = 0; k < 4; ++k) EXPECT_GT(run.faces(k), 0);
}

TEST(VrmlReader, HostileFilesEndInAPartialSceneWithOneMessage) {
  const std::string deep = [] {
    std::string text = "#VRML V1.0 ascii\n";
    for (int i = 0; i < 12000; ++i) text += "Separator {";
    return text + kTriangleBlock;
  }();
  const std::string cases[] = {
      v1("Separator { } } } ] ] Coordinate3 { point [ 0 0 0 1 0 0 0 1 0 ] }"
         "IndexedFaceSet { coordIndex [ 0 1 2 ] } } {{"),
      v1("Coordinate3 { point [ 0 0 0, 1e999 0 0, nan 1 0, -- 0 1 0, 1 1 0, 0 1 0 ] }"
         "Translation { translation 1e999 0 0 } IndexedFaceSet { coordIndex [ 0 2 3 -1 0 3 4 "
         "-1 0 4 5 -1 99999999999 0 1 ] }"),
      deep,
      v2("Shape { geometry IndexedFaceSet { coord Coordinate { point [ 0 0 0, 1 0"),
      v2("PROTO Thing [ field SFNode n Shape { geometry Box { } } ] { Shape { geometry Box {}"
         " } } Thing { } EXTERNPROTO Other [ ] \"urn:x\" DEF A Group { USE A } USE A"),
      std::string(5000, 'x') + " { " + std::string(3000, '[') + " }",
      // Flat in x and y beside its depth: scaling the x-y diagonal up would overflow.
      v1("Coordinate3 { point [ 0 0 0, 1e-30 0 0, 0 0 1e15 ] } IndexedFaceSet { coordIndex [ "
         "0 1 2 ] }"),
  };
  for (const std::string& text : cases) {
    VrmlRun run;
    run.read(text);
    EXPECT_LE(run.host.messages.size(), 1u) << text.substr(0, 80);
    for (int i = 0; i < run.scene.FaceCount; ++i) {
      for (const FaceCorner& c : run.face(i).corners) {
        EXPECT_TRUE(std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.z));
      }
    }
  }
  VrmlRun bad;
  bad.read(cases[1]);
  EXPECT_EQ(bad.scene.FaceCount, 2);  // the faces on points 0, 3, 4 and 0, 4, 5
  ASSERT_EQ(bad.host.messages.size(), 1u);
  EXPECT_EQ(bad.host.messages[0].title, "VRML import");
  VrmlRun nested;
  nested.read(deep);
  EXPECT_EQ(nested.host.messages.size(), 1u);
}

TEST(VrmlReader, FacesBeyondTheObjectLimitStayInOneLastObject) {
  std::string text = v1("Coordinate3 { point [ 0 0 0, 1 0 0, 0 1 0 ] }\n");
  for (int i = 0; i < kMaxObjects + 5; ++i) text += "IndexedFaceSet { coordIndex [ 0 1 2 ] }\n";
  VrmlRun run;
  run.read(text);
  EXPECT_EQ(run.scene.ObjectCount, kMaxObjects);
  EXPECT_EQ(run.faces(kMaxObjects - 1), 6);
  ASSERT_EQ(run.host.messages.size(), 1u);
  EXPECT_EQ(run.host.messages[0].text, "No more objects available");
}

TEST(VrmlReader, ConverterStyleVersionTwoFileReads) {
  // The layout mesh converters write: world info, a viewpoint, a DEF'd Transform holding a
  // Shape whose face set carries normals, per-vertex colours and flags.
  VrmlRun run;
  run.read(
      v2("WorldInfo { info [ \"exported\" ] }\n"
         "Viewpoint { position 0 0 10 orientation 0 1 0 0 description \"start\" }\n"
         "DEF Mesh_0 Transform {\n"
         "  translation 0 0 0\n"
         "  children [\n"
         "    Shape {\n"
         "      appearance Appearance { material Material { diffuseColor 0.8 0.8 0.8 "
         "ambientIntensity 0.2 } }\n"
         "      geometry IndexedFaceSet {\n"
         "        solid FALSE ccw TRUE\n"
         "        coord DEF Points Coordinate { point [\n"
         "          -1 -1 0,\n           1 -1 0,\n           1 1 0,\n          -1 1 0\n"
         "        ] }\n"
         "        normal Normal { vector [ 0 0 1, 0 0 1, 0 0 1, 0 0 1 ] }\n"
         "        color Color { color [ 1 0 0, 0 1 0, 0 0 1, 1 1 1 ] }\n"
         "        colorPerVertex TRUE\n"
         "        coordIndex [ 0, 1, 2, -1, 0, 2, 3, -1, ]\n"
         "        normalIndex [ 0, 1, 2, -1, 0, 2, 3, -1, ]\n"
         "      }\n    }\n  ]\n}\n"
         "ROUTE A.b TO C.d\n"));
  ASSERT_EQ(run.scene.ObjectCount, 1);
  EXPECT_EQ(run.faces(0), 2);
  EXPECT_EQ(run.object(0).name.str(), "Mesh_0");
  EXPECT_EQ(run.face(0).red, 204);
  EXPECT_NEAR(run.diagonal(), kSize, 1e-3);
}

TEST(VrmlReader, WorldsOurWritersAndTovrmlx3dWroteReadBackOneObjectPerBlock) {
  // Two objects of two colours: two blocks. y is turned over by the writer and again by the
  // reader, so the upper object (smaller y) stays the upper one.
  TempDir dir;
  Scene original;
  ScriptedHost host;
  testing::addObject(original, host, "upper",
                     {{{corner(0, 0, 0), corner(100, 0, 0), corner(0, 50, 0)}, {255, 0, 0}}});
  testing::addObject(
      original, host, "lower",
      {{{corner(0, 200, 10), corner(100, 200, 10), corner(0, 250, 10)}, {0, 0, 255}}});
  TextureStore textures;
  writeVrml1(original, textures, "ours1.wrl");
  writeVrml2(original, textures, "ours2.wrl");
  const bool converter = std::system("command -v tovrmlx3d >/dev/null 2>&1") == 0;
  if (converter) {
    ASSERT_EQ(std::system("tovrmlx3d ours2.wrl > theirs2.wrl 2>/dev/null"), 0);
  }
  for (const char* file : {"ours1.wrl", "ours2.wrl", "theirs2.wrl"}) {
    if (std::string(file) == "theirs2.wrl" && !converter) continue;
    Scene scene;
    CountingHost reader;
    ViewState views;
    readVrml(scene, reader, views, file);
    ASSERT_EQ(scene.ObjectCount, 2) << file;
    const ModelObject &upper = scene.ObjectTable[0], &lower = scene.ObjectTable[1];
    EXPECT_LT(upper.max[1], lower.min[1]) << file;
    EXPECT_EQ(scene.FaceTable[0].red, 255) << file;
    EXPECT_EQ(scene.FaceTable[1].blue, 255) << file;
    const ModelObject all = selectionBounds(scene, true);
    EXPECT_NEAR(std::hypot(all.max[0] - all.min[0], all.max[1] - all.min[1]), kSize, 1e-3) << file;
    if (std::string(file) == "ours1.wrl") {
      EXPECT_EQ(upper.name.str(), "upper");
    }
  }
}

TEST(VrmlReader, ConvertReadsWrlThroughTheFormatTable) {
  TempDir dir;
  writeFile("world.wrl", v2("Shape { geometry Box { } }"));
  std::ostringstream out, err;
  ASSERT_EQ(runCli({"convert", "world.wrl", "world.fcy"}, out, err), 0) << err.str();
  Scene scene;
  testing::ScriptedHost host;
  ASSERT_TRUE(ophaal(scene, host, "world.fcy", true, nullptr));
  EXPECT_EQ(scene.FaceCount, 12);
}

}  // namespace
}  // namespace facetry
