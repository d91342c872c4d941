// Tests of the POV-Ray writer: the file line for line with the turn and the depth shift,
// the include list and its question, GIF image maps, flat faces for zero corner normals,
// an empty scene, and a scene that stays where it was.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <filesystem>

#include "exchange/format_table.h"
#include "exchange/pov_writer.h"
#include "exchange_test_util.h"
#include "export_scenes.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::addObject;
using testing::addPicture;
using testing::corner;
using testing::crlfLines;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;
using testing::writeFile;

using Lines = std::vector<std::string>;

struct PovRig {
  ScriptedHost host;
  Scene scene;
  Lighting light;
  Settings settings;
  TextureStore textures;
  Lines write(const std::string& path = "scene.pov") {
    writePov(scene, light, settings, textures, host, path);
    return crlfLines(readFile(path));
  }
};

// A flat face of "a" and a smooth face of "b": x from 3 to 11, y from 10 to 20, z from -5
// to 5, so the turn is about (5, 15) and z moves by 5.
void addTurnScene(Scene& scene, Host& host) {
  addObject(scene, host, "a",
            {{{corner(3, 10, 5), corner(11, 20, 5), corner(7, 10, -5)}, {255, 0, 50}}});
  addObject(scene, host, "b",
            {{{corner(3, 10, 0), corner(5, 10, 0), corner(3, 12, 0)}, {100, 100, 100}, 0, true}});
}

TEST(PovWriter, SceneIsWrittenLineForLineTurnedAboutItsMiddle) {
  TempDir dir;
  PovRig rig;
  addTurnScene(rig.scene, rig.host);
  rig.settings.BackgroundColour = {50, 100, 255};
  rig.light.LightPosition = {230.5f, -0.4f, 799.6f};
  const Lines expected = {
      "#include \"shapes.inc\"",
      "#include \"colors.inc\"",
      "#include \"textures.inc\"",
      "// Camera definition",
      "camera { location <4.00,5.00,355.00>",
      "         look_at <4.00,5.00,0.00> }",
      "",
      "// Background-------",
      "background { color  red 1.00 green 2.00 blue 5.10 }",
      "",
      "// light---------",
      "object { light_source { <230 0 800>  color red 5.10 green 5.10 blue 5.10 } }",
      "",
      "// SCENE DESCRIPTION",
      "object {",
      "union {",
      "",
      // x = 3 turns to 7 and x = 11 to -1; corners go third, second, first.
      "triangle {<3.00,20.00,0.00> <-1.00,10.00,10.00> <7.00,20.00,10.00> }",
      "pigment { color rgb < 5.10 , 0.00 , 1.00 >}",
      "finish {specular 0.50 phong 10 phong_size 100 }",
      "}",
      "}",
      "object {",
      "union {",
      "smooth_triangle {<7.00,18.00,5.00> <0,0,20> <5.00,20.00,5.00> <0,0,20> "
      "<7.00,20.00,5.00> <0,0,20>}",
      "pigment { color rgb < 2.00 , 2.00 , 2.00 >}",
      "finish {specular 0.50 phong 10 phong_size 100 }",
      "}",
      "}",
  };
  EXPECT_EQ(rig.write(), expected);
  // The missing include list was asked about and made.
  ASSERT_EQ(rig.host.messages.size(), 1u);
  EXPECT_EQ(rig.host.messages[0].text, "Povinc.fls bestaat niet. Niet bestand maken ?");
  EXPECT_EQ(rig.host.messages[0].title, "Export pov");
  EXPECT_EQ(rig.host.messages[0].buttons, MessageButtons::YesNo);
  EXPECT_EQ(readFile(kPovIncludeList), "shapes.inc\r\ncolors.inc\r\ntextures.inc\r\n");
}

TEST(PovWriter, ExportingLeavesTheSceneAsItWas) {
  TempDir dir;
  PovRig rig;
  addTurnScene(rig.scene, rig.host);
  updateAllObjectBounds(rig.scene);
  const Scene before = rig.scene;
  rig.write("one.pov");
  rig.write("two.pov");
  EXPECT_EQ(readFile("one.pov"), readFile("two.pov"));
  for (int i = 0; i < rig.scene.FaceCount; ++i) {
    EXPECT_EQ(std::memcmp(&before.FaceTable[i], &rig.scene.FaceTable[i], sizeof(Face)), 0);
  }
  for (int k = 0; k < rig.scene.ObjectCount; ++k) {
    EXPECT_EQ(std::memcmp(&before.ObjectTable[k], &rig.scene.ObjectTable[k], sizeof(ModelObject)),
              0);
  }
}

