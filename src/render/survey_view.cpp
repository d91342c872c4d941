// render/survey_view.cpp: drawing the survey picture and its cross.
#include "render/survey_view.h"

#include <algorithm>
#include <cmath>

#include "render/view_lines.h"
#include "render/view_render.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

constexpr std::size_t kSurvey = 3;  // the survey entry of ViewShading

ShadingMode surveyMode(ViewShadingEntry& entry) {
  if (!entry.flat && !entry.gouraud && !entry.phong) entry.flat = true;
  if (entry.gouraud) return ShadingMode::Gouraud;
  if (entry.phong) return ShadingMode::Phong;
  return ShadingMode::Flat;
}

void drawCross(SurveyView& survey) {
  kruis(survey.Image4, true, survey.cross_row, survey.cross_column);
}

}  // namespace

void surveyTeken(SurveyParts& parts, bool suppress, int first, int last) {
  SurveyView& survey = parts.survey;
  if (first >= 0) {
    survey.first_face = first;
    survey.last_face = last;
  }
  if (suppress || !parts.views.SurveyVisible) return;
  const ShadingMode mode = surveyMode(parts.views.ViewShading[kSurvey]);
  FrameBuffers& frame = parts.frame;
  for (int y = 0; y <= kSurveyHeight; ++y) {
    std::copy(frame.BackgroundRow.begin(), frame.BackgroundRow.end(), frame.ViewBitmap.row(y));
    std::copy(frame.DepthClearRow.begin(), frame.DepthClearRow.end(),
              frame.depthRow(y) + kDepthLow);
  }
  const SurveyProjection projection(parts.settings, parts.views.SceneCentroid);
  const RasterContext context{parts.light, parts.textures, false, &projection};
  const int end = std::min(survey.last_face, parts.scene.FaceCount - 1);
  const bool angles_known =
      mode == ShadingMode::Flat && frame.flat_angles_current &&
      frame.flat_angles.size() == static_cast<std::size_t>(parts.scene.FaceCount);
  for (int i = std::max(survey.first_face, 0); i <= end; ++i) {
    if (angles_known) {
      rasteriseFace(parts.scene, i, kSurveyRaster, mode, false, context, frame,
                    frame.flat_angles[static_cast<std::size_t>(i)]);
    } else {
      rasteriseFace(parts.scene, i, kSurveyRaster, mode, false, context, frame);
    }
  }
  survey.Image4.copyFrom(frame.ViewBitmap);
  if (parts.views.CrossOn) drawCross(survey);
}

void bercenter(const Scene& scene, ViewState& views, int first, int last) {
  SceneCentroidSums sums;
  for (int i = std::max(first, 0); i <= last && i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      sums.sum[0] += c.x;
      sums.sum[1] += c.y;
      sums.sum[2] += c.z;
      sums.count += 1;
    }
  }
  if (sums.count > 0) {
    for (int a = 0; a < 3; ++a) sums.centre[a] = sums.sum[a] / static_cast<double>(sums.count);
  }
  views.SceneCentroid = sums;
}

void kruisen(SurveyParts& parts, bool move, View view, float column, float row) {
  SurveyView& survey = parts.survey;
  drawCross(survey);  // erases the one drawn
  if (!move) return;
  const Point3 c = parts.views.CentrePoint;
  FaceCorner p;
  p.setPoint(fromView(view, column, row, c));
  const Settings& s = parts.settings;
  rotateZ(p, true, c, std::cos(s.SurveyAngleZ * kDegreeRadians),
          std::sin(s.SurveyAngleZ * kDegreeRadians), true);
  rotateY(p, true, c, std::cos(s.SurveyAngleY * kDegreeRadians),
          std::sin(s.SurveyAngleY * kDegreeRadians), true);
  rotateX(p, true, c, std::cos(s.SurveyAngleX * kDegreeRadians),
          std::sin(s.SurveyAngleX * kDegreeRadians), true);
  survey.cross_column = truncToInt(static_cast<double>(p.x) * s.SurveyScale);
  survey.cross_row = truncToInt(static_cast<double>(p.y) * s.SurveyScale);
  drawCross(survey);
}

bool setSurveyMode(SurveyParts& parts, ShadingMode mode) {
  if (mode != ShadingMode::Flat && parts.survey.poly_creator_open) return false;
  ViewShadingEntry& entry = parts.views.ViewShading[kSurvey];
  entry.flat = mode == ShadingMode::Flat;
  entry.gouraud = mode == ShadingMode::Gouraud;
  entry.phong = mode == ShadingMode::Phong;
  if (mode != ShadingMode::Flat) computeVertexNormals(parts.scene, parts.light);
  surveyTeken(parts, false, -1, -1);
  return true;
}

}  // namespace facetry
