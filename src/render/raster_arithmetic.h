// render/raster_arithmetic.h: the exact integer arithmetic of the scan (truncation, 7-bit
// fixed point, division and remainder by multiplication) and the four-pixel flat span, for
// render/rasteriser.cpp.
#pragma once
#include <array>
#include <cstdint>
#include <cstring>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "render/frame_buffers.h"
#include "render/rasteriser.h"
#include "scene/geometry.h"
#include "scene/view_axes.h"

namespace facetry::raster {

inline constexpr int kLastColumn = kBitmapSize - 1;  // 815, outside the visible image but drawn

// Which quantities a face interpolates besides its column (slot 0): depth always, then
// `Extra` slots of the caller's own (from slot 2), then the Gouraud value or the three normal
// components, then the texture coordinates.
template <ShadingMode Mode, bool Textured, int Extra = 0>
struct Layout {
  static constexpr int kDepth = 1;
  static constexpr int kLight = 2 + Extra;
  static constexpr int kLightCount =
      Mode == ShadingMode::Gouraud ? 1 : (Mode == ShadingMode::Phong ? 3 : 0);
  static constexpr int kU = kLight + kLightCount;
  static constexpr int kV = kU + 1;
  static constexpr int kCount = kU + (Textured ? 2 : 0);
};

// A face's corner: its row and its N quantities. The loops over a face's quantities are
// unrolled, so that the compiler keeps each quantity in a register of its own rather than
// in an array in memory.
template <int N>
struct Corner {
  std::int32_t row;
  std::int32_t q[N];  // q[0] is the column
};

// Truncation toward zero; truncToInt reports what does not fit (and NaN).
inline std::int32_t truncCoordinate(float value) {
  if (value > -2147483648.0f && value < 2147483648.0f) return static_cast<std::int32_t>(value);
  return truncToInt(value);
}

// Column, row and depth of a corner truncated toward zero, all three with one instruction
// where the processor has it; a value that does not fit (the instruction's answer is then
// INT32_MIN) goes through truncCoordinate, which reports it as before.
struct WholePoint {
  std::int32_t column, row, depth;
};
inline WholePoint truncPosition(const ViewPosition& p) {
#if defined(__SSE2__)
  const __m128i whole = _mm_cvttps_epi32(_mm_setr_ps(p.column, p.row, p.depth, 0.0f));
  const __m128i unfit = _mm_cmpeq_epi32(whole, _mm_set1_epi32(INT32_MIN));
  if (_mm_movemask_epi8(unfit) == 0) {
    alignas(16) std::int32_t out[4];
    _mm_store_si128(reinterpret_cast<__m128i*>(out), whole);
    return {out[0], out[1], out[2]};
  }
#endif
  const std::int32_t column = truncCoordinate(p.column);
  const std::int32_t row = truncCoordinate(p.row);
  return {column, row, truncCoordinate(p.depth)};
}

// A whole number in 7-bit fixed point, wrapping modulo 2^32 like 32-bit arithmetic.
inline std::int32_t toFixed(std::uint32_t whole) {
  return static_cast<std::int32_t>(whole << 7);
}

// Exact floor(n / d) for 32-bit n and d. Divisors below 1024 (nearly every edge height and
// span width) use a multiplication by M = floor((2^64 - 1) / d) + 1 instead of a division
// instruction: n M / 2^64 exceeds n / d by less than 2^-32 <= 1/d, which never reaches the
// next whole number, because the fraction of n / d is at most 1 - 1/d.
inline constexpr std::uint32_t kReciprocalCount = 1024;
inline constexpr std::array<std::uint64_t, kReciprocalCount> kReciprocals = [] {
  std::array<std::uint64_t, kReciprocalCount> m{};
  for (std::uint32_t d = 2; d < kReciprocalCount; ++d) m[d] = ~std::uint64_t{0} / d + 1;
  return m;
}();
__extension__ typedef unsigned __int128 WideProduct;

inline std::uint32_t divideWhole(std::uint32_t n, std::uint32_t d) {
  if (d < kReciprocalCount) {
    // 1 has no reciprocal in 64 bits; it is chosen after the product rather than by a
    // branch, because edges and spans of one row come and go at random.
    const auto quotient = static_cast<std::uint32_t>((WideProduct{n} * kReciprocals[d]) >> 64);
    return d == 1 ? n : quotient;
  }
  return n / d;
}

// The reciprocal of d for remainderWhole, or 0 when d has none (1, or 1024 and above).
inline std::uint64_t remainderReciprocal(std::uint32_t d) {
  return d >= 2 && d < kReciprocalCount ? kReciprocals[d] : 0;
}

// n mod d with m = remainderReciprocal(d): the low 64 bits of n m are the fraction of n / d
// scaled by 2^64, and that times d has the remainder as its high word, exactly for every
// 32-bit n when d < 2^10 (Lemire, Kaser and Kurz, "Faster remainder by direct computation",
// 2019). Texels wrap this way at the texture's width and height without a division.
inline std::uint32_t remainderWhole(std::uint32_t n, std::uint32_t d, std::uint64_t m) {
  if (m == 0) return n % d;
  return static_cast<std::uint32_t>((WideProduct{m * n} * d) >> 64);
}

#if defined(__SSE2__)
// For each 4-bit pattern of nearer pixels, the bytes of four BGR pixels it selects.
inline constexpr std::array<std::array<std::uint8_t, 16>, 16> kPixelSelect = [] {
  std::array<std::array<std::uint8_t, 16>, 16> masks{};
  for (int pattern = 0; pattern < 16; ++pattern) {
    for (int byte = 0; byte < 12; ++byte) {
      masks[static_cast<std::size_t>(pattern)][static_cast<std::size_t>(byte)] =
          (pattern >> (byte / 3)) & 1 ? 0xff : 0;
    }
  }
  return masks;
}();

// Four BGR pixels of one colour, then four zero bytes.
inline __m128i fourColours(std::uint8_t blue, std::uint8_t green, std::uint8_t red) {
  const std::uint64_t c = blue | std::uint64_t{green} << 8 | std::uint64_t{red} << 16;
  const std::uint64_t low = c | c << 24 | c << 48;  // pixels 0, 1 and the first third of 2
  const std::uint64_t high = (c >> 16) | c << 8;    // the rest of pixel 2, then pixel 3
  return _mm_set_epi64x(static_cast<std::int64_t>(high), static_cast<std::int64_t>(low));
}

// The untextured flat pixels of a span four at a time, from column x: whole groups of
// four, then the last one to three pixels as a group whose other lanes keep what they hold
// (read and written back unchanged), where that group still ends inside the row. Depths are
// compared and stepped as the pixel loop does, modulo 2^32; the twelve bytes of four pixels
// are read and written as 8 + 4, so that no access overlaps the next group's (a load that
// overlaps an earlier store waits for it). Returns the first column left undrawn; `pixel`
// and `value` are moved on to it.
inline int drawFourAtATime(std::int32_t* depth, std::uint8_t*& pixel, int x, int last,
                           std::uint32_t& value, std::uint32_t step, __m128i colour) {
  const int start = x;
  // (value, value + step, value + 2 step, value + 3 step) from shifted copies of the step.
  const __m128i steps = _mm_set1_epi32(static_cast<std::int32_t>(step));
  const __m128i ramp = _mm_add_epi32(
      _mm_add_epi32(_mm_slli_si128(steps, 4), _mm_slli_si128(steps, 8)), _mm_slli_si128(steps, 12));
  __m128i z = _mm_add_epi32(_mm_set1_epi32(static_cast<std::int32_t>(value)), ramp);
  const __m128i step4 = _mm_slli_epi32(steps, 2);
  const __m128i lanes = _mm_setr_epi32(0, 1, 2, 3);
  for (; x <= last; x += 4, pixel += 12) {
    const int left = last - x + 1;  // pixels of the span from x on
    __m128i wanted = _mm_set1_epi32(-1);
    if (left < 4) {
      if (x + 3 > kLastColumn) break;  // the group would leave the row
      wanted = _mm_cmpgt_epi32(_mm_set1_epi32(left), lanes);
    }
    auto* depths = reinterpret_cast<__m128i*>(depth + x);
    const __m128i old_depth = _mm_loadu_si128(depths);
    const __m128i nearer = _mm_and_si128(_mm_cmpgt_epi32(z, old_depth), wanted);
    const auto pattern = static_cast<std::size_t>(_mm_movemask_ps(_mm_castsi128_ps(nearer)));
    if (pattern == 0) {
      // Wholly hidden, as the back of a closed model is where its front was drawn first:
      // nothing to write.
      z = _mm_add_epi32(z, step4);
      continue;
    }
    _mm_storeu_si128(depths,
                     _mm_or_si128(_mm_and_si128(nearer, z), _mm_andnot_si128(nearer, old_depth)));
    const __m128i select =
        _mm_loadu_si128(reinterpret_cast<const __m128i*>(kPixelSelect[pattern].data()));
    std::int32_t tail;
    std::memcpy(&tail, pixel + 8, 4);
    const __m128i old_pixels = _mm_unpacklo_epi64(
        _mm_loadl_epi64(reinterpret_cast<const __m128i*>(pixel)), _mm_cvtsi32_si128(tail));
    const __m128i pixels =
        _mm_or_si128(_mm_and_si128(select, colour), _mm_andnot_si128(select, old_pixels));
    _mm_storel_epi64(reinterpret_cast<__m128i*>(pixel), pixels);
    tail = _mm_cvtsi128_si32(_mm_srli_si128(pixels, 8));
    std::memcpy(pixel + 8, &tail, 4);
    z = _mm_add_epi32(z, step4);
  }
  if (x > last) {
    // The last group ended past the span: the caller's pixel pointer and value stop at its end.
    pixel -= 3 * (x - last - 1);
    x = last + 1;
  }
  value += step * static_cast<std::uint32_t>(x - start);
  return x;
}
#endif

}  // namespace facetry::raster
