// render/rasteriser.cpp: scan conversion of one face for an orthographic view.
//
// All per-pixel work is 32-bit fixed point with 7 fraction bits. Values are interpolated
// exactly as "q1 + (q2 - q1) * step div steps" would give them in 32-bit integers, but
// without overflow: edges are walked with a quotient and a remainder (no division per row),
// and span values are accumulated modulo 2^32, which is exact because every value at a drawn
// pixel lies between the span's two end values.
#include <algorithm>
#include <array>
#include <cassert>
#include <cstdint>
#include <cstring>
#include <string>
#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

#include "render/edge_walk.h"
#include "render/light_angles.h"
#include "render/pending_light.h"
#include "render/raster_arithmetic.h"
#include "render/rasteriser.h"
#include "render/survey_projection.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

using namespace raster;  // the fixed-point arithmetic, the edge walks and the four-pixel spans

constexpr int kLastRow = kBitmapSize - 1;
constexpr int kLastStartRow = kImageSize - 1;  // a face whose top row is below 814 is skipped

// Column, row and depth of a corner in one of the three views (their axes as the views map
// them) or in the survey view (its rotation).
using ViewPoint = ViewPosition;

ViewPoint projectCorner(int view, const FaceCorner& c, const SurveyProjection* survey) {
  if (view == kSurveyRaster) {
    const Point3 p = survey->apply(c.point());
    return {p.x, p.y, p.z};
  }
  return toView(viewNumbered(view), c);
}

// What the pixels of one face need.
//
// drawRows works on a copy of its own: a local whose address never escapes is known not to
// alias the bitmap, so its fields stay in registers across the pixel stores.
struct FaceInk {
  std::int32_t* depth_origin;  // depth of (row 0, column 0); rows depth_stride apart
  std::ptrdiff_t depth_stride;
  std::uint8_t* pixel_origin;  // ViewBitmap's row 0; rows pixel_stride apart
  std::ptrdiff_t pixel_stride;
  Rgb colour;                   // the flat colour (shaded in a flat view)
  const std::uint8_t* shading;  // ShadeTable of the face's level, or null for level None
  int flat_angle;
  const Texture* texture;  // null for an untextured face
  std::uint32_t texture_width, texture_height, texture_rows, texture_columns;
  std::uint64_t width_reciprocal, height_reciprocal;  // for remainderWhole
  Point3 light;
  const VectorAngleLights* lights;
  int first_row, last_row;             // the face's rows within the bitmap
  int band_first, band_last;           // the rows this pass draws
  const SurveyProjection* survey;      // the mapping of view 4
  const ViewPosition* survey_corners;  // or its corners worked out beforehand
  const ScanCorners* kept_corners;     // the faces' scan corners worked out before
  ScanCorners* keep_corners;           // where to keep them as they are worked out
  const std::uint8_t* renewed;         // which of the kept ones are out of date
  std::uint32_t* pending;              // where Phong pixels are marked to be lit, or null
  std::uint32_t pending_level;         // the face's shade level + 1, 0 for level None
  bool light_now;                      // set to light the face's pixels as they are drawn
};

// Face `face`'s kept scan corners, or null where none are kept or its corners changed.
inline const ScanCorners* keptCornersOf(const ScanCorners* kept, const std::uint8_t* renewed,
                                        int face) {
  if (kept == nullptr || (renewed != nullptr && (renewed[face] & kCornersWritten) != 0)) {
    return nullptr;
  }
  return kept + face;
}

[[noreturn]] void throwLightAngle(long long t) {
  throw RangeError("light angle " + std::to_string(t) + " is outside 0..180");
}

