// files/model_commands.cpp: the native file commands.
#include "files/model_commands.h"

#include <algorithm>
#include <vector>

#include "files/native_file.h"
#include "files/undo.h"

namespace facetry {

std::string withExtension(const std::string& name, const std::string& extension) {
  if (name.size() >= extension.size() &&
      name.compare(name.size() - extension.size(), extension.size(), extension) == 0) {
    return name;
  }
  return name + extension;
}

std::string modelNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::string saveNativeModel(Scene& scene, ViewState& views, const std::string& path) {
  const double zoom = views.ZoomPercent;
  const bool rezoom = zoom != 100;
  // The file holds the objects' bounds at 100 % as well; the zoomed ones come back after.
  std::vector<ModelObject> zoomed_objects;
  if (rezoom) {
    setZoom(scene, views, 100);
    zoomed_objects.assign(scene.ObjectTable.begin(), scene.ObjectTable.begin() + scene.ObjectCount);
    updateAllObjectBounds(scene);
  }
  auto restore = [&] {
    if (!rezoom) return;
    std::copy(zoomed_objects.begin(), zoomed_objects.end(), scene.ObjectTable.begin());
    setZoom(scene, views, zoom);
  };
  try {
    opslaan(scene, path);
  } catch (...) {
    restore();
    throw;
  }
  restore();
  scene.ModifiedFlag = false;
  return modelNameOf(path);
}

std::string loadNativeModel(Scene& scene, ViewState& views, Host& host, TextureStore& textures,
                            const std::string& path) {
  setZoom(scene, views, 100);
  if (!ophaal(scene, host, path, true, &textures)) return {};
  return modelNameOf(path);
}

bool importNativeModel(Scene& scene, Host& host, TextureStore& textures, const std::string& path) {
  voorundo(scene);
  return ophaal(scene, host, path, false, &textures);
}

}  // namespace facetry
