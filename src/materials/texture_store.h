// materials/texture_store.h: the texture pictures of the material list, one per entry.
#pragma once
#include <string>

namespace facetry {

class TextureStore {
 public:
  // Loads the picture of material entry `entry` (1..100) from `file`, replacing what the
  // entry held. Pictures are decoded when textured drawing exists; until then the store
  // only remembers which files were asked for.
  void load(int entry, const std::string& file);
  int loadsRequested() const { return loads_requested_; }

 private:
  int loads_requested_ = 0;
};

}  // namespace facetry
