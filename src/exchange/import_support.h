// exchange/import_support.h: small pieces the DXF and 3DS readers share. Internal to the
// exchange library.
#pragma once
#include <cmath>
#include <string>

#include "scene/scene.h"

namespace facetry {

// Ticks the "Don't ask for this operation" box for an import, so that closing objects asks
// for no names, and unticks it at the end, also when the import ends in an error.
class NamesUnasked {
 public:
  explicit NamesUnasked(Scene& scene) : scene_(scene) { scene.ask = true; }
  ~NamesUnasked() { scene_.ask = false; }
  NamesUnasked(const NamesUnasked&) = delete;
  NamesUnasked& operator=(const NamesUnasked&) = delete;

 private:
  Scene& scene_;
};

// The file name of a path, for messages.
inline std::string fileNameOf(const std::string& path) {
  const auto slash = path.find_last_of("/\\");
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

// A corner the views can draw: every coordinate finite.
inline bool finiteCorner(const FaceCorner& c) {
  return std::isfinite(c.x) && std::isfinite(c.y) && std::isfinite(c.z);
}

// Closes the open object (keeping its faces' winding, deselected) when it holds faces;
// true when an object was closed. Once the object table is full the faces stay in the
// open object without a further try, which would cost a pass over all of them each time.
inline bool closeImported(Scene& scene, Host& host) {
  if (scene.FaceCount <= scene.openObject().first) return false;
  if (scene.ObjectsFull && scene.ObjectCount >= kMaxObjects) return false;
  return closeObject(scene, host, false, true);
}

}  // namespace facetry
