// Hostile input for both readers: files cut at every byte, lengths and counts that lie,
// indices beyond the lists, junk, and very long files. Each must end in an error or in a
// partial scene whose invariants hold, never in a crash or a hang.
#include <gtest/gtest.h>

#include <limits>

#include "exchange/dxf_reader.h"
#include "exchange/dxf_writer.h"
#include "exchange/three_ds_reader.h"
#include "exchange/three_ds_writer.h"
#include "exchange_test_util.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::chunk;
using testing::CountingHost;
using testing::dxfText;
using testing::invariantViolation;
using testing::meshObject;
using testing::readFile;
using testing::TempDir;
using testing::u16Bytes;
using testing::u32Bytes;
using testing::writeFile;

struct Outcome {
  int faces = 0;
  int objects = 0;
  std::string error;  // empty when the reader ended normally
};

Outcome readAs(bool dxf, const std::string& bytes) {
  writeFile("hostile.in", bytes);
  Scene scene;
  CountingHost host;
  ViewState views;
  DxfReaderState state;
  Point3 light;
  Outcome outcome;
  try {
    if (dxf) {
      readDxf(scene, host, views, state, "hostile.in");
    } else {
      read3ds(scene, host, views, light, "hostile.in");
    }
  } catch (const Error& e) {
    outcome.error = e.what();
  }
  EXPECT_EQ(invariantViolation(scene), "");
  if (scene.ObjectCount < kMaxObjects) {
    EXPECT_EQ(scene.openObject().first, scene.FaceCount) << "faces left outside any object";
  }
  EXPECT_FALSE(scene.ask);
  outcome.faces = scene.FaceCount;
  outcome.objects = scene.ObjectCount;
  return outcome;
}

std::string twoObjectThreeDs() {
  const std::vector<float> quad = {0, 0, 0, 1, 0, 0, 1, 1, 0, 0, 1, 0};
  return chunk(0x4D4D, chunk(0x3D3D, meshObject("one", quad, {0, 1, 2, 0, 2, 3}) +
                                         meshObject("two", quad, {0, 1, 2})));
}

TEST(HostileDxf, CutAtEveryByteKeepsWhatWasRead) {
  TempDir dir;
  const std::string full = readFile(testing::testDataPath("handmade_r12.dxf"));
  int previous = 0;
  for (std::size_t n = 0; n <= full.size(); ++n) {
    const Outcome o = readAs(true, full.substr(0, n));
    EXPECT_GE(o.faces, previous) << "cut at " << n;  // a longer prefix never reads less
    previous = o.faces;
  }
  EXPECT_EQ(previous, 8);
}

TEST(HostileDxf, MissingValuesBadNumbersAndJunkEndQuietlyOrWithAMessage) {
  TempDir dir;
  // Codes without values at the end of the file, inside every kind of entity.
  for (const char* entity : {"3DFACE", "LINE", "POLYLINE"}) {
    for (const char* tail : {"", " 8", " 10", " 62", " 66", " 71"}) {
      const Outcome o = readAs(true, dxfText({"0", "SECTION", " 0", entity, tail}));
      EXPECT_EQ(o.error, "") << entity << " / " << tail;
    }
  }
  // Coordinates that do not parse are zero; one beyond float range drops its face.
  Outcome o = readAs(
      true, dxfText({"0",  "3DFACE", "10", "abc", "20", "1..2", "30", "",   "11", "1", "21",
                     "0",  "31",     "0",  "12",  "0",  "22",   "1",  "32", "0",  "0", "3DFACE",
                     "10", "1e39",   "20", "0",   "30", "0",    "11", "1",  "21", "0", "31",
                     "0",  "12",     "0",  "22",  "1",  "32",   "0",  "0",  "EOF"}));
  EXPECT_EQ(o.faces, 1);
  // Not a DXF file at all, an empty file, a binary DXF file.
  EXPECT_NE(readAs(true, std::string("\x89PNG\r\n\x1a\n\0\0\0", 11)).error.find("not an ASCII DXF"),
            std::string::npos);
  EXPECT_NE(readAs(true, "").error.find("empty"), std::string::npos);
  EXPECT_NE(readAs(true, std::string("AutoCAD Binary DXF\r\n\x1a\0", 22)).error.find("binary"),
            std::string::npos);
}

TEST(HostileDxf, PolyfaceCountsThatLieAndLongLinesDoNotHang) {
  TempDir dir;
  // Announces 2^31-1 vertices and faces: every VERTEX up to SEQEND is taken as a vertex,
  // the face record too, so no face is left to read.
  std::string text =
      dxfText({"0",  "POLYLINE", "8",  "M", "66", "1", "71", "2147483647", "72", "2147483647",
               "0",  "VERTEX",   "10", "1", "20", "0", "30", "0",          "0",  "VERTEX",
               "10", "0",        "20", "1", "30", "0", "0",  "VERTEX",     "70", "128",
               "71", "1",        "72", "2", "73", "2", "0",  "SEQEND",     "0",  "EOF"});
  EXPECT_EQ(readAs(true, text).faces, 0);
  // A line of two megabytes is cut, and the lines after it are still read.
  text = dxfText({"999", std::string(2 << 20, 'x')}) +
         dxfText({"0",  "3DFACE", "8",  "L", "10", "0", "20", "0", "30", "0", "11", "1",
                  "21", "0",      "31", "0", "12", "0", "22", "1", "32", "0", "0",  "EOF"});
  EXPECT_EQ(readAs(true, text).faces, 1);
}

