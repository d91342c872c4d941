// Tests of the DXF reader: 3DFACE fans, layers and colours, the header copy, skipped
// entities, polyface meshes through the scratch file, plain polylines, the number rule.
#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <filesystem>

#include "exchange/dxf_lines.h"
#include "exchange/dxf_reader.h"
#include "exchange/dxf_writer.h"
#include "exchange_test_util.h"
#include "scene/scratch_files.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::CountingHost;
using testing::dxfText;
using testing::invariantViolation;
using testing::readFile;
using testing::TempDir;
using testing::writeFile;

// DXF text built group by group, codes right-aligned as DXF programs write them.
class Dxf {
 public:
  Dxf& pair(int code, const std::string& value) {
    char code_text[8];
    std::snprintf(code_text, sizeof code_text, "%3d", code);
    text_ += std::string(code_text) + "\r\n" + value + "\r\n";
    return *this;
  }
  Dxf& pair(int code, double value) {
    char number[32];
    std::snprintf(number, sizeof number, "%g", value);
    return pair(code, std::string(number));
  }
  // A 3DFACE with corners (X, Y, Z), optionally with a colour number.
  Dxf& face(const std::string& layer, const std::vector<std::array<double, 3>>& corners,
            const char* colour = nullptr) {
    pair(0, "3DFACE").pair(8, layer);
    if (colour) pair(62, colour);
    for (std::size_t k = 0; k < corners.size(); ++k) {
      const int n = static_cast<int>(k);
      pair(10 + n, corners[k][0]).pair(20 + n, corners[k][1]).pair(30 + n, corners[k][2]);
    }
    return *this;
  }
  Dxf& triangle(const std::string& layer, double x, const char* colour = nullptr) {
    return face(layer, {{x, 0, 0}, {x + 1, 0, 0}, {x, 1, 0}}, colour);
  }
  Dxf& vertex(const std::string& layer, std::initializer_list<std::pair<int, double>> groups) {
    pair(0, "VERTEX").pair(8, layer);
    for (const auto& [code, value] : groups) pair(code, value);
    return *this;
  }
  std::string file() const { return text_ + "  0\r\nEOF\r\n"; }

 private:
  std::string text_;
};

struct DxfRun {
  Scene scene;
  CountingHost host;
  ViewState views;
  DxfReaderState state;

  void read(const std::string& text) {
    writeFile("in.dxf", text);
    readDxf(scene, host, views, state, "in.dxf");
    EXPECT_EQ(invariantViolation(scene), "");
  }
  const Face& face(int i) const { return scene.FaceTable[static_cast<std::size_t>(i)]; }
  std::string name(int k) const {
    return scene.ObjectTable[static_cast<std::size_t>(k)].name.str();
  }
  Rgb colour(int i) const { return {face(i).red, face(i).green, face(i).blue}; }
};

void expectCorner(const FaceCorner& c, float x, float y, float z) {
  EXPECT_NEAR(c.x, x, 1e-4);
  EXPECT_NEAR(c.y, y, 1e-4);
  EXPECT_NEAR(c.z, z, 1e-4);
}

TEST(DxfReader, WrittenFileReadsBackAsEachFaceAndATwinWithTwoEqualCorners) {
  TempDir dir;
  CountingHost host;
  Scene source;
  testing::addBoxObject(source, host, 0, 0, 0, 10, "crate");
  writeDxf(source, "box.dxf");
  DxfRun run;
  run.read(readFile("box.dxf"));
  ASSERT_EQ(run.scene.FaceCount, 24);
  ASSERT_EQ(run.scene.ObjectCount, 1);
  EXPECT_EQ(run.name(0), "crate");
  for (int i = 0; i < 12; ++i) {
    const Face& original = source.FaceTable[static_cast<std::size_t>(i)];
    for (int c = 0; c < 3; ++c) {
      const FaceCorner& o = original.corners[c];
      expectCorner(run.face(2 * i).corners[c], o.x, o.y, o.z);
    }
    const FaceCorner& a = original.corners[0];
    const FaceCorner& cc = original.corners[2];
    expectCorner(run.face(2 * i + 1).corners[0], a.x, a.y, a.z);
    expectCorner(run.face(2 * i + 1).corners[1], a.x, a.y, a.z);
    expectCorner(run.face(2 * i + 1).corners[2], cc.x, cc.y, cc.z);
  }
}