template <ShadingMode Mode, bool Textured, bool Outline>
[[gnu::always_inline]] inline void drawSpan(const FaceInk& ink, int y,
                                            const std::int32_t* short_end,
                                            const std::int32_t* long_end) {
  using L = Layout<Mode, Textured>;
  // The ends are exchanged by value, element by element, so that they stay in registers.
  const bool exchange = long_end[0] < short_end[0];
  std::int32_t left[L::kCount], right[L::kCount];
#pragma GCC unroll 8
  for (int i = 0; i < L::kCount; ++i) {
    left[i] = exchange ? long_end[i] : short_end[i];
    right[i] = exchange ? short_end[i] : long_end[i];
  }
  if (left[0] > kLastColumn || right[0] < 0) return;
  const int first = std::max(left[0], 0);
  const int last = std::min(right[0], kLastColumn);
  std::int64_t width = std::int64_t{right[0]} - left[0];
  width += width == 0;  // a span of one column divides by 1
  const std::int64_t lead = first - std::int64_t{left[0]};

  // Value at the first drawn pixel and the step per pixel. |step * lead| never exceeds
  // |right - left|, so the int64 arithmetic is exact; the accumulators then wrap.
  std::uint32_t value[L::kCount] = {};
  std::uint32_t step[L::kCount] = {};
  const bool narrow = width < kReciprocalCount;
  if (right[0] == left[0]) {
    // One column, as most of a speck's spans are: its values are the left end's.
#pragma GCC unroll 8
    for (int i = 1; i < L::kCount; ++i) value[i] = static_cast<std::uint32_t>(left[i]);
  } else {
#pragma GCC unroll 8
    for (int i = 1; i < L::kCount; ++i) {
      const std::int64_t difference = std::int64_t{right[i]} - left[i];
      std::int64_t s;
      if (narrow) {
        // |difference| < 2^32: the truncating quotient is the magnitudes' quotient, signed.
        const auto magnitude =
            static_cast<std::uint32_t>(difference < 0 ? -difference : difference);
        const std::int64_t q = divideWhole(magnitude, static_cast<std::uint32_t>(width));
        s = difference < 0 ? -q : q;
      } else {
        s = difference / width;
      }
      step[i] = static_cast<std::uint32_t>(s);
      value[i] = static_cast<std::uint32_t>(left[i] + s * lead);
    }
  }

  std::int32_t* depth = ink.depth_origin + ink.depth_stride * y;
  std::uint8_t* pixel = ink.pixel_origin + ink.pixel_stride * y + std::ptrdiff_t{3} * first;
  const bool edge_row = Outline && (y == ink.first_row || y == ink.last_row);
  // A Gouraud value whose angle would fold below 0 stops the drawing at that pixel, hidden
  // or not. The values along a span are linear, so when both ends fold into 0..180 every
  // pixel does, and the angle is only worked out for pixels that are drawn.
  bool check_light = false;
  if constexpr (Mode == ShadingMode::Gouraud) {
    constexpr std::int64_t kFoldable = 361 * 128;  // (unsigned) value >> 7 <= 360
    const auto first_value = static_cast<std::int32_t>(value[L::kLight]);
    const std::int64_t last_value =
        first_value + static_cast<std::int32_t>(step[L::kLight]) * std::int64_t{last - first};
    check_light =
        !(first_value >= 0 && first_value < kFoldable && last_value >= 0 && last_value < kFoldable);
  }
  // A pass that marks pixels to be lit clears the marks of the pixels it lights itself.
  std::uint32_t* marks = Mode == ShadingMode::Phong && ink.pending != nullptr
                             ? ink.pending + std::ptrdiff_t{PendingLight::kMarkRow} * y
                             : nullptr;
  if constexpr (Mode == ShadingMode::Phong && !Textured && !Outline) {
    if (marks != nullptr && !ink.light_now) {
      // Drawn in the face's colour and marked, to be lit once the pass is over.
      const std::uint32_t keep_mark = ink.pending_level == 0 ? 0u : ~0u;
      for (int x = first; x <= last; ++x, pixel += 3) {
        const auto z = static_cast<std::int32_t>(value[L::kDepth]);
        if (depth[x] < z) {
          depth[x] = z;
          marks[x] = pendingMark(ink.pending_level, value[L::kLight] >> 7,
                                 value[L::kLight + 1] >> 7, value[L::kLight + 2] >> 7) &
                     keep_mark;
          pixel[0] = ink.colour.blue;
          pixel[1] = ink.colour.green;
          pixel[2] = ink.colour.red;
        }
#pragma GCC unroll 8
        for (int i = 1; i < L::kCount; ++i) value[i] += step[i];
      }
      return;
    }
  }
  if constexpr (Mode == ShadingMode::Flat && !Textured && !Outline) {
    // Nearer or not, every pixel is written (with the value it had when it is not nearer),
    // so the depth test is a choice of values rather than a branch the predictor misses.
    const std::uint8_t blue = ink.colour.blue, green = ink.colour.green, red = ink.colour.red;
    int x = first;
#if defined(__SSE2__)
    // Spans of up to three pixels, as most of a finely divided model's are, go pixel by
    // pixel: setting up the groups costs more than they save.
    if (last - first >= 3) {
      x = drawFourAtATime(depth, pixel, x, last, value[L::kDepth], step[L::kDepth],
                          fourColours(blue, green, red));
    }
#endif
    for (; x <= last; ++x, pixel += 3) {
      const auto z = static_cast<std::int32_t>(value[L::kDepth]);
      const bool nearer = depth[x] < z;
      depth[x] = nearer ? z : depth[x];
      pixel[0] = nearer ? blue : pixel[0];
      pixel[1] = nearer ? green : pixel[1];
      pixel[2] = nearer ? red : pixel[2];
      value[L::kDepth] += step[L::kDepth];
    }
    return;
  }
  for (int x = first; x <= last; ++x, pixel += 3) {
    int t = ink.flat_angle;
    if constexpr (Mode == ShadingMode::Gouraud) {
      if (check_light && (value[L::kLight] >> 7) > 360) {
        throwLightAngle(360 - static_cast<long long>(value[L::kLight] >> 7));
      }
    }
    const auto z = static_cast<std::int32_t>(value[L::kDepth]);
    if (depth[x] < z) {
      depth[x] = z;
      if constexpr (Mode == ShadingMode::Phong) {
        if (marks != nullptr) marks[x] = 0;
      }
      if constexpr (Mode == ShadingMode::Gouraud) {
        const std::uint32_t g = value[L::kLight] >> 7;
        t = static_cast<int>(g > 180 ? 360 - g : g);
      }
      if constexpr (Mode == ShadingMode::Phong) {
        const bool lit = Textured ? ink.shading != nullptr
                                  : ink.shading != nullptr &&
                                        !(Outline && (edge_row || x == first || x == last));
        if (lit) {
          const auto component = [&](int i) {
            return (static_cast<std::int32_t>(value[L::kLight + i]) >> 7) - 100;
          };
          t = phongPixelAngle(component(0), component(1), component(2), x, y, z, ink.light,
                              *ink.lights);
        }
      }
      if constexpr (Textured) {
        const std::uint32_t column =
            remainderWhole(value[L::kU] >> 7, ink.texture_width, ink.width_reciprocal);
        const std::uint32_t row =
            remainderWhole(value[L::kV] >> 7, ink.texture_height, ink.height_reciprocal);
        if (column >= ink.texture_columns || row >= ink.texture_rows) {
          ink.texture->texel(static_cast<int>(column), static_cast<int>(row));  // throws
        }
        const std::uint8_t* texel =
            ink.texture->bgr.data() + (std::size_t{row} * ink.texture_columns + column) * 3;
        if (ink.shading != nullptr) {
          const std::uint8_t* shade = ink.shading + std::size_t{256} * static_cast<unsigned>(t);
          pixel[0] = shade[texel[0]];
          pixel[1] = shade[texel[1]];
          pixel[2] = shade[texel[2]];
        } else {
          pixel[0] = texel[0];
          pixel[1] = texel[1];
          pixel[2] = texel[2];
        }
      } else if (Outline && (edge_row || x == first || x == last)) {
        pixel[0] = pixel[1] = pixel[2] = 0;
      } else if (Mode != ShadingMode::Flat && ink.shading != nullptr) {
        const std::uint8_t* shade = ink.shading + std::size_t{256} * static_cast<unsigned>(t);
        pixel[0] = shade[ink.colour.blue];
        pixel[1] = shade[ink.colour.green];
        pixel[2] = shade[ink.colour.red];
      } else {
        pixel[0] = ink.colour.blue;
        pixel[1] = ink.colour.green;
        pixel[2] = ink.colour.red;
      }
    }
#pragma GCC unroll 8
    for (int i = 1; i < L::kCount; ++i) value[i] += step[i];
  }
}

