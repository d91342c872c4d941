// exchange/mesh_export.cpp: the pieces the mesh writers share.
#include "exchange/mesh_export.h"

#include <cstdio>

#include "scene/file_io.h"

namespace facetry {

int closedExportFaces(const Scene& scene) {
  return scene.ObjectCount > 0
             ? scene.ObjectTable[static_cast<std::size_t>(scene.ObjectCount - 1)].last + 1
             : 0;
}

std::string colourName(Rgb c) {
  char text[16];
  std::snprintf(text, sizeof text, "colour_%02X%02X%02X", c.red, c.green, c.blue);
  return text;
}

std::string exportObjectName(const ModelObject& o, int k) {
  std::string name = o.name.str();
  for (char& c : name) {
    if (c == '\n' || c == '\r') c = ' ';
  }
  return name.empty() ? "Object_" + std::to_string(k) : name;
}

void writeWholeFile(const std::string& path, const std::string& bytes) {
  AtomicFileWriter out(path);
  out.write(bytes.data(), bytes.size());
  out.commit();
}

FloatTexts::FloatTexts() : entries_(std::size_t{1} << kLog) {
  // Every entry starts as the text of the float with all bits set (a NaN), so none is wrong.
  for (Entry& e : entries_) fill(e, 0xFFFFFFFF, std::bit_cast<float>(0xFFFFFFFFu));
}

void FloatTexts::fill(Entry& e, std::uint32_t bits, float value) {
  const auto result = std::to_chars(e.text, e.text + sizeof e.text, value);
  e.length = static_cast<std::uint8_t>(result.ptr - e.text);
  e.bits = bits;
}

namespace {

struct PositionBits {
  std::uint32_t x, y, z;
  explicit PositionBits(const Point3& p)
      : x(std::bit_cast<std::uint32_t>(p.x)),
        y(std::bit_cast<std::uint32_t>(p.y)),
        z(std::bit_cast<std::uint32_t>(p.z)) {}
  bool operator==(const PositionBits&) const = default;
  // Multiplicative mixing of the three words; the high bits are the best mixed.
  std::uint32_t hash() const {
    const std::uint64_t h =
        (x * 0x9E3779B97F4A7C15ull) ^ (y * 0xC2B2AE3D27D4EB4Full) ^ (z * 0x165667B19E3779F9ull);
    return static_cast<std::uint32_t>((h ^ (h >> 29)) >> 32);
  }
};

}  // namespace

void SharedCorners::collect(const Scene& scene, const ExportAxes& axes, int first, int last) {
  positions.clear();
  corners.clear();
  // Only the slots the last run filled are emptied: objects are small, the table is not.
  for (std::uint32_t slot : filled_) slots_[slot] = 0;
  filled_.clear();
  if (last < first) return;
  const std::size_t count = 3 * static_cast<std::size_t>(last - first + 1);
  // At most half full, so probes stay short.
  std::size_t size = 16;
  while (size < 2 * count) size *= 2;
  if (slots_.size() < size) slots_.assign(size, 0);
  const std::size_t mask = size - 1;
  corners.reserve(count);
  scene.face(last);  // checks the range once; the faces are contiguous
  const Face* faces = &scene.face(first);
  for (std::size_t i = 0; i < count / 3; ++i) {
    const Face& f = faces[i];
    for (int c : kFileCornerOrder) {
      const Point3 p = axes.of(f.corners[c]);
      const PositionBits bits(p);
      std::size_t slot = bits.hash() & mask;
      while (slots_[slot] != 0 && PositionBits(positions[slots_[slot] - 1]) != bits) {
        slot = (slot + 1) & mask;
      }
      if (slots_[slot] == 0) {
        positions.push_back(p);
        slots_[slot] = static_cast<std::uint32_t>(positions.size());
        filled_.push_back(static_cast<std::uint32_t>(slot));
      }
      corners.push_back(slots_[slot] - 1);
    }
  }
}

}  // namespace facetry
