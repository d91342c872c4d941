// render/survey_projection.cpp: the survey mapping.
#include "render/survey_projection.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "render/side_by_side.h"
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

namespace {

// One plane rotation as the geometry kernel does it (long double, each result stored as a
// float), worked out in double. Returns false, leaving u and v alone, when a result lies so
// near a float rounding step that the kernel's wider arithmetic might round it the other
// way; the caller then lets the kernel do it.
// note: the double result is within 6 ulp (2^-53 relative) of the largest magnitude involved
// of the exact value, the kernel's within far less; if both ends of that interval round to
// the same float, so do both results.
#if defined(__SSE2__)
// The same with u and v side by side in one register. The bound is summed in another
// order, which moves it by an ulp at most: 6 ulp leave room for that.
bool quickRotatePlane(float& u, float& v, float cu, float cv, double c, double s) {
  const __m128d centre = _mm_setr_pd(cu, cv);
  const __m128d d = _mm_sub_pd(_mm_setr_pd(u, v), centre);                             // du, dv
  const __m128d across = _mm_xor_pd(_mm_shuffle_pd(d, d, 1), _mm_setr_pd(0.0, -0.0));  // dv, -du
  // (cu + du c) + dv s and (cv + dv c) + (-du) s, which is (cv + dv c) - du s exactly.
  const __m128d turned = _mm_add_pd(_mm_add_pd(centre, _mm_mul_pd(d, _mm_set1_pd(c))),
                                    _mm_mul_pd(across, _mm_set1_pd(s)));
  const __m128d sign = _mm_set1_pd(-0.0);
  const __m128d magnitudes = _mm_add_pd(_mm_andnot_pd(sign, centre), _mm_andnot_pd(sign, d));
  const __m128d sum = _mm_add_pd(magnitudes, _mm_shuffle_pd(magnitudes, magnitudes, 1));
  const __m128d bound = _mm_mul_pd(_mm_set1_pd(6.0 * 0x1p-53), sum);
  const __m128 rounded = _mm_cvtpd_ps(turned);
  const __m128 low = _mm_cvtpd_ps(_mm_sub_pd(turned, bound));
  const __m128 high = _mm_cvtpd_ps(_mm_add_pd(turned, bound));
  // Equal ends and a finite float (x - x is 0 only for finite x) in both lanes.
  const __m128 finite = _mm_cmpeq_ps(_mm_sub_ps(rounded, rounded), _mm_setzero_ps());
  const __m128 settled =
      _mm_and_ps(_mm_and_ps(_mm_cmpeq_ps(low, rounded), _mm_cmpeq_ps(high, rounded)), finite);
  if ((_mm_movemask_ps(settled) & 3) != 3) return false;
  alignas(16) float out[4];
  _mm_store_ps(out, rounded);
  u = out[0];
  v = out[1];
  return true;
}
#else
bool quickRotatePlane(float& u, float& v, float cu, float cv, double c, double s) {
  const double du = static_cast<double>(u) - cu;
  const double dv = static_cast<double>(v) - cv;
  const double new_u = cu + du * c + dv * s;
  const double new_v = cv + dv * c - du * s;
  const double bound =
      6.0 * 0x1p-53 * (std::fabs(cu) + std::fabs(cv) + std::fabs(du) + std::fabs(dv));
  const auto u_float = static_cast<float>(new_u);
  const auto v_float = static_cast<float>(new_v);
  if (!std::isfinite(new_u) || !std::isfinite(new_v) ||
      static_cast<float>(new_u - bound) != u_float ||
      static_cast<float>(new_u + bound) != u_float ||
      static_cast<float>(new_v - bound) != v_float ||
      static_cast<float>(new_v + bound) != v_float) {
    return false;
  }
  u = u_float;
  v = v_float;
  return true;
}
#endif

}  // namespace

Point3 SurveyProjection::apply(const Point3& p) const {
  FaceCorner c;
  c.setPoint(p);
  if (!quickRotatePlane(c.z, c.x, centre.z, centre.x, cos_y, sin_y)) {
    rotateY(c, true, centre, cos_y, sin_y, true);
  }
  if (!quickRotatePlane(c.y, c.z, centre.y, centre.z, cos_x, sin_x)) {
    rotateX(c, true, centre, cos_x, sin_x, true);
  }
  if (!quickRotatePlane(c.x, c.y, centre.x, centre.y, cos_z, sin_z)) {
    rotateZ(c, true, centre, cos_z, sin_z, true);
  }
  return {static_cast<float>((static_cast<double>(c.x) - centre.x) * scale + kSurveyWidth / 2),
          static_cast<float>((static_cast<double>(c.y) - centre.y) * scale + kSurveyHeight / 2),
          static_cast<float>((static_cast<double>(c.z) - centre.z) * scale)};
}