// Rows top.row..bottom.row clamped to the bitmap: above the middle corner's row the short
// edge is top-middle, below it middle-bottom, on it the middle corner itself (which is where
// the middle-bottom edge starts); the long edge is top-bottom throughout.
template <ShadingMode Mode, bool Textured, bool Outline>
void drawRows(const FaceInk& face_ink, const Corner<Layout<Mode, Textured>::kCount>& top,
              const Corner<Layout<Mode, Textured>::kCount>& middle,
              const Corner<Layout<Mode, Textured>::kCount>& bottom) {
  constexpr int N = Layout<Mode, Textured>::kCount;
  if (top.row > kLastStartRow || bottom.row < 0) return;
  if (top.row > face_ink.band_last || bottom.row < face_ink.band_first) return;
  FaceInk ink = face_ink;
  if (top.row >= 0 && bottom.row - top.row <= 1 && bottom.row <= kLastRow) {
    // A face of one or two rows, as most of a finely divided model's are: an edge of at
    // most one row has its end corners' values on its rows, so nothing is walked.
    ink.first_row = top.row;
    ink.last_row = bottom.row;
    const auto span = [&](int y, const std::int32_t* short_end, const std::int32_t* long_end) {
      if (y >= ink.band_first && y <= ink.band_last) {
        drawSpan<Mode, Textured, Outline>(ink, y, short_end, long_end);
      }
    };
    if (top.row == bottom.row) {
      span(top.row, middle.q, top.q);
    } else if (middle.row == top.row) {
      span(top.row, middle.q, top.q);
      span(bottom.row, bottom.q, bottom.q);
    } else {
      span(top.row, top.q, top.q);
      span(bottom.row, middle.q, bottom.q);
    }
    return;
  }
  const int first_row = std::max(top.row, 0);
  const int last_row = std::min(bottom.row, kLastRow);
  ink.first_row = first_row;
  ink.last_row = last_row;
  const int from = std::max(first_row, ink.band_first);
  const int to = std::min(last_row, ink.band_last);

  Walk<N> long_edge;
  long_edge.start(top, bottom, std::int64_t{from} - top.row);
  std::int32_t short_values[Walk<N>::kLanes];
  std::int32_t long_values[Walk<N>::kLanes];
  int y = from;

  const std::int64_t above_middle_end = std::min<std::int64_t>(std::int64_t{middle.row} - 1, to);
  if (y <= above_middle_end) {
    Walk<N> upper;
    upper.start(top, middle, std::int64_t{y} - top.row);
    for (; y <= above_middle_end; ++y) {
      upper.read(short_values);
      long_edge.read(long_values);
      drawSpan<Mode, Textured, Outline>(ink, y, short_values, long_values);
      upper.advance();
      long_edge.advance();
    }
  }
  // From the middle row on: the middle-bottom edge starts at the middle corner's own values.
  if (y <= to) {
    Walk<N> lower;
    lower.start(middle, bottom, std::int64_t{y} - middle.row);
    for (; y <= to; ++y) {
      lower.read(short_values);
      long_edge.read(long_values);
      drawSpan<Mode, Textured, Outline>(ink, y, short_values, long_values);
      lower.advance();
      long_edge.advance();
    }
  }
}

