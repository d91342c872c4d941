// ops/face_splice.cpp: one rebuild of the face table for any number of replaced ranges.
#include "ops/face_splice.h"

#include <algorithm>
#include <string>

#include "scene/errors.h"

namespace facetry {

std::vector<Face> objectFaces(const Scene& scene, int k) {
  const ModelObject& o = scene.object(k);
  if (o.last < o.first) return {};
  scene.face(o.last);  // checks the range against the table
  return {scene.FaceTable.begin() + o.first, scene.FaceTable.begin() + o.last + 1};
}

void spliceObjectFaces(Scene& scene, std::vector<ObjectFaces> lists) {
  std::sort(lists.begin(), lists.end(),
            [](const ObjectFaces& a, const ObjectFaces& b) { return a.object < b.object; });
  long long count = scene.FaceCount;
  for (const ObjectFaces& list : lists) {
    const ModelObject& o = scene.object(list.object);
    if (list.object >= scene.ObjectCount) {
      throw RangeError("object " + std::to_string(list.object) + " is not a closed object");
    }
    count += static_cast<long long>(list.faces.size()) - (o.last - o.first + 1);
  }
  if (count > kMaxFaces) {
    throw RangeError("the operation needs " + std::to_string(count) + " faces; the scene holds " +
                     std::to_string(kMaxFaces));
  }

  // The new table is built front to back: untouched stretches copied, replaced ranges
  // written from their lists, the object ranges renumbered on the way.
  std::vector<Face> table;
  table.reserve(kFaceSlots);
  int from = 0;  // next old face to copy
  std::size_t next = 0;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    const int first = static_cast<int>(table.size());
    if (next < lists.size() && lists[next].object == k) {
      for (Face f : lists[next].faces) {
        f.object = k;
        table.push_back(f);
      }
      ++next;
    } else {
      table.insert(table.end(), scene.FaceTable.begin() + o.first,
                   scene.FaceTable.begin() + std::max(o.first, o.last + 1));
    }
    from = std::max(from, o.last + 1);
    o.first = first;
    o.last = static_cast<int>(table.size()) - 1;
  }
  ModelObject& open = scene.openObject();
  open.first = static_cast<int>(table.size());
  from = std::max(from, 0);
  for (int i = from; i < scene.FaceCount; ++i) {
    table.push_back(scene.FaceTable[static_cast<std::size_t>(i)]);
  }
  scene.FaceCount = static_cast<int>(table.size());
  // Slot FaceCount stays ready; slots beyond keep what they held.
  const std::size_t slots = std::max(scene.FaceTable.size(), table.size() + 1);
  for (std::size_t i = table.size(); i < std::min(slots, scene.FaceTable.size()); ++i) {
    table.push_back(scene.FaceTable[i]);
  }
  table.resize(slots);
  scene.FaceTable.swap(table);
  scene.FaceShadingTable.resize(slots);
}

}  // namespace facetry
