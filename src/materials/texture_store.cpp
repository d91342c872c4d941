// materials/texture_store.cpp: texture pictures of the materials.
#include "materials/texture_store.h"

namespace facetry {

void TextureStore::load(int /*entry*/, const std::string& /*file*/) {
  ++loads_requested_;
}

}  // namespace facetry
