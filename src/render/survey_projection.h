// render/survey_projection.h: the survey view's mapping of a model point to its picture:
// turned about the scene centroid by the survey angles (about y, then x, then z), scaled,
// and centred in a 188 x 148 picture.
#pragma once
#include "scene/records.h"
#include "scene/settings.h"
#include "scene/view_state.h"

namespace facetry {

constexpr int kSurveyWidth = 188;
constexpr int kSurveyHeight = 148;

struct SurveyProjection {
  SurveyProjection(const Settings& settings, const SceneCentroidSums& centroid);
  // (column, row, depth) of model point `p` in the survey picture.
  Point3 apply(const Point3& p) const;

  Point3 centre;
  double cos_y, sin_y, cos_x, sin_x, cos_z, sin_z;
  double scale;
};

}  // namespace facetry
