// render/walk_raster.cpp: scan conversion of one face in perspective.
//
// The face is drawn as the orthographic rasteriser draws it (rows sorted top to bottom,
// short and long edges, spans with the value before the first pixel plus one step per
// pixel, 7 fraction bits), with the corners projected by the camera and the unprojected z
// carried along so that pixels behind the camera are left out. Every interpolated value
// equals "q1 + (q2 - q1) * k div n" in exact integers: edges keep a quotient and a
// remainder per row, spans divide once and add; the values lie between the ends, so
// 64-bit arithmetic never overflows.
#include "render/walk_raster.h"

#include <algorithm>
#include <cassert>
#include <climits>
#include <cmath>
#include <cstdint>
#include <string>
#include <utility>

#include "render/light_angles.h"
#include "render/raster_arithmetic.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

using raster::Corner;

// Interpolated quantities besides the column (slot 0): the projected depth, the unprojected
// z, then the Gouraud value or the three normal components, then u and v.
template <ShadingMode Mode, bool Textured>
struct Slots : raster::Layout<Mode, Textured, 1> {
  static constexpr int kZ = 2;
};

// A whole number in 7-bit fixed point, wrapping as 32-bit arithmetic does.
inline std::int32_t toFixed(std::int32_t whole) {
  return raster::toFixed(static_cast<std::uint32_t>(whole));
}

inline std::int32_t truncCoordinate(double value) {
  if (value > -2147483648.0 && value < 2147483648.0) return static_cast<std::int32_t>(value);
  return truncToInt(value);  // throws
}

[[noreturn]] void throwLight(long long t) {
  throw RangeError("light value " + std::to_string(t) + " is outside 0..180");
}

// One edge from corner a down to corner b, row by row from a given offset.
template <int N>
class Edge {
 public:
  void start(const Corner<N>& a, const Corner<N>& b, std::int64_t offset) {
    rows_ = b.row == a.row ? 1u : static_cast<std::uint64_t>(std::int64_t{b.row} - a.row);
    const auto done = static_cast<std::uint64_t>(offset);
    // Magnitudes and row counts are below 2^32, so 32-bit division (much the quicker) is
    // exact for the slopes; only an edge that starts above the picture needs 64 bits.
    const auto rows32 = static_cast<std::uint32_t>(rows_);
    for (int i = 0; i < N; ++i) {
      const std::int64_t delta = std::int64_t{b.q[i]} - a.q[i];
      const auto magnitude = static_cast<std::uint32_t>(delta < 0 ? -delta : delta);
      negative_[i] = delta < 0;
      whole_[i] = magnitude / rows32;
      part_[i] = magnitude % rows32;
      value_[i] = a.q[i];
      remainder_[i] = 0;
      if (done > 0) {
        // magnitude and offset are both below 2^32, so the product fits.
        const std::uint64_t moved = std::uint64_t{magnitude} * done;
        const auto quotient = static_cast<std::int64_t>(moved / rows_);
        value_[i] += negative_[i] ? -quotient : quotient;
        remainder_[i] = moved % rows_;
      }
    }
  }
  void advance() {
    for (int i = 0; i < N; ++i) {
      std::uint64_t moved = whole_[i];
      remainder_[i] += part_[i];
      if (remainder_[i] >= rows_) {
        remainder_[i] -= rows_;
        ++moved;
      }
      const auto signed_moved = static_cast<std::int64_t>(moved);
      value_[i] += negative_[i] ? -signed_moved : signed_moved;
    }
  }
  const std::int64_t* values() const { return value_; }

 private:
  std::uint64_t rows_ = 1;
  std::int64_t value_[N] = {};
  std::uint64_t whole_[N] = {};
  std::uint64_t part_[N] = {};
  std::uint64_t remainder_[N] = {};
  bool negative_[N] = {};
};

struct Ink {
  FrameBuffers* frame;
  Rgb colour;                   // the face's stored colour
  const std::uint8_t* shading;  // ShadeTable of the face's level, null for level None
  int flat_light;               // byte 0 of the face's FaceShading
  const Texture* texture;       // null for an untextured face
  Point3 light;
  const VectorAngleLights* lights;
  int width, height;
  std::int64_t z_limit;  // the smallest unprojected z (7 fraction bits) at or behind Dc
};

inline void shadeInto(std::uint8_t* pixel, const std::uint8_t* shading, int t, Rgb c) {
  const std::uint8_t* shade = shading + std::size_t{256} * static_cast<unsigned>(t);
  pixel[0] = shade[c.blue];
  pixel[1] = shade[c.green];
  pixel[2] = shade[c.red];
}