template <ShadingMode Mode, bool Textured, bool Outline>
void drawFace(const FaceInk& ink, const Scene& scene, int face, int view) {
  using L = Layout<Mode, Textured>;
  const Face& f = scene.FaceTable[static_cast<std::size_t>(face)];
  const FaceShading& shading = scene.FaceShadingTable[static_cast<std::size_t>(face)];

  Corner<L::kCount> corners[3];
  int order[3];
  if (const ScanCorners* kept_face = keptCornersOf(ink.kept_corners, ink.renewed, face)) {
    const ScanCorners& kept = *kept_face;
#pragma GCC unroll 3
    for (int i = 0; i < 3; ++i) {
      corners[i].row = kept.row[i];
      corners[i].q[0] = kept.column[i];
      corners[i].q[L::kDepth] = kept.depth[i];
      order[i] = kept.corner[i];
    }
  } else {
    // Sorted by row with three exchanges (0/1, 0/2, 1/2), each only when the first row is
    // larger. Only the rows and corner numbers are exchanged, in registers; each corner's
    // values are then read by its number.
    ViewPoint p[3];
    if (view == kSurveyRaster && ink.survey_corners != nullptr) {
      const ViewPosition* given = ink.survey_corners + std::size_t{3} * static_cast<unsigned>(face);
      p[0] = given[0], p[1] = given[1], p[2] = given[2];
    } else {
      p[0] = projectCorner(view, f.corners[0], ink.survey);
      p[1] = projectCorner(view, f.corners[1], ink.survey);
      p[2] = projectCorner(view, f.corners[2], ink.survey);
    }
    float r0 = p[0].row, r1 = p[1].row, r2 = p[2].row;
    int k0 = 0, k1 = 1, k2 = 2;
    if (r0 > r1) std::swap(r0, r1), std::swap(k0, k1);
    if (r0 > r2) std::swap(r0, r2), std::swap(k0, k2);
    if (r1 > r2) std::swap(r1, r2), std::swap(k1, k2);
    order[0] = k0, order[1] = k1, order[2] = k2;
    for (int i = 0; i < 3; ++i) {
      const WholePoint whole = truncPosition(p[order[i]]);
      corners[i].q[0] = whole.column;
      corners[i].row = whole.row;
      corners[i].q[L::kDepth] = toFixed(static_cast<std::uint32_t>(whole.depth));
    }
    if (ink.keep_corners != nullptr) {
      ScanCorners& keep = ink.keep_corners[face];
      for (int i = 0; i < 3; ++i) {
        keep.row[i] = corners[i].row;
        keep.column[i] = corners[i].q[0];
        keep.depth[i] = corners[i].q[L::kDepth];
        keep.corner[i] = static_cast<std::uint8_t>(order[i]);
      }
    }
  }
  // Every pixel's normal lies between the corners', so it fits a mark when theirs do.
  bool normals_fit = true;
  for (int i = 0; i < 3; ++i) {
    Corner<L::kCount>& c = corners[i];
    const int k = order[i];
    if constexpr (Mode == ShadingMode::Gouraud) {
      c.q[L::kLight] = toFixed(shading.light[k]);
    }
    if constexpr (Mode == ShadingMode::Phong) {
      for (int axis = 0; axis < 3; ++axis) {
        const std::uint32_t fixed = static_cast<std::uint32_t>(shading.normals[k][axis]) + 100u;
        c.q[L::kLight + axis] = toFixed(fixed);
        normals_fit = normals_fit && fixed <= 255;
      }
    }
    if constexpr (Textured) {
      // Only a textured face truncates its texture coordinates: an untextured face never
      // fails over values it does not use.
      c.q[L::kU] = toFixed(static_cast<std::uint32_t>(truncCoordinate(f.corners[k].u)));
      c.q[L::kV] = toFixed(static_cast<std::uint32_t>(truncCoordinate(f.corners[k].v)));
    }
  }
  if (Mode == ShadingMode::Phong && ink.pending != nullptr && !normals_fit) {
    FaceInk lit_now = ink;
    lit_now.light_now = true;
    drawRows<Mode, Textured, Outline>(lit_now, corners[0], corners[1], corners[2]);
    return;
  }
  drawRows<Mode, Textured, Outline>(ink, corners[0], corners[1], corners[2]);
}

