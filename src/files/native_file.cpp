// files/native_file.cpp: writing and reading the native model file.
//
// The reader takes: the material list (entries naming missing files are emptied), faces,
// objects and surfaces. It skips nothing that the writer writes; bytes after the surfaces
// are ignored. Faces and objects are rebuilt through addFace and closeObject, so the table
// invariants hold however the file's ranges and indices were set.
#include "files/native_file.h"

#include <algorithm>
#include <cstring>
#include <filesystem>
#include <string>

#include "files/byte_reader.h"
#include "scene/errors.h"
#include "scene/file_io.h"

namespace facetry {

namespace {

constexpr int kSurfaceBlock = 984;
constexpr int kSurfaceBlockSpare = 980;

bool fileExists(const std::string& path) {
  std::error_code ec;
  return !path.empty() && std::filesystem::exists(path, ec);
}

std::string baseName(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// Ticks the "Don't ask" box of the name dialog for the load and restores it afterwards.
class AskTicked {
 public:
  explicit AskTicked(Scene& scene) : scene_(scene), was_(scene.ask) { scene.ask = true; }
  ~AskTicked() { scene_.ask = was_; }
  AskTicked(const AskTicked&) = delete;
  AskTicked& operator=(const AskTicked&) = delete;

 private:
  Scene& scene_;
  bool was_;
};

class NativeReader {
 public:
  NativeReader(Scene& scene, Host& host, ByteReader& in, TextureStore* textures)
      : scene_(scene), host_(host), in_(in), textures_(textures), base_(scene.FaceCount) {}

  void readMaterials(std::int32_t count) {
    scene_.MaterialCount = count;
    if (count < 2) return;
    for (int i = 1; i <= count - 1 && !in_.atEnd(); ++i) {
      MaterialEntry& entry = scene_.MaterialList[static_cast<std::size_t>(i)];
      if (!in_.tryRead(entry)) {
        endOfFile();
        break;
      }
      const std::string file = entry.str();
      if (!fileExists(file)) {
        entry.length = 0;
      } else if (textures_) {
        textures_->load(i, file);
      }
    }
    // note: the highest entry that can hold a name read from the file is c - 1; with
    // c = 100 that is entry 99, which the search starts from so that it is kept.
    int h = std::min(count, kMaxMaterials - 1);
    while (h > 0 && scene_.MaterialList[static_cast<std::size_t>(h)].empty()) --h;
    scene_.MaterialCount = h + 1;
  }

  void readFaces() {
    std::int32_t count = 0;
    if (ended_ || !in_.tryRead(count)) return endOfFile();
    std::int32_t j = 0;
    // Fast path: the records that fit the table and the file are copied as one block, with
    // exactly the effect of adding them one by one (each is copied whole over its new slot).
    const std::int64_t in_file = static_cast<std::int64_t>(in_.remaining() / sizeof(Face));
    const std::int64_t room = kMaxFaces - 1 - scene_.FaceCount;
    const auto block = static_cast<std::int32_t>(
        std::max<std::int64_t>(0, std::min({static_cast<std::int64_t>(count), in_file, room})));
    if (block > 0) {
      const auto start = static_cast<std::size_t>(scene_.FaceCount);
      const auto slots = start + static_cast<std::size_t>(block) + 1;
      if (scene_.FaceTable.size() < slots) {
        scene_.FaceTable.resize(slots);
        scene_.FaceShadingTable.resize(slots);
      }
      Face* faces = scene_.FaceTable.data() + start;
      in_.read(faces, sizeof(Face) * static_cast<std::size_t>(block), "faces");
      const auto shift = static_cast<std::uint32_t>(scene_.ObjectCount);
      for (; j < block; ++j) {
        Face& f = faces[j];
        if (!faceInBounds(f)) {
          scene_.FaceCount += j;
          faces_read_ += j;
          throwFaceOutOfBounds(f, j);
        }
        f.object = static_cast<std::int32_t>(static_cast<std::uint32_t>(f.object) + shift);
      }
      scene_.FaceCount += block;
      faces_read_ += block;
      scene_.FacesFull = false;
    }
    for (; j < count && !in_.atEnd(); ++j) {
      Face record;
      if (!in_.tryRead(record)) return endOfFile();
      if (!faceInBounds(record)) throwFaceOutOfBounds(record, j);
      // A full table reads the rest of the section without adding it, so that the
      // objects after it are still found.
      if (!addFace(scene_, host_, record.corners[0], record.corners[1], record.corners[2])) {
        continue;
      }
      record.object = static_cast<std::int32_t>(static_cast<std::uint32_t>(record.object) +
                                                static_cast<std::uint32_t>(scene_.ObjectCount));
      scene_.FaceTable[static_cast<std::size_t>(scene_.FaceCount) - 1] = record;
      ++faces_read_;
    }
  }

  void readObjects() {
    std::int32_t count = 0;
    if (ended_ || !in_.tryRead(count)) return endOfFile();
    std::int32_t next_first = 0;  // file-relative first face of the next object
    for (std::int32_t j = 0; j < count && !in_.atEnd(); ++j) {
      ModelObject record;
      if (!in_.tryRead(record)) return endOfFile();
      if (record.first == next_first && record.last == next_first - 1) continue;  // empty
      if (record.first != next_first || record.last < record.first || record.last >= faces_read_) {
        throw RangeError(in_.name() + ": object " + std::to_string(j) + " claims faces " +
                         std::to_string(record.first) + ".." + std::to_string(record.last) +
                         " where faces " + std::to_string(next_first) + ".." +
                         std::to_string(faces_read_ - 1) + " are left");
      }
      scene_.FaceCount = base_ + record.last + 1;
      const int k = scene_.ObjectCount;
      if (!closeObject(scene_, host_, false, false)) return;  // no object slot left
      next_first = record.last + 1;
      record.first += base_;
      record.last += base_;
      scene_.ObjectTable[static_cast<std::size_t>(k)] = record;
    }
  }

  // True when the file ended inside a section, so that nothing after it is read.
  bool ended() const { return ended_ || in_.atEnd(); }
  // True when the file ended inside the face or object section (or before the objects).
  bool endedEarly() const { return ended_; }
  int facesRead() const { return faces_read_; }

  // Faces after the last object read stay in the open object.
  void finishFacesAndObjects() {
    scene_.FaceCount = base_ + faces_read_;
    for (int i = scene_.openObject().first; i < scene_.FaceCount; ++i) {
      scene_.FaceTable[static_cast<std::size_t>(i)].object = scene_.ObjectCount;
    }
    for (int i = 0; i < scene_.FaceCount; ++i) {
      Face& f = scene_.FaceTable[static_cast<std::size_t>(i)];
      if (f.material >= 1 && (f.material > kMaxMaterials ||
                              scene_.MaterialList[static_cast<std::size_t>(f.material)].empty())) {
        f.material = 0;
      }
    }
  }

  void readSurfaces() {
    std::int32_t count = 0;
    if (ended_ || !in_.tryRead(count)) return;
    if (count < 0 || count > kSurfaceSlots - 1) {
      throw RangeError(in_.name() + ": the surface count " + std::to_string(count) +
                       " is outside 0..100");
    }
    scene_.NurbCount = 0;
    for (std::int32_t i = 0; i < count; ++i) {
      char block[kSurfaceBlock];
      if (!in_.tryRead(block, sizeof block)) return;
      std::int32_t points = 0;
      std::memcpy(&points, block, 4);
      if (points < 0 || points > kMaxSurfacePoints) {
        throw RangeError(in_.name() + ": surface " + std::to_string(i) + " claims " +
                         std::to_string(points) + " control points; at most 41 are possible");
      }
      NurbSurface& surface = scene_.NurbTable[static_cast<std::size_t>(i)];
      int read = 0;
      while (read < points && in_.tryRead(surface.points[read])) ++read;
      surface.count = read;
      scene_.NurbCount = i + 1;
      if (read < points) return;
    }
  }

 private:
  static bool faceInBounds(const Face& f) {
    return f.material >= 0 && f.material <= kMaxMaterials && f.ReflectionLevel <= 4;
  }

  [[noreturn]] void throwFaceOutOfBounds(const Face& record, int index) const {
    if (record.material < 0 || record.material > kMaxMaterials) {
      throw RangeError(in_.name() + ": face " + std::to_string(index) + " has material " +
                       std::to_string(record.material) + "; materials are numbered 0..100");
    }
    throw RangeError(in_.name() + ": face " + std::to_string(index) + " has reflection level " +
                     std::to_string(record.ReflectionLevel) + "; levels are 0..4");
  }

  // A section cut short ends the file: the bytes left are part of a record, not the start
  // of the next section.
  void endOfFile() { ended_ = true; }

  Scene& scene_;
  Host& host_;
  ByteReader& in_;
  TextureStore* textures_;
  const int base_;
  int faces_read_ = 0;
  bool ended_ = false;
};

}  // namespace

void opslaan(const Scene& scene, const std::string& path) {
  AtomicFileWriter out(path);
  const std::int32_t materials = scene.MaterialCount;
  out.writeInt32(materials);
  for (int i = 1; i <= std::min(materials - 1, kMaxMaterials); ++i) {
    out.write(&scene.MaterialList[static_cast<std::size_t>(i)], sizeof(MaterialEntry));
  }
  out.writeInt32(scene.FaceCount);
  out.write(scene.FaceTable.data(), sizeof(Face) * static_cast<std::size_t>(scene.FaceCount));
  out.writeInt32(scene.ObjectCount);
  out.write(scene.ObjectTable.data(),
            sizeof(ModelObject) * static_cast<std::size_t>(scene.ObjectCount));
  const int surfaces = std::clamp(scene.NurbCount, 0, kSurfaceSlots);
  out.writeInt32(surfaces);
  for (int i = 0; i < surfaces; ++i) {
    // The block is the count followed by the bytes that follow it in the table: the start
    // of the next slot's point list (zeros after the last slot).
    const NurbSurface& surface = scene.NurbTable[static_cast<std::size_t>(i)];
    char block[kSurfaceBlock] = {};
    std::memcpy(block, &surface.count, 4);
    if (i + 1 < kSurfaceSlots) {
      std::memcpy(block + 4, &scene.NurbTable[static_cast<std::size_t>(i) + 1].points,
                  kSurfaceBlockSpare);
    }
    out.write(block, sizeof block);
    const int points = std::clamp(surface.count, 0, kMaxSurfacePoints);
    out.write(surface.points, sizeof(FaceCorner) * static_cast<std::size_t>(points));
  }
  out.commit();
}

bool ophaal(Scene& scene, Host& host, const std::string& path, bool replace,
            TextureStore* textures) {
  AskTicked ask(scene);
  if (!fileExists(path)) return false;
  ByteReader in = ByteReader::open(path, baseName(path));

  std::int32_t materials = 0;
  if (!in.tryRead(materials)) {
    throw FormatError(in.name() + ": the file is too short to be a model file");
  }
  // note: a file that is not a model file leaves the scene as it was, so a wrong choice in
  // the file dialog loses nothing.
  if (materials > kMaxMaterials || materials < 0) {
    host.message("This is not an facetry file", "Error reading file", MessageIcon::Warning,
                 MessageButtons::Ok);
    return false;
  }
  // A file that ends before any face could be read gives the scene back as it was.
  Scene before = scene;
  if (replace) clearFacesAndObjects(scene);

  NativeReader reader(scene, host, in, textures);
  reader.readMaterials(materials);
  try {
    reader.readFaces();
    reader.readObjects();
  } catch (...) {
    reader.finishFacesAndObjects();
    throw;
  }
  reader.finishFacesAndObjects();
  if (reader.endedEarly()) {
    // note: a file cut short would otherwise leave its last faces in no object, where they
    // can be neither selected nor moved; they are closed into one object of their own.
    if (reader.facesRead() == 0) {
      scene = std::move(before);
      host.message(in.name() + ": the file ends early: no face could be read", "Error reading file",
                   MessageIcon::Warning, MessageButtons::Ok);
      return false;
    }
    if (scene.FaceCount > scene.openObject().first) closeObject(scene, host, false, false);
    host.message(
        in.name() + ": the file ends early: " + std::to_string(reader.facesRead()) + " faces read",
        "Error reading file", MessageIcon::Warning, MessageButtons::Ok);
    return true;
  }
  if (!reader.ended()) reader.readSurfaces();
  return true;
}

}  // namespace facetry