template <ShadingMode Mode, bool Textured>
void drawSpan(const Ink& ink, int y, const std::int64_t* short_end, const std::int64_t* long_end) {
  using S = Slots<Mode, Textured>;
  const bool exchange = long_end[0] < short_end[0];
  const std::int64_t* left = exchange ? long_end : short_end;
  const std::int64_t* right = exchange ? short_end : long_end;
  const std::int64_t first = std::max<std::int64_t>(left[0], 0);
  const std::int64_t last = std::min<std::int64_t>(right[0], ink.width);
  if (first >= ink.width || last <= 0) return;
  std::int64_t width = right[0] - left[0];
  if (width == 0) width = 1;
  const std::int64_t lead = first - left[0];
  std::int64_t value[S::kCount] = {};
  std::int64_t step[S::kCount] = {};
  const bool narrow = width < (std::int64_t{1} << 31);
  for (int i = 1; i < S::kCount; ++i) {
    const std::int64_t difference = right[i] - left[i];
    // Both fit 32 bits nearly always, and 32-bit division truncates the same way.
    if (narrow && difference >= INT32_MIN && difference <= INT32_MAX) {
      step[i] = static_cast<std::int32_t>(difference) / static_cast<std::int32_t>(width);
    } else {
      step[i] = difference / width;
    }
    value[i] = left[i] + step[i] * lead;  // |step * lead| <= |right - left|
  }

  std::int32_t* depth = ink.frame->depthRow(y);
  std::uint8_t* pixel = ink.frame->ViewBitmap.row(y) + 3 * first;
  for (std::int64_t x = first; x <= last; ++x, pixel += 3) {
    const auto z = static_cast<std::int32_t>(value[S::kDepth]);
    if (depth[x] < z && value[S::kZ] < ink.z_limit) {
      depth[x] = z;
      int t = ink.flat_light;
      if constexpr (Mode == ShadingMode::Gouraud) {
        const std::int64_t g = value[S::kLight] / 128;
        if (g < 0 || g > 180) throwLight(g);
        t = static_cast<int>(g);
      }
      if constexpr (Mode == ShadingMode::Phong) {
        if (ink.shading != nullptr) {
          const Point3 normal{
              static_cast<float>((static_cast<std::int32_t>(value[S::kLight]) >> 7) - 100),
              static_cast<float>((static_cast<std::int32_t>(value[S::kLight + 1]) >> 7) - 100),
              static_cast<float>((static_cast<std::int32_t>(value[S::kLight + 2]) >> 7) - 100)};
          const Point3 to_light{ink.light.x - static_cast<float>(x),
                                ink.light.y - static_cast<float>(y),
                                ink.light.z - static_cast<float>(value[S::kZ] / 128)};
          t = pixelLightAngle(normal, to_light, *ink.lights);
        }
      }
      if constexpr (Textured) {
        const std::uint32_t column = (static_cast<std::uint32_t>(value[S::kU]) >> 7) %
                                     static_cast<unsigned>(ink.texture->width);
        const std::uint32_t row = (static_cast<std::uint32_t>(value[S::kV]) >> 7) %
                                  static_cast<unsigned>(ink.texture->height);
        const Rgb texel = ink.texture->texel(static_cast<int>(column), static_cast<int>(row));
        if (ink.shading != nullptr) {
          if (t < 0 || t > 180) throwLight(t);
          shadeInto(pixel, ink.shading, t, texel);
        } else {
          pixel[0] = texel.blue;
          pixel[1] = texel.green;
          pixel[2] = texel.red;
        }
      } else if (Mode != ShadingMode::Flat && ink.shading != nullptr) {
        shadeInto(pixel, ink.shading, t, ink.colour);
      } else {
        pixel[0] = ink.colour.blue;
        pixel[1] = ink.colour.green;
        pixel[2] = ink.colour.red;
      }
    }
    for (int i = 1; i < S::kCount; ++i) value[i] += step[i];
  }
}

