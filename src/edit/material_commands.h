// edit/material_commands.h: the "&Edit" "Material" commands as the window's menu and
// dialogs and facetry-cli call them. Each takes the undo snapshot itself and leaves the
// redraw to its caller; each returns true when the views must be redrawn.
#pragma once
#include <string>
#include <vector>

#include "materials/material_list.h"
#include "materials/texture_mapping.h"
#include "scene/host.h"
#include "workspace.h"

namespace facetry {

// What the "Choose material" window hands over: the chosen picture file (empty = none) and
// the mapping.
struct MaterialChoice {
  std::string name;
  MaterialMapping mapping;
};

// "Apply...": the picture's material number (an entry of the same name, else a new entry),
// given to the selected faces with their mapped coordinates; a new entry loads its picture;
// then the materials no face uses are removed. An empty name does nothing. A new picture
// when 98 materials exist is refused with "No more materials available" (title "Error")
// before anything changes; a picture that cannot be decoded is applied all the same (its
// faces keep their colour) and the host is told what is wrong with it.
bool applyMaterial(Workspace& ws, Host& host, const MaterialChoice& choice);

// "Larger", "Smaller", "Left", "Right", "Up", "Down" with the resize factor
// ws.tools.ResizePercent, on the selected textured faces.
bool moveTexture(Workspace& ws, TextureMove move);

// "Materials used" "Ok" with the dialog's lines: line k becomes the name of entry k + 1 when
// a file of that name exists; otherwise the line is skipped and the host shows "Material
// names not changed" (title "Image does not exist") at the end.
bool renameMaterials(Workspace& ws, Host& host, const std::vector<std::string>& lines);

// The names of entries 1 .. MaterialCount - 1, the lines of "Materials used".
std::vector<std::string> materialNames(const Scene& scene);

}  // namespace facetry
