// Tests of the survey view: its projection against the geometry kernel's rotations, scale 0,
// the hidden window, the refused modes and the cross.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

#include "render/crowd.h"
#include "render/rasteriser.h"
#include "render/survey_projection.h"
#include "render/survey_view.h"
#include "scene/errors.h"
#include "scene/geometry.h"
#include "support/scene_checks.h"
#include "support/scripted_host.h"
#include "workspace.h"

namespace facetry {
namespace {

TEST(SurveyProjection, QuickRotationsGiveTheKernelsFloatsExactly) {
  std::mt19937 random(4);
  std::uniform_real_distribution<float> coordinate(-3000, 3000), angle(0, 360);
  for (int round = 0; round < 200; ++round) {
    Settings settings;
    settings.SurveyAngleX = angle(random);
    settings.SurveyAngleY = angle(random);
    settings.SurveyAngleZ = round % 4 == 0 ? 0 : angle(random);
    settings.SurveyScale = 0.3f;
    SceneCentroidSums centroid;
    centroid.centre[0] = coordinate(random);
    centroid.centre[1] = coordinate(random);
    centroid.centre[2] = coordinate(random);
    const SurveyProjection projection(settings, centroid);
    for (int k = 0; k < 500; ++k) {
      const Point3 p{coordinate(random), coordinate(random),
                     round % 7 == 0 ? 150.f : coordinate(random)};
      FaceCorner c;
      c.setPoint(p);
      rotateY(c, true, projection.centre, projection.cos_y, projection.sin_y, true);
      rotateX(c, true, projection.centre, projection.cos_x, projection.sin_x, true);
      rotateZ(c, true, projection.centre, projection.cos_z, projection.sin_z, true);
      const Point3 q = projection.apply(p);
      const auto expected_column = static_cast<float>(
          (static_cast<double>(c.x) - projection.centre.x) * projection.scale + kSurveyWidth / 2);
      ASSERT_EQ(q.x, expected_column);
      ASSERT_EQ(q.y, static_cast<float>((static_cast<double>(c.y) - projection.centre.y) *
                                            projection.scale +
                                        kSurveyHeight / 2));
    }
  }
}

struct SurveyFixture {
  Workspace ws;
  testing::ScriptedHost host;
  SurveyFixture() {
    startWorkspace(ws, 1);
    testing::addBoxObject(ws.scene, host, 100, 100, 150, 200, "box");
  }
  int nonBackground() const {
    int n = 0;
    for (int y = 0; y < kSurveyHeight; ++y) {
      for (int x = 0; x < kSurveyWidth; ++x)
        n += !(ws.survey.Image4.pixel(x, y) == Rgb{255, 255, 255});
    }
    return n;
  }
};

TEST(SurveyView, ScaleZeroCollapsesEveryFaceOntoThePictureCentre) {
  SurveyFixture f;
  f.ws.views.CrossOn = false;
  f.ws.settings.SurveyScale = 0;
  redraw(f.ws);
  EXPECT_LE(f.nonBackground(), 1);
  f.ws.settings.SurveyScale = 0.3f;
  redraw(f.ws);
  EXPECT_GT(f.nonBackground(), 1000);
}

TEST(SurveyView, HiddenWindowDrawsNothingAndItsCrossStays) {
  SurveyFixture f;
  redraw(f.ws);
  f.ws.views.SurveyVisible = false;
  f.ws.survey.Image4.fill({1, 2, 3});
  const int column = f.ws.survey.cross_column;
  redraw(f.ws);
  f.ws.hooks.survey_cross(View::Front, 300, 300);
  EXPECT_EQ(f.ws.survey.Image4.pixel(50, 50), (Rgb{1, 2, 3}));
  EXPECT_EQ(f.ws.survey.cross_column, column);
}

TEST(SurveyView, SmoothModesRefusedWhileThePolyCreatorIsOpen) {
  SurveyFixture f;
  SurveyParts parts = f.ws.surveyParts();
  f.ws.survey.poly_creator_open = true;
  EXPECT_FALSE(setSurveyMode(parts, ShadingMode::Gouraud));
  EXPECT_FALSE(setSurveyMode(parts, ShadingMode::Phong));
  EXPECT_TRUE(f.ws.views.ViewShading[3].flat);
  f.ws.survey.poly_creator_open = false;
  EXPECT_TRUE(setSurveyMode(parts, ShadingMode::Phong));
  EXPECT_TRUE(f.ws.views.ViewShading[3].phong);
}

TEST(SurveyView, CrossFollowsTheMainViewsThroughTheSurveyTurn) {
  SurveyFixture f;
  f.ws.settings.SurveyAngleX = 0;
  f.ws.settings.SurveyAngleY = 0;
  f.ws.settings.SurveyScale = 0.5f;
  redraw(f.ws);
  f.ws.hooks.survey_cross(View::Front, 100, 60);
  // No turn: the position times the scale.
  EXPECT_EQ(f.ws.survey.cross_column, 50);
  EXPECT_EQ(f.ws.survey.cross_row, 30);
  EXPECT_EQ(f.ws.survey.Image4.pixel(10, 30), (Rgb{0, 0, 0})) << "the cross inverts its row";
}

}  // namespace
}  // namespace facetry