TEST(DxfReader, ColourNumbersAreClampedAndMappedThroughThePalette) {
  TempDir dir;
  DxfRun run;
  for (int n = 0; n < 257; ++n) {
    run.scene.DxfPalette[static_cast<std::size_t>(n)] = {
        static_cast<std::uint8_t>(n), static_cast<std::uint8_t>(10 + n / 256), 0};
  }
  run.scene.CurrentColour = {50, 50, 50};
  // The first number is only remembered; later ones apply once the object holds faces.
  run.read(Dxf()
               .triangle("A", 0, "5")
               .triangle("A", 1, "0")
               .triangle("A", 2, "300")
               .triangle("A", 3, "256")
               .triangle("A", 4, "-7")
               .file());
  ASSERT_EQ(run.scene.FaceCount, 5);
  EXPECT_EQ(run.colour(0), (Rgb{50, 50, 50}));
  EXPECT_EQ(run.colour(1), (Rgb{1, 10, 0}));
  EXPECT_EQ(run.colour(2), (Rgb{0, 11, 0}));
  EXPECT_EQ(run.colour(3), (Rgb{0, 11, 0}));
  EXPECT_EQ(run.colour(4), (Rgb{1, 10, 0}));
}

TEST(DxfReader, LayerChangesCloseObjectsNamedAfterTheirLayerWithoutAsking) {
  TempDir dir;
  DxfRun run;
  run.scene.ask = true;
  run.read(Dxf()
               .triangle("A", 0)
               .face("A", {{0, 0, 0}, {1, 0, 0}, {1, 1, 0}, {0, 1, 0}})
               .triangle("B", 2)
               .triangle("a", 3)
               .file());
  ASSERT_EQ(run.scene.ObjectCount, 3);
  EXPECT_EQ(run.name(0), "A");
  EXPECT_EQ(run.scene.ObjectTable[0].last, 2);
  EXPECT_EQ(run.name(1), "B");
  EXPECT_EQ(run.name(2), "a");
  EXPECT_EQ(run.host.counts, (std::vector<int>{1, 2, 3, 4, 5}));  // the "Reading" counter
  EXPECT_TRUE(run.host.name_prompts.empty());
  EXPECT_FALSE(run.scene.ask);  // the box is left unticked
}

TEST(DxfReader, CornersFanFromTheFirstAndUnusedGroupsAreNotTakenForCodes) {
  // Handle "10", a subclass marker and a thickness of 10 stand before the corners.
  TempDir dir;
  DxfRun run;
  Dxf dxf;
  dxf.pair(0, "3DFACE").pair(5, "10").pair(100, "AcDbEntity").pair(8, "fan").pair(39, "10.0");
  for (int k = 0; k < 5; ++k) dxf.pair(10 + k, k).pair(20 + k, 10 * k).pair(30 + k, 100 * k);
  run.read(dxf.file());
  ASSERT_EQ(run.scene.FaceCount, 3);
  EXPECT_EQ(run.name(0), "fan");
  for (int i = 0; i < 3; ++i) {
    // Face i is (c(i+2), c(i+1), c0); DXF (k, 10k, 100k) is model (k, 100k, 10k).
    const int order[3] = {i + 2, i + 1, 0};
    for (int c = 0; c < 3; ++c) {
      const float k = static_cast<float>(order[c]);
      expectCorner(run.face(i).corners[c], k, 100 * k, 10 * k);
    }
  }
}

TEST(DxfReader, HeaderIsCopiedUpToEntitiesOrWholeWhenThereIsNone) {
  TempDir dir;
  DxfRun run;
  run.read(dxfText({"0", "SECTION", " 2", "ENTITIES"}) + Dxf().triangle("L", 0).file());
  EXPECT_EQ(readFile(kHeaderFile), dxfText({"0", "SECTION", " 2", "ENTITIES", "0"}));

  // No ENTITIES line: every line is copied (with CR LF ends) and the faces are still read.
  const std::string bare =
      "  0\n3DFACE\n  8\nL\n 10\n0\n 20\n0\n 30\n0\n 11\n1\n 21\n0\n 31\n0\n"
      " 12\n0\n 22\n1\n 32\n0\n  0\nEOF\n";
  DxfRun second;
  second.read(bare);
  EXPECT_EQ(second.scene.FaceCount, 1);
  std::string expected;
  for (std::size_t at = 0, end; (end = bare.find('\n', at)) != std::string::npos; at = end + 1) {
    expected += bare.substr(at, end - at) + "\r\n";
  }
  EXPECT_EQ(readFile(kHeaderFile), expected + "0\r\n");
}