namespace {

SurveyExtent projectRange(const Scene& scene, const SurveyProjection& survey, int first, int last,
                          ViewPosition* corners) {
  SurveyExtent extent;
  bool any = false;
  // Neighbouring faces share corners: the last few points mapped are kept, and a corner
  // whose coordinates are the same bits as one of them takes its result.
  constexpr int kRecent = 8;
  std::uint32_t recent_bits[kRecent][3] = {};
  Point3 recent_mapped[kRecent] = {};
  bool recent_used[kRecent] = {};
  int next = 0;
  for (int i = first; i <= last; ++i) {
    const Face& face = scene.FaceTable[static_cast<std::size_t>(i)];
    ViewPosition* out = corners + std::size_t{3} * static_cast<unsigned>(i);
    for (int k = 0; k < 3; ++k) {
      const FaceCorner& corner = face.corners[k];
      std::uint32_t bits[3];
      std::memcpy(&bits[0], &corner.x, 4);
      std::memcpy(&bits[1], &corner.y, 4);
      std::memcpy(&bits[2], &corner.z, 4);
      int found = -1;
      for (int r = 0; r < kRecent; ++r) {
        if (recent_used[r] && recent_bits[r][0] == bits[0] && recent_bits[r][1] == bits[1] &&
            recent_bits[r][2] == bits[2]) {
          found = r;
        }
      }
      Point3 p;
      if (found >= 0) {
        p = recent_mapped[found];
      } else {
        p = survey.apply(corner.point());
        std::copy(bits, bits + 3, recent_bits[next]);
        recent_mapped[next] = p;
        recent_used[next] = true;
        next = (next + 1) % kRecent;
      }
      out[k] = {p.x, p.y, p.z};
      extent.finite =
          extent.finite && std::isfinite(p.x) && std::isfinite(p.y) && std::isfinite(p.z);
      if (!any) {
        extent.min_column = extent.max_column = p.x;
        extent.min_row = extent.max_row = p.y;
        any = true;
      }
      extent.min_column = std::min(extent.min_column, p.x);
      extent.max_column = std::max(extent.max_column, p.x);
      extent.min_row = std::min(extent.min_row, p.y);
      extent.max_row = std::max(extent.max_row, p.y);
    }
  }
  return extent;
}

}  // namespace

namespace {

std::array<std::uint64_t, 10> mappingBits(const SurveyProjection& survey) {
  std::array<std::uint64_t, 10> bits{};
  std::uint32_t centre[3];
  std::memcpy(centre, &survey.centre.x, 4);
  std::memcpy(centre + 1, &survey.centre.y, 4);
  std::memcpy(centre + 2, &survey.centre.z, 4);
  bits[0] = centre[0];
  bits[1] = centre[1];
  bits[2] = centre[2];
  const double turns[7] = {survey.cos_y, survey.sin_y, survey.cos_x, survey.sin_x,
                           survey.cos_z, survey.sin_z, survey.scale};
  std::memcpy(bits.data() + 3, turns, sizeof turns);
  return bits;
}

SurveyExtent mapCorners(const Scene& scene, const SurveyProjection& survey, int first, int last,
                        ViewPosition* corners, SideWorker* worker) {
  if (!worthSplitting(last - first + 1)) {
    return projectRange(scene, survey, first, last, corners);
  }
  const int half = first + (last - first + 1) / 2;
  SurveyExtent later;
  SurveyExtent extent;
  const SideFailures failures = runSideBySide(
      worker, [&] { extent = projectRange(scene, survey, first, half - 1, corners); },
      [&] { later = projectRange(scene, survey, half, last, corners); });
  failures.rethrow();
  extent.finite = extent.finite && later.finite;
  extent.min_column = std::min(extent.min_column, later.min_column);
  extent.max_column = std::max(extent.max_column, later.max_column);
  extent.min_row = std::min(extent.min_row, later.min_row);
  extent.max_row = std::max(extent.max_row, later.max_row);
  return extent;
}

}  // namespace

SurveyExtent projectSurveyCorners(const Scene& scene, const SurveyProjection& survey, int first,
                                  int last, KeptSurveyCorners& kept,
                                  const std::uint64_t* corner_changes, SideWorker* worker) {
  const std::size_t needed = std::size_t{3} * static_cast<unsigned>(scene.FaceCount);
  const std::array<std::uint64_t, 10> mapping = mappingBits(survey);
  if (corner_changes != nullptr && kept.valid && kept.corner_changes == *corner_changes &&
      kept.mapping == mapping && kept.first == first && kept.last == last &&
      kept.faces == scene.FaceCount && kept.corners.size() >= needed) {
    return kept.extent;
  }
  kept.valid = false;
  ++kept.mappings;
  if (kept.corners.size() < needed) kept.corners.resize(needed);
  kept.extent = mapCorners(scene, survey, first, last, kept.corners.data(), worker);
  if (corner_changes != nullptr) {
    kept.mapping = mapping;
    kept.first = first;
    kept.last = last;
    kept.faces = scene.FaceCount;
    kept.corner_changes = *corner_changes;
    kept.valid = true;
  }
  return kept.extent;
}

}  // namespace facetry
