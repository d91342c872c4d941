// scene/records.h: the fixed-layout records of the scene. Their bytes are the file format:
// faces, objects and surfaces are written and read as raw little-endian blocks, so every
// size and offset below is pinned.
#pragma once
#include <bit>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <type_traits>

namespace facetry {

static_assert(std::endian::native == std::endian::little,
              "model records are stored in little-endian byte order");

// A Pascal-style string: a length byte, then up to N bytes. Bytes past the length are kept
// as they are (files carry them through unchanged).
template <std::size_t N>
struct ShortString {
  std::uint8_t length = 0;
  char chars[N] = {};

  std::string str() const {
    std::size_t n = length <= N ? length : N;
    return std::string(chars, n);
  }
  // Stores at most N bytes of `text`; a UTF-8 sequence is never cut in half.
  void assign(std::string_view text) {
    std::size_t n = text.size() <= N ? text.size() : N;
    if (n < text.size()) {
      while (n > 0 && (static_cast<unsigned char>(text[n]) & 0xC0) == 0x80) --n;
    }
    for (std::size_t i = 0; i < n; ++i) chars[i] = text[i];
    length = static_cast<std::uint8_t>(n);
  }
  bool empty() const { return length == 0; }
};

struct Point3 {
  float x = 0, y = 0, z = 0;
};

// One corner ("point") of a face; also the layout of a surface control point.
struct FaceCorner {
  float x = 0, y = 0, z = 0;
  float u = 0, v = 0;  // texture coordinates in texels
  std::uint8_t selected = 0;
  std::uint8_t spare[3] = {};  // no meaning; copied along with the corner

  Point3 point() const { return {x, y, z}; }
  void setPoint(const Point3& p) {
    x = p.x;
    y = p.y;
    z = p.z;
  }
};

struct Rgb {
  std::uint8_t red = 0, green = 0, blue = 0;
  friend bool operator==(const Rgb&, const Rgb&) = default;
};

// The only geometry: a triangle with its own three corners (no shared vertex list).
// Its normal is (corner1 - corner0) x (corner2 - corner0).
struct Face {
  FaceCorner corners[3];
  std::uint8_t red = 0, green = 0, blue = 0;
  std::uint8_t spare75 = 0;
  std::int32_t object = 0;  // index of the ModelObject whose range holds this face
  std::uint8_t selected = 0;
  std::uint8_t smooth = 0;  // 1: takes part in corner-normal smoothing (addFace sets it)
  std::uint8_t spare82[2] = {};
  std::int32_t material = 0;         // 0 = none, n >= 1 = MaterialList entry n
  std::uint8_t ReflectionLevel = 0;  // 0 Max, 1 Normal, 2 Little, 3 Min, 4 None
  std::uint8_t spare89[3] = {};
};

// A named, contiguous range of faces with cached bounds.
struct ModelObject {
  std::int32_t first = 0;
  std::int32_t last = 0;  // inclusive; last < first means no faces
  std::uint8_t selected = 0;
  std::uint8_t spare9[3] = {};
  float min[3] = {};
  float max[3] = {};
  float centre[3] = {};
  std::uint8_t reserved[12] = {};  // carried through updates and files, never read
  ShortString<20> name;
  std::uint8_t spare81[3] = {};
};

// Derived per-face shading data; never saved.
struct FaceShading {
  std::uint8_t light[3] = {};  // corner light values 0..180
  std::uint8_t spare3 = 0;
  std::int32_t normals[3][3] = {};  // corner normals, truncated toward zero
};

constexpr int kMaxSurfacePoints = 41;

// A free curve's control net: 41 points and a count.
struct NurbSurface {
  FaceCorner points[kMaxSurfacePoints];
  std::int32_t count = 0;  // 0..41
};

using MaterialEntry = ShortString<254>;

static_assert(std::is_standard_layout_v<FaceCorner> && sizeof(FaceCorner) == 24);
static_assert(offsetof(FaceCorner, u) == 12 && offsetof(FaceCorner, selected) == 20);
static_assert(std::is_standard_layout_v<Face> && sizeof(Face) == 92);
static_assert(offsetof(Face, red) == 72 && offsetof(Face, object) == 76);
static_assert(offsetof(Face, selected) == 80 && offsetof(Face, smooth) == 81);
static_assert(offsetof(Face, material) == 84 && offsetof(Face, ReflectionLevel) == 88);
static_assert(std::is_standard_layout_v<ModelObject> && sizeof(ModelObject) == 84);
static_assert(offsetof(ModelObject, selected) == 8 && offsetof(ModelObject, min) == 12);
static_assert(offsetof(ModelObject, max) == 24 && offsetof(ModelObject, centre) == 36);
static_assert(offsetof(ModelObject, reserved) == 48 && offsetof(ModelObject, name) == 60);
static_assert(std::is_standard_layout_v<FaceShading> && sizeof(FaceShading) == 40);
static_assert(offsetof(FaceShading, normals) == 4);
static_assert(std::is_standard_layout_v<NurbSurface> && sizeof(NurbSurface) == 988);
static_assert(offsetof(NurbSurface, count) == 984);
static_assert(sizeof(MaterialEntry) == 255 && sizeof(ShortString<20>) == 21);
static_assert(std::is_trivially_copyable_v<Face> && std::is_trivially_copyable_v<ModelObject>);

}  // namespace facetry