template <ShadingMode Mode>
void drawFaceIn(const FaceInk& ink, const Scene& scene, int face, int view, bool outline) {
  if (ink.texture != nullptr) {
    drawFace<Mode, true, false>(ink, scene, face, view);
  } else if (outline) {
    drawFace<Mode, false, true>(ink, scene, face, view);
  } else {
    drawFace<Mode, false, false>(ink, scene, face, view);
  }
}

}  // namespace

void rasteriseFace(Scene& scene, int face, int view, ShadingMode mode, bool bake,
                   const RasterContext& context, FrameBuffers& frame) {
  const int flat_angle = mode == ShadingMode::Flat
                             ? flatLightAngle(scene.face(face), context.light.LightPosition)
                             : 90;
  rasteriseFace(scene, face, view, mode, bake, context, frame, flat_angle);
}

namespace {

// The part of a face's ink that is the same for every face of a pass.
FaceInk passInk(ShadingMode mode, const RasterContext& context, FrameBuffers& frame) {
  assert(context.light.ShadeTable.size() == 4 * kShadeLevelSize);
  assert(frame.ViewBitmap.width() == kBitmapSize && frame.ViewBitmap.height() == kBitmapSize);
  assert(frame.DepthBuffer.size() == std::size_t{kDepthSize} * kDepthSize);
  FaceInk ink;  // the per-face fields are set by faceInk
  ink.texture = nullptr;
  ink.shading = nullptr;
  ink.lights = mode == ShadingMode::Phong ? &VectorAngleLights::instance() : nullptr;
  ink.depth_origin = frame.depthRow(0);
  ink.depth_stride = kDepthSize;
  ink.pixel_origin = frame.ViewBitmap.row(0);
  ink.pixel_stride = frame.ViewBitmap.row(1) - frame.ViewBitmap.row(0);
  ink.survey = context.survey;
  ink.survey_corners = context.survey_corners;
  ink.band_first = context.band_first;
  ink.band_last = context.band_last;
  ink.kept_corners = context.kept_corners;
  ink.keep_corners = context.keep_corners;
  ink.renewed = context.renewed;
  ink.light = context.light.LightPosition;
  ink.pending = mode == ShadingMode::Phong ? context.pending_marks : nullptr;
  ink.pending_level = 0;
  ink.light_now = false;
  return ink;
}

// Completes `ink` for face f: its texture (checked before anything is written; a material
// whose picture could not be decoded has an empty texture, and its faces are drawn in their
// own colour), its light angle and shading, and its colour, shaded in flat mode.
template <ShadingMode Mode>
void faceInk(FaceInk& ink, const Face& f, int flat_angle, const RasterContext& context) {
  ink.texture = nullptr;
  if (f.material != 0) {
    const Texture& texture = context.textures.texture(f.material);  // throws outside 1..100
    if (texture.width > 0 && texture.height > 0) {
      ink.texture = &texture;
      ink.texture_width = static_cast<std::uint32_t>(texture.width);
      ink.texture_height = static_cast<std::uint32_t>(texture.height);
      ink.width_reciprocal = remainderReciprocal(ink.texture_width);
      ink.height_reciprocal = remainderReciprocal(ink.texture_height);
      ink.texture_columns = static_cast<std::uint32_t>(texture.columns);
      ink.texture_rows = static_cast<std::uint32_t>(texture.rows());
    }
  }
  int t = 90;
  if constexpr (Mode == ShadingMode::Flat) {
    if (flat_angle < 0 || flat_angle > 180) throwLightAngle(flat_angle);
    t = flat_angle;
  }
  ink.flat_angle = t;
  const int level = f.ReflectionLevel;
  ink.shading = level <= 3 ? context.light.ShadeTable.data() + level * kShadeLevelSize : nullptr;
  ink.colour = Rgb{f.red, f.green, f.blue};
  ink.pending_level = ink.shading != nullptr ? static_cast<std::uint32_t>(level) + 1 : 0;
  if (Mode == ShadingMode::Flat && ink.shading != nullptr) {
    const std::uint8_t* shade = ink.shading + std::size_t{256} * static_cast<unsigned>(t);
    ink.colour = Rgb{shade[f.red], shade[f.green], shade[f.blue]};
  }
}

template <ShadingMode Mode>
void drawFaces(Scene& scene, int first, int last, int view, const RasterContext& context,
               FrameBuffers& frame, const int* flat_angles) {
  FaceInk ink = passInk(Mode, context, frame);
  for (int face = first; face < last; ++face) {
    // A face whose rows are known and drawn only by the pass over the other rows is passed
    // over whole.
    const ScanCorners* kept =
        context.share_rows ? keptCornersOf(context.kept_corners, context.renewed, face) : nullptr;
    if (kept != nullptr && ((kept->row[0] > context.band_last && context.band_last < kLastRow) ||
                            (kept->row[2] < context.band_first && context.band_first > 0))) {
      continue;
    }
    const Face& f = scene.FaceTable[static_cast<std::size_t>(face)];
    int angle = 90;
    if constexpr (Mode == ShadingMode::Flat) {
      angle = flat_angles != nullptr ? flat_angles[face]
                                     : flatLightAngle(f, context.light.LightPosition);
    }
    faceInk<Mode>(ink, f, angle, context);
    drawFaceIn<Mode>(ink, scene, face, view, context.poly_lines);
  }
}

}  // namespace

