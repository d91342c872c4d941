// The redraw draws large shaded views as two halves of the faces on two threads, merged by
// depth. These tests compare it with drawing every face in order, pixel for pixel, also
// when a face fails half-way.
#include <gtest/gtest.h>

#include <limits>
#include <random>

#include "render/rasteriser.h"
#include "scene/errors.h"
#include "support/scripted_host.h"
#include "workspace.h"

namespace facetry {
namespace {

// Overlapping faces at few distinct depths, so that equal depths are common.
void addCrowd(Workspace& ws, int faces, unsigned seed) {
  testing::ScriptedHost host;
  std::mt19937 random(seed);
  std::uniform_real_distribution<float> position(-40, 860);
  std::uniform_int_distribution<int> depth(0, 6), colour(0, 255), size(3, 90);
  ws.scene.ask = true;
  for (int i = 0; i < faces; ++i) {
    FaceCorner a, b, c;
    const float x = position(random), y = position(random), z = 100.f + 40.f * depth(random);
    const float s = static_cast<float>(size(random));
    a.setPoint({x, y, z});
    b.setPoint({x + s, y + s / 3, z + (i % 3 == 0 ? 20.f : 0.f)});
    c.setPoint({x - s / 2, y + s, z - 5});
    ws.scene.CurrentColour = {static_cast<std::uint8_t>(colour(random)), 90, 200};
    addFace(ws.scene, host, a, b, c);
    if (i % 500 == 499) closeObject(ws.scene, host, false, true);
  }
  closeObject(ws.scene, host, false, true);
}

// The pixels of the top-left size x size square, row by row.
std::vector<Rgb> pixels(const Canvas& c, int size) {
  std::vector<Rgb> out;
  for (int y = 0; y < size; ++y) {
    for (int x = 0; x < size; ++x) out.push_back(c.pixel(x, y));
  }
  return out;
}

// Draws view `view` of `ws` face by face into a fresh frame, as the redraw does serially.
FrameBuffers drawInOrder(Workspace& ws, int view, ShadingMode mode) {
  FrameBuffers frame;
  frame.setBackground(ws.settings.BackgroundColour);
  frame.clearRows(0, true);
  const RasterContext context{ws.lighting, ws.textures, ws.tools.polyl};
  try {
    for (int i = 0; i < ws.scene.FaceCount; ++i) {
      rasteriseFace(ws.scene, i, view, mode, false, context, frame);
    }
  } catch (const RangeError&) {
  }
  return frame;
}

TEST(SplitRedraw, EveryModeAndViewMatchesDrawingFaceByFace) {
  for (int variant = 0; variant < 4; ++variant) {
    Workspace ws;
    startWorkspace(ws, 2);
    addCrowd(ws, 6000, 11u + static_cast<unsigned>(variant));
    ws.views.CrossOn = false;
    ws.views.SurveyVisible = false;
    ws.views.CentrePoint = {5000, 5000, 5000};  // the marker off every picture
    ws.tools.polyl = variant == 3;
    const ShadingMode mode = variant == 1   ? ShadingMode::Gouraud
                             : variant == 2 ? ShadingMode::Phong
                                            : ShadingMode::Flat;
    for (auto& entry : ws.views.ViewShading) {
      entry = {true, mode == ShadingMode::Flat, mode == ShadingMode::Gouraud,
               mode == ShadingMode::Phong};
    }
    redraw(ws);
    for (int view = 1; view <= 3; ++view) {
      const FrameBuffers expected = drawInOrder(ws, view, mode);
      EXPECT_TRUE(pixels(ws.frame.images[static_cast<std::size_t>(view - 1)], kImageSize) ==
                  pixels(expected.ViewBitmap, kImageSize))
          << "variant " << variant << " view " << view;
    }
  }
}

TEST(SplitRedraw, FailureLeavesWhatDrawingFaceByFaceLeaves) {
  Workspace ws;
  startWorkspace(ws, 2);
  addCrowd(ws, 5000, 99);
  ws.views.ThreeWindows = false;
  ws.views.SurveyVisible = false;
  ws.scene.FaceTable[4000].material = 101;  // a material outside the list
  EXPECT_THROW(redraw(ws), RangeError);
  const FrameBuffers expected = drawInOrder(ws, 1, ShadingMode::Flat);
  EXPECT_TRUE(pixels(ws.frame.ViewBitmap, kBitmapSize) == pixels(expected.ViewBitmap, kBitmapSize));
  EXPECT_TRUE(ws.frame.DepthBuffer == expected.DepthBuffer);
}

TEST(SplitRedraw, AFaceWhoseLightAngleFailsOnTheSecondThreadIsReportedAndLeavesBoundsReset) {
  Workspace ws;
  startWorkspace(ws, 2);
  addCrowd(ws, 5000, 5);
  ws.views.SurveyVisible = false;
  ws.scene.FaceTable[4500].corners[1].x = std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW(redraw(ws), RangeError);
  EXPECT_EQ(ws.scene.ObjectTable[0].min[0], 100000);
  EXPECT_EQ(ws.views.SceneCentroid.count, 0);
}

}  // namespace
}  // namespace facetry
