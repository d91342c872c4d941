// exchange/three_ds_reader.cpp: reading 3DS chunk trees.
//
// Reads: named objects (0x4000) with their triangle meshes (0x4100: vertex list 0x4110,
// face list 0x4120), lights (0x4600, position only) and colour chunks (0x0010) directly in
// the main or editor chunk. After the editor chunk, named objects that follow it in the
// main chunk are read too, up to the keyframer.
// Skips: everything else by its length, among it materials (0xAFFF), cameras (0x4700),
// mapping and smoothing data, the face list's sub-chunks and the keyframer (0xB000).
// The walk only moves forward, so the file is streamed.
#include "exchange/three_ds_reader.h"

#include <algorithm>
#include <bit>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <memory>
#include <optional>
#include <vector>

#include "exchange/import_support.h"
#include "files/byte_reader.h"
#include "scene/errors.h"

namespace facetry {

namespace {

constexpr std::uint16_t kMain = 0x4D4D, kEditor = 0x3D3D, kObject = 0x4000, kMesh = 0x4100,
                        kVertices = 0x4110, kFaces = 0x4120, kLight = 0x4600, kColour = 0x0010,
                        kKeyframer = 0xB000;

constexpr std::size_t kReadWholeBytes = std::size_t{64} << 20;

std::string hexId(std::uint16_t id) {
  char text[8];
  std::snprintf(text, sizeof text, "0x%04X", id);
  return text;
}

struct Chunk {
  std::uint16_t id = 0;
  std::size_t start = 0;  // offset of the header
  std::size_t end = 0;    // offset after the chunk, never past what holds it
};

class ThreeDsImport {
 public:
  ThreeDsImport(Scene& scene, Host& host, const ViewState& views, Point3& light, ByteReader& in)
      : scene_(scene), host_(host), views_(views), light_(light), in_(in) {}

  void run() {
    if (in_.size() < 6) throw FormatError(in_.name() + ": too short to be a 3DS file");
    const std::uint16_t id = in_.readUint16("main chunk id");
    const auto length = static_cast<std::uint32_t>(in_.readInt32("main chunk length"));
    if (id != kMain) {
      throw FormatError(in_.name() + ": not a 3DS file (it starts with chunk " + hexId(id) +
                        ", not 0x4D4D)");
    }
    // Bytes behind the main chunk are not part of it. A main chunk shorter than its header
    // (a writer that never patched it) is taken as the whole file; one longer than the file
    // means the file was cut short, which matters unless the cut lies in the keyframer.
    const std::size_t end = length >= 6 && length <= in_.size() ? length : in_.size();
    const bool cut_short = length > in_.size();
    bool editor_open = false;  // named objects after the editor chunk still count
    Chunk chunk;
    while (readHeader(end, chunk)) {
      if (chunk.id == kColour) {
        makeRed();
      } else if (chunk.id == kEditor) {
        editor_open = !readEditor(chunk);
      } else if (chunk.id == kObject && editor_open) {
        readObject(chunk);
      } else if (chunk.id == kKeyframer) {
        editor_open = false;
        keyframer_seen_ = true;
      }
      skipTo(chunk.end);
    }
    if (cut_short) {
      noteDamage("chunk 0x4D4D claims " + std::to_string(length) +
                 " bytes at offset 0; the file has " + std::to_string(in_.size()));
    }
  }

  const std::string& damage() const { return damage_; }