void rasteriseFace(Scene& scene, int face, int view, ShadingMode mode, bool bake,
                   const RasterContext& context, FrameBuffers& frame, int flat_angle) {
  assert(view >= 1 && view <= 4);
  if (view == 4 && context.survey == nullptr) throw RangeError("the survey view has no mapping");
  Face& f = scene.face(face);
  assert(scene.FaceShadingTable.size() == scene.FaceTable.size());

  FaceInk ink = passInk(mode, context, frame);
  switch (mode) {
    case ShadingMode::Flat:
      faceInk<ShadingMode::Flat>(ink, f, flat_angle, context);
      break;
    case ShadingMode::Gouraud:
      faceInk<ShadingMode::Gouraud>(ink, f, flat_angle, context);
      break;
    case ShadingMode::Phong:
      faceInk<ShadingMode::Phong>(ink, f, flat_angle, context);
      break;
  }
  if (bake) {
    f.red = ink.colour.red;
    f.green = ink.colour.green;
    f.blue = ink.colour.blue;
    if (mode == ShadingMode::Flat) {
      scene.FaceShadingTable[static_cast<std::size_t>(face)].light[0] =
          static_cast<std::uint8_t>(ink.flat_angle);
    }
  }

  const bool outline = context.poly_lines;
  switch (mode) {
    case ShadingMode::Flat:
      drawFaceIn<ShadingMode::Flat>(ink, scene, face, view, outline);
      break;
    case ShadingMode::Gouraud:
      drawFaceIn<ShadingMode::Gouraud>(ink, scene, face, view, outline);
      break;
    case ShadingMode::Phong:
      drawFaceIn<ShadingMode::Phong>(ink, scene, face, view, outline);
      break;
  }
}

void rasteriseFaces(Scene& scene, int first, int last, int view, ShadingMode mode,
                    const RasterContext& context, FrameBuffers& frame, const int* flat_angles) {
  assert(view >= 1 && view <= 4);
  if (first >= last) return;
  if (view == 4 && context.survey == nullptr) throw RangeError("the survey view has no mapping");
  assert(first >= 0 && last <= scene.FaceCount);
  assert(scene.FaceShadingTable.size() == scene.FaceTable.size());
  switch (mode) {
    case ShadingMode::Flat:
      drawFaces<ShadingMode::Flat>(scene, first, last, view, context, frame, flat_angles);
      break;
    case ShadingMode::Gouraud:
      drawFaces<ShadingMode::Gouraud>(scene, first, last, view, context, frame, flat_angles);
      break;
    case ShadingMode::Phong:
      drawFaces<ShadingMode::Phong>(scene, first, last, view, context, frame, flat_angles);
      break;
  }
}

}  // namespace facetry
