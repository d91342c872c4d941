// Tests of the DXF writer: the file line for line, the shift, colour numbering.
#include <gtest/gtest.h>

#include "exchange/dxf_writer.h"
#include "exchange_test_util.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::corner;
using testing::crlfLines;
using testing::dxfText;
using testing::readFile;
using testing::ScriptedHost;
using testing::TempDir;

void addObject(Scene& scene, Host& host, const std::string& name,
               std::initializer_list<std::array<FaceCorner, 3>> faces) {
  scene.ask = true;
  for (const auto& f : faces) addFace(scene, host, f[0], f[1], f[2]);
  scene.ObjectNameBuffer.assign(name);
  closeObject(scene, host, false, true);
}

TEST(DxfWriter, EmptySceneWritesExactlyEightLines) {
  TempDir dir;
  Scene scene;
  writeDxf(scene, "empty.dxf");
  EXPECT_EQ(readFile("empty.dxf"),
            dxfText({"0", "SECTION", " 2", "ENTITIES", " 0", "ENDSEC", " 0", "EOF"}));
}

TEST(DxfWriter, FaceIsWrittenLineForLineWithCornersCBAA) {
  // A = (20, 30, 40), B = (25.5, 31, -3.25), C = (12.5, 50, 0): minX 12.5, minY 30.
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  addObject(scene, host, "wall 1",
            {{corner(20, 30, 40), corner(25.5f, 31, -3.25f), corner(12.5f, 50, 0)}});
  writeDxf(scene, "one.dxf");
  EXPECT_EQ(readFile("one.dxf"),
            dxfText({"0",   "SECTION", " 2", "ENTITIES", " 0", "3DFACE", " 8", "wall 1",
                     " 62", "1",       "10", "0.0000",   "20", "0.0000", "30", "20.0000",
                     "11",  "13.0000", "21", "-3.2500",  "31", "1.0000", "12", "7.5000",
                     "22",  "40.0000", "32", "0.0000",   "13", "7.5000", "23", "40.0000",
                     "33",  "0.0000",  " 0", "ENDSEC",   " 0", "EOF"}));
}

TEST(DxfWriter, ShiftNeverExceedsTenThousand) {
  // All corners beyond 10000: x and y lose 10000, not their true minimum; z stays.
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  addObject(scene, host, "far",
            {{corner(10250, 10100, 5), corner(10300, 10100, 5), corner(10250, 10200, -0.00001f)}});
  writeDxf(scene, "far.dxf");
  const auto lines = crlfLines(readFile("far.dxf"));
  ASSERT_EQ(lines.size(), 8u + 30u);
  // Group 0 is the third corner (10250, 10200, -0.00001): rounds to "0.0000", no minus.
  EXPECT_EQ(lines[11], "250.0000");
  EXPECT_EQ(lines[13], "0.0000");
  EXPECT_EQ(lines[15], "200.0000");
  EXPECT_EQ(lines[17], "300.0000");
  EXPECT_EQ(lines[19], "5.0000");
  EXPECT_EQ(lines[21], "100.0000");
}

TEST(DxfWriter, ColoursAreNumberedInFaceOrderAndThePaletteKeepsThem) {
  TempDir dir;
  ScriptedHost host;
  Scene scene;
  scene.DxfPalette.fill({9, 9, 9});
  const Rgb red{255, 0, 0}, green{0, 255, 0}, blue{0, 0, 255};
  for (const Rgb& c : {red, green, red, blue}) {
    scene.CurrentColour = c;
    addFace(scene, host, corner(0, 0, 0), corner(1, 0, 0), corner(0, 1, 0));
  }
  scene.ask = true;
  closeObject(scene, host, false, true);
  // A face of the open object takes part in the numbering but is not written.
  scene.CurrentColour = {1, 2, 3};
  addFace(scene, host, corner(0, 0, 0), corner(1, 0, 0), corner(0, 1, 0));

  writeDxf(scene, "colours.dxf");
  EXPECT_EQ(scene.DxfPalette[0], red);
  EXPECT_EQ(scene.DxfPalette[1], green);
  EXPECT_EQ(scene.DxfPalette[2], blue);
  EXPECT_EQ(scene.DxfPalette[3], (Rgb{1, 2, 3}));
  EXPECT_EQ(scene.DxfPalette[4], (Rgb{9, 9, 9}));
  const auto lines = crlfLines(readFile("colours.dxf"));
  ASSERT_EQ(lines.size(), 8u + 4 * 30u);
  for (int f = 0; f < 4; ++f) {
    EXPECT_EQ(lines[5 + 30 * static_cast<std::size_t>(f) + 4],
              std::to_string(f == 3 ? 3 : f % 2 + 1))
        << "face " << f;
  }
}

TEST(DxfWriter, ColoursBeyondThePaletteTakeTheNearestEntry) {
  // 257 distinct greys fill the palette; a 258th colour close to grey 100 gets its number,
  // and a repeat of an early colour keeps the number it had.
  ScriptedHost host;
  Scene scene;
  scene.ask = true;
  for (int i = 0; i < 257; ++i) {
    const auto g = static_cast<std::uint8_t>(i < 256 ? i : 0);
    scene.CurrentColour = {g, g, static_cast<std::uint8_t>(i < 256 ? g : 1)};
    addFace(scene, host, corner(0, 0, 0), corner(1, 0, 0), corner(0, 1, 0));
  }
  scene.CurrentColour = {100, 99, 101};
  addFace(scene, host, corner(0, 0, 0), corner(1, 0, 0), corner(0, 1, 0));
  scene.CurrentColour = {7, 7, 7};
  addFace(scene, host, corner(0, 0, 0), corner(1, 0, 0), corner(0, 1, 0));
  const std::vector<int> numbers = numberDxfColours(scene);
  ASSERT_EQ(numbers.size(), 259u);
  EXPECT_EQ(numbers[0], 1);
  EXPECT_EQ(numbers[256], 257);
  EXPECT_EQ(numbers[257], 101);  // entry 100 holds grey 100
  EXPECT_EQ(numbers[258], 8);
  EXPECT_EQ(scene.DxfPalette[256], (Rgb{0, 0, 1}));
}

}  // namespace
}  // namespace facetry
