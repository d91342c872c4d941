// exchange/export_scenes.h: small scenes for the VRML and POV-Ray writer tests, built face
// by face with chosen colours and materials.
#pragma once
#include <array>
#include <initializer_list>
#include <string>
#include <vector>

#include "materials/texture_store.h"
#include "scene/scene.h"
#include "support/scene_checks.h"

namespace facetry::testing {

struct FaceSpec {
  std::array<FaceCorner, 3> corners;
  Rgb colour{200, 100, 50};
  int material = 0;
  bool smooth = false;
};

// Closes the faces into one object named `name`, corners (with their texture positions)
// in the given order.
inline void addObject(Scene& scene, Host& host, const std::string& name,
                      std::initializer_list<FaceSpec> faces) {
  scene.ask = true;
  for (const FaceSpec& f : faces) {
    scene.CurrentColour = f.colour;
    addFace(scene, host, f.corners[0], f.corners[1], f.corners[2]);
    Face& added = scene.FaceTable[static_cast<std::size_t>(scene.FaceCount - 1)];
    for (int k = 0; k < 3; ++k) {
      added.corners[k].u = f.corners[static_cast<std::size_t>(k)].u;
      added.corners[k].v = f.corners[static_cast<std::size_t>(k)].v;
    }
    added.material = f.material;
    added.smooth = f.smooth ? 1 : 0;
  }
  scene.ObjectNameBuffer.assign(name);
  closeObject(scene, host, false, true);
}

inline FaceCorner uvCorner(float x, float y, float z, float u, float v) {
  FaceCorner c = corner(x, y, z);
  c.u = u;
  c.v = v;
  return c;
}

// Material `entry` is the picture `file`, decoded as `width` x `height` (0 x 0: it could
// not be decoded).
inline void addPicture(Scene& scene, TextureStore& textures, int entry, const std::string& file,
                       int width, int height) {
  scene.MaterialList[static_cast<std::size_t>(entry)].assign(file);
  scene.MaterialCount = std::max(scene.MaterialCount, entry + 1);
  textures.set(
      entry, width, height,
      std::vector<Rgb>(static_cast<std::size_t>(width) * static_cast<std::size_t>(height)));
}

// A 1 x 1 GIF picture, for readers that open the texture files.
inline std::string tinyGif() {
  const unsigned char bytes[] = {'G', 'I',  'F',  '8',  '9', 'a', 1, 0,    1,    0, 0x80, 0,
                                 0,   0xFF, 0xFF, 0xFF, 0,   0,   0, 0x2C, 0,    0, 0,    0,
                                 1,   0,    1,    0,    0,   2,   2, 0x44, 0x01, 0, 0x3B};
  return std::string(reinterpret_cast<const char*>(bytes), sizeof bytes);
}

}  // namespace facetry::testing
