// exchange/three_ds_writer.cpp: writing the scene as a 3DS chunk tree.
//
// The file is built in memory: each chunk is opened with length 0 and its length patched
// once its contents are complete, then the whole file goes to disk in one write.
#include "exchange/three_ds_writer.h"

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "exchange/writer_shift.h"
#include "scene/file_io.h"

namespace facetry {

namespace {

constexpr std::size_t kMaxNameChars = 9;

class ChunkBuffer {
 public:
  void u16(std::uint16_t v) { append(&v, 2); }
  void u32(std::uint32_t v) { append(&v, 4); }
  void f32(float v) { append(&v, 4); }
  void text(const std::string& s) { append(s.data(), s.size()); }
  void zero() { bytes_.push_back('\0'); }

  // Starts a chunk; returns its offset for `close`.
  std::size_t open(std::uint16_t id) {
    const std::size_t start = bytes_.size();
    u16(id);
    u32(0);
    return start;
  }
  void close(std::size_t start) {
    const auto length = static_cast<std::uint32_t>(bytes_.size() - start);
    std::memcpy(bytes_.data() + start + 2, &length, 4);
  }
  void reserve(std::size_t n) { bytes_.reserve(n); }
  const std::string& bytes() const { return bytes_; }

 private:
  void append(const void* p, std::size_t n) { bytes_.append(static_cast<const char*>(p), n); }
  std::string bytes_;
};

}  // namespace

std::string threeDsName(const std::string& name, int index, int part) {
  std::string written = name;
  if (written.empty()) written.append("Obj_").append(std::to_string(index));
  std::replace(written.begin(), written.end(), ' ', '_');
  if (part <= 1) return written.substr(0, kMaxNameChars);
  // note: built by append, not "_" + ..., which g++ 12 at -O3 warns about wrongly.
  std::string suffix(1, '_');
  suffix.append(std::to_string(part));
  const std::size_t keep = kMaxNameChars > suffix.size() ? kMaxNameChars - suffix.size() : 0;
  return (written.substr(0, keep) + suffix).substr(0, kMaxNameChars);
}

void write3ds(const Scene& scene, const ViewState& views, const std::string& path) {
  const WriterShift shift = writerShift(scene);
  const double ry = views.CentrePoint.y;
  const double rz = views.CentrePoint.z;
  ChunkBuffer out;
  out.reserve(64 + static_cast<std::size_t>(scene.FaceCount) * 44 +
              static_cast<std::size_t>(scene.ObjectCount) * 40);
  const std::size_t main = out.open(0x4D4D);
  const std::size_t editor = out.open(0x3D3D);
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    const int faces = std::max(0, o.last - o.first + 1);
    // An object without faces is still written, as an empty mesh.
    for (int part = 1, first = o.first; part == 1 || first <= o.last; ++part) {
      const int n = std::min(faces - (first - o.first), k3dsMaxMeshFaces);
      const std::size_t object = out.open(0x4000);
      out.text(threeDsName(o.name.str(), k, part));
      out.zero();
      const std::size_t mesh = out.open(0x4100);
      const std::size_t vertices = out.open(0x4110);
      out.u16(static_cast<std::uint16_t>(3 * n));
      for (int i = first; i < first + n; ++i) {
        for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
          out.f32(static_cast<float>(static_cast<double>(c.x) - shift.min_x));
          out.f32(static_cast<float>(rz - c.z));
          out.f32(static_cast<float>(ry - (static_cast<double>(c.y) - shift.min_y)));
        }
      }
      out.close(vertices);
      const std::size_t face_list = out.open(0x4120);
      out.u16(static_cast<std::uint16_t>(n));
      for (int f = 0; f < n; ++f) {
        out.u16(static_cast<std::uint16_t>(3 * f));
        out.u16(static_cast<std::uint16_t>(3 * f + 1));
        out.u16(static_cast<std::uint16_t>(3 * f + 2));
        out.u16(7);
      }
      out.close(face_list);
      out.close(mesh);
      out.close(object);
      first += n;
      if (n == 0) break;
    }
  }
  out.close(editor);
  out.close(main);
  AtomicFileWriter file(path);
  file.write(out.bytes().data(), out.bytes().size());
  file.commit();
}

}  // namespace facetry
