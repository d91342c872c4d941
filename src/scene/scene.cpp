// scene/scene.cpp: table allocation, adding faces, closing objects, bounds and selection.
#include "scene/scene.h"

#include <algorithm>
#include <cassert>
#include <string>

#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

[[noreturn]] void throwIndex(const char* table, int index, int high) {
  throw RangeError(std::string(table) + " index " + std::to_string(index) + " is outside 0.." +
                   std::to_string(high));
}

}  // namespace

Scene::Scene() {
  // Reserved to full capacity once, so growing the tables one slot at a time never
  // reallocates. note: a copied Scene does not keep the reservation; code never holds a
  // reference to a record across addFace.
  FaceTable.reserve(kFaceSlots);
  FaceShadingTable.reserve(kFaceSlots);
  ObjectTable.reserve(kObjectSlots);
  FaceTable.resize(1);
  FaceShadingTable.resize(1);
  ObjectTable.resize(1);
  NurbTable.resize(kSurfaceSlots);
  ObjectNameBuffer.assign("Object_01");
}

Face& Scene::face(int index) {
  if (index < 0 || index > faceSlotsAllocated()) throwIndex("face", index, faceSlotsAllocated());
  return FaceTable[static_cast<std::size_t>(index)];
}

const Face& Scene::face(int index) const {
  return const_cast<Scene*>(this)->face(index);
}

ModelObject& Scene::object(int index) {
  if (index < 0 || index > objectSlotsAllocated()) {
    throwIndex("object", index, objectSlotsAllocated());
  }
  return ObjectTable[static_cast<std::size_t>(index)];
}

const ModelObject& Scene::object(int index) const {
  return const_cast<Scene*>(this)->object(index);
}

NurbSurface& Scene::surface(int index) {
  if (index < 0 || index >= kSurfaceSlots) throwIndex("surface", index, kSurfaceSlots - 1);
  return NurbTable[static_cast<std::size_t>(index)];
}

MaterialEntry& Scene::material(int entry) {
  if (entry < 1 || entry > kMaxMaterials) {
    throw RangeError("material number " + std::to_string(entry) + " is outside 1..100");
  }
  return MaterialList[static_cast<std::size_t>(entry)];
}

const MaterialEntry& Scene::material(int entry) const {
  return const_cast<Scene*>(this)->material(entry);
}

void ensureFaceSlot(Scene& scene, Host& host) {
  if (scene.FaceCount > kMaxFaces - 1) {
    if (!scene.FacesFull) {
      host.message("No more faces available", "Error", MessageIcon::Error, MessageButtons::Ok);
    }
    scene.FacesFull = true;
    return;
  }
  if (scene.faceSlotsAllocated() < scene.FaceCount) {
    auto slots = static_cast<std::size_t>(scene.FaceCount) + 1;
    scene.FaceTable.resize(slots);
    scene.FaceShadingTable.resize(slots);
  }
  // note: cleared whenever a slot is usable again, so the message comes once per shortage
  // also after faces were deleted and their slots are reused.
  scene.FacesFull = false;
}

bool addFace(Scene& scene, Host& host, const FaceCorner& c0, const FaceCorner& c1,
             const FaceCorner& c2) {
  if (scene.FaceCount > kMaxFaces - 1) return false;
  assert(scene.faceSlotsAllocated() >= scene.FaceCount);
  Face& f = scene.FaceTable[static_cast<std::size_t>(scene.FaceCount)];
  f.corners[0] = c0;
  f.corners[1] = c1;
  f.corners[2] = c2;
  f.red = scene.CurrentColour.red;
  f.green = scene.CurrentColour.green;
  f.blue = scene.CurrentColour.blue;
  f.object = scene.ObjectCount;
  f.selected = 0;
  f.smooth = 1;
  f.material = 0;
  f.ReflectionLevel = 0;
  static constexpr float kU[3] = {0, 50, 50};
  static constexpr float kV[3] = {0, 0, 50};
  for (int i = 0; i < 3; ++i) {
    f.corners[i].selected = 0;
    f.corners[i].u = kU[i];
    f.corners[i].v = kV[i];
  }
  ++scene.FaceCount;
  ensureFaceSlot(scene, host);
  return true;
}

void ensureObjectSlot(Scene& scene, Host& host) {
  if (scene.ObjectCount >= kMaxObjects + 1) {
    if (!scene.ObjectsFull) {
      host.message("No more objects available", "Error", MessageIcon::Error, MessageButtons::Ok);
    }
    scene.ObjectsFull = true;
    return;
  }
  if (scene.objectSlotsAllocated() < scene.ObjectCount) {
    scene.ObjectTable.resize(static_cast<std::size_t>(scene.ObjectCount) + 1);
  }
  scene.ObjectsFull = false;
}