TEST(HostileDxf, MillionLineFilesFinish) {
  TempDir dir;
  // One 3DFACE of 166 666 corners: its fan fills the face table, which then says so once.
  std::string corners;
  for (int i = 0; i < 166666; ++i) corners += "10\n1\n20\n2\n30\n3\n";
  const Outcome big = readAs(true, "0\n3DFACE\n8\nL\n" + corners + "0\nEOF\n");
  EXPECT_EQ(big.faces, kMaxFaces);
  // Polylines on ever new layers: the layer colour rule must not slow down with them.
  std::string polylines;
  for (int i = 0; i < 40000; ++i) {
    polylines += "0\nPOLYLINE\n8\nL" + std::to_string(i) + "\n66\n1\n0\nVERTEX\n10\n" +
                 std::to_string(i) + "\n0\nVERTEX\n0\nVERTEX\n20\n1\n0\nSEQEND\n";
  }
  const Outcome many = readAs(true, polylines + "0\nEOF\n");
  EXPECT_EQ(many.faces, 40000);
  EXPECT_EQ(many.objects, kMaxObjects);  // the rest stay in the last object
}

TEST(Hostile3ds, CutAtEveryByteKeepsWhatWasReadAndSaysSo) {
  TempDir dir;
  const std::string full = twoObjectThreeDs();
  for (std::size_t n = 0; n < full.size(); ++n) {
    const Outcome o = readAs(false, full.substr(0, n));
    EXPECT_NE(o.error, "") << "cut at " << n;
    EXPECT_LE(o.faces, 3);
  }
  EXPECT_EQ(readAs(false, full).faces, 3);
}

TEST(Hostile3ds, LengthsZeroOrBeyondTheFileAndCountsThatLie) {
  TempDir dir;
  const std::vector<float> tri = {0, 0, 0, 1, 0, 0, 0, 1, 0};
  const std::string good = meshObject("good", tri, {0, 1, 2});
  // A zero-length chunk after a good object: the object stays, the damage is reported.
  Outcome o = readAs(false, chunk(0x4D4D, chunk(0x3D3D, good + u16Bytes(0x4000) + u32Bytes(0))));
  EXPECT_EQ(o.faces, 1);
  EXPECT_NE(o.error.find("has length 0"), std::string::npos) << o.error;
  // A chunk claiming more than the file holds.
  o = readAs(false, chunk(0x4D4D, chunk(0x3D3D, good + u16Bytes(0xAFFF) + u32Bytes(5000))));
  EXPECT_EQ(o.faces, 1);
  EXPECT_NE(o.error.find("claims 5000 bytes"), std::string::npos) << o.error;
  // A vertex list announcing 65535 vertices that holds three: its faces are still read.
  const std::string lying =
      chunk(0x4000, std::string("liar") + '\0' +
                        chunk(0x4100, chunk(0x4110, u16Bytes(0xFFFF) + std::string(36, '\0')) +
                                          chunk(0x4120, u16Bytes(1) + u16Bytes(0) + u16Bytes(1) +
                                                            u16Bytes(2) + u16Bytes(0))));
  o = readAs(false, chunk(0x4D4D, chunk(0x3D3D, lying)));
  EXPECT_EQ(o.faces, 1);
  EXPECT_NE(o.error.find("lists 65535 entries"), std::string::npos) << o.error;
  // Faces naming vertices beyond the list, or at infinity, are skipped.
  const std::vector<float> with_infinity = {
      0, 0, 0, 1, 0, 0, 0, 1, 0, std::numeric_limits<float>::infinity(), 0, 0};
  o = readAs(false,
             chunk(0x4D4D, chunk(0x3D3D, meshObject("m", with_infinity,
                                                    {0, 1, 2, 0, 1, 4, 0, 1, 65535, 0, 1, 3}))));
  EXPECT_EQ(o.faces, 1);
  EXPECT_EQ(o.error, "");
}

TEST(Hostile3ds, WrongStartsAndJunkBehindTheMainChunk) {
  TempDir dir;
  EXPECT_NE(readAs(false, "").error.find("too short"), std::string::npos);
  EXPECT_NE(readAs(false, chunk(0x1234, "")).error.find("not a 3DS file"), std::string::npos);
  EXPECT_NE(readAs(false, dxfText({"0", "SECTION"})).error.find("not a 3DS file"),
            std::string::npos);
  // Junk after a complete main chunk is not part of it.
  const Outcome o = readAs(false, twoObjectThreeDs() + std::string(100, '\xff'));
  EXPECT_EQ(o.faces, 3);
  EXPECT_EQ(o.error, "");
  // A main chunk length of 0 (a writer that never patched it) reads the whole file.
  std::string unpatched = twoObjectThreeDs();
  unpatched.replace(2, 4, u32Bytes(0));
  EXPECT_EQ(readAs(false, unpatched).faces, 3);
}

}  // namespace
}  // namespace facetry