TEST(DxfReader, LinesAndThreeDLinesAreSkippedAndCloseTheFacesBeforeThem) {
  TempDir dir;
  DxfRun run;
  Dxf dxf;
  dxf.triangle("A", 0);
  dxf.pair(0, "LINE")
      .pair(8, "A")
      .pair(10, 0.0)
      .pair(20, 0.0)
      .pair(30, 0.0)
      .pair(11, 5.0)
      .pair(21, 5.0)
      .pair(31, 5.0);
  dxf.triangle("A", 1);
  dxf.pair(0, "3DLINE")
      .pair(8, "A")
      .pair(10, 1.0)
      .pair(20, 1.0)
      .pair(30, 1.0)
      .pair(11, 2.0)
      .pair(21, 2.0)
      .pair(31, 2.0);
  dxf.triangle("A", 2);
  run.read(dxf.file());
  EXPECT_EQ(run.scene.FaceCount, 3);
  ASSERT_EQ(run.scene.ObjectCount, 3);
  for (int k = 0; k < 3; ++k) EXPECT_EQ(run.name(k), "A");
}

TEST(DxfReader, PolyfaceMeshReadsVerticesBackInBlocksAndSkipsBadFaces) {
  TempDir dir;
  DxfRun run;
  Dxf dxf;
  dxf.pair(0, "POLYLINE").pair(5, "2A").pair(8, "mesh").pair(66, "1").pair(70, "64");
  dxf.pair(71, "150").pair(72, "5");
  for (int i = 0; i < 150; ++i) dxf.vertex("mesh", {{10, i}, {20, 2 * i}, {30, 3 * i}, {70, 192}});
  const int faces[5][3] = {{1, 150, 101}, {2, 120, 3}, {0, 5, 6}, {1, 151, 2}, {-1, 2, -3}};
  for (const auto& f : faces) {
    dxf.vertex("mesh", {{10, 0}, {20, 0}, {30, 0}, {70, 128}, {71, f[0]}, {72, f[1]}, {73, f[2]}});
  }
  dxf.pair(0, "SEQEND").pair(8, "mesh");
  run.read(dxf.file());
  ASSERT_EQ(run.scene.FaceCount, 3);  // vertex 0 and vertex 151 do not exist
  ASSERT_EQ(run.scene.ObjectCount, 1);
  EXPECT_EQ(run.name(0), "mesh");
  // Vertex n (from 1) is DXF (n-1, 2(n-1), 3(n-1)), model (n-1, 3(n-1), 2(n-1)).
  const int kept[3][3] = {{1, 150, 101}, {2, 120, 3}, {1, 2, 3}};
  for (int i = 0; i < 3; ++i) {
    for (int c = 0; c < 3; ++c) {
      const auto v = static_cast<float>(kept[i][c] - 1);
      expectCorner(run.face(i).corners[c], v, 3 * v, 2 * v);
    }
  }
  const std::string records = readFile(kPolyfaceFile);
  ASSERT_EQ(records.size(), 150u * 24u);
  float last[6];
  std::memcpy(last, records.data() + 149 * 24, sizeof last);
  EXPECT_EQ(last[0], 149);
  EXPECT_EQ(last[1], 447);
  EXPECT_EQ(last[2], 298);
}

TEST(DxfReader, PlainPolylineFansEveryVertexAndKeepsMissingCoordinates) {
  // The first vertex has no Z: it takes the working centre's model y (150); the third
  // keeps the Z of the second.
  TempDir dir;
  DxfRun run;
  Dxf dxf;
  dxf.pair(0, "POLYLINE").pair(8, "P").pair(66, "1").pair(70, "8");
  dxf.vertex("P", {{10, 1}, {20, 2}, {70, 32}});
  dxf.vertex("P", {{10, 5}, {20, 2}, {30, 7}});
  dxf.vertex("P", {{10, 5}, {20, 6}});
  dxf.vertex("P", {{10, 1}, {20, 6}, {30, 7}});
  dxf.pair(0, "SEQEND");
  run.read(dxf.file());
  ASSERT_EQ(run.scene.FaceCount, 2);
  ASSERT_EQ(run.scene.ObjectCount, 1);
  EXPECT_EQ(run.name(0), "P");
  expectCorner(run.face(0).corners[0], 5, 7, 6);
  expectCorner(run.face(0).corners[1], 5, 7, 2);
  expectCorner(run.face(0).corners[2], 1, 150, 2);
  expectCorner(run.face(1).corners[0], 1, 7, 6);
  expectCorner(run.face(1).corners[2], 1, 150, 2);
}

