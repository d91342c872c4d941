// materials/material_list.cpp: numbering, removal, placement and renaming of materials.
#include "materials/material_list.h"

#include <array>
#include <cmath>
#include <filesystem>

#include "materials/texture_mapping.h"

namespace facetry {

int findMaterial(const Scene& scene, const std::string& name) {
  const int count = std::min(scene.MaterialCount, kMaxMaterials + 1);
  for (int i = 1; i < count; ++i) {
    if (scene.MaterialList[static_cast<std::size_t>(i)].str() == name) return i;
  }
  return scene.MaterialCount;
}

int removeUnusedMaterials(Scene& scene, TextureStore& textures) {
  // One pass over the faces counts the users of each entry; removing entries in increasing
  // order then lowers a face's number by the removed entries below it, as removing them one
  // at a time and renumbering each time does.
  std::array<int, kMaxMaterials + 2> users{};
  for (int j = 0; j < scene.FaceCount; ++j) {
    const int m = scene.FaceTable[static_cast<std::size_t>(j)].material;
    if (m >= 1 && m <= kMaxMaterials) ++users[static_cast<std::size_t>(m)];
  }
  std::array<int, kMaxMaterials + 2> removed_below{};  // removed entries numbered below n
  int removed = 0;
  const int count = std::min(scene.MaterialCount, kMaxMaterials + 1);
  int n = 1;  // the position entry `old` lands on
  for (int old = 1; old <= kMaxMaterials + 1; ++old) {
    removed_below[static_cast<std::size_t>(old)] = removed;
    if (old >= count || old > kMaxMaterials) continue;
    if (users[static_cast<std::size_t>(old)] == 0) {
      textures.remove(n, scene.MaterialCount - removed);
      for (int e = n; e < scene.MaterialCount - removed - 1; ++e) {
        scene.MaterialList[static_cast<std::size_t>(e)] =
            scene.MaterialList[static_cast<std::size_t>(e) + 1];
      }
      ++removed;
    } else {
      ++n;
    }
  }
  if (removed == 0) return 0;
  scene.MaterialCount -= removed;
  for (int j = 0; j < scene.FaceCount; ++j) {
    std::int32_t& m = scene.FaceTable[static_cast<std::size_t>(j)].material;
    if (m >= 1) m -= removed_below[static_cast<std::size_t>(std::min(m, kMaxMaterials + 1))];
  }
  return removed;
}

int moveTextures(Scene& scene, TextureMove move, float factor_percent) {
  const double f = factor_percent;
  const double scale = f / 100 + 1;
  const double step = std::trunc(f);
  int changed = 0;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    for (int j = o.first; j <= o.last; ++j) {
      Face& face = scene.face(j);
      if (!face.selected || face.material == 0) continue;
      for (FaceCorner& c : face.corners) {
        double u = c.u, v = c.v;
        switch (move) {
          case TextureMove::Larger:
            u = std::trunc(u / scale), v = std::trunc(v / scale);
            break;
          case TextureMove::Smaller:
            u = std::trunc(u * scale), v = std::trunc(v * scale);
            break;
          case TextureMove::Left:
            u += step;
            break;
          case TextureMove::Right:
            u -= step;
            break;
          case TextureMove::Up:
            v += step;
            break;
          case TextureMove::Down:
            v -= step;
            break;
        }
        c.u = storedCoordinate(u);
        c.v = storedCoordinate(v);
      }
      ++changed;
    }
  }
  return changed;
}

bool renameMaterialEntries(Scene& scene, const std::vector<std::string>& lines) {
  bool all = true;
  const int count = std::min(scene.MaterialCount, kMaxMaterials + 1);
  for (std::size_t k = 0; k < lines.size() && static_cast<int>(k) + 1 < count; ++k) {
    std::error_code error;
    if (std::filesystem::is_regular_file(lines[k], error)) {
      scene.MaterialList[k + 1].assign(lines[k]);
    } else {
      all = false;
    }
  }
  return all;
}

}  // namespace facetry
