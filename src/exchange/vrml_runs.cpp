// exchange/vrml_runs.cpp: runs, texture coordinates and names of the VRML writers.
#include "exchange/vrml_runs.h"

#include <cmath>

namespace facetry {

namespace {

bool sameRun(const Face& a, const Face& b) {
  return a.red == b.red && a.green == b.green && a.blue == b.blue && a.material == b.material;
}

bool forbiddenInName(unsigned char c) {
  if (c <= 0x20 || c == 0x7f) return true;
  for (char f : std::string_view("\"'#+,.[\\]{}")) {
    if (c == static_cast<unsigned char>(f)) return true;
  }
  return false;
}

}  // namespace

std::vector<VrmlRun> vrmlRuns(const Scene& scene, const TextureStore& textures) {
  std::vector<VrmlRun> runs;
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (!runs.empty() && sameRun(scene.FaceTable[static_cast<std::size_t>(runs.back().first)], f)) {
      runs.back().last = i;
      continue;
    }
    VrmlRun run{i, i, false, 0, 0, 0};
    if (f.material >= 1 && f.material <= kMaxMaterials) {
      const Texture& picture = textures.texture(f.material);
      if (picture.width > 0 && picture.height > 0) {
        run.textured = true;
        run.texture = f.material;
        run.width = picture.width;
        run.height = picture.height;
      }
    }
    runs.push_back(run);
  }
  return runs;
}

double textureS(float u, int width) {
  const double w = width;
  return std::fmod(std::trunc(static_cast<double>(u)), w) / w - w;
}

double textureT(float v, int height) {
  const double h = height;
  return -(std::fmod(std::trunc(static_cast<double>(v)), h) / h);
}

std::string vrmlName(std::string_view name) {
  if (name.empty()) return "Object";
  std::string valid;
  const char first = name.front();
  if ((first >= '0' && first <= '9') || first == '-') valid += '_';
  for (char c : name) valid += forbiddenInName(static_cast<unsigned char>(c)) ? '_' : c;
  return valid;
}

std::string objectNameOf(const Scene& scene, int object) {
  if (object < 0 || object >= static_cast<int>(scene.ObjectTable.size())) return {};
  return scene.ObjectTable[static_cast<std::size_t>(object)].name.str();
}

}  // namespace facetry
