// scene/scene_delete.cpp: deletions and collection. Both deletions write the surviving
// objects to the compaction file and rebuild the face and object tables from it, so face
// and object indices are renumbered.
//
// Compaction file: int32 object count; per object its 21-byte name, an int32 face number
// and that many 92-byte face records.
#include <cstring>
#include <string>

#include "scene/errors.h"
#include "scene/file_io.h"
#include "scene/scene.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

void appendBytes(std::string& out, const void* data, std::size_t size) {
  out.append(static_cast<const char*>(data), size);
}

void appendInt(std::string& out, std::int32_t value) {
  appendBytes(out, &value, 4);
}

void writeCompaction(const std::string& bytes) {
  AtomicFileWriter file(kDeleteFile);
  file.write(bytes.data(), bytes.size());
  file.commit();
}

// Reads back what `writeCompaction` wrote, checking every length against the bytes left.
class CompactionReader {
 public:
  explicit CompactionReader(std::string bytes) : bytes_(std::move(bytes)) {}

  void read(void* out, std::size_t size) {
    if (bytes_.size() - pos_ < size) {
      throw IoError(std::string(kDeleteFile) + ": the compaction file ends early at byte " +
                    std::to_string(pos_));
    }
    std::memcpy(out, bytes_.data() + pos_, size);
    pos_ += size;
  }
  std::int32_t readInt() {
    std::int32_t value = 0;
    read(&value, 4);
    return value;
  }

 private:
  std::string bytes_;
  std::size_t pos_ = 0;
};

// Rebuilds the tables from the compaction file. `extra_face` is added to each object's
// stored number to get its face count (the two deletions store it differently).
void rebuildFromCompaction(Scene& scene, Host& host, int extra_face, bool orient) {
  CompactionReader in(readWholeFile(kDeleteFile));
  clearFacesAndObjects(scene);
  const std::int32_t objects = in.readInt();
  for (std::int32_t k = 0; k < objects; ++k) {
    ShortString<20> name;
    in.read(&name, sizeof name);
    const std::int32_t faces = in.readInt() + extra_face;
    for (std::int32_t j = 0; j < faces; ++j) {
      Face record;
      in.read(&record, sizeof record);
      if (addFace(scene, host, record.corners[0], record.corners[1], record.corners[2])) {
        scene.FaceTable[static_cast<std::size_t>(scene.FaceCount) - 1] = record;
      }
    }
    const int closed = scene.ObjectCount;
    if (closeObject(scene, host, orient, true)) scene.ObjectTable[closed].name = name;
  }
}

}  // namespace

void deleteSelectedFaces(Scene& scene, Host& host) {
  scene.ask = true;
  deleteSelectedNurbPoints(scene);

  std::string out;
  std::int32_t surviving = 0;
  appendInt(out, 0);
  for (int k = 0; k < scene.ObjectCount; ++k) {
    if (objectFullySelected(scene, k)) continue;
    ++surviving;
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    appendBytes(out, &o.name, sizeof o.name);
    const std::size_t count_at = out.size();
    appendInt(out, 0);
    std::int32_t kept = 0;
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
      if (f.selected) continue;
      appendBytes(out, &f, sizeof f);
      ++kept;
    }
    std::memcpy(out.data() + count_at, &kept, 4);
  }
  std::memcpy(out.data(), &surviving, 4);
  writeCompaction(out);

  rebuildFromCompaction(scene, host, 0, false);
  scene.ask = false;
}

void deleteObject(Scene& scene, Host& host, int k) {
  if (k < 0 || k >= scene.ObjectCount) {
    throw RangeError("object " + std::to_string(k) + " does not exist");
  }
  scene.ask = true;
  std::string out;
  appendInt(out, scene.ObjectCount - 1);
  for (int j = 0; j < scene.ObjectCount; ++j) {
    if (j == k) continue;
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(j)];
    appendBytes(out, &o.name, sizeof o.name);
    appendInt(out, o.last - o.first);
    for (int i = o.first; i <= o.last; ++i) {
      appendBytes(out, &scene.FaceTable[static_cast<std::size_t>(i)], sizeof(Face));
    }
  }
  writeCompaction(out);

  rebuildFromCompaction(scene, host, 1, true);
  scene.ask = false;
}

void collectSelectedFaces(Scene& scene, Host& host) {
  const int present = scene.FaceCount;
  int copied = 0;
  for (int i = 0; i < present; ++i) {
    const Face source = scene.FaceTable[static_cast<std::size_t>(i)];
    if (!source.selected) continue;
    if (addFace(scene, host, source.corners[0], source.corners[1], source.corners[2])) {
      scene.FaceTable[static_cast<std::size_t>(scene.FaceCount) - 1] = source;
      ++copied;
    }
  }
  if (copied > 0) closeObject(scene, host, false, true);
  deleteSelectedFaces(scene, host);
}

}  // namespace facetry
