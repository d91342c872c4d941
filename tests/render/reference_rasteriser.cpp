// render/reference_rasteriser.cpp: see the header. Every quantity is a whole number held in
// a 128-bit integer, so no intermediate can overflow; a value is wrapped to 32 bits only where
// the rasteriser keeps it in 32 bits (the fixed-point corner values and each pixel's values).
#include "render/reference_rasteriser.h"

#include <cstdint>
#include <string>
#include <utility>

#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry::testing {

namespace {

__extension__ typedef __int128 Wide;

std::int32_t wrap32(Wide value) {
  return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// q1 + (q2 - q1) * (y - row1) div (row2 - row1); the division truncates toward zero and a
// zero divisor counts as 1.
Wide along(Wide q1, Wide q2, Wide y, Wide row1, Wide row2) {
  Wide divisor = row2 - row1;
  if (divisor == 0) divisor = 1;
  return q1 + (q2 - q1) * (y - row1) / divisor;
}

// One corner after projection, and its values after truncation.
struct RefCorner {
  Point3 view;  // column, row, depth
  float u, v;
  int gouraud;
  std::int32_t normal[3];
  // Truncated: column and row whole, the rest in 1/128 units.
  Wide column, row;
  Wide values[7];  // depth, u, v, Gouraud, normal x, y, z
};

}  // namespace

void referenceRasteriseFace(Scene& scene, int face_index, int view, ShadingMode mode, bool bake,
                            const RasterContext& context, FrameBuffers& frame) {
  Face& face = scene.face(face_index);
  FaceShading& shading = scene.FaceShadingTable[static_cast<std::size_t>(face_index)];
  const Lighting& light = context.light;
  const Point3 lamp = light.LightPosition;

  const Texture* texture = nullptr;
  if (face.material != 0) {
    texture = &context.textures.texture(face.material);
    if (texture->width <= 0 || texture->height <= 0) texture = nullptr;  // its own colour
  }

  // Steps 1 and 2: light angle and colour.
  int t = 90;
  if (mode == ShadingMode::Flat) {
    const Point3 a = face.corners[0].point();
    const Point3 b = face.corners[1].point();
    const Point3 c = face.corners[2].point();
    t = truncToInt((faceLightAngle(lamp, a, b, c) + faceLightAngle(lamp, b, c, a) +
                    faceLightAngle(lamp, c, a, b)) /
                   3);
    if (t < 0 || t > 180) throw RangeError("light angle");
  }
  const int level = face.ReflectionLevel;
  Rgb colour{face.red, face.green, face.blue};
  if (mode == ShadingMode::Flat && level <= 3) {
    colour = {light.shade(level, t, colour.red), light.shade(level, t, colour.green),
              light.shade(level, t, colour.blue)};
  }

  // Step 3: bake.
  if (bake) {
    face.red = colour.red;
    face.green = colour.green;
    face.blue = colour.blue;
    if (mode == ShadingMode::Flat) shading.light[0] = static_cast<std::uint8_t>(t);
  }

  // Step 4: project and sort by row.
  RefCorner corner[3];
  for (int i = 0; i < 3; ++i) {
    const FaceCorner& c = face.corners[i];
    if (view == 1) corner[i].view = {c.x, c.y, c.z};
    if (view == 2) corner[i].view = {c.x, c.z, -c.y};
    if (view == 3) corner[i].view = {c.z, c.y, c.x};
    corner[i].u = c.u;
    corner[i].v = c.v;
    corner[i].gouraud = shading.light[i];
    for (int a = 0; a < 3; ++a) corner[i].normal[a] = shading.normals[i][a];
  }
  if (corner[0].view.y > corner[1].view.y) std::swap(corner[0], corner[1]);
  if (corner[0].view.y > corner[2].view.y) std::swap(corner[0], corner[2]);
  if (corner[1].view.y > corner[2].view.y) std::swap(corner[1], corner[2]);

  // Step 5: truncate, then 7 fraction bits (32-bit values).
  for (RefCorner& c : corner) {
    c.column = truncToInt(c.view.x);
    c.row = truncToInt(c.view.y);
    c.values[0] = wrap32(Wide{truncToInt(c.view.z)} * 128);
    if (texture != nullptr) {
      c.values[1] = wrap32(Wide{truncToInt(c.u)} * 128);
      c.values[2] = wrap32(Wide{truncToInt(c.v)} * 128);
    } else {
      c.values[1] = c.values[2] = 0;
    }
    c.values[3] = wrap32(Wide{c.gouraud} * 128);
    for (int a = 0; a < 3; ++a) c.values[4 + a] = wrap32((Wide{c.normal[a]} + 100) * 128);
  }
  const RefCorner& top = corner[0];
  const RefCorner& middle = corner[1];
  const RefCorner& bottom = corner[2];

  // Step 6: rows.
  if (top.row > 814 || bottom.row < 0) return;
  const Wide first_row = top.row < 0 ? 0 : top.row;
  const Wide last_row = bottom.row > 815 ? 815 : bottom.row;
  for (Wide y = first_row; y <= last_row; ++y) {
    Wide short_column, long_column, short_values[7], long_values[7];
    long_column = along(top.column, bottom.column, y, top.row, bottom.row);
    for (int q = 0; q < 7; ++q) {
      long_values[q] = along(top.values[q], bottom.values[q], y, top.row, bottom.row);
    }
    if (y < middle.row) {
      short_column = along(top.column, middle.column, y, top.row, middle.row);
      for (int q = 0; q < 7; ++q) {
        short_values[q] = along(top.values[q], middle.values[q], y, top.row, middle.row);
      }
    } else if (y > middle.row) {
      short_column = along(middle.column, bottom.column, y, middle.row, bottom.row);
      for (int q = 0; q < 7; ++q) {
        short_values[q] = along(middle.values[q], bottom.values[q], y, middle.row, bottom.row);
      }
    } else {
      short_column = middle.column;
      for (int q = 0; q < 7; ++q) short_values[q] = middle.values[q];
    }
    // The left end is the short edge's unless the long edge's column is smaller.
    Wide left_column = short_column, right_column = long_column;
    Wide left[7], right[7];
    for (int q = 0; q < 7; ++q) {
      left[q] = short_values[q];
      right[q] = long_values[q];
    }
    if (long_column < short_column) {
      std::swap(left_column, right_column);
      for (int q = 0; q < 7; ++q) std::swap(left[q], right[q]);
    }

    // Step 7: span.
    if (left_column > 815 || right_column < 0) continue;
    const Wide first = left_column < 0 ? 0 : left_column;
    const Wide last = right_column > 815 ? 815 : right_column;
    Wide width = right_column - left_column;
    if (width == 0) width = 1;
    Wide step[7], value[7];
    for (int q = 0; q < 7; ++q) {
      step[q] = (right[q] - left[q]) / width;
      value[q] = left[q] + step[q] * (first - left_column - 1);
    }
    for (Wide x = first; x <= last; ++x) {
      for (int q = 0; q < 7; ++q) value[q] += step[q];
      const std::int32_t depth = wrap32(value[0]);
      const std::int32_t u = wrap32(value[1]);
      const std::int32_t v = wrap32(value[2]);
      const std::int32_t gouraud = wrap32(value[3]);
      const std::int32_t normal[3] = {wrap32(value[4]), wrap32(value[5]), wrap32(value[6])};
      const int column = static_cast<int>(x);
      const int row = static_cast<int>(y);

      // Step 8: light angle of the pixel.
      int pixel_t = t;
      if (mode == ShadingMode::Gouraud) {
        long long g = static_cast<std::uint32_t>(gouraud) >> 7;
        if (g > 180) g = 360 - g;
        if (g < 0 || g > 180) throw RangeError("light angle");
        pixel_t = static_cast<int>(g);
      }
      if (mode == ShadingMode::Phong) {
        const Point3 n{static_cast<float>((normal[0] >> 7) - 100),
                       static_cast<float>((normal[1] >> 7) - 100),
                       static_cast<float>((normal[2] >> 7) - 100)};
        const Point3 point{static_cast<float>(column), static_cast<float>(row),
                           static_cast<float>(depth / 128)};
        const Point3 to_light{lamp.x - point.x, lamp.y - point.y, lamp.z - point.z};
        pixel_t = 180 - truncToInt(vectorAngle(n, to_light));
      }

      // Step 9: depth test.
      if (!(frame.depth(row, column) < depth)) continue;
      frame.depth(row, column) = depth;

      // Step 10: colour.
      Rgb out = colour;
      if (texture != nullptr) {
        const auto texel_column = static_cast<std::uint32_t>(u) >> 7;
        const auto texel_row = static_cast<std::uint32_t>(v) >> 7;
        out = texture->texel(
            static_cast<int>(texel_column % static_cast<std::uint32_t>(texture->width)),
            static_cast<int>(texel_row % static_cast<std::uint32_t>(texture->height)));
        if (level <= 3) {
          out = {light.shade(level, pixel_t, out.red), light.shade(level, pixel_t, out.green),
                 light.shade(level, pixel_t, out.blue)};
        }
      } else {
        if (mode != ShadingMode::Flat && level <= 3) {
          out = {light.shade(level, pixel_t, colour.red), light.shade(level, pixel_t, colour.green),
                 light.shade(level, pixel_t, colour.blue)};
        }
        if (context.poly_lines && (x == first || x == last || y == first_row || y == last_row)) {
          out = {0, 0, 0};
        }
      }
      std::uint8_t* pixel = frame.ViewBitmap.row(row) + 3 * column;
      pixel[0] = out.blue;
      pixel[1] = out.green;
      pixel[2] = out.red;
    }
  }
}

}  // namespace facetry::testing
