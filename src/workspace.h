// workspace.h: everything one running modeller keeps, in one value. The front end, the
// command-line tool and each test build their own; nothing is shared between workspaces
// but immutable tables such as the angle table.
#pragma once
#include <string>

#include "materials/texture_store.h"
#include "scene/scene.h"
#include "scene/view_state.h"

namespace facetry {

struct Workspace {
  Scene scene;
  ViewState views;
  TextureStore textures;
  std::string ModelName = "noname";  // shown in the caption "Facetry : " + name
};

}  // namespace facetry
