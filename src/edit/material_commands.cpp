// edit/material_commands.cpp: the material commands.
#include "edit/material_commands.h"

#include "files/undo.h"

namespace facetry {

bool applyMaterial(Workspace& ws, Host& host, const MaterialChoice& choice) {
  if (choice.name.empty()) return false;
  Scene& scene = ws.scene;
  const int i = findMaterial(scene, choice.name);
  const bool is_new = i == scene.MaterialCount;
  if (is_new && scene.MaterialCount >= kMaterialCountLimit) {
    // note: a new material beyond the last entry would leave its faces with a number that
    // names no picture, so the command is refused before any face changes.
    host.message("No more materials available", "Error", MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  voorundo(scene);
  applyMaterialToSelection(scene, i, choice.mapping);
  std::string fault;
  if (is_new) {
    scene.material(i).assign(choice.name);
    fault = ws.textures.load(i, choice.name);
    ++scene.MaterialCount;
  }
  removeUnusedMaterials(scene, ws.textures);
  if (!fault.empty()) {
    host.message(fault + "\nThe faces keep their own colour.", "Image cannot be read",
                 MessageIcon::Warning, MessageButtons::Ok);
  }
  return true;
}

bool moveTexture(Workspace& ws, TextureMove move) {
  voorundo(ws.scene);
  moveTextures(ws.scene, move, ws.tools.ResizePercent);
  return true;
}

bool renameMaterials(Workspace& ws, Host& host, const std::vector<std::string>& lines) {
  voorundo(ws.scene);
  if (!renameMaterialEntries(ws.scene, lines)) {
    host.message("Material names not changed", "Image does not exist", MessageIcon::Warning,
                 MessageButtons::Ok);
  }
  return true;
}

std::vector<std::string> materialNames(const Scene& scene) {
  std::vector<std::string> names;
  for (int i = 1; i < scene.MaterialCount && i <= kMaxMaterials; ++i) {
    names.push_back(scene.MaterialList[static_cast<std::size_t>(i)].str());
  }
  return names;
}

}  // namespace facetry
