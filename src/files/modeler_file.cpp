// files/modeler_file.cpp: reading and writing modeler files.
// Reads: the point list and the face list. Every count is checked against the bytes left
// and every face index against the point list before it is used.
#include "files/modeler_file.h"

#include <algorithm>
#include <cstring>

#include "files/byte_reader.h"
#include "files/undo.h"
#include "scene/errors.h"
#include "scene/file_io.h"
#include "scene/geometry.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

constexpr std::size_t kTripleBytes = 12;

// A count read from the file, checked against the triples that fit in the bytes left.
std::int32_t readCount(ByteReader& in, const char* what) {
  const std::int32_t n = in.readInt32(what);
  if (n < 0)
    throw FormatError(in.name() + ": the " + what + " " + std::to_string(n) + " is negative");
  if (static_cast<std::size_t>(n) > in.remaining() / kTripleBytes) {
    throw FormatError(in.name() + ": the " + what + " " + std::to_string(n) + " needs " +
                      std::to_string(static_cast<std::size_t>(n) * kTripleBytes) +
                      " bytes at offset " + std::to_string(in.offset()) + "; the file has " +
                      std::to_string(in.remaining()) + " left");
  }
  return n;
}

std::array<std::int32_t, 3> readTriple(ByteReader& in, const char* what) {
  std::array<std::int32_t, 3> t{};
  in.read(t.data(), kTripleBytes, what);
  return t;
}

void checkIndices(const ByteReader& in, const std::array<std::int32_t, 3>& face, int k,
                  std::size_t point_count) {
  for (const std::int32_t index : face) {
    if (index < 0 || static_cast<std::size_t>(index) >= point_count) {
      throw FormatError(in.name() + ": face " + std::to_string(k) + " uses point " +
                        std::to_string(index) + "; the file has " + std::to_string(point_count) +
                        " points");
    }
  }
}

}  // namespace

void writeModelerFile(const ModelerMesh& mesh, const std::string& path) {
  AtomicFileWriter out(path);
  out.writeInt32(static_cast<std::int32_t>(mesh.points.size()));
  for (const auto& p : mesh.points) out.write(p.data(), kTripleBytes);
  out.writeInt32(static_cast<std::int32_t>(mesh.faces.size()));
  for (const auto& f : mesh.faces) out.write(f.data(), kTripleBytes);
  out.commit();
}

ModelerMesh readModelerMesh(const std::string& path) {
  ByteReader in = ByteReader::open(path, path);
  ModelerMesh mesh;
  const std::int32_t points = readCount(in, "point count");
  mesh.points.reserve(static_cast<std::size_t>(points));
  for (std::int32_t i = 0; i < points; ++i) mesh.points.push_back(readTriple(in, "a point"));
  const std::int32_t faces = readCount(in, "face count");
  mesh.faces.reserve(static_cast<std::size_t>(faces));
  for (std::int32_t k = 0; k < faces; ++k) {
    mesh.faces.push_back(readTriple(in, "a face"));
    checkIndices(in, mesh.faces.back(), k, mesh.points.size());
  }
  return mesh;
}

ModelerMesh facesMesh(const Scene& scene, bool every_face) {
  ModelerMesh mesh;
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (!f.selected && !every_face) continue;
    const auto first = static_cast<std::int32_t>(mesh.points.size());
    for (const FaceCorner& c : f.corners) mesh.points.push_back(truncPoint(c.point()));
    mesh.faces.push_back({first, first + 1, first + 2});
  }
  return mesh;
}

bool exportSelectedFaces(const Scene& scene, const std::string& path) {
  if (scene.FaceCount == 0) return false;
  const ModelerMesh mesh = facesMesh(scene, false);
  if (mesh.faces.empty()) return false;
  writeModelerFile(mesh, path);
  return true;
}

void orderModelerCorners(const Point3& reference, FaceCorner& p0, FaceCorner& p1, FaceCorner& p2) {
  if (p1.x < p0.x) swapCorners(p0, p1);
  if (p2.x < p0.x) swapCorners(p0, p2);
  if (!isClockwise2D(p0.point(), p1.point(), p2.point())) swapCorners(p1, p2);
  const double a = faceLightAngle(reference, p0.point(), p1.point(), p2.point());
  const double b = faceLightAngle(reference, p1.point(), p2.point(), p0.point());
  const double c = faceLightAngle(reference, p2.point(), p0.point(), p1.point());
  const FaceCorner q0 = p0, q1 = p1, q2 = p2;
  if (c < std::min(a, b)) {
    p0 = q2;
    p1 = q0;
    p2 = q1;
  } else if (b < a) {
    p0 = q1;
    p1 = q2;
    p2 = q0;
  }
}

int importModelerFile(Scene& scene, Host& host, const Point3& centre, const std::string& path) {
  if (!path.empty()) voorundo(scene);
  return addModelerFile(scene, host, centre, path);
}

int addModelerFile(Scene& scene, Host& host, const Point3& centre, const std::string& path) {
  const int first_new = scene.FaceCount;
  int added = 0;
  if (!path.empty()) {
    ByteReader in = ByteReader::open(path, path);
    // The points go to the hand-over file as corner records, and the reference point the
    // faces are seen from is taken over them: the middle of x and y, the largest z.
    double max_x = -1000, min_x = 1000, max_y = -1000, min_y = 1000, max_z = -1000;
    const std::int32_t points = readCount(in, "point count");
    {
      AtomicFileWriter scratch(kModelerFile);
      for (std::int32_t i = 0; i < points; ++i) {
        const auto p = readTriple(in, "a point");
        FaceCorner c;
        c.x = static_cast<float>(p[0]);
        c.y = static_cast<float>(p[1]);
        c.z = static_cast<float>(p[2]) + centre.z;
        max_x = std::max(max_x, static_cast<double>(c.x));
        min_x = std::min(min_x, static_cast<double>(c.x));
        max_y = std::max(max_y, static_cast<double>(c.y));
        min_y = std::min(min_y, static_cast<double>(c.y));
        max_z = std::max(max_z, static_cast<double>(c.z));
        scratch.write(&c, sizeof c);
      }
      scratch.commit();
    }
    const std::string records = readWholeFile(kModelerFile);
    if (records.size() != static_cast<std::size_t>(points) * sizeof(FaceCorner)) {
      throw IoError(std::string(kModelerFile) + ": the point records were not written whole");
    }
    const Point3 reference{static_cast<float>((max_x + min_x) / 2),
                           static_cast<float>((max_y + min_y) / 2), static_cast<float>(max_z)};
    const std::int32_t faces = readCount(in, "face count");
    for (std::int32_t k = 0; k < faces; ++k) {
      const auto face = readTriple(in, "a face");
      checkIndices(in, face, k, static_cast<std::size_t>(points));
      FaceCorner c[3];
      for (int j = 0; j < 3; ++j) {
        std::memcpy(&c[j], records.data() + static_cast<std::size_t>(face[j]) * sizeof(FaceCorner),
                    sizeof(FaceCorner));
      }
      orderModelerCorners(reference, c[0], c[1], c[2]);
      if (addFace(scene, host, c[0], c[1], c[2])) ++added;
    }
  }
  if (closeObject(scene, host, true, true)) {
    recentreFaces(scene, first_new, centre);
    // The faces have moved: the object's bounds and centre follow them.
    updateObjectBounds(scene, scene.ObjectCount - 1);
  }
  return added;
}

}  // namespace facetry