TEST(DxfReader, PolylineLayerFamiliesShareAColourAndNewFamiliesTakeTheNextEntry) {
  TempDir dir;
  DxfRun run;
  for (int n = 0; n < 257; ++n)
    run.scene.DxfPalette[static_cast<std::size_t>(n)] = {0, 0, static_cast<std::uint8_t>(n)};
  run.scene.CurrentColour = {50, 50, 50};
  auto polyline = [](Dxf& dxf, const std::string& layer) {
    dxf.pair(0, "POLYLINE").pair(8, layer).pair(66, "1");
    dxf.vertex(layer, {{10, 0}, {20, 0}, {30, 0}});
    dxf.vertex(layer, {{10, 1}, {20, 0}, {30, 0}});
    dxf.vertex(layer, {{10, 0}, {20, 1}, {30, 0}});
    dxf.pair(0, "SEQEND");
  };
  Dxf first;
  for (const char* layer : {"Wall1", "Wall2", "Roof"}) polyline(first, layer);
  run.read(first.file());
  ASSERT_EQ(run.scene.FaceCount, 3);
  EXPECT_EQ(run.colour(0), (Rgb{50, 50, 50}));
  EXPECT_EQ(run.colour(1), (Rgb{50, 50, 50}));  // "Wall" like Wall1
  EXPECT_EQ(run.colour(2), (Rgb{0, 0, 1}));     // a new family: entry 1
  EXPECT_EQ(run.state.next_layer_colour, 2);

  // The running entry is not reset by the next import.
  Dxf second;
  for (const char* layer : {"Roof2", "Door"}) polyline(second, layer);
  run.read(second.file());
  ASSERT_EQ(run.scene.FaceCount, 5);
  EXPECT_EQ(run.colour(4), (Rgb{0, 0, 2}));
  EXPECT_EQ(run.state.next_layer_colour, 3);
}

TEST(DxfReader, LineEndsMayBeLfCrOrCrLf) {
  TempDir dir;
  const std::string crlf = Dxf().triangle("A", 0).triangle("B", 1).file();
  for (const char* end : {"\n", "\r"}) {
    std::string text;
    for (std::size_t at = 0, stop; (stop = crlf.find("\r\n", at)) != std::string::npos;
         at = stop + 2) {
      text += crlf.substr(at, stop - at) + end;
    }
    DxfRun run;
    run.read(text);
    EXPECT_EQ(run.scene.FaceCount, 2);
    EXPECT_EQ(run.scene.ObjectCount, 2);
  }
}

TEST(DxfNumber, WholeLineThenTheTextFromItsFirstDigitToBeforeItsLastCharacter) {
  EXPECT_EQ(dxfNumber("10"), 10);
  EXPECT_EQ(dxfNumber("-3.25"), -3.25);
  EXPECT_EQ(dxfNumber("+7"), 7);
  EXPECT_EQ(dxfNumber(".5"), 0.5);
  EXPECT_EQ(dxfNumber("1e3"), 1000);
  EXPECT_EQ(dxfNumber("12.5x"), 12.5);  // a stray last character
  EXPECT_EQ(dxfNumber("x12.5"), 12);    // from the first digit, the last character dropped
  EXPECT_EQ(dxfNumber("-12x"), 12);     // the sign is lost on the second try
  EXPECT_EQ(dxfNumber("1,5"), 0);
  EXPECT_EQ(dxfNumber("abc"), 0);
  EXPECT_EQ(dxfNumber(""), 0);
  EXPECT_EQ(dxfNumber("inf"), 0);
  EXPECT_EQ(dxfNumber("nan"), 0);
  EXPECT_EQ(dxfNumber("3DFACE"), 0);
}

}  // namespace
}  // namespace facetry