template <ShadingMode Mode, bool Textured>
void drawFace(const Ink& ink, const Scene& scene, int face, const WalkCamera& camera) {
  using S = Slots<Mode, Textured>;
  constexpr int N = S::kCount;
  const Face& f = scene.FaceTable[static_cast<std::size_t>(face)];
  const FaceShading& shading = scene.FaceShadingTable[static_cast<std::size_t>(face)];

  Corner<N> c[3];
  for (int k = 0; k < 3; ++k) {
    const FaceCorner& p = f.corners[k];
    const WalkPoint w = projectWalkCorner(camera, p);
    c[k].q[0] = truncCoordinate(w.column);
    c[k].row = truncCoordinate(w.row);
    c[k].q[S::kDepth] = toFixed(truncCoordinate(w.depth));
    c[k].q[S::kZ] = toFixed(truncCoordinate(p.z));
    if constexpr (Mode == ShadingMode::Gouraud) c[k].q[S::kLight] = toFixed(shading.light[k]);
    if constexpr (Mode == ShadingMode::Phong) {
      for (int axis = 0; axis < 3; ++axis) {
        c[k].q[S::kLight + axis] = toFixed(
            static_cast<std::int32_t>(static_cast<std::uint32_t>(shading.normals[k][axis]) + 100u));
      }
    }
    if constexpr (Textured) {
      c[k].q[S::kU] = toFixed(truncCoordinate(p.u));
      c[k].q[S::kV] = toFixed(truncCoordinate(p.v));
    }
  }
  // Sorted by row with three exchanges, each only when the first row is larger.
  if (c[0].row > c[1].row) std::swap(c[0], c[1]);
  if (c[0].row > c[2].row) std::swap(c[0], c[2]);
  if (c[1].row > c[2].row) std::swap(c[1], c[2]);
  const Corner<N>& top = c[0];
  const Corner<N>& middle = c[1];
  const Corner<N>& bottom = c[2];

  const int from = std::max(top.row, 0);
  const int to = std::min(bottom.row, ink.height);
  if (from > to) return;
  Edge<N> long_edge;
  long_edge.start(top, bottom, std::int64_t{from} - top.row);
  int y = from;
  const std::int64_t above_middle_end = std::min<std::int64_t>(std::int64_t{middle.row} - 1, to);
  if (y <= above_middle_end) {
    Edge<N> upper;
    upper.start(top, middle, std::int64_t{y} - top.row);
    for (; y <= above_middle_end; ++y) {
      drawSpan<Mode, Textured>(ink, y, upper.values(), long_edge.values());
      upper.advance();
      long_edge.advance();
    }
  }
  if (y <= to) {
    // From the middle row on the short edge starts at the middle corner itself.
    Edge<N> lower;
    lower.start(middle, bottom, std::int64_t{y} - middle.row);
    for (; y <= to; ++y) {
      drawSpan<Mode, Textured>(ink, y, lower.values(), long_edge.values());
      lower.advance();
      long_edge.advance();
    }
  }
}

template <ShadingMode Mode>
void drawFaceIn(const Ink& ink, const Scene& scene, int face, const WalkCamera& camera) {
  if (ink.texture != nullptr) {
    drawFace<Mode, true>(ink, scene, face, camera);
  } else {
    drawFace<Mode, false>(ink, scene, face, camera);
  }
}

}  // namespace

WalkPoint projectWalkCorner(const WalkCamera& camera, const FaceCorner& corner) {
  double d = static_cast<double>(camera.distance) - corner.z;
  if (d < 1) d = 1;
  const double f = camera.focal;
  return {corner.x * f / d + camera.sx, corner.y * f / d + camera.sy, corner.z * f / d};
}

void rasteriseWalkFace(const Scene& scene, int face, const WalkRasterContext& context,
                       FrameBuffers& frame) {
  const Face& f = scene.face(face);
  assert(scene.FaceShadingTable.size() == scene.FaceTable.size());
  assert(context.camera.width >= 0 && context.camera.width < kBitmapSize);
  assert(context.camera.height >= 0 && context.camera.height < kBitmapSize);
  Ink ink{};
  ink.frame = &frame;
  ink.colour = Rgb{f.red, f.green, f.blue};
  ink.flat_light = scene.FaceShadingTable[static_cast<std::size_t>(face)].light[0];
  if (f.ReflectionLevel <= 3) {
    ink.shading =
        context.light.ShadeTable.data() + std::size_t{f.ReflectionLevel} * kShadeLevelSize;
  }
  if (f.material != 0) {
    const Texture& texture = context.textures.texture(f.material);  // throws outside 1..100
    if (texture.width <= 0 || texture.height <= 0) {
      throw RangeError("material " + std::to_string(f.material) + " has no texture picture");
    }
    ink.texture = &texture;
  }
  ink.light = context.light.LightPosition;
  if (context.mode == ShadingMode::Phong) ink.lights = &VectorAngleLights::instance();
  ink.width = context.camera.width;
  ink.height = context.camera.height;
  ink.z_limit =
      static_cast<std::int64_t>(std::ceil(static_cast<double>(context.camera.distance) * 128));

  switch (context.mode) {
    case ShadingMode::Flat:
      drawFaceIn<ShadingMode::Flat>(ink, scene, face, context.camera);
      break;
    case ShadingMode::Gouraud:
      drawFaceIn<ShadingMode::Gouraud>(ink, scene, face, context.camera);
      break;
    case ShadingMode::Phong:
      drawFaceIn<ShadingMode::Phong>(ink, scene, face, context.camera);
      break;
  }
}

}  // namespace facetry
