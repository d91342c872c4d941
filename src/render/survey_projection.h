// render/survey_projection.h: the survey view's mapping of a model point to its picture:
// turned about the scene centroid by the survey angles (about y, then x, then z), scaled,
// and centred in a 188 x 148 picture.
#pragma once
#include <array>
#include <cstdint>
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

// The survey mapping of each face's corners, kept from one survey redraw to the next with
// what it was mapped from.
struct KeptSurveyCorners {
  std::vector<ViewPosition> corners;  // face i's at [3 i, 3 i + 2]
  SurveyExtent extent;
  bool valid = false;
  // What they were mapped from: the mapping's bits, the faces, and the count of corner
  // changes (FlatAngleSources::changes) when they were mapped.
  std::array<std::uint64_t, 10> mapping{};
  int first = 0, last = -1, faces = 0;
  std::uint64_t corner_changes = 0;
  std::uint64_t mappings = 0;  // how many times corners were mapped
};

// The mapping of the corners of faces first..last (0 <= first <= last < FaceCount) into
// kept.corners, on two threads for many faces (the second the worker's, when given);
// kept.corners grows to 3 FaceCount when smaller. `corner_changes`, when given, counts every
// change of any face's corners, bit for bit, up to now: while it, the mapping and the faces
// are what they were at the last mapping, the corners kept are the ones mapping would give,
// and are kept.
class SideWorker;
SurveyExtent projectSurveyCorners(const Scene& scene, const SurveyProjection& survey, int first,
                                  int last, KeptSurveyCorners& kept,
                                  const std::uint64_t* corner_changes = nullptr,
                                  SideWorker* worker = nullptr);

}  // namespace facetry