bool closeObject(Scene& scene, Host& host, bool orient, bool deselect) {
  const int k = scene.ObjectCount;
  if (k >= kMaxObjects + 1) return false;
  ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
  if (o.first >= scene.FaceCount) return false;
  assert(o.first >= 0);
  o.last = scene.FaceCount - 1;
  if (deselect) o.selected = 0;

  if (!scene.ask) {
    std::string name = scene.ObjectNameBuffer.str();
    bool dont_ask = scene.ask;
    if (host.askObjectName(name, dont_ask)) scene.ObjectNameBuffer.assign(name);
    scene.ask = dont_ask;
  }
  o.name = scene.ObjectNameBuffer;

  for (int i = o.first; i <= o.last; ++i) {
    Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (deselect) {
      f.selected = 0;
      for (auto& c : f.corners) c.selected = 0;
    }
    f.object = k;
  }
  updateObjectBounds(scene, k);

  if (orient) {
    // A majority of faces that face the object's centre means the object is inside out.
    const Point3 centre{o.centre[0], o.centre[1], o.centre[2]};
    int facing = 0;
    for (int i = o.first; i <= o.last; ++i) {
      const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
      if (facesPoint(f.corners[0].point(), f.corners[1].point(), f.corners[2].point(), centre)) {
        ++facing;
      }
    }
    if (facing > (o.last - o.first) / 2) {
      for (int i = o.first; i <= o.last; ++i) {
        Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
        swapCorners(f.corners[0], f.corners[2]);
      }
    }
  }

  ++scene.ObjectCount;
  ensureObjectSlot(scene, host);
  if (scene.ObjectsFull) {
    --scene.ObjectCount;  // the faces stay in the open object under the name just given
    return false;
  }
  scene.openObject().first = scene.FaceCount;
  return true;
}

namespace {

struct BoundsFold {
  float min[3] = {100000, 100000, 100000};
  float max[3] = {-100000, -100000, -100000};

  void add(const Face& f) {
    for (const FaceCorner& c : f.corners) {
      const float p[3] = {c.x, c.y, c.z};
      for (int a = 0; a < 3; ++a) {
        if (p[a] < min[a]) min[a] = p[a];
        if (p[a] > max[a]) max[a] = p[a];
      }
    }
  }
  void addRange(const Scene& scene, int first, int last) {
    if (first < 0 || last > scene.faceSlotsAllocated()) {
      throw RangeError("object face range " + std::to_string(first) + ".." + std::to_string(last) +
                       " lies outside the face table");
    }
    for (int i = first; i <= last; ++i) add(scene.FaceTable[static_cast<std::size_t>(i)]);
  }
  void writeTo(ModelObject& o, bool with_centre) const {
    for (int a = 0; a < 3; ++a) {
      o.min[a] = min[a];
      o.max[a] = max[a];
      if (with_centre) o.centre[a] = min[a] + (max[a] - min[a]) / 2;
    }
  }
};

}  // namespace

void updateObjectBounds(Scene& scene, int k) {
  ModelObject& o = scene.object(k);
  BoundsFold fold;
  fold.addRange(scene, o.first, o.last);
  fold.writeTo(o, o.last >= o.first);
}

void updateAllObjectBounds(Scene& scene) {
  for (int k = 0; k < scene.ObjectCount; ++k) updateObjectBounds(scene, k);
}

ModelObject selectionBounds(const Scene& scene, bool all) {
  BoundsFold fold;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (all || o.selected) fold.addRange(scene, o.first, o.last);
  }
  ModelObject result;
  fold.writeTo(result, true);
  return result;
}

bool objectFullySelected(const Scene& scene, int k) {
  const ModelObject& o = scene.object(k);
  for (int i = o.first; i <= o.last; ++i) {
    if (!scene.face(i).selected) return false;
  }
  return true;
}

void setObjectSelected(Scene& scene, int k, std::uint8_t value) {
  ModelObject& o = scene.object(k);
  o.selected = value;
  for (int i = o.first; i <= o.last; ++i) {
    Face& f = scene.face(i);
    f.selected = value;
    for (auto& c : f.corners) c.selected = value;
  }
}

void toggleObjectSelected(Scene& scene, int k) {
  ModelObject& o = scene.object(k);
  bool any = false;
  for (int i = o.first; i <= o.last; ++i) {
    Face& f = scene.face(i);
    f.selected = f.selected ? 0 : 1;
    for (auto& c : f.corners) c.selected = c.selected ? 0 : 1;
    any = any || f.selected;
  }
  o.selected = any ? 1 : 0;
}

void deleteSelectedNurbPoints(Scene& scene) {
  int s = 0;
  while (s < scene.NurbCount && s < kSurfaceSlots) {
    NurbSurface& surface = scene.NurbTable[static_cast<std::size_t>(s)];
    int count = std::min(surface.count, kMaxSurfacePoints);
    int kept = 0;
    for (int j = 0; j < count; ++j) {
      if (!surface.points[j].selected) surface.points[kept++] = surface.points[j];
    }
    surface.count = kept;
    if (surface.count <= 0) {
      for (int t = s; t + 1 < kSurfaceSlots; ++t) {
        scene.NurbTable[static_cast<std::size_t>(t)] =
            scene.NurbTable[static_cast<std::size_t>(t) + 1];
      }
      --scene.NurbCount;
    } else {
      ++s;
    }
  }
}

void recentreFaces(Scene& scene, int from, const Point3& centre) {
  if (from < 0) from = 0;
  double sum[3] = {0, 0, 0};
  long corners = 0;
  for (int i = from; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      sum[0] += c.x;
      sum[1] += c.y;
      sum[2] += c.z;
      ++corners;
    }
  }
  const double divisor = corners > 0 ? static_cast<double>(corners) : 1.0;
  const double shift[3] = {centre.x - sum[0] / divisor, centre.y - sum[1] / divisor,
                           centre.z - sum[2] / divisor};
  for (int i = from; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      c.x = static_cast<float>(c.x + shift[0]);
      c.y = static_cast<float>(c.y + shift[1]);
      c.z = static_cast<float>(c.z + shift[2]);
    }
  }
}

void clearFacesAndObjects(Scene& scene) {
  scene.FaceCount = 0;
  scene.ObjectCount = 0;
  scene.ObjectTable[0].first = 0;
}

}  // namespace facetry
