// render/survey_view.cpp: drawing the survey picture and its cross.
#include "render/survey_view.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "render/side_by_side.h"
#include "render/view_lines.h"
#include "render/view_passes.h"
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

// The survey picture's rows, 0..148, to the background and the cleared depth.
void clearSurveyRows(FrameBuffers& frame) {
  for (int y = 0; y <= kSurveyHeight; ++y) frame.clearRow(y, true);
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
  clearSurveyRows(frame);
  const SurveyProjection projection(parts.settings, parts.views.SceneCentroid);
  RasterContext context{parts.light, parts.textures, false, &projection};
  const int from = std::max(survey.first_face, 0);
  const int end = std::min(survey.last_face, parts.scene.FaceCount - 1);
  const bool angles_known =
      mode == ShadingMode::Flat && frame.flat_angles_current &&
      frame.flat_angles.size() == static_cast<std::size_t>(parts.scene.FaceCount);
  const auto draw = [&](FrameBuffers& target, int a, int b) {
    rasteriseFaces(parts.scene, a, b + 1, kSurveyRaster, mode, context, target,
                   angles_known ? frame.flat_angles.data() : nullptr);
  };
  if (from <= end) {
    // The flat angles of this redraw, when worked out, compared every face's corners with
    // the ones they were last worked out from.
    const bool corners_compared =
        frame.corners_compared &&
        frame.flat_angle_sources.corners.size() == static_cast<std::size_t>(parts.scene.FaceCount);
    const SurveyExtent extent = projectSurveyCorners(
        parts.scene, projection, from, end, frame.survey_corners,
        corners_compared ? &frame.flat_angle_sources.changes : nullptr, &frame.worker());
    context.survey_corners = frame.survey_corners.corners.data();
    // Their scan corners are kept with them, when they are kept: read while no corner is
    // mapped again.
    KeptScanCorners& scan = frame.survey_scan_corners;
    const int faces = parts.scene.FaceCount;
    if (scan.current(faces, frame.survey_corners.mappings)) {
      context.kept_corners = scan.faces.data();
    } else if (!corners_compared) {
      scan.valid = false;
    } else {
      context.keep_corners = scan.remake(faces);
    }
    // The corners, mapped once, tell which rows the faces can draw in: the picture's, which
    // were cleared above, and the rows below it down to the lowest corner, which keep what
    // the views left there. Half of the faces go into the second buffer on another thread,
    // starting from the same rows, and are merged in by depth; that leaves what drawing them
    // in order leaves.
    const int lowest =
        extent.finite ? static_cast<int>(std::clamp(extent.max_row, -1.0f, 1e6f)) : 0;
    const int last_row = std::min(lowest, kBitmapSize - 1);
    const bool split = extent.finite && worthSplitting(end - from + 1);
    if (split) {
      FrameBuffers& later = frame.second();
      // Only the columns the corners reach are read back from the second buffer.
      const auto column = [](float value) {
        return std::clamp(static_cast<int>(std::clamp(value, -1.0f, 1e6f)), 0, kBitmapSize - 1);
      };
      const int first_column = column(extent.min_column);
      const int last_column = column(extent.max_column);
      for (int y = 0; y <= kSurveyHeight; ++y) {
        std::fill(later.depthRow(y) + first_column, later.depthRow(y) + last_column + 1,
                  kDepthClear);
      }
      std::vector<int> rows_below;
      for (int y = kSurveyHeight + 1; y <= last_row; ++y) rows_below.push_back(y);
      SavedRows below;  // the rows below the picture as they were, for a failure
      below.take(frame, std::move(rows_below));
      below.put(later);
      const int half = from + (end - from + 1) / 2;
      const SideFailures failures = runSideBySide(
          &frame.worker(), [&] { draw(frame, from, half - 1); }, [&] { draw(later, half, end); });
      if (failures.any()) {
        clearSurveyRows(frame);
        below.put(frame);
        draw(frame, from, end);  // throws where face by face does
      } else {
        mergeNearer(frame, later,
                    {0, std::max(last_row, kSurveyHeight), first_column, last_column});
      }
    } else {
      draw(frame, from, end);
    }
    if (context.keep_corners != nullptr) scan.made(faces, frame.survey_corners.mappings);
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
  if (mode != ShadingMode::Flat) updateVertexNormals(parts.scene, parts.light, parts.frame.normals);
  surveyTeken(parts, false, -1, -1);
  return true;
}

}  // namespace facetry
