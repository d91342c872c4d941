// Tests of the VRML 1.0 and 2.0 writers: both files line for line, runs, the y flip and
// shift, texture coordinates, names, pictures that could not be decoded, empty scenes,
// the extension rule and the format table's entries.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <sstream>

#include "cli_commands.h"
#include "exchange/format_table.h"
#include "exchange/vrml1_writer.h"
#include "exchange/vrml2_writer.h"
#include "exchange/vrml_runs.h"
#include "exchange_test_util.h"
#include "export_scenes.h"
#include "files/native_file.h"
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
using testing::uvCorner;

using Lines = std::vector<std::string>;

Lines concat(std::initializer_list<Lines> parts) {
  Lines all;
  for (const Lines& p : parts) all.insert(all.end(), p.begin(), p.end());
  return all;
}

const Lines kVrml1Header = {"#VRML V1.0 ascii",
                            "Separator {",
                            "    ShapeHints {",
                            "\tvertexOrdering\tCLOCKWISE",
                            "\tshapeType\tSOLID",
                            "\tfaceType\tCONVEX ",
                            "    } ",
                            "  PerspectiveCamera",
                            "  {",
                            "  position  100  -100  800",
                            "  orientation  100 0 0 0 ",
                            "  }",
                            "PointLight {",
                            "     on         TRUE ",
                            "     intensity  1",
                            "     color  1.00 1.00 1.00",
                            "     location  100.00 0.00 900.00",
                            "}"};

const Lines kVrml2Header = {"#VRML V2.0 utf8",
                            "# ",
                            "# This world is designed by Facetry",
                            "# Mailto : facetry@localhost",
                            " ",
                            "Viewpoint { ",
                            "        position 100 -100 800",
                            "        orientation 100 0 0 0",
                            "        description \"The watcher\"",
                            "        } ",
                            "DEF _0 NavigationInfo {",
                            "headlight   TRUE ",
                            "speed   1",
                            "}"};

// An untextured face of object "Part" and two faces of "2nd tex" textured with a
// 256 x 128 picture: minX = 12.5, minY = 30.
struct TwoRunScene {
  ScriptedHost host;
  Scene scene;
  TextureStore textures;
  TwoRunScene() {
    addPicture(scene, textures, 1, "wood.gif", 256, 128);
    addObject(scene, host, "Part",
              {{{corner(20, 30, 40), corner(25.5f, 31, -3.25f), corner(12.5f, 50, 0)}}});
    addObject(scene, host, "2nd tex",
              {{{uvCorner(12.5f, 35, 1, 300, 0), uvCorner(14, 30, 2, 0, 64),
                 uvCorner(16, 40, 3, -10, 200)},
                {9, 9, 9},
                1},
               {{uvCorner(13, 31, 0, 1, 1), uvCorner(14, 32, 0, 2, 2), uvCorner(15, 33, 0, 3, 3)},
                {9, 9, 9},
                1}});
  }
};

TEST(Vrml1Writer, WorldIsWrittenLineForLine) {
  TempDir dir;
  TwoRunScene s;
  writeVrml1(s.scene, s.textures, "world");
  const std::string text = readFile("world.wrl");
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), static_cast<long>(crlfLines(text).size()));
  // u = 300 on a 256-wide picture: 44/256 - 256; v = 200 on 128 rows: -(72/128), whose tie
  // rounds to even as printf does; u = -10 keeps its sign in the remainder.
  const Lines expected = concat(
      {kVrml1Header,
       {" \tDEF Part Separator {", "Material {", "         diffuseColor 0.7843 0.3922 0.1961 ",
        "     }", " \tCoordinate3 {", "  \t\tpoint\t[ ", " 7.5000  0.0000  40.0000 ,",
        " 13.0000  -1.0000  -3.2500 ,", " 0.0000  -20.0000  0.0000 ,", "]", " }  ",
        "\t\tIndexedFaceSet {", "\t\t    coordIndex\t[", " 0 ,1 ,2, -1 ,", "]", " }  ", "}"},
       {" \tDEF _2nd_tex Separator {",
        " Texture2 {",
        "  filename \"wood.gif\"",
        "\t} ",
        "  TextureCoordinate2 { ",
        "point\t[ ",
        "-255.828  0.000 ,",
        "-256.000  -0.500 ,",
        "-256.039  -0.562 ,",
        "-255.996  -0.008 ,",
        "-255.992  -0.016 ,",
        "-255.988  -0.023 ,",
        "]",
        " }  ",
        " \tCoordinate3 {",
        "  \t\tpoint\t[ ",
        " 0.0000  -5.0000  1.0000 ,",
        " 1.5000  0.0000  2.0000 ,",
        " 3.5000  -10.0000  3.0000 ,",
        " 0.5000  -1.0000  0.0000 ,",
        " 1.5000  -2.0000  0.0000 ,",
        " 2.5000  -3.0000  0.0000 ,",
        "]",
        " }  ",
        "\t\tIndexedFaceSet {",
        "\t\t    coordIndex\t[",
        " 0 ,1 ,2, -1 ,",
        " 3 ,4 ,5, -1 ,",
        "]",
        " }  ",
        "}"},
       {"  \t\t} "}});
  EXPECT_EQ(crlfLines(text), expected);
}