 private:
  // Reads the header of the next chunk inside a container ending at `limit`; false when
  // fewer than 6 bytes are left there or the chunk is shorter than its header. A chunk
  // longer than its container is cut to it (and noted as damage).
  bool readHeader(std::size_t limit, Chunk& chunk) {
    if (in_.offset() + 6 > limit) return false;
    chunk.start = in_.offset();
    chunk.id = in_.readUint16("chunk id");
    const auto length = static_cast<std::uint32_t>(in_.readInt32("chunk length"));
    if (length < 6) {
      noteDamage("chunk " + hexId(chunk.id) + " at offset " + std::to_string(chunk.start) +
                 " has length " + std::to_string(length) + "; a chunk holds at least its header");
      return false;
    }
    chunk.end = chunk.start + length;
    if (chunk.end > limit) {
      noteDamage("chunk " + hexId(chunk.id) + " claims " + std::to_string(length) +
                 " bytes at offset " + std::to_string(chunk.start) +
                 (limit == in_.size() ? "; the file has " + std::to_string(in_.size())
                                      : "; what holds it ends at offset " + std::to_string(limit)));
      chunk.end = limit;
    }
    return true;
  }

  void skipTo(std::size_t offset) {
    if (offset > in_.offset()) in_.skip(offset - in_.offset(), "chunk");
  }

  // The first damage met before the keyframer is reported once the reading is over.
  void noteDamage(const std::string& what) {
    if (damage_.empty() && !keyframer_seen_) damage_ = what;
  }

  void makeRed() { scene_.CurrentColour = {255, 0, 0}; }

  // True when the keyframer chunk ended the editor data.
  bool readEditor(const Chunk& editor) {
    Chunk chunk;
    while (readHeader(editor.end, chunk)) {
      if (chunk.id == kKeyframer) {
        keyframer_seen_ = true;
        return true;
      }
      if (chunk.id == kColour) {
        makeRed();
      } else if (chunk.id == kObject) {
        readObject(chunk);
      }
      skipTo(chunk.end);
    }
    return false;
  }

  void readObject(const Chunk& object) {
    std::string name;
    bool terminated = false;
    char c = 0;
    while (!terminated && in_.offset() < object.end && in_.tryRead(c)) {
      terminated = c == '\0';
      if (!terminated) name.push_back(c);
    }
    if (!terminated) {
      noteDamage("the name of object chunk at offset " + std::to_string(object.start) +
                 " is not terminated");
      return;
    }
    scene_.ObjectNameBuffer.assign(name);
    Chunk chunk;
    while (readHeader(object.end, chunk) && chunk.id > kObject && chunk.id <= 0x4FFF) {
      if (chunk.id == kMesh) {
        readMesh(chunk);
        closeImported(scene_, host_);
      } else if (chunk.id == kLight) {
        readLight(chunk);
      }
      skipTo(chunk.end);
    }
  }

  void readLight(const Chunk& light) {
    float p[3];
    if (light.end - in_.offset() < sizeof p) {
      noteDamage("light chunk at offset " + std::to_string(light.start) + " is too short");
      return;
    }
    in_.read(p, sizeof p, "light position");
    if (!std::isfinite(p[0]) || !std::isfinite(p[1]) || !std::isfinite(p[2])) return;
    light_ = {std::trunc(p[0] / 10), std::trunc(p[1] / 10), std::trunc(p[2] / 10)};
  }

  void readMesh(const Chunk& mesh) {
    vertex_count_ = 0;
    Chunk chunk;
    while (readHeader(mesh.end, chunk) && chunk.id > kMesh && chunk.id <= 0x41FF) {
      if (chunk.id == kVertices) {
        readVertices(chunk);
      } else if (chunk.id == kFaces) {
        readFaces(chunk);
      }
      skipTo(chunk.end);
    }
  }

  // The count of a list and how many of its entries of `entry_bytes` the chunk holds;
  // a list longer than its chunk is damage, its complete entries are still read.
  std::size_t listLength(const Chunk& chunk, std::size_t entry_bytes, const char* what) {
    if (chunk.end - in_.offset() < 2) {
      noteDamage(std::string(what) + " chunk at offset " + std::to_string(chunk.start) +
                 " has no count");
      return 0;
    }
    const std::uint16_t count = in_.readUint16(what);
    const std::size_t room = (chunk.end - in_.offset()) / entry_bytes;
    if (count > room) {
      noteDamage(std::string(what) + " chunk at offset " + std::to_string(chunk.start) + " lists " +
                 std::to_string(count) + " entries; it holds " + std::to_string(room));
      return room;
    }
    return count;
  }

