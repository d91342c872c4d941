// Tests of the view redraw: projection, wire-frame lines, marks, boxes, marker, cross and
// the passes of each layout. Expected pixels are worked out by hand from the drawing rules.
#include <gtest/gtest.h>

#include "render/bmp_writer.h"
#include "render/view_lines.h"
#include "render/view_render.h"
#include "scene/errors.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "workspace.h"

namespace facetry {
namespace {

using testing::corner;
using testing::ScriptedHost;

constexpr Rgb kWhite{255, 255, 255};
constexpr Rgb kBlack{0, 0, 0};

// A workspace as at start-up, with every view wired and the cross parked off the picture.
struct Fixture {
  Workspace ws;
  ScriptedHost host;
  Fixture() {
    startWorkspace(ws, 7);
    ws.scene.ask = true;
    for (auto& entry : ws.views.ViewShading) entry = {};
    ws.views.CrossOn = false;
    ws.views.CentrePoint = {700, 700, 700};  // marker out of the way
  }
  void face(FaceCorner a, FaceCorner b, FaceCorner c, Rgb colour) {
    ws.scene.CurrentColour = colour;
    addFace(ws.scene, host, a, b, c);
    closeObject(ws.scene, host, false, false);
  }
  Canvas& image(int view) { return ws.frame.images[static_cast<std::size_t>(view - 1)]; }
};

int countColour(const Canvas& c, Rgb colour) {
  int n = 0;
  for (int y = 0; y < c.height(); ++y) {
    for (int x = 0; x < c.width(); ++x) n += c.pixel(x, y) == colour;
  }
  return n;
}

TEST(Projection, EachViewMapsItsAxesToColumnRowAndDepth) {
  Point3 p{1, 2, 3};
  projectToView(View::Front, p);
  EXPECT_EQ((std::array{p.x, p.y, p.z}), (std::array{1.f, 2.f, 3.f}));
  p = {1, 2, 3};
  projectToView(View::Top, p);  // the top view maps z to rows, depth -y
  EXPECT_EQ((std::array{p.x, p.y, p.z}), (std::array{1.f, 3.f, -2.f}));
  p = {1, 2, 3};
  projectToView(View::Side, p);  // the side view maps z to columns, depth x
  EXPECT_EQ((std::array{p.x, p.y, p.z}), (std::array{3.f, 2.f, 1.f}));
}

TEST(WireLine, MajorAxisWalkTruncatesTheMinorCoordinate) {
  Canvas bitmap(816, 816);
  const Rgb red{255, 0, 0};
  // x-major from (10, 20) to (14, 22): y = 2 (x - 10) div 4 + 20 -> 20 20 21 21 22.
  drawViewLine(bitmap, View::Front, {10.9f, 20.2f, 0}, {14, 22, 0}, red);
  const int expected_rows[] = {20, 20, 21, 21, 22};
  for (int i = 0; i < 5; ++i) EXPECT_EQ(bitmap.pixel(10 + i, expected_rows[i]), red) << i;
  EXPECT_EQ(countColour(bitmap, red), 5) << "both ends are drawn, nothing else";
  // y-major in the top view: (x, z) = (30, 40) to (31, 44) -> columns 30 30 30 30 31.
  Canvas top(816, 816);
  drawViewLine(top, View::Top, {30, 999, 40}, {31, -5, 44}, red);
  for (int row = 40; row <= 43; ++row) EXPECT_EQ(top.pixel(30, row), red) << row;
  EXPECT_EQ(top.pixel(31, 44), red);
}

TEST(WireLine, ClippedToColumnsAndRowsZeroTo813AndNothingBelowOne) {
  Canvas bitmap(816, 816);
  const Rgb blue{0, 0, 255};
  drawViewLine(bitmap, View::Front, {-50, 400, 0}, {2000, 400, 0}, blue);
  EXPECT_EQ(bitmap.pixel(0, 400), blue);
  EXPECT_EQ(bitmap.pixel(813, 400), blue);
  EXPECT_EQ(bitmap.pixel(814, 400), kWhite);
  EXPECT_EQ(countColour(bitmap, blue), 814);
  drawViewLine(bitmap, View::Front, {300, 814, 0}, {500, 814, 0}, blue);
  EXPECT_EQ(countColour(bitmap, blue), 814) << "row 814 is never plotted";
  drawViewLine(bitmap, View::Front, {0.9f, -3, 0}, {-40, 0.5f, 0}, blue);
  EXPECT_EQ(countColour(bitmap, blue), 814) << "all four ends below 1 draw nothing";
  EXPECT_THROW(drawViewLine(bitmap, View::Front, {3e10f, 1, 0}, {1, 1, 0}, blue), RangeError);
}

TEST(Redraw, EmptySceneShowsClearedViewsMarkersAndCrosses) {
  Fixture f;
  f.ws.views.CentrePoint = {100, 200, 300};
  f.ws.views.CrossOn = true;
  f.ws.views.MousePosition = {{{50, 60}, {70, 80}, {90, 110}}};
  f.image(1).fill({1, 2, 3});
  redraw(f.ws);
  // Front marker: top left at (90, 190); its tick column 10 reaches row 0 of the marker.
  EXPECT_EQ(f.image(1).pixel(100, 190), kBlack);
  EXPECT_EQ(f.image(2).pixel(100, 290), kBlack);  // top view: (x, z)
  EXPECT_EQ(f.image(3).pixel(300, 190), kBlack);  // side view: (z, y)
  // The cross inverts a whole row and column of white to black, except where they meet.
  EXPECT_EQ(f.image(1).pixel(400, 60), kBlack);
  EXPECT_EQ(f.image(1).pixel(50, 700), kBlack);
  EXPECT_EQ(f.image(1).pixel(50, 60), kWhite);
  EXPECT_EQ(f.image(3).pixel(90, 5), kBlack);
  EXPECT_EQ(f.image(2).pixel(3, 3), kWhite) << "everything else is background";
  // The next cross erases this one exactly.
  kruis(f.image(1), true, 60, 50);
  EXPECT_EQ(f.image(1).pixel(400, 60), kWhite);
  EXPECT_EQ(f.image(1).pixel(50, 700), kWhite);
}

TEST(Redraw, WiredFaceAppearsInEachViewAlongItsOwnAxes) {
  Fixture f;
  const Rgb green{0, 200, 0};
  f.face(corner(100, 100, 50), corner(200, 100, 50), corner(100, 300, 250), green);
  redraw(f.ws);
  EXPECT_EQ(f.image(1).pixel(150, 100), green);  // front: edge (100,100)-(200,100)
  EXPECT_EQ(f.image(1).pixel(100, 200), green);  // front: edge (100,100)-(100,300)
  EXPECT_EQ(f.image(2).pixel(150, 50), green);   // top: (x, z) edge (100,50)-(200,50)
  EXPECT_EQ(f.image(3).pixel(150, 200), green);  // side: (z, y) edge (50,100)-(250,300)
  EXPECT_EQ(f.image(3).pixel(150, 100), kWhite);
}

TEST(Redraw, OnlyFrontLayoutSkipsTheTopAndSidePassesAndBoxes) {
  Fixture f;
  const Rgb green{0, 200, 0};
  f.face(corner(100, 100, 50), corner(200, 100, 50), corner(100, 300, 250), green);
  setObjectSelected(f.ws.scene, 0, 1);
  f.ws.views.ThreeWindows = false;
  f.image(2).fill({9, 9, 9});
  f.image(3).fill({9, 9, 9});
  redraw(f.ws);
  EXPECT_EQ(f.image(2).pixel(150, 50), (Rgb{9, 9, 9}));
  EXPECT_EQ(f.image(3).pixel(48, 98), (Rgb{9, 9, 9})) << "no selection box on the side view";
  EXPECT_EQ(f.image(1).pixel(150, 100), green);
  EXPECT_EQ(f.image(1).pixel(98, 98), (Rgb{255, 128, 0})) << "the front box stays";
}

TEST(Redraw, SelectionBoxSurroundsTheObjectTwoPixelsOut) {
  Fixture f;
  f.face(corner(100.7f, 100, 50), corner(200, 100, 50), corner(100, 300, 250), {0, 0, 255});
  setObjectSelected(f.ws.scene, 0, 1);
  redraw(f.ws);
  const Rgb orange{255, 128, 0};
  // Bounds x 100..200, y 100..300: the box runs from (98, 98) to (202, 302).
  EXPECT_EQ(f.image(1).pixel(98, 98), orange);
  EXPECT_EQ(f.image(1).pixel(202, 200), orange);
  EXPECT_EQ(f.image(1).pixel(150, 302), orange);
  EXPECT_EQ(f.image(1).pixel(97, 98), kWhite);
  EXPECT_EQ(f.image(2).pixel(202, 252), orange);  // top view box over (x, z)
  EXPECT_FLOAT_EQ(f.ws.scene.ObjectTable[0].min[0], 100);
  EXPECT_FLOAT_EQ(f.ws.scene.ObjectTable[0].max[2], 250);
  // With point selection on, boxes give way to corner marks.
  f.ws.tools.selectpoints = true;
  redraw(f.ws);
  EXPECT_EQ(f.image(1).pixel(98, 150), kWhite);
  // Corner (200, 100): its mark runs from (198, 98) to (202, 102).
  EXPECT_EQ(f.image(1).pixel(198, 98), orange);
  EXPECT_EQ(f.image(1).pixel(202, 102), orange);
}

TEST(Redraw, CentroidAndObjectBoundsFollowTheFrontPass) {
  Fixture f;
  f.face(corner(0, 0, 0), corner(30, 0, 0), corner(0, 60, 90), {1, 1, 1});
  f.ws.scene.ObjectTable[0].min[0] = -7;  // stale bounds are replaced
  bool survey_called = false;
  f.ws.hooks.survey = [&] { survey_called = true; };
  redraw(f.ws);
  EXPECT_DOUBLE_EQ(f.ws.views.SceneCentroid.centre[0], 10);
  EXPECT_DOUBLE_EQ(f.ws.views.SceneCentroid.centre[1], 20);
  EXPECT_DOUBLE_EQ(f.ws.views.SceneCentroid.centre[2], 30);
  EXPECT_EQ(f.ws.scene.ObjectTable[0].min[0], 0);
  EXPECT_TRUE(survey_called);
  EXPECT_EQ(f.ws.scene.ObjectNameBuffer.str(), "Object_01");
  EXPECT_FALSE(f.ws.scene.ask);
}

TEST(Redraw, BakeDrawsTheFrontViewOnlyWithoutBoxesOrSurvey) {
  Fixture f;
  f.face(corner(100, 100, 50), corner(200, 100, 50), corner(100, 300, 250), {0, 200, 0});
  setObjectSelected(f.ws.scene, 0, 1);
  bool survey_called = false;
  f.ws.hooks.survey = [&] { survey_called = true; };
  f.image(2).fill({9, 9, 9});
  RedrawParts parts = f.ws.redrawParts();
  teken(parts, true);
  EXPECT_FALSE(survey_called);
  EXPECT_EQ(f.image(2).pixel(150, 50), (Rgb{9, 9, 9}));
  EXPECT_EQ(f.image(1).pixel(98, 98), kWhite) << "no selection box in bake mode";
}

TEST(Redraw, ScrolledViewClearsOnlyFromItsScrollPosition) {
  Fixture f;
  f.ws.frame.ViewBitmap.fill({5, 5, 5});
  f.ws.views.ScrollY[0] = 300;
  redraw(f.ws);
  EXPECT_EQ(f.image(1).pixel(10, 299), (Rgb{5, 5, 5})) << "rows above the visible part stay";
  EXPECT_EQ(f.image(1).pixel(10, 300), kWhite);
}

TEST(CanvasPreview, EveryStrokeDrawnTwiceInNotXorRestoresThePicture) {
  Canvas c(60, 50);
  for (int y = 0; y < 50; ++y) {
    for (int x = 0; x < 60; ++x)
      c.setPixel(x, y, {static_cast<std::uint8_t>(x * 4), 7, static_cast<std::uint8_t>(y)});
  }
  const Canvas before = c;
  c.pen = {{0, 0, 0}, PenMode::NotXor};
  for (int round = 0; round < 2; ++round) {
    c.line(3, 4, 50, 40);
    c.polyline({{1, 1}, {30, 1}, {30, 30}, {1, 1}});
    c.frameRect(5, 5, 40, 20);
    c.frameRect(8, 9, 8, 30);  // degenerate box
    c.ellipse(10, 10, 55, 45);
    c.ellipse(20, 20, 21, 20);
    c.line(-10, 25, 100, 25);
  }
  EXPECT_EQ(
      std::vector<std::uint8_t>(c.data(), c.data() + c.stride() * c.height()),
      std::vector<std::uint8_t>(before.data(), before.data() + before.stride() * before.height()));
}

TEST(BmpWriter, HeaderAndBottomUpPaddedRows) {
  Canvas c(3, 2);
  c.setPixel(0, 0, {10, 20, 30});  // top left
  c.setPixel(2, 1, {40, 50, 60});  // bottom right
  const std::string bmp = encodeBmp(c);
  ASSERT_EQ(bmp.size(), 54u + 2 * 12);
  EXPECT_EQ(bmp.substr(0, 2), "BM");
  EXPECT_EQ(static_cast<unsigned char>(bmp[2]), 54 + 24);
  EXPECT_EQ(bmp[28], 24) << "bits per pixel";
  // First stored row is the bottom one: its third pixel is (40, 50, 60) as B G R.
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 6]), 60);
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 8]), 40);
  EXPECT_EQ(static_cast<unsigned char>(bmp[54 + 12]), 30);  // top row, first pixel blue
  EXPECT_EQ(encodeBmp(Canvas(815, 815)).size(), 54u + 2448u * 815u);
}

}  // namespace
}  // namespace facetry
