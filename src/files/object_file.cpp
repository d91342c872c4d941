// files/object_file.cpp: reading and writing object files.
// Reads: the face count and, per record, the three corners' x, y, z and the colour.
// Skips: the texture coordinates, selection, object, smooth flag, material and reflection
// level of each record, which come from addFace's defaults instead.
#include "files/object_file.h"

#include <cmath>

#include "files/byte_reader.h"
#include "files/model_commands.h"
#include "files/undo.h"
#include "scene/errors.h"
#include "scene/file_io.h"

namespace facetry {

int countSelectedFaces(const Scene& scene) {
  int n = 0;
  for (int i = 0; i < scene.FaceCount; ++i) {
    if (scene.FaceTable[static_cast<std::size_t>(i)].selected) ++n;
  }
  return n;
}

bool checkSelectionToSave(const Scene& scene, Host& host) {
  if (countSelectedFaces(scene) > 0) return true;
  host.message("There are no objects selected", "Error", MessageIcon::Warning, MessageButtons::Ok);
  return false;
}

std::string saveSelectionAsObject(const Scene& scene, const std::string& path, bool every_face) {
  const std::string target = withExtension(path, ".obq");
  AtomicFileWriter out(target);
  out.writeInt32(every_face ? scene.FaceCount : countSelectedFaces(scene));
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (f.selected || every_face) out.write(&f, sizeof f);
  }
  out.commit();
  return target;
}

int readObjectFaces(Scene& scene, Host& host, const std::string& path) {
  ByteReader in = ByteReader::open(path, path);
  const std::int32_t n = in.readInt32("the face count");
  if (n < 0) throw FormatError(path + ": the face count " + std::to_string(n) + " is negative");
  int added = 0;
  for (std::int32_t k = 0; k < n; ++k) {
    Face record;
    if (!in.tryRead(record)) {
      throw FormatError(path + ": the file claims " + std::to_string(n) + " faces but ends after " +
                        std::to_string(k));
    }
    for (const FaceCorner& c : record.corners) {
      if (!std::isfinite(c.x) || !std::isfinite(c.y) || !std::isfinite(c.z)) {
        throw FormatError(path + ": face " + std::to_string(k) +
                          " has a corner that is not a number");
      }
    }
    if (!addFace(scene, host, record.corners[0], record.corners[1], record.corners[2])) continue;
    Face& added_face = scene.face(scene.FaceCount - 1);
    added_face.red = record.red;
    added_face.green = record.green;
    added_face.blue = record.blue;
    ++added;
  }
  return added;
}

int importObjectFile(Scene& scene, Host& host, const std::string& path) {
  voorundo(scene);
  readObjectFaces(scene, host, path);
  if (!closeObject(scene, host, true, true)) return -1;
  const int k = scene.ObjectCount - 1;
  setObjectSelected(scene, k, 1);
  updateObjectBounds(scene, k);
  return k;
}

}  // namespace facetry
