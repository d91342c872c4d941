// The redraw draws large shaded views on two threads: each thread every face in its half of
// the rows, or, for very many faces, each half of the faces, merged by depth. These tests
// compare it with drawing every face in order, pixel for pixel, also when a face fails
// half-way.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <limits>

#include "render/crowd.h"
#include "render/rasteriser.h"
#include "scene/errors.h"
#include "workspace.h"

namespace facetry {
namespace {

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
  testing::drawEveryFace(ws, view, mode, context, frame);
  return frame;
}

// A crowd of `faces` flat faces drawn in the front view alone.
void startFrontCrowd(Workspace& ws, int faces, unsigned seed) {
  startWorkspace(ws, 2);
  testing::addCrowd(ws, faces, seed);
  ws.views.ThreeWindows = false;
  ws.views.SurveyVisible = false;
}

TEST(SplitRedraw, EveryModeAndViewMatchesDrawingFaceByFace) {
  for (int variant = 0; variant < 4; ++variant) {
    const ShadingMode mode = variant == 1   ? ShadingMode::Gouraud
                             : variant == 2 ? ShadingMode::Phong
                                            : ShadingMode::Flat;
    Workspace ws;
    testing::startCrowd(ws, 6000, 11u + static_cast<unsigned>(variant), mode);
    ws.views.SurveyVisible = false;
    ws.views.CentrePoint = {5000, 5000, 5000};  // the marker off every picture
    ws.tools.polyl = variant == 3;
    redraw(ws);
    for (int view = 1; view <= 3; ++view) {
      const FrameBuffers expected = drawInOrder(ws, view, mode);
      EXPECT_TRUE(pixels(ws.frame.images[static_cast<std::size_t>(view - 1)], kImageSize) ==
                  pixels(expected.ViewBitmap, kImageSize))
          << "variant " << variant << " view " << view;
    }
  }
}

TEST(SplitRedraw, VeryManyFacesMergedByDepthMatchDrawingFaceByFace) {
  // Phong pixels are lit once the halves are merged, each as the half that drew it marked it.
  for (const ShadingMode mode : {ShadingMode::Flat, ShadingMode::Phong}) {
    Workspace ws;
    testing::startCrowd(ws, 31000, 3u, mode);
    ws.views.ThreeWindows = false;
    ws.views.SurveyVisible = false;
    ws.views.CentrePoint = {5000, 5000, 5000};
    redraw(ws);
    const FrameBuffers expected = drawInOrder(ws, 1, mode);
    EXPECT_TRUE(pixels(ws.frame.images[0], kImageSize) == pixels(expected.ViewBitmap, kImageSize))
        << "mode " << static_cast<int>(mode);
  }
}

// Each view keeps its faces' scan corners between redraws: read while no corner moves,
// worked out again for the faces that moved, and made afresh after a redraw that did not draw
// the view shaded, whatever moved meanwhile; flat, and smooth, where no angle is wanted.
TEST(SplitRedraw, KeptScanCornersFollowEveryMove) {
  for (const ShadingMode mode : {ShadingMode::Flat, ShadingMode::Gouraud}) {
    Workspace ws;
    testing::startCrowd(ws, 6000, 21u, mode);
    ws.views.SurveyVisible = false;
    ws.views.CentrePoint = {5000, 5000, 5000};
    const auto matches = [&](const char* step) {
      for (int view = 1; view <= 3; ++view) {
        const FrameBuffers expected = drawInOrder(ws, view, mode);
        EXPECT_TRUE(pixels(ws.frame.images[static_cast<std::size_t>(view - 1)], kImageSize) ==
                    pixels(expected.ViewBitmap, kImageSize))
            << step << ", view " << view << ", mode " << static_cast<int>(mode);
      }
    };
    redraw(ws);
    redraw(ws);
    ws.scene.FaceTable[100].corners[0].x += 40;
    ws.scene.FaceTable[5000].corners[2].y += 30;
    redraw(ws);
    matches("after a move");
    ws.views.ViewShading[1].shaded = false;
    for (int i = 200; i < 300; ++i)
      ws.scene.FaceTable[static_cast<std::size_t>(i)].corners[1].z -= 50;
    redraw(ws);
    ws.views.ViewShading[1].shaded = true;
    redraw(ws);
    matches("after a move while the top view was wire-frame");
  }
}

// On two threads and on one (few faces), flat and Phong: the Phong pixels drawn before the
// failure are lit, and none is left to be lit by the next redraw.
TEST(SplitRedraw, FailureLeavesWhatDrawingFaceByFaceLeaves) {
  for (const int faces : {5000, 60}) {
    for (const ShadingMode mode : {ShadingMode::Flat, ShadingMode::Phong}) {
      Workspace ws;
      startFrontCrowd(ws, faces, 99);
      ws.views.ViewShading[0] = {true, mode == ShadingMode::Flat, false,
                                 mode == ShadingMode::Phong};
      ws.scene.FaceTable[static_cast<std::size_t>(faces * 4 / 5)].material = 101;  // not a material
      EXPECT_THROW(redraw(ws), RangeError);
      const FrameBuffers expected = drawInOrder(ws, 1, mode);
      EXPECT_TRUE(pixels(ws.frame.ViewBitmap, kBitmapSize) ==
                  pixels(expected.ViewBitmap, kBitmapSize))
          << faces << " faces, mode " << static_cast<int>(mode);
      EXPECT_TRUE(ws.frame.DepthBuffer == expected.DepthBuffer);
      EXPECT_FALSE(ws.frame.pending_light.any);
      EXPECT_TRUE(std::all_of(ws.frame.pending_light.marks.begin(),
                              ws.frame.pending_light.marks.end(),
                              [](std::uint32_t mark) { return mark == 0; }));
    }
  }
}

// A face whose flat angle fails stops the redraw, but a smooth view's corner normals are
// brought up to date all the same, as when they were worked out before the angles.
TEST(SplitRedraw, CornerNormalsFollowAMoveWhenAFlatAngleFails) {
  Workspace ws;
  testing::startCrowd(ws, 3000, 5u, ShadingMode::Gouraud);
  ws.views.ViewShading[0] = {true, true, false, false};  // the front view flat
  redraw(ws);
  ws.scene.FaceTable[10].corners[1].z += 60;
  // The last face, out of every object (so of the normals' reach), fails its angle.
  ws.scene.ObjectTable[static_cast<std::size_t>(ws.scene.ObjectCount - 1)].last -= 1;
  ws.scene.FaceTable[static_cast<std::size_t>(ws.scene.FaceCount - 1)].corners[0].x =
      std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW(redraw(ws), RangeError);
  Scene fresh = ws.scene;
  computeVertexNormals(fresh, ws.lighting);
  EXPECT_EQ(std::memcmp(fresh.FaceShadingTable.data(), ws.scene.FaceShadingTable.data(),
                        fresh.FaceShadingTable.size() * sizeof(FaceShading)),
            0);
}

// Once its corners are kept, a face is inked only by the thread whose rows it reaches (or,
// above or below the bitmap, by the nearer one), which still reports its failure.
TEST(SplitRedraw, AFaceWithKeptCornersFailsOnTheThreadOfItsRows) {
  Workspace ws;
  startFrontCrowd(ws, 5000, 17);
  for (FaceCorner& c : ws.scene.FaceTable[10].corners) c.y = -100;  // above row 0
  for (FaceCorner& c : ws.scene.FaceTable[20].corners) c.y = 900;   // below the bitmap
  redraw(ws);
  for (int face : {10, 20, 4000}) {
    ws.scene.FaceTable[static_cast<std::size_t>(face)].material = 101;
    EXPECT_THROW(redraw(ws), RangeError) << "face " << face;
    const FrameBuffers expected = drawInOrder(ws, 1, ShadingMode::Flat);
    EXPECT_TRUE(pixels(ws.frame.ViewBitmap, kImageSize) == pixels(expected.ViewBitmap, kImageSize));
    ws.scene.FaceTable[static_cast<std::size_t>(face)].material = 0;
    redraw(ws);
  }
}

TEST(SplitRedraw, AFaceThatFailsOnTheSecondThreadIsReportedAndLeavesBoundsReset) {
  Workspace ws;
  startWorkspace(ws, 2);
  testing::addCrowd(ws, 5000, 5);
  ws.views.SurveyVisible = false;
  ws.scene.FaceTable[4500].corners[1].x = std::numeric_limits<float>::quiet_NaN();
  EXPECT_THROW(redraw(ws), RangeError);
  EXPECT_EQ(ws.scene.ObjectTable[0].min[0], 100000);
  EXPECT_EQ(ws.views.SceneCentroid.count, 0);
  // Smooth views: the bounds, grown beside the centroid sums, fail on a face's object.
  ws.scene.FaceTable[4500].corners[1].x = 10;
  for (auto& entry : ws.views.ViewShading) entry = {true, false, true, false};
  ws.scene.FaceTable[4500].object = -1;
  EXPECT_ANY_THROW(redraw(ws));
  EXPECT_EQ(ws.scene.ObjectTable[0].min[0], 100000);
  EXPECT_EQ(ws.views.SceneCentroid.count, 0);
}

}  // namespace
}  // namespace facetry
