// render/survey_projection.cpp: the survey mapping.
#include "render/survey_projection.h"

#include <cmath>

#include "scene/geometry.h"

namespace facetry {

SurveyProjection::SurveyProjection(const Settings& settings, const SceneCentroidSums& centroid)
    : centre{static_cast<float>(centroid.centre[0]), static_cast<float>(centroid.centre[1]),
             static_cast<float>(centroid.centre[2])},
      cos_y(std::cos(settings.SurveyAngleY * kDegreeRadians)),
      sin_y(std::sin(settings.SurveyAngleY * kDegreeRadians)),
      cos_x(std::cos(settings.SurveyAngleX * kDegreeRadians)),
      sin_x(std::sin(settings.SurveyAngleX * kDegreeRadians)),
      cos_z(std::cos(settings.SurveyAngleZ * kDegreeRadians)),
      sin_z(std::sin(settings.SurveyAngleZ * kDegreeRadians)),
      scale(settings.SurveyScale) {}

Point3 SurveyProjection::apply(const Point3& p) const {
  FaceCorner c;
  c.setPoint(p);
  rotateY(c, true, centre, cos_y, sin_y, true);
  rotateX(c, true, centre, cos_x, sin_x, true);
  rotateZ(c, true, centre, cos_z, sin_z, true);
  return {static_cast<float>((static_cast<double>(c.x) - centre.x) * scale + kSurveyWidth / 2),
          static_cast<float>((static_cast<double>(c.y) - centre.y) * scale + kSurveyHeight / 2),
          static_cast<float>((static_cast<double>(c.z) - centre.z) * scale)};
}

}  // namespace facetry
