// The toolbox pictures: every tool has its own drawing and the dial has its arrows.
#include <gtest/gtest.h>

#include <set>

#include "edit/tool_pictures.h"
#include "scene/tool_state.h"

namespace facetry {
namespace {

std::vector<std::uint8_t> bytes(const Canvas& c) {
  return std::vector<std::uint8_t>(c.data(), c.data() + c.stride() * c.height());
}

TEST(ToolPictures, EveryToolHasItsOwnDrawingAndTheEmptyOneIsBlank) {
  std::set<std::vector<std::uint8_t>> seen;
  for (int t = static_cast<int>(ToolPicture::Empty); t <= static_cast<int>(ToolPicture::Glue);
       ++t) {
    seen.insert(bytes(toolPicture(static_cast<ToolPicture>(t))));
  }
  EXPECT_EQ(seen.size(), 17u);
  EXPECT_EQ(bytes(toolPicture(ToolPicture::Empty)), bytes(Canvas(120, 90)));
  EXPECT_EQ(pictureForMode(ModeCube, false), ToolPicture::Cube);
  EXPECT_EQ(pictureForMode(ModeCube, true), ToolPicture::DragAlong);
  EXPECT_EQ(pictureForMode(ModeSelectArea, false), ToolPicture::Empty);
  const Canvas dial = dialPicture();
  EXPECT_EQ(dial.width(), 43);
  EXPECT_EQ(dial.height(), 41);
  EXPECT_EQ(dial.pixel(21, 2), (Rgb{30, 30, 150})) << "the y+ arrow's tip";
}

}  // namespace
}  // namespace facetry