namespace facetry {
namespace {

// The survey as drawing its faces one by one into `frame` gives it, from the frame as the
// redraw left it before the survey.
FrameBuffers surveyInOrder(Workspace& ws, FrameBuffers frame, ShadingMode mode) {
  for (int y = 0; y <= kSurveyHeight; ++y) {
    std::copy(frame.BackgroundRow.begin(), frame.BackgroundRow.end(), frame.ViewBitmap.row(y));
    std::copy(frame.DepthClearRow.begin(), frame.DepthClearRow.end(),
              frame.depthRow(y) + kDepthLow);
  }
  const SurveyProjection projection(ws.settings, ws.views.SceneCentroid);
  const RasterContext context{ws.lighting, ws.textures, false, &projection};
  testing::drawEveryFace(ws, kSurveyRaster, mode, context, frame);
  return frame;
}

TEST(SurveyView, TwoThreadsDrawWhatFaceByFaceDrawsAlsoBelowThePictureAndOnAFailure) {
  for (int variant = 0; variant < 3; ++variant) {
    const ShadingMode mode = variant == 1 ? ShadingMode::Gouraud : ShadingMode::Flat;
    Workspace ws;
    testing::startCrowd(ws, 5000, 21u + static_cast<unsigned>(variant), mode);
    ws.settings.SurveyScale = 0.4f;  // the crowd reaches below the 148 rows of the picture
    // The views' redraw without the survey, then the survey from the frame it left.
    ws.views.SurveyVisible = false;
    redraw(ws);
    ws.views.SurveyVisible = true;
    if (variant == 2) ws.scene.FaceTable[4200].material = 101;  // fails in the second half
    const FrameBuffers expected = surveyInOrder(ws, ws.frame, mode);
    SurveyParts parts = ws.surveyParts();
    if (variant == 2) {
      EXPECT_THROW(surveyTeken(parts, false, -1, -1), RangeError);
    } else {
      surveyTeken(parts, false, -1, -1);
    }
    bool same = true;
    for (int y = 0; y < kBitmapSize && same; ++y) {
      for (int x = 0; x < kBitmapSize && same; ++x) {
        same = ws.frame.ViewBitmap.pixel(x, y) == expected.ViewBitmap.pixel(x, y);
      }
    }
    EXPECT_TRUE(same) << "variant " << variant;
    EXPECT_TRUE(ws.frame.DepthBuffer == expected.DepthBuffer) << "variant " << variant;
  }
}

// A move that leaves the centroid, and so the mapping, where it was: the corners kept from
// the last redraw must give way for the faces moved.
TEST(SurveyView, KeptCornersFollowAMoveThatLeavesTheMappingAsItWas) {
  Workspace ws;
  testing::startCrowd(ws, 3000, 5u, ShadingMode::Flat);
  ws.views.SurveyVisible = true;
  redraw(ws);
  const SceneCentroidSums before = ws.views.SceneCentroid;
  std::swap(ws.scene.FaceTable[10].corners[0].x, ws.scene.FaceTable[2500].corners[2].x);
  redraw(ws);
  ASSERT_TRUE(std::equal(before.centre, before.centre + 3, ws.views.SceneCentroid.centre));
  KeptSurveyCorners fresh;
  projectSurveyCorners(ws.scene, SurveyProjection(ws.settings, ws.views.SceneCentroid), 0,
                       ws.scene.FaceCount - 1, fresh);
  const std::vector<ViewPosition>& kept = ws.frame.survey_corners.corners;
  ASSERT_EQ(kept.size(), fresh.corners.size());
  EXPECT_EQ(0, std::memcmp(kept.data(), fresh.corners.data(), kept.size() * sizeof kept[0]));
}

}  // namespace
}  // namespace facetry