TEST(Vrml2Writer, WorldIsWrittenLineForLineWithOneShapePerRun) {
  TempDir dir;
  TwoRunScene s;
  writeVrml2(s.scene, s.textures, "world.wrl");
  const Lines expected =
      concat({kVrml2Header,
              {"Transform {",
               "        children [",
               "                Shape {",
               "                        appearance   Appearance {",
               "                                material            ",
               "                                        DEF body_1 Material {",
               "         diffuseColor 0.7843 0.3922 0.1961 ",
               "                                                specularColor   0 0 0",
               "                                                emissiveColor   0 0 0",
               "                                                shininess   0",
               "                                                transparency   0",
               "                                        } ",
               "} ",
               "                        geometry DEF VRMLworldTriset IndexedFaceSet {",
               "                                coord DEF VRMLworldCoords Coordinate {",
               "                                        point   [",
               " 7.500  0.000  40.000 ,",
               " 13.000  -1.000  -3.250 ,",
               " 0.000  -20.000  0.000 ",
               "]",
               " }  ",
               "coordIndex   [       ",
               " 0 ,1 ,2, -1]",
               "  } } ] }"},
              {" Transform {",
               "         children  [ ",
               "                 Shape {",
               "                         appearance   Appearance {",
               "                                 texture ImageTexture {",
               "                                 url    \"wood.gif\"",
               " } ",
               " } ",
               "                        geometry DEF VRMLworldTriset IndexedFaceSet {",
               "                                coord DEF VRMLworldCoords Coordinate {",
               "                                        point   [",
               " 0.000  -5.000  1.000 ,",
               " 1.500  0.000  2.000 ,",
               " 3.500  -10.000  3.000 ,",
               " 0.500  -1.000  0.000 ,",
               " 1.500  -2.000  0.000 ,",
               " 2.500  -3.000  0.000 ",
               "]",
               " }  ",
               "texCoord  ",
               " DEF VRMLworldTexCoords TextureCoordinate { ",
               "point   [  ",
               "-255.828  0.000 ,",
               "-256.000  -0.500 ,",
               "-256.039  -0.562 ,",
               "-255.996  -0.008 ,",
               "-255.992  -0.016 ,",
               "-255.988  -0.023 ",
               "]",
               " }  ",
               "coordIndex   [       ",
               " 0 ,1 ,2, -1 ,",
               " 3 ,4 ,5, -1]",
               " texCoordIndex   [ ",
               " 0 ,1 ,2, -1 ,",
               " 3 ,4 ,5, -1]",
               "  } } ] }"}});
  EXPECT_EQ(crlfLines(readFile("world.wrl")), expected);
}

