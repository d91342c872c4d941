// exchange/mesh_export.h: what the OBJ, STL, PLY and glTF writers share: the axes of the
// files, the corner order, object and colour names, number formatting, the vertices an
// object's faces share, and the one write of a finished file. Internal to the exchange
// library.
#pragma once
#include <bit>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <string>
#include <vector>

#include "scene/scene.h"

namespace facetry {

static_assert(std::endian::native == std::endian::little,
              "the binary mesh formats are written as the machine holds its numbers");

// The axes the reader takes: X = x - Rx, Y = Ry - y, Z = z - Rz about the centre point.
struct ExportAxes {
  Point3 centre;
  Point3 of(const FaceCorner& c) const { return {c.x - centre.x, centre.y - c.y, c.z - centre.z}; }
};

// Corner order on the file: 0, 2, 1.
constexpr int kFileCornerOrder[3] = {0, 2, 1};

// Faces 0..closedExportFaces-1 belong to closed objects; the open object's are not written.
int closedExportFaces(const Scene& scene);

inline Rgb colourOf(const Face& f) {
  return {f.red, f.green, f.blue};
}
inline bool sameColour(Rgb a, Rgb b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue;
}

// "colour_RRGGBB", the material name of a face colour.
std::string colourName(Rgb c);

// The object's name with line breaks made blanks, "Object_K" for an unnamed one.
std::string exportObjectName(const ModelObject& o, int k);

// The shortest text that reads back as exactly `value`.
inline void appendFloat(std::string& out, float value) {
  char text[24];
  out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}
inline void appendInt(std::string& out, long long value) {
  char text[24];
  out.append(text, std::to_chars(text, text + sizeof text, value).ptr);
}

// The shortest texts of recently written floats, since models repeat their coordinates
// (rings, grids, flat sides) and the formatting is the dearest part of a text export.
class FloatTexts {
 public:
  FloatTexts();
  // Writes the text appendFloat gives at `out` (16 bytes of room); returns its end.
  char* put(char* out, float value) {
    const std::uint32_t bits = std::bit_cast<std::uint32_t>(value);
    Entry& e = entries_[(bits * 0x9E3779B1u) >> (32 - kLog)];
    if (e.bits != bits) fill(e, bits, value);
    std::memcpy(out, e.text, sizeof e.text);
    return out + e.length;
  }

 private:
  static constexpr int kLog = 12;
  struct Entry {
    std::uint32_t bits;
    std::uint8_t length;
    char text[16];  // at most a sign, 9 digits, the point and "e-38"
  };
  static void fill(Entry& e, std::uint32_t bits, float value);
  std::vector<Entry> entries_;
};

template <typename T>
void appendBytes(std::string& out, const T& value) {
  out.append(reinterpret_cast<const char*>(&value), sizeof value);
}

// Replaces `path` with `bytes` once they are all written; throws IoError.
void writeWholeFile(const std::string& path, const std::string& bytes);

// The distinct corner positions of a run of faces, on the file's axes. Positions are
// shared only when their three coordinates are the same floats bit for bit (so 0 and -0
// stay apart), which keeps every corner exactly where it was.
class SharedCorners {
 public:
  // Faces first..last (none when last < first); corners taken in file order.
  void collect(const Scene& scene, const ExportAxes& axes, int first, int last);

  std::vector<Point3> positions;       // in the order of first use
  std::vector<std::uint32_t> corners;  // per face three indices into positions

 private:
  std::vector<std::uint32_t> slots_;  // open addressing: position index + 1, 0 empty
  std::vector<std::uint32_t> filled_;
};

}  // namespace facetry
