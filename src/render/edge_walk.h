// render/edge_walk.h: a face's edges walked row by row for render/rasteriser.cpp, each of
// its quantities exactly as "q1 + (q2 - q1) * k div rows" gives it in 32-bit integers: a
// quotient and a remainder carried from row to row, no division per row.
#pragma once
#include <algorithm>
#include <cstdint>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "render/raster_arithmetic.h"

namespace facetry::raster {

// What one value of an edge from q1 to q2 over `rows` rows starts with, `offset` rows on.
struct EdgeValue {
  std::uint32_t value, whole, carry, part, threshold, remainder;
};
inline EdgeValue startEdgeValue(std::int32_t q1, std::int32_t q2, std::uint32_t rows,
                                std::int64_t offset) {
  const std::int64_t delta = std::int64_t{q2} - q1;
  const auto magnitude = static_cast<std::uint32_t>(delta < 0 ? -delta : delta);
  const std::uint32_t whole = divideWhole(magnitude, rows);
  const std::uint32_t part = magnitude - whole * rows;
  EdgeValue e{static_cast<std::uint32_t>(q1),
              delta < 0 ? 0u - whole : whole,
              delta < 0 ? ~0u : 1u,  // -1 or +1 modulo 2^32
              part,
              rows - part,
              0};
  if (offset > 0) {
    // Both factors are below 2^32, so the product fits.
    const std::uint64_t done = std::uint64_t{magnitude} * static_cast<std::uint64_t>(offset);
    const auto quotient = static_cast<std::uint32_t>(done / rows);
    e.value += delta < 0 ? 0u - quotient : quotient;
    e.remainder = static_cast<std::uint32_t>(done % rows);
  }
  return e;
}

inline std::uint32_t edgeRows(std::int32_t from_row, std::int32_t to_row) {
  const std::int64_t rows = std::int64_t{to_row} - from_row;
  return rows == 0 ? 1u : static_cast<std::uint32_t>(rows);
}

// One edge walked row by row: q1 + (q2 - q1) * k div rows for k = offset, offset + 1, ...
// Division truncates toward zero, so each value is q1 plus or minus floor(|q2 - q1| k / rows),
// which a quotient and a remainder carry from row to row. |q2 - q1| and rows are below 2^32,
// so 32-bit unsigned arithmetic holds them; the values themselves are kept modulo 2^32,
// which is exact because each lies between q1 and q2.
template <int N>
class EdgeWalk {
 public:
  static constexpr int kLanes = N;  // what read() writes

  void start(const Corner<N>& from, const Corner<N>& to, std::int64_t offset) {
    rows_ = edgeRows(from.row, to.row);
#pragma GCC unroll 8
    for (int i = 0; i < N; ++i) values_[i] = startEdgeValue(from.q[i], to.q[i], rows_, offset);
  }
  void advance() {
#pragma GCC unroll 8
    for (int i = 0; i < N; ++i) {
      // remainder + part reaches rows exactly when remainder >= rows - part (compared this
      // way the sum cannot overflow). Masks instead of a branch: the carry comes and goes
      // with the slope's fraction, which no branch predictor follows.
      EdgeValue& e = values_[i];
      const std::uint32_t mask = 0u - static_cast<std::uint32_t>(e.remainder >= e.threshold);
      e.value += e.whole + (e.carry & mask);
      e.remainder += e.part - (rows_ & mask);  // modulo 2^32; the result is below rows
    }
  }
  void read(std::int32_t* out) const {
#pragma GCC unroll 8
    for (int i = 0; i < N; ++i) out[i] = static_cast<std::int32_t>(values_[i].value);
  }

 private:
  std::uint32_t rows_ = 1;
  EdgeValue values_[N] = {};
};

#if defined(__SSE2__)
// The same walk with the edge's values four to a register, all stepped at once.
template <int N>
class VectorEdgeWalk {
 public:
  static constexpr int kLanes = (N + 3) / 4 * 4;  // what read() writes

