// Decoders of texture pictures: hand-built BMP and GIF files decode pixel-exact, JPEG
// through the program's own writer, and hostile headers end in a FormatError.
#include <gtest/gtest.h>

#include "materials/picture.h"
#include "materials/texture_store.h"
#include "picture_builders.h"
#include "render/canvas.h"
#include "render/jpeg_writer.h"
#include "scene/errors.h"
#include "support/temp_dir.h"

namespace facetry {
namespace {

using testing::makeBmp;
using testing::makeBmpWithData;
using testing::makeGif;

Picture decode(const std::string& bytes, int keep = kTextureLimit, const std::string& name = "p") {
  return decodePictureBytes(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size(), name,
                            keep);
}

std::uint32_t rgbAt(const Picture& p, int x, int y) {
  const std::uint8_t* q = p.pixel(x, y);
  return (std::uint32_t{q[2]} << 16) | (std::uint32_t{q[1]} << 8) | q[0];
}

std::string faultOf(const std::string& bytes, const std::string& name = "p") {
  try {
    decode(bytes, kTextureLimit, name);
  } catch (const FormatError& e) {
    return e.what();
  }
  return "decoded";
}

const std::vector<std::uint32_t> kPalette = {0x000000, 0xFF0000, 0x00FF00, 0x0000FF,
                                             0x112233, 0x445566, 0x778899, 0xAABBCC};

TEST(BmpDecoder, EveryDepthBottomUpAndTopDownGivesTheSamePixels) {
  // 3 x 2 pictures: rows from the top. Indexed depths use the palette, 24 and 32 bits carry
  // the colours themselves.
  const std::vector<std::vector<std::uint32_t>> indices = {{1, 0, 1}, {0, 1, 1}};
  const std::vector<std::vector<std::uint32_t>> more = {{1, 7, 3}, {4, 5, 6}};
  for (int bits : {1, 4, 8, 24, 32}) {
    for (int sign : {1, -1}) {
      const auto& rows = bits == 1 ? indices : more;
      std::vector<std::vector<std::uint32_t>> values = rows;
      if (bits >= 24) {
        for (auto& row : values) {
          for (auto& v : row) v = kPalette[v];
        }
      }
      const std::vector<std::uint32_t> palette =
          bits == 1 ? std::vector<std::uint32_t>(kPalette.begin(), kPalette.begin() + 2)
                    : (bits <= 8 ? kPalette : std::vector<std::uint32_t>{});
      const Picture p = decode(makeBmp(3, 2 * sign, bits, palette, values));
      ASSERT_EQ(p.width, 3);
      ASSERT_EQ(p.height, 2);
      for (int y = 0; y < 2; ++y) {
        for (int x = 0; x < 3; ++x) {
          EXPECT_EQ(rgbAt(p, x, y), kPalette[rows[y][x]]) << bits << " bits, " << x << "," << y;
        }
      }
    }
  }
}

TEST(BmpDecoder, RunLengthDataWithRunsStretchesAndSkips) {
  // RLE8, 4 x 3, bottom-up: row 0 of the file is the picture's bottom row.
  //   file row 0: run of 3 x index 1, then 1 x index 2
  //   file row 1: stretch of 3 (indices 3, 4, 5; padded to an even count), end of row
  //   file row 2: skip (1, 0), then run 3 x index 6 in columns 1..3; end of picture
  const std::string rle8 = std::string("\x03\x01\x01\x02\x00\x00", 6) +
                           std::string("\x00\x03\x03\x04\x05\x00\x00\x00", 8) +
                           std::string("\x00\x02\x01\x00", 4) + std::string("\x03\x06\x00\x01", 4);
  Picture p = decode(makeBmpWithData(4, 3, 8, 1, kPalette, rle8));
  EXPECT_EQ(rgbAt(p, 0, 2), kPalette[1]);
  EXPECT_EQ(rgbAt(p, 3, 2), kPalette[2]);
  EXPECT_EQ(rgbAt(p, 2, 1), kPalette[5]);
  EXPECT_EQ(rgbAt(p, 3, 1), 0u);  // the skip leaves it black
  EXPECT_EQ(rgbAt(p, 0, 0), 0u);
  EXPECT_EQ(rgbAt(p, 1, 0), kPalette[6]);
  EXPECT_EQ(rgbAt(p, 3, 0), kPalette[6]);

  // RLE4, 5 x 1: a stretch of 3 nibbles 1, 2, 7, then a run of 2 alternating 3 and 1.
  const std::string rle4 = std::string("\x00\x03\x12\x70\x02\x31\x00\x01", 8);
  p = decode(makeBmpWithData(5, 1, 4, 2, kPalette, rle4));
  const std::uint32_t expected[5] = {kPalette[1], kPalette[2], kPalette[7], kPalette[3],
                                     kPalette[1]};
  for (int x = 0; x < 5; ++x) EXPECT_EQ(rgbAt(p, x, 0), expected[x]) << x;
}

TEST(BmpDecoder, HeadersThatLieEndInAFormatError) {
  const std::string good = makeBmp(2, 2, 24, {}, {{1, 2}, {3, 4}});
  auto with = [&](std::size_t at, std::uint32_t value) {
    std::string s = good;
    testing::putU32(s, at, value);
    return s;
  };
  EXPECT_NE(faultOf(with(22, 0x80000000u)).find("runs past the end"), std::string::npos);
  EXPECT_NE(faultOf(with(18, 0x7FFFFFFFu)).find("runs past the end"), std::string::npos);
  EXPECT_NE(faultOf(with(18, 0)).find("no pixels"), std::string::npos);
  EXPECT_NE(faultOf(with(14, 13)).find("header of 13 bytes"), std::string::npos);
  EXPECT_NE(faultOf(good.substr(0, 60)).find("runs past the end"), std::string::npos);
  // 30 000 x 30 000 pixels of 24 bits claimed by a 1 kB file.
  std::string huge = with(18, 30000);
  testing::putU32(huge, 22, 30000);
  huge.resize(1024, '\x7F');
  EXPECT_NE(faultOf(huge).find("runs past the end"), std::string::npos);
  // A palette of 2^31 entries, and an RLE run past its row.
  std::string palette = makeBmp(2, 1, 8, kPalette, {{1, 2}});
  testing::putU32(palette, 46, 0x80000000u);
  EXPECT_NE(faultOf(palette).find("palette"), std::string::npos);
  EXPECT_NE(faultOf(makeBmpWithData(4, 1, 8, 1, kPalette, std::string("\x05\x01\x00\x01", 4)))
                .find("past the end of row"),
            std::string::npos);
  // An RLE picture of 30 000 x 30 000 keeps only its corner.
  const Picture big =
      decode(makeBmpWithData(30000, 30000, 8, 1, kPalette, std::string("\x00\x01", 2)));
  EXPECT_EQ(big.bgr.size(), std::size_t{399} * 399 * 3);
}

TEST(GifDecoder, HandBuiltFilesDecodePixelExact) {
  const std::vector<std::uint32_t> colours = {0x102030, 0xFF0000, 0x00FF00, 0x0000FF};
  // 3 x 2, global table, straight rows.
  Picture p = decode(makeGif(3, 2, colours, {0, 1, 2, 3, 2, 1}, false, false));
  ASSERT_EQ(p.width, 3);
  ASSERT_EQ(p.height, 2);
  const int straight[2][3] = {{0, 1, 2}, {3, 2, 1}};
  for (int y = 0; y < 2; ++y) {
    for (int x = 0; x < 3; ++x) EXPECT_EQ(rgbAt(p, x, y), colours[straight[y][x]]);
  }
  // 1 x 8, local table, interlaced: rows arrive in the order 0, 4, 2, 6, 1, 3, 5, 7.
  p = decode(makeGif(1, 8, colours, {0, 1, 2, 3, 0, 1, 2, 3}, true, true));
  const int order[8] = {0, 4, 2, 6, 1, 3, 5, 7};
  for (int i = 0; i < 8; ++i) EXPECT_EQ(rgbAt(p, 0, order[i]), colours[i % 4]) << i;
}

TEST(GifDecoder, FaultsAreToldInTheReadersWords) {
  const std::vector<std::uint32_t> colours = {0, 1, 2, 3};
  const std::string good = makeGif(2, 2, colours, {0, 1, 2, 3}, false, false);
  EXPECT_NE(faultOf("GIX89a" + good.substr(6), "x.gif").find("Geen GIF file"), std::string::npos);
  EXPECT_NE(faultOf("not a picture", "x.gif").find("Geen GIF file"), std::string::npos);
  std::string no_table = makeGif(2, 2, colours, {0, 1, 2, 3}, false, true);
  no_table[13 + 9] = 0;  // the image's own table flag off, the table bytes become data
  EXPECT_NE(faultOf(no_table).find("Kleurentabel niet aanwezig"), std::string::npos);
  EXPECT_NE(faultOf(good.substr(0, good.size() - 5)).find("Onverwacht bestands einde"),
            std::string::npos);
  // A code beyond the table: after clear and one literal the next free code is 6; 7 is
  // not yet defined.
  std::string bad_code = good;
  const std::size_t data = 6 + 7 + 12 + 10 + 2;  // first LZW byte
  bad_code[data] = static_cast<char>(4 | (7 << 3));
  EXPECT_NE(faultOf(bad_code).find("Onverwacht bestands einde"), std::string::npos);
  std::string zero = good;
  testing::putU16(zero, 6 + 7 + 12 + 5, 0);
  EXPECT_NE(faultOf(zero).find("no pixels"), std::string::npos);
}

TEST(JpegDecoder, KeepsTheTopLeftCornerAndRefusesATruncatedFile) {
  testing::TempDir dir;
  Canvas canvas(1000, 600, {200, 40, 40});
  for (int y = 0; y < 600; ++y) {
    for (int x = 500; x < 1000; ++x) canvas.setPixel(x, y, {40, 40, 200});
  }
  writeJpeg(canvas, "wide.jpg");
  const Picture p = decodePicture("wide.jpg");
  EXPECT_EQ(p.width, 1000);
  EXPECT_EQ(p.height, 600);
  ASSERT_EQ(p.kept_width, 399);
  ASSERT_EQ(p.kept_height, 399);
  for (const auto& [x, y] : {std::pair{0, 0}, {398, 398}, {200, 100}}) {
    const std::uint8_t* q = p.pixel(x, y);
    EXPECT_NEAR(q[2], 200, 6);
    EXPECT_NEAR(q[1], 40, 6);
    EXPECT_NEAR(q[0], 40, 6);
  }
  const std::string bytes = testing::readFile("wide.jpg");
  EXPECT_NE(faultOf(bytes.substr(0, 700)).find("JPEG"), std::string::npos);
  EXPECT_NE(faultOf(bytes.substr(0, 3)).find("JPEG"), std::string::npos);
}

TEST(TextureStore, LoadKeeps399By399AndAnUndecodableFileGivesAnEmptyTexture) {
  testing::TempDir dir;
  // A 1000 x 600 picture: texel (x, y) has red x mod 256 and green y mod 256.
  std::vector<std::vector<std::uint32_t>> rows(600, std::vector<std::uint32_t>(1000));
  for (int y = 0; y < 600; ++y) {
    for (int x = 0; x < 1000; ++x) rows[y][x] = ((x % 256u) << 16) | ((y % 256u) << 8) | 7u;
  }
  testing::writeFile("wide.bmp", makeBmp(1000, 600, 24, {}, rows));
  TextureStore store;
  EXPECT_EQ(store.load(3, "wide.bmp"), "");
  EXPECT_EQ(store.texture(3).width, 399);
  EXPECT_EQ(store.texture(3).height, 399);
  EXPECT_EQ(store.texture(3).texel(398, 300), (Rgb{398 % 256, 300 % 256, 7}));
  EXPECT_THROW(store.texture(3).texel(0, 399), RangeError);

  testing::writeFile("broken.jpg", "\xFF\xD8\xFF");
  EXPECT_NE(store.load(3, "broken.jpg"), "");
  EXPECT_EQ(store.texture(3).width, 0);
  EXPECT_EQ(store.texture(3).height, 0);
  EXPECT_NE(store.load(4, "missing.bmp").find("missing.bmp"), std::string::npos);
}

}  // namespace
}  // namespace facetry