  // Vertices are converted once into corner slots kept from mesh to mesh (only their
  // positions are rewritten). Values of magnitude 1e38 or more (or not numbers) might not
  // stay finite once the centre is added, so a mesh holding any checks each face's corners.
  void readVertices(const Chunk& chunk) {
    const std::size_t n = listLength(chunk, 12, "vertex list");
    raw_floats_.resize(3 * n);
    if (n > 0) in_.read(raw_floats_.data(), 12 * n, "vertex list");
    // On the magnitude bits, so that the loop vectorises; not-a-number bits lie above.
    std::uint32_t largest = 0;
    for (float v : raw_floats_) {
      largest = std::max(largest, std::bit_cast<std::uint32_t>(v) & 0x7FFFFFFFu);
    }
    all_moderate_ = largest < std::bit_cast<std::uint32_t>(1e38f);
    if (vertices_.size() < n) vertices_.resize(n);
    vertex_count_ = n;
    const double ry = views_.CentrePoint.y;
    const double rz = views_.CentrePoint.z;
    for (std::size_t i = 0; i < n; ++i) {
      FaceCorner& v = vertices_[i];
      v.x = raw_floats_[3 * i];
      v.y = static_cast<float>(rz - raw_floats_[3 * i + 2]);
      v.z = static_cast<float>(ry - raw_floats_[3 * i + 1]);
    }
  }

  void readFaces(const Chunk& chunk) {
    const std::size_t n = listLength(chunk, 8, "face list");
    raw_faces_.resize(4 * n);
    if (n > 0) in_.read(raw_faces_.data(), 8 * n, "face list");
    for (std::size_t f = 0; f < n && scene_.FaceCount < kMaxFaces; ++f) {
      const std::uint16_t* entry = &raw_faces_[4 * f];
      if (entry[0] >= vertex_count_ || entry[1] >= vertex_count_ || entry[2] >= vertex_count_) {
        continue;
      }
      const FaceCorner& a = vertices_[entry[0]];
      const FaceCorner& b = vertices_[entry[1]];
      const FaceCorner& c = vertices_[entry[2]];
      if (!all_moderate_ && (!finiteCorner(a) || !finiteCorner(b) || !finiteCorner(c))) continue;
      if (addFace(scene_, host_, a, b, c)) host_.readingCount(scene_.FaceCount);
    }
  }

  Scene& scene_;
  Host& host_;
  const ViewState& views_;
  Point3& light_;
  ByteReader& in_;
  std::vector<FaceCorner> vertices_;  // the current mesh's vertices in model axes
  std::size_t vertex_count_ = 0;      // how many of them the current mesh has
  bool all_moderate_ = true;
  std::vector<float> raw_floats_;
  std::vector<std::uint16_t> raw_faces_;
  bool keyframer_seen_ = false;
  std::string damage_;
};

}  // namespace

void read3ds(Scene& scene, Host& host, const ViewState& views, Point3& light_position,
             const std::string& path) {
  // A file of ordinary size is read whole, so that the many small reads of chunk headers
  // and names cost no library calls; a larger one is streamed.
  ByteReader streamed = ByteReader::open(path, fileNameOf(path));
  std::unique_ptr<char[]> bytes;
  std::optional<ByteReader> whole;
  if (streamed.size() <= kReadWholeBytes) {
    const std::size_t size = streamed.size();
    bytes.reset(new char[size + 1]);
    streamed.read(bytes.get(), size, "the file");
    whole.emplace(std::string_view(bytes.get(), size), streamed.name());
  }
  ByteReader& in = whole ? *whole : streamed;
  NamesUnasked unasked(scene);
  ThreeDsImport import(scene, host, views, light_position, in);
  try {
    import.run();
  } catch (...) {
    closeImported(scene, host);
    throw;
  }
  closeImported(scene, host);
  if (!import.damage().empty()) throw FormatError(in.name() + ": " + import.damage());
}

}  // namespace facetry
