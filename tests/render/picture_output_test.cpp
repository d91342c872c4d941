// Tests of the view pictures: the BMP holds what the front view shows, the JPEG files decode
// to their sizes, failed writes leave nothing, and the print fitting rule.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

#include <jpeglib.h>

#include "render/picture_output.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "support/temp_dir.h"
#include "workspace.h"

namespace facetry {
namespace {

using testing::readFile;
using testing::TempDir;

struct Decoded {
  int width = 0, height = 0;
  std::vector<unsigned char> rgb;
};

Decoded decodeJpeg(const std::string& bytes) {
  jpeg_decompress_struct info{};
  jpeg_error_mgr errors{};
  info.err = jpeg_std_error(&errors);
  jpeg_create_decompress(&info);
  jpeg_mem_src(&info, reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size());
  jpeg_read_header(&info, TRUE);
  info.out_color_space = JCS_RGB;
  jpeg_start_decompress(&info);
  Decoded d;
  d.width = static_cast<int>(info.output_width);
  d.height = static_cast<int>(info.output_height);
  d.rgb.resize(static_cast<std::size_t>(d.width) * d.height * 3);
  while (info.output_scanline < info.output_height) {
    unsigned char* row =
        d.rgb.data() + static_cast<std::size_t>(info.output_scanline) * d.width * 3;
    jpeg_read_scanlines(&info, &row, 1);
  }
  jpeg_finish_decompress(&info);
  jpeg_destroy_decompress(&info);
  return d;
}

TEST(SurveyJpeg, AlwaysOneEightyEightByOneFortyEightWithItsPixels) {
  TempDir dir;
  Workspace ws;
  startWorkspace(ws, 1);
  ws.frame.ViewBitmap.fill({255, 255, 255});
  for (int y = 0; y < 40; ++y) {
    for (int x = 0; x < 40; ++x) ws.frame.ViewBitmap.setPixel(x, y, {200, 20, 20});
  }
  saveSurveyJpeg(ws.frame, "survey");
  ASSERT_TRUE(std::filesystem::exists("survey.jpg")) << "the extension is appended";
  const Decoded d = decodeJpeg(readFile("survey.jpg"));
  EXPECT_EQ(d.width, 188);
  EXPECT_EQ(d.height, 148);
  EXPECT_NEAR(d.rgb[(20 * 188 + 20) * 3], 200, 12);
  EXPECT_NEAR(d.rgb[(20 * 188 + 20) * 3 + 1], 20, 12);
  EXPECT_NEAR(d.rgb[(100 * 188 + 150) * 3 + 2], 255, 12);
}

TEST(ViewBitmap, HoldsTheMarkerAndTheCrossAsShown) {
  TempDir dir;
  Workspace ws;
  startWorkspace(ws, 1);
  ws.views.MousePosition[0] = {400, 300};
  redraw(ws);
  saveViewBitmap(ws.frame.images[0], 0, 0, 600, 500, "front.bmp");
  const std::string bmp = readFile("front.bmp");
  ASSERT_EQ(bmp.size(), 54u + 1800u * 500u);
  // Bottom-up rows: the pixel at (x, y) lives in stored row 499 - y.
  auto pixel = [&](int x, int y) {
    const std::size_t at =
        54 + static_cast<std::size_t>(499 - y) * 1800 + 3 * static_cast<std::size_t>(x);
    return Rgb{static_cast<std::uint8_t>(bmp[at + 2]), static_cast<std::uint8_t>(bmp[at + 1]),
               static_cast<std::uint8_t>(bmp[at])};
  };
  EXPECT_EQ(pixel(100, 300), (Rgb{0, 0, 0})) << "the cross row";
  EXPECT_EQ(pixel(230, 140), (Rgb{0, 0, 0})) << "the centre marker's tick at (230, 140)";
  EXPECT_EQ(pixel(50, 50), (Rgb{255, 255, 255}));
}

TEST(PictureFiles, FailedWritesLeaveNoFileAndKeepTheOldOne) {
  TempDir dir;
  Workspace ws;
  startWorkspace(ws, 1);
  EXPECT_THROW(saveViewJpeg(ws.frame, 0, 0, 100, 100, "missing/dir/a.jpg"), IoError);
  testing::writeFile("old.bmp", "old");
  std::filesystem::create_directory("old.bmp.part~");
  EXPECT_THROW(saveViewBitmap(ws.frame.images[0], 0, 0, 10, 10, "old.bmp"), IoError);
  EXPECT_EQ(readFile("old.bmp"), "old");
}

TEST(PrintFit, LargerPicturesShrinkAndSmallerOnesGrowKeepingTheAspect) {
  const PrintSize up_wide = printFit(400, 200, 1000, 1400);
  EXPECT_DOUBLE_EQ(up_wide.width, 1000);
  EXPECT_DOUBLE_EQ(up_wide.height, 500);
  const PrintSize up_tall = printFit(200, 400, 1000, 1400);
  EXPECT_DOUBLE_EQ(up_tall.height, 1400);
  EXPECT_DOUBLE_EQ(up_tall.width, 700);
  const PrintSize down = printFit(2000, 1000, 1000, 1400);
  EXPECT_DOUBLE_EQ(down.width, 1000);
  EXPECT_DOUBLE_EQ(down.height, 500);
  const PrintSize both = printFit(3000, 6000, 1000, 1400);
  EXPECT_DOUBLE_EQ(both.height, 1400);
  EXPECT_DOUBLE_EQ(both.width, 700);
}

}  // namespace
}  // namespace facetry
