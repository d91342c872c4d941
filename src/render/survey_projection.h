// render/survey_projection.h: the survey view's mapping of a model point to its picture:
// turned about the scene centroid by the survey angles (about y, then x, then z), scaled,
// and centred in a 188 x 148 picture.
#pragma once
#include <vector>

#include "scene/records.h"
#include "scene/scene.h"
#include "scene/settings.h"
#include "scene/view_axes.h"
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

// Where the survey picture's faces lie: the least and greatest column and row of the
// corners mapped, and whether every value mapped is finite.
struct SurveyExtent {
  float min_column = 0, max_column = 0, min_row = 0, max_row = 0;
  bool finite = true;
};

// The mapping of the corners of faces first..last (0 <= first <= last < FaceCount) into
// `corners` at [3 i, 3 i + 2], on two threads for many faces (the second the worker's, when
// given); `corners` grows to 3 FaceCount when smaller (and is kept by the caller between
// redraws).
class SideWorker;
SurveyExtent projectSurveyCorners(const Scene& scene, const SurveyProjection& survey, int first,
                                  int last, std::vector<ViewPosition>& corners,
                                  SideWorker* worker = nullptr);

}  // namespace facetry
