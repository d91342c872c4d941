// render/pending_light.cpp: lighting the Phong pixels a pass left marked.
#include "render/pending_light.h"

#include <algorithm>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "render/light_angles.h"
#include "render/lighting.h"

namespace facetry {

std::uint32_t* PendingLight::origin() {
  if (marks.empty()) marks.assign(std::size_t{kMarkRow} * kMarkRow, 0);
  return marks.data();
}

void PendingLight::drop() {
  if (!marks.empty()) {
    for (int y = std::max(first_row, 0); y <= std::min(last_row, kMarkRow - 1); ++y) {
      const int first = std::max(first_column, 0), last = std::min(last_column, kMarkRow - 1);
      if (first <= last) std::fill(row(y) + first, row(y) + last + 1, 0u);
    }
  }
  any = false;
}

namespace {

// One marked pixel lit: its light angle `t`, the shade of its level applied to the colour
// it was drawn in.
inline void shadePixel(std::uint8_t* pixel, std::uint32_t mark, int t, const std::uint8_t* shades) {
  const std::uint8_t* shade =
      shades + ((mark & 255) - 1) * kShadeLevelSize + std::size_t{256} * static_cast<unsigned>(t);
  pixel[0] = shade[pixel[0]];
  pixel[1] = shade[pixel[1]];
  pixel[2] = shade[pixel[2]];
}

// The light angle of the marked pixel at (x, y), as it is worked out when drawn.
inline int pixelAngle(std::uint32_t mark, int x, int y, std::int32_t depth, const Point3& light,
                      const VectorAngleLights& lights) {
  return phongPixelAngle(static_cast<int>(mark >> 8 & 255) - 100,
                         static_cast<int>(mark >> 16 & 255) - 100,
                         static_cast<int>(mark >> 24) - 100, x, y, depth, light, lights);
}

#if defined(__SSE2__)
// Light indices of two pixels (normals a, directions b, in double), each settled in
// `settled`: the cosine times 1000 from the reciprocal square root estimate (within 2^-11,
// relatively) refined by a Newton step, which leaves it within 3.6e-7 relatively, so within
// 4e-4 of the careful estimate; an index is settled when its estimate lies 1e-3 clear of a
// whole number, and is then the careful one.
inline __m128i twoIndices(__m128d ax, __m128d ay, __m128d az, __m128d bx, __m128d by, __m128d bz,
                          int& settled) {
  const __m128d aa =
      _mm_add_pd(_mm_add_pd(_mm_mul_pd(ax, ax), _mm_mul_pd(ay, ay)), _mm_mul_pd(az, az));
  const __m128d bb =
      _mm_add_pd(_mm_add_pd(_mm_mul_pd(bx, bx), _mm_mul_pd(by, by)), _mm_mul_pd(bz, bz));
  const __m128d lengths = _mm_mul_pd(aa, bb);
  const __m128d dot =
      _mm_add_pd(_mm_add_pd(_mm_mul_pd(ax, bx), _mm_mul_pd(ay, by)), _mm_mul_pd(az, bz));
  // Within the range of a float and far from its ends (false for NaN).
  const __m128d in_range = _mm_and_pd(_mm_cmpgt_pd(lengths, _mm_set1_pd(1e-30)),
                                      _mm_cmplt_pd(lengths, _mm_set1_pd(1e30)));
  const __m128d safe =
      _mm_or_pd(_mm_and_pd(in_range, lengths), _mm_andnot_pd(in_range, _mm_set1_pd(1.0)));
  __m128d r = _mm_cvtps_pd(_mm_rsqrt_ps(_mm_cvtpd_ps(safe)));
  const __m128d half = _mm_set1_pd(0.5), three_halves = _mm_set1_pd(1.5);
  const __m128d half_lengths = _mm_mul_pd(half, safe);
  r = _mm_mul_pd(r, _mm_sub_pd(three_halves, _mm_mul_pd(half_lengths, _mm_mul_pd(r, r))));
  const __m128d scaled = _mm_mul_pd(_mm_mul_pd(dot, r), _mm_set1_pd(1000.0));
  const __m128i k = _mm_cvttpd_epi32(scaled);  // |scaled| < 1001 where in range
  const __m128d sign = _mm_set1_pd(-0.0);
  const __m128d fraction = _mm_andnot_pd(sign, _mm_sub_pd(scaled, _mm_cvtepi32_pd(k)));
  const __m128d clear = _mm_and_pd(_mm_cmpgt_pd(fraction, _mm_set1_pd(1e-3)),
                                   _mm_cmplt_pd(fraction, _mm_set1_pd(1 - 1e-3)));
  settled = _mm_movemask_pd(_mm_and_pd(in_range, clear));
  return k;
}
#endif

}  // namespace

void lightPendingRow(std::uint32_t* marks, std::uint8_t* pixels, const std::int32_t* depths, int y,
                     int first, int last, const Point3& light, const std::uint8_t* shades) {
  const VectorAngleLights& lights = VectorAngleLights::instance();
  const float row_light = light.y - static_cast<float>(y);
  int x = first;
#if defined(__SSE2__)
  // Four columns at a time. The directions are worked out in float as the drawing works
  // them out, then the light indices in double, two at a time.
  const __m128 light_x = _mm_set1_ps(light.x), light_z = _mm_set1_ps(light.z);
  const __m128 by = _mm_set1_ps(row_light);
  const __m128i byte = _mm_set1_epi32(255), hundred = _mm_set1_epi32(100);
  for (; x + 3 <= last; x += 4) {
    auto* group = reinterpret_cast<__m128i*>(marks + x);
    const __m128i mark = _mm_loadu_si128(group);
    const int unmarked =
        _mm_movemask_ps(_mm_castsi128_ps(_mm_cmpeq_epi32(mark, _mm_setzero_si128())));
    if (unmarked == 15) continue;
    _mm_storeu_si128(group, _mm_setzero_si128());
    const __m128 nx =
        _mm_cvtepi32_ps(_mm_sub_epi32(_mm_and_si128(_mm_srli_epi32(mark, 8), byte), hundred));
    const __m128 ny =
        _mm_cvtepi32_ps(_mm_sub_epi32(_mm_and_si128(_mm_srli_epi32(mark, 16), byte), hundred));
    const __m128 nz = _mm_cvtepi32_ps(_mm_sub_epi32(_mm_srli_epi32(mark, 24), hundred));
    // depth / 128, truncated toward zero.
    const __m128i depth = _mm_loadu_si128(reinterpret_cast<const __m128i*>(depths + x));
    const __m128i toward_zero = _mm_and_si128(_mm_srai_epi32(depth, 31), _mm_set1_epi32(127));
    const __m128 whole_depth =
        _mm_cvtepi32_ps(_mm_srai_epi32(_mm_add_epi32(depth, toward_zero), 7));
    const __m128 columns =
        _mm_cvtepi32_ps(_mm_add_epi32(_mm_set1_epi32(x), _mm_setr_epi32(0, 1, 2, 3)));
    const __m128 bx = _mm_sub_ps(light_x, columns);
    const __m128 bz = _mm_sub_ps(light_z, whole_depth);
    const auto high = [](__m128 v) { return _mm_cvtps_pd(_mm_movehl_ps(v, v)); };
    int settled_low = 0, settled_high = 0;
    const __m128i low_k =
        twoIndices(_mm_cvtps_pd(nx), _mm_cvtps_pd(ny), _mm_cvtps_pd(nz), _mm_cvtps_pd(bx),
                   _mm_cvtps_pd(by), _mm_cvtps_pd(bz), settled_low);
    const __m128i high_k =
        twoIndices(high(nx), high(ny), high(nz), high(bx), high(by), high(bz), settled_high);
    alignas(16) std::int32_t k[4];
    alignas(16) std::uint32_t m[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(k), _mm_unpacklo_epi64(low_k, high_k));
    _mm_store_si128(reinterpret_cast<__m128i*>(m), mark);
    const int settled = settled_low | settled_high << 2;
    for (int lane = 0; lane < 4; ++lane) {
      if ((unmarked >> lane) & 1) continue;
      const int t = (settled >> lane) & 1
                        ? lights.pixel[static_cast<std::size_t>(k[lane] + 1000)]
                        : pixelAngle(m[lane], x + lane, y, depths[x + lane], light, lights);
      shadePixel(pixels + std::ptrdiff_t{3} * (x + lane), m[lane], t, shades);
    }
  }
#endif
  for (; x <= last; ++x) {
    const std::uint32_t mark = marks[x];
    if (mark == 0) continue;
    marks[x] = 0;
    shadePixel(pixels + std::ptrdiff_t{3} * x, mark,
               pixelAngle(mark, x, y, depths[x], light, lights), shades);
  }
}

}  // namespace facetry
