// Phong pixels drawn in their face's colour and marked, then lit row by row, against the same
// faces lit as they are drawn: faces of every shade level (None too), faces whose normals do
// not fit a mark, and lights near and so far that the quick estimate cannot decide.
#include <gtest/gtest.h>

#include <algorithm>

#include "render/crowd.h"
#include "render/pending_light.h"
#include "render/rasteriser.h"
#include "workspace.h"

namespace facetry {
namespace {

bool sameBitmap(const Canvas& a, const Canvas& b) {
  for (int y = 0; y < kBitmapSize; ++y) {
    if (!std::equal(a.row(y), a.row(y) + 3 * kBitmapSize, b.row(y))) return false;
  }
  return true;
}

FrameBuffers freshFrame(const Workspace& ws) {
  FrameBuffers frame;
  frame.setBackground(ws.settings.BackgroundColour);
  frame.clearRows(0, true);
  return frame;
}

TEST(PendingLight, MarkedPixelsLitAfterwardsMatchPixelsLitAsDrawn) {
  Workspace ws;
  testing::startCrowd(ws, 3000, 7u, ShadingMode::Phong);
  redraw(ws);  // the corner normals
  for (int i = 0; i < ws.scene.FaceCount; i += 7) {
    ws.scene.FaceTable[static_cast<std::size_t>(i)].ReflectionLevel =
        static_cast<std::uint8_t>(i % 5);
  }
  for (int i = 3; i < ws.scene.FaceCount; i += 50) {
    ws.scene.FaceShadingTable[static_cast<std::size_t>(i)].normals[1][2] = 300;  // no mark
  }
  for (const Point3 light : {ws.lighting.LightPosition, Point3{400, -300, 2e16f}}) {
    ws.lighting.LightPosition = light;
    for (int view = 1; view <= 3; ++view) {
      FrameBuffers expected = freshFrame(ws);
      const RasterContext lit_as_drawn{ws.lighting, ws.textures, false};
      testing::drawEveryFace(ws, view, ShadingMode::Phong, lit_as_drawn, expected);

      FrameBuffers frame = freshFrame(ws);
      RasterContext marking{ws.lighting, ws.textures, false};
      marking.pending_marks = frame.pending_light.origin();
      rasteriseFaces(ws.scene, 0, ws.scene.FaceCount, view, ShadingMode::Phong, marking, frame,
                     nullptr);
      for (int y = 0; y < kBitmapSize; ++y) {
        lightPendingRow(frame.pending_light.row(y), frame.ViewBitmap.row(y), frame.depthRow(y), y,
                        0, kBitmapSize - 1, light, ws.lighting.ShadeTable.data());
      }
      EXPECT_TRUE(sameBitmap(frame.ViewBitmap, expected.ViewBitmap))
          << "view " << view << " light " << light.z;
      EXPECT_TRUE(frame.DepthBuffer == expected.DepthBuffer);
      EXPECT_TRUE(std::all_of(frame.pending_light.marks.begin(), frame.pending_light.marks.end(),
                              [](std::uint32_t mark) { return mark == 0; }));
    }
  }
}

}  // namespace
}  // namespace facetry