  void start(const Corner<N>& from, const Corner<N>& to, std::int64_t offset) {
    const std::uint32_t rows = edgeRows(from.row, to.row);
    if (offset == 0 && rows < kReciprocalCount) {
      startAtTop(from, to, rows);
      return;
    }
    // The lanes past N stay at zero: their remainder never reaches their threshold, 1.
    std::uint32_t value[kLanes] = {}, whole[kLanes] = {}, carry[kLanes] = {}, part[kLanes] = {},
                  remainder[kLanes] = {};
    std::uint32_t threshold[kLanes];
    std::fill(threshold, threshold + kLanes, 1u);
#pragma GCC unroll 8
    for (int i = 0; i < N; ++i) {
      const EdgeValue e = startEdgeValue(from.q[i], to.q[i], rows, offset);
      value[i] = e.value;
      whole[i] = e.whole;
      carry[i] = e.carry;
      part[i] = e.part;
      threshold[i] = e.threshold;
      remainder[i] = e.remainder;
    }
    rows_ = _mm_set1_epi32(static_cast<std::int32_t>(rows));
    // The unsigned comparison is a signed one of values moved by 2^31, the threshold moved
    // here.
    const __m128i bias = _mm_set1_epi32(INT32_MIN);
#pragma GCC unroll 2
    for (int v = 0; v < kVectors; ++v) {
      value_[v] = load(value + 4 * v);
      whole_[v] = load(whole + 4 * v);
      carry_[v] = load(carry + 4 * v);
      part_[v] = load(part + 4 * v);
      threshold_[v] = _mm_xor_si128(load(threshold + 4 * v), bias);
      remainder_[v] = load(remainder + 4 * v);
    }
  }
  void advance() {
    const __m128i bias = _mm_set1_epi32(INT32_MIN);
#pragma GCC unroll 2
    for (int v = 0; v < kVectors; ++v) {
      const __m128i below = _mm_cmpgt_epi32(threshold_[v], _mm_xor_si128(remainder_[v], bias));
      value_[v] =
          _mm_add_epi32(value_[v], _mm_add_epi32(whole_[v], _mm_andnot_si128(below, carry_[v])));
      remainder_[v] =
          _mm_add_epi32(remainder_[v], _mm_sub_epi32(part_[v], _mm_andnot_si128(below, rows_)));
    }
  }
  // start() from the edge's first row over fewer than 1024 rows, as nearly every edge
  // starts: startEdgeValue for all the values at once, |q2 - q1| divided by the rows with
  // the same reciprocal, two lanes at a time in 64 bits. The lanes past N start at zero
  // and stay there (their remainder, 0, never reaches their threshold, `rows`).
  void startAtTop(const Corner<N>& from, const Corner<N>& to, std::uint32_t rows) {
    const std::uint64_t reciprocal = kReciprocals[rows];
    const __m128i high = _mm_set1_epi32(static_cast<std::int32_t>(reciprocal >> 32));
    const __m128i low = _mm_set1_epi32(static_cast<std::int32_t>(reciprocal & 0xffffffffu));
    const __m128i row_count = _mm_set1_epi32(static_cast<std::int32_t>(rows));
    const __m128i one = _mm_set1_epi32(1);
    // floor(n m / 2^64) for the even lanes' n: n m_high + (n m_low >> 32), shifted by 32.
    const auto evenQuotients = [&](__m128i n) {
      const __m128i sum =
          _mm_add_epi64(_mm_mul_epu32(n, high), _mm_srli_epi64(_mm_mul_epu32(n, low), 32));
      return _mm_srli_epi64(sum, 32);
    };
    const auto lowProducts = [](__m128i a, __m128i b) {  // a * b modulo 2^32, lane by lane
      const __m128i even = _mm_mul_epu32(a, b);
      const __m128i odd = _mm_mul_epu32(_mm_srli_epi64(a, 32), _mm_srli_epi64(b, 32));
      return _mm_or_si128(_mm_and_si128(even, _mm_set_epi32(0, -1, 0, -1)),
                          _mm_slli_epi64(odd, 32));
    };
    rows_ = row_count;
    const __m128i bias = _mm_set1_epi32(INT32_MIN);
#pragma GCC unroll 2
    for (int v = 0; v < kVectors; ++v) {
      const __m128i q1 = lanes(from.q, 4 * v), q2 = lanes(to.q, 4 * v);
      // |q2 - q1| fits 32 bits, so it is exact modulo 2^32 from either sign of the difference.
      const __m128i falling = _mm_cmpgt_epi32(q1, q2);
      const __m128i difference = _mm_sub_epi32(q2, q1);
      const __m128i magnitude = _mm_sub_epi32(_mm_xor_si128(difference, falling), falling);
      __m128i whole =
          _mm_or_si128(evenQuotients(magnitude),
                       _mm_slli_epi64(evenQuotients(_mm_srli_epi64(magnitude, 32)), 32));
      if (rows == 1) whole = magnitude;  // 1 has no reciprocal
      const __m128i part = _mm_sub_epi32(magnitude, lowProducts(whole, row_count));
      value_[v] = q1;
      whole_[v] = _mm_sub_epi32(_mm_xor_si128(whole, falling), falling);
      carry_[v] = _mm_or_si128(falling, one);  // -1 or +1
      part_[v] = part;
      threshold_[v] = _mm_xor_si128(_mm_sub_epi32(row_count, part), bias);
      remainder_[v] = _mm_setzero_si128();
    }
  }

  // The N values into out[0..kLanes).
  void read(std::int32_t* out) const {
    for (int v = 0; v < kVectors; ++v) {
      _mm_storeu_si128(reinterpret_cast<__m128i*>(out + 4 * v), value_[v]);
    }
  }

 private:
  static constexpr int kVectors = kLanes / 4;
  // Set lane by lane from registers: a vector load of values just stored one by one would
  // wait for the stores.
  static __m128i load(const std::uint32_t* values) {
    return _mm_setr_epi32(
        static_cast<std::int32_t>(values[0]), static_cast<std::int32_t>(values[1]),
        static_cast<std::int32_t>(values[2]), static_cast<std::int32_t>(values[3]));
  }
  // Values first..first + 3 of a corner's N, 0 past N.
  static __m128i lanes(const std::int32_t* q, int first) {
    const auto at = [&](int i) { return first + i < N ? q[first + i] : 0; };
    return _mm_setr_epi32(at(0), at(1), at(2), at(3));
  }

  __m128i rows_;
  __m128i value_[kVectors], whole_[kVectors], carry_[kVectors], part_[kVectors];
  __m128i threshold_[kVectors], remainder_[kVectors];
};

template <int N>
using Walk = VectorEdgeWalk<N>;
#else
template <int N>
using Walk = EdgeWalk<N>;
#endif

}  // namespace facetry::raster