TEST(PovWriter, IncludeListIsReadOrRefused) {
  TempDir dir;
  {
    // No: no include lines and no list made.
    PovRig rig;
    rig.host.answers = {Answer::No};
    EXPECT_EQ(rig.write().front(), "// Camera definition");
    EXPECT_FALSE(std::filesystem::exists(kPovIncludeList));
  }
  {
    // A list of one's own: its lines that are not empty, without asking.
    PovRig rig;
    writeFile(kPovIncludeList, "metals.inc\r\n\r\nmy scene.inc\n");
    const Lines lines = rig.write();
    EXPECT_EQ(
        Lines(lines.begin(), lines.begin() + 3),
        Lines({"#include \"metals.inc\"", "#include \"my scene.inc\"", "// Camera definition"}));
    EXPECT_TRUE(rig.host.messages.empty());
  }
}

TEST(PovWriter, OnlyDecodedGifPicturesBecomeImageMaps) {
  TempDir dir;
  PovRig rig;
  rig.host.answers = {Answer::No};
  addPicture(rig.scene, rig.textures, 1, "Pic.GIF", 4, 4);
  addPicture(rig.scene, rig.textures, 2, "pic.bmp", 4, 4);
  addPicture(rig.scene, rig.textures, 3, "broken.gif", 0, 0);
  const auto face = [](float x) {
    return std::array<FaceCorner, 3>{corner(x, 0, 0), corner(x + 5, 0, 0), corner(x, 5, 0)};
  };
  // The image map is scaled by the larger extent in x or y of the group's object: 25.
  addObject(rig.scene, rig.host, "gif", {{face(0), {1, 1, 1}, 1}, {face(20), {1, 1, 1}, 1}});
  addObject(rig.scene, rig.host, "others",
            {{face(40), {50, 50, 50}, 2}, {face(50), {50, 0, 0}, 3}});
  const Lines lines = rig.write();
  Lines looks;
  for (const std::string& line : lines) {
    if (line.find("pigment") != std::string::npos || line.find("image_map") != std::string::npos ||
        line.find("scale") != std::string::npos) {
      looks.push_back(line);
    }
  }
  EXPECT_EQ(looks, Lines({"pigment { ", "image_map { gif \"Pic.GIF\" } ",
                          "scale < 25.00 , 25.00 , 25.00 >}}",
                          "pigment { color rgb < 1.00 , 1.00 , 1.00 >}",
                          "pigment { color rgb < 1.00 , 0.00 , 0.00 >}"}));
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "texture { "), 1);
}

TEST(PovWriter, SmoothFaceWithAZeroCornerNormalIsWrittenFlat) {
  // Two smooth faces back to back in one object: their shared corners' normals cancel.
  TempDir dir;
  PovRig rig;
  rig.host.answers = {Answer::No};
  addObject(rig.scene, rig.host, "leaf",
            {{{corner(0, 0, 0), corner(10, 0, 0), corner(0, 10, 0)}, {9, 9, 9}, 0, true},
             {{corner(0, 0, 0), corner(0, 10, 0), corner(10, 0, 0)}, {9, 9, 9}, 0, true}});
  int triangles = 0;
  for (const std::string& line : rig.write()) {
    EXPECT_EQ(line.find("smooth_triangle"), std::string::npos) << line;
    triangles += line.rfind("triangle {", 0) == 0;
  }
  EXPECT_EQ(triangles, 2);
}

TEST(PovWriter, EmptySceneHasNoGeometryAndTheSaveDialogWritesPov) {
  TempDir dir;
  PovRig rig;
  rig.host.answers = {Answer::No};
  const Lines lines = rig.write();
  EXPECT_EQ(lines.back(), "// SCENE DESCRIPTION");
  EXPECT_EQ(std::count(lines.begin(), lines.end(), "union {"), 0);

  Workspace ws;
  ScriptedHost host;
  host.answers = {Answer::No};
  EXPECT_EQ(saveInFormat(ws, host, *saveFormatAt(8), "dialog"), "dialog.pov");
  EXPECT_EQ(crlfLines(readFile("dialog.pov")).front(), "// Camera definition");
}

}  // namespace
}  // namespace facetry
