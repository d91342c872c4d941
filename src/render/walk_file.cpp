// render/walk_file.cpp: writing and reading the walk-through's scene copies.
//
// The reader takes everything the writer writes and checks it before the tables change:
// the counts against the table capacities and the file's length, and the object ranges
// and face owners against each other, so a damaged file leaves the scene as it was.
#include "render/walk_file.h"

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

#include "scene/errors.h"
#include "scene/file_io.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

constexpr std::size_t kFaceRecord = sizeof(Face) + sizeof(FaceShading);  // 132 bytes

std::int32_t readCount(const std::string& bytes, std::size_t offset, const std::string& path,
                       const char* what) {
  if (bytes.size() < offset + 4) {
    throw FormatError(path + ": the file ends before the " + std::string(what) + " count");
  }
  std::int32_t value = 0;
  std::memcpy(&value, bytes.data() + offset, 4);
  return value;
}

void removeIfPresent(const char* name) {
  std::FILE* file = std::fopen(name, "rb");
  if (file == nullptr) return;
  std::fclose(file);
  std::remove(name);
  std::this_thread::sleep_for(std::chrono::milliseconds(10));
}

}  // namespace

void writeWalkFile(const Scene& scene, const std::string& path) {
  AtomicFileWriter out(path);
  out.writeInt32(scene.FaceCount);
  for (int i = 0; i < scene.FaceCount; ++i) {
    out.write(&scene.FaceTable[static_cast<std::size_t>(i)], sizeof(Face));
    out.write(&scene.FaceShadingTable[static_cast<std::size_t>(i)], sizeof(FaceShading));
  }
  out.writeInt32(scene.ObjectCount);
  out.write(scene.ObjectTable.data(),
            sizeof(ModelObject) * static_cast<std::size_t>(scene.ObjectCount));
  out.commit();
}

void readWalkFile(Scene& scene, const std::string& path) {
  const std::string bytes = readWholeFile(path);
  const std::int32_t faces = readCount(bytes, 0, path, "face");
  if (faces < 0 || faces > kMaxFaces) {
    throw FormatError(path + ": the face count " + std::to_string(faces) + " is outside 0..99999");
  }
  const std::size_t objects_at = 4 + kFaceRecord * static_cast<std::size_t>(faces);
  const std::int32_t objects = readCount(bytes, objects_at, path, "object");
  if (objects < 0 || objects > kMaxObjects) {
    throw FormatError(path + ": the object count " + std::to_string(objects) +
                      " is outside 0..19998");
  }
  const std::size_t end = objects_at + 4 + sizeof(ModelObject) * static_cast<std::size_t>(objects);
  if (bytes.size() < end) {
    throw FormatError(path + ": " + std::to_string(objects) + " objects need " +
                      std::to_string(end) + " bytes; the file has " + std::to_string(bytes.size()));
  }

  std::vector<ModelObject> read_objects(static_cast<std::size_t>(objects));
  if (objects > 0) {
    std::memcpy(read_objects.data(), bytes.data() + objects_at + 4,
                sizeof(ModelObject) * read_objects.size());
  }
  std::int32_t next = 0;
  for (std::int32_t k = 0; k < objects; ++k) {
    const ModelObject& o = read_objects[static_cast<std::size_t>(k)];
    if (o.first != next || o.last < o.first - 1 || o.last >= faces) {
      throw FormatError(path + ": object " + std::to_string(k) + " claims faces " +
                        std::to_string(o.first) + ".." + std::to_string(o.last) +
                        " where faces from " + std::to_string(next) + " of " +
                        std::to_string(faces) + " are left");
    }
    next = o.last + 1;
  }
  const char* face_bytes = bytes.data() + 4;
  for (std::int32_t i = 0; i < faces; ++i) {
    std::int32_t owner = 0;
    std::memcpy(&owner,
                face_bytes + kFaceRecord * static_cast<std::size_t>(i) + offsetof(Face, object), 4);
    const bool in_object = owner >= 0 && owner < objects &&
                           read_objects[static_cast<std::size_t>(owner)].first <= i &&
                           i <= read_objects[static_cast<std::size_t>(owner)].last;
    if (!in_object && !(owner == objects && i >= next)) {
      throw FormatError(path + ": face " + std::to_string(i) + " names object " +
                        std::to_string(owner) + ", which does not hold it");
    }
  }

  // Checked: the tables change from here on, and only by copies that cannot fail.
  const auto face_slots = static_cast<std::size_t>(faces < kMaxFaces ? faces + 1 : faces);
  if (scene.FaceTable.size() < face_slots) {
    scene.FaceTable.resize(face_slots);
    scene.FaceShadingTable.resize(face_slots);
  }
  for (std::int32_t i = 0; i < faces; ++i) {
    const char* record = face_bytes + kFaceRecord * static_cast<std::size_t>(i);
    std::memcpy(&scene.FaceTable[static_cast<std::size_t>(i)], record, sizeof(Face));
    std::memcpy(&scene.FaceShadingTable[static_cast<std::size_t>(i)], record + sizeof(Face),
                sizeof(FaceShading));
  }
  if (scene.ObjectTable.size() < static_cast<std::size_t>(objects) + 1) {
    scene.ObjectTable.resize(static_cast<std::size_t>(objects) + 1);
  }
  std::copy(read_objects.begin(), read_objects.end(), scene.ObjectTable.begin());
  scene.FaceCount = faces;
  scene.ObjectCount = objects;
  // The end marker after the last object; faces behind it stay in the open object.
  scene.ObjectTable[static_cast<std::size_t>(objects)].first = next;
}

void removeWalkFiles() {
  removeIfPresent(kWalkPictureFile);
  removeIfPresent(kWalkFile);
}

}  // namespace facetry