TEST(VrmlWriters, RunsFollowColourAndMaterialNotObjects) {
  // One colour over two objects is one run named after face 0's object; two colours in
  // one object are two runs with the same name; a picture that could not be decoded is
  // written in its colour without texture coordinates.
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  TextureStore textures;
  addPicture(scene, textures, 2, "broken.gif", 0, 0);
  const auto face = [](float x) {
    return std::array<FaceCorner, 3>{corner(x, 0, 0), corner(x + 5, 0, 0), corner(x, 5, 0)};
  };
  addObject(scene, host, "first", {{face(0)}});
  addObject(scene, host, "second", {{face(10)}, {face(20), {1, 2, 3}}, {face(30)}});
  addObject(scene, host, "pictured", {{face(40), {1, 2, 3}, 2}});
  const std::vector<VrmlRun> runs = vrmlRuns(scene, textures);
  ASSERT_EQ(runs.size(), 4u);
  EXPECT_EQ(runs[0].last, 1);
  EXPECT_FALSE(runs[3].textured);

  writeVrml1(scene, textures, "one.wrl");
  writeVrml2(scene, textures, "two.wrl");
  Lines defs;
  for (const std::string& line : crlfLines(readFile("one.wrl"))) {
    if (line.find("DEF") != std::string::npos) defs.push_back(line);
  }
  EXPECT_EQ(defs, Lines({" \tDEF first Separator {", " \tDEF second Separator {",
                         " \tDEF second Separator {", " \tDEF pictured Separator {"}));
  for (const char* file : {"one.wrl", "two.wrl"}) {
    const std::string text = readFile(file);
    EXPECT_EQ(text.find("broken.gif"), std::string::npos) << file;
    EXPECT_EQ(text.find("Texture"), std::string::npos) << file;
    EXPECT_NE(text.find("diffuseColor 0.0039 0.0078 0.0118 "), std::string::npos) << file;
  }
}

TEST(VrmlWriters, EmptySceneGivesAWorldWithoutShapesAndNamesGetTheExtension) {
  TempDir dir;
  Scene scene;
  TextureStore textures;
  writeVrml1(scene, textures, "empty");
  writeVrml2(scene, textures, "EMPTY.WRL");
  EXPECT_EQ(crlfLines(readFile("empty.wrl")), concat({kVrml1Header, {"  \t\t} "}}));
  // The extension is compared exactly, so capitals get ".wrl" as well.
  EXPECT_EQ(crlfLines(readFile("EMPTY.WRL.wrl")), kVrml2Header);
}

TEST(VrmlWriters, LongNumbersAreWrittenWhole) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  TextureStore textures;
  addObject(scene, host, "far",
            {{{corner(0, 0, 0), corner(2345678.5f, 0, 0), corner(0, 10, -1234567.25f)}}});
  writeVrml1(scene, textures, "far.wrl");
  const std::string text = readFile("far.wrl");
  EXPECT_NE(text.find("\r\n 2345678.5000  0.0000  0.0000 ,\r\n"), std::string::npos);
  EXPECT_NE(text.find("\r\n 0.0000  -10.0000  -1234567.2500 ,\r\n"), std::string::npos);
}

TEST(VrmlNames, InvalidNamesAreMadeValid) {
  const struct {
    const char* name;
    const char* written;
  } kCases[] = {{"Wall_1", "Wall_1"},
                {"h\xC3\xA9lice", "h\xC3\xA9lice"},
                {"my object", "my_object"},
                {"", "Object"},
                {"2nd", "_2nd"},
                {"-x+y", "_-x_y"},
                {"a.b{c}\"#", "a_b_c___"},
                {"tab\there,[x]'\\", "tab_here__x___"}};
  for (const auto& c : kCases) EXPECT_EQ(vrmlName(c.name), c.written) << c.name;
}

TEST(VrmlWriters, SaveDialogAndConvertWriteBothVersions) {
  TempDir dir;
  ScriptedHost host;
  Workspace ws;
  addObject(ws.scene, host, "box", {{{corner(0, 0, 0), corner(5, 0, 0), corner(0, 5, 0)}}});
  EXPECT_EQ(saveInFormat(ws, host, *saveFormatAt(3), "by_dialog"), "by_dialog.wrl");
  EXPECT_EQ(crlfLines(readFile("by_dialog.wrl")).front(), "#VRML V1.0 ascii");
  EXPECT_EQ(saveInFormat(ws, host, *saveFormatAt(4), "by_dialog2.wrl"), "by_dialog2.wrl");
  EXPECT_EQ(crlfLines(readFile("by_dialog2.wrl")).front(), "#VRML V2.0 utf8");

  opslaan(ws.scene, "model.fcy");
  std::ostringstream out, err;
  EXPECT_EQ(runCli({"convert", "model.fcy", "v2.wrl"}, out, err), 0) << err.str();
  EXPECT_EQ(runCli({"convert", "model.fcy", "v1.wrl", "--format", "vrml1"}, out, err), 0);
  EXPECT_EQ(crlfLines(readFile("v2.wrl")).front(), "#VRML V2.0 utf8");
  EXPECT_EQ(crlfLines(readFile("v1.wrl")).front(), "#VRML V1.0 ascii");
}

}  // namespace
}  // namespace facetry
