// support/scene_checks.cpp: test scenes and the invariant check.
#include "support/scene_checks.h"

#include "scene/geometry.h"

namespace facetry::testing {

FaceCorner corner(float x, float y, float z) {
  FaceCorner c;
  c.x = x;
  c.y = y;
  c.z = z;
  return c;
}

void appendBox(Scene& scene, Host& host, float x, float y, float z, float size) {
  const float x2 = x + size, y2 = y + size, z2 = z - size;
  const FaceCorner c[8] = {corner(x, y, z),    corner(x2, y, z), corner(x2, y2, z),
                           corner(x, y2, z),   corner(x, y, z2), corner(x2, y, z2),
                           corner(x2, y2, z2), corner(x, y2, z2)};
  static constexpr int kFaces[12][3] = {{0, 1, 2}, {0, 2, 3}, {4, 1, 0}, {4, 5, 1},
                                        {4, 7, 5}, {7, 6, 5}, {7, 3, 2}, {6, 7, 2},
                                        {4, 0, 3}, {4, 3, 7}, {1, 5, 6}, {1, 6, 2}};
  for (const auto& f : kFaces) addFace(scene, host, c[f[0]], c[f[1]], c[f[2]]);
}

void addBoxObject(Scene& scene, Host& host, float x, float y, float z, float size,
                  const std::string& name) {
  const bool ask = scene.ask;
  scene.ask = true;
  appendBox(scene, host, x, y, z, size);
  scene.ObjectNameBuffer.assign(name);
  closeObject(scene, host, true, true);
  scene.ask = ask;
}

int facesTowardCentre(const Scene& scene, int k) {
  const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
  const Point3 centre{o.centre[0], o.centre[1], o.centre[2]};
  int count = 0;
  for (int i = o.first; i <= o.last; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (facesPoint(f.corners[0].point(), f.corners[1].point(), f.corners[2].point(), centre)) {
      ++count;
    }
  }
  return count;
}

std::string invariantViolation(const Scene& scene) {
  if (scene.FaceCount < 0 || scene.FaceCount > kMaxFaces) return "FaceCount out of bounds";
  if (scene.ObjectCount < 0 || scene.ObjectCount > kMaxObjects) {
    return "ObjectCount out of bounds";
  }
  if (scene.NurbCount < 0 || scene.NurbCount > kSurfaceSlots - 1) return "NurbCount out of bounds";
  if (scene.FaceCount < kMaxFaces && scene.faceSlotsAllocated() < scene.FaceCount) {
    return "slot FaceCount is not allocated";
  }
  if (scene.faceSlotsAllocated() != static_cast<int>(scene.FaceShadingTable.size()) - 1) {
    return "face and shading tables differ in size";
  }
  if (scene.objectSlotsAllocated() < scene.ObjectCount) return "open object slot missing";
  int expected_first = 0;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (o.first != expected_first) {
      return "object " + std::to_string(k) + " starts at " + std::to_string(o.first) +
             ", expected " + std::to_string(expected_first);
    }
    if (o.last < o.first - 1 || o.last >= scene.FaceCount) {
      return "object " + std::to_string(k) + " has a bad last face";
    }
    for (int i = o.first; i <= o.last; ++i) {
      if (scene.FaceTable[static_cast<std::size_t>(i)].object != k) {
        return "face " + std::to_string(i) + " does not carry object " + std::to_string(k);
      }
    }
    expected_first = o.last + 1;
  }
  const ModelObject& open = scene.ObjectTable[static_cast<std::size_t>(scene.ObjectCount)];
  if (open.first != expected_first) return "the open object does not follow the last one";
  for (int i = open.first; i < scene.FaceCount; ++i) {
    if (scene.FaceTable[static_cast<std::size_t>(i)].object != scene.ObjectCount) {
      return "open face " + std::to_string(i) + " does not carry ObjectCount";
    }
  }
  for (int i = 0; i < scene.FaceCount; ++i) {
    const int m = scene.FaceTable[static_cast<std::size_t>(i)].material;
    if (m < 0 || m > kMaxMaterials) return "face " + std::to_string(i) + " material out of bounds";
  }
  return {};
}

}  // namespace facetry::testing
