// render/raster_rig.h: what a rasteriser test draws with: a scene, the lighting with its
// shade table, a texture store and fresh frame buffers (white, depth cleared).
#pragma once
#include <vector>

#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "render/rasteriser.h"
#include "scene/scene.h"
#include "support/scripted_host.h"

namespace facetry::testing {

inline FaceCorner at(float x, float y, float z, float u = 0, float v = 0) {
  FaceCorner c;
  c.x = x;
  c.y = y;
  c.z = z;
  c.u = u;
  c.v = v;
  return c;
}

struct RasterRig {
  Scene scene;
  Lighting light;
  TextureStore textures;
  FrameBuffers frame;
  ScriptedHost host;
  bool poly_lines = false;

  RasterRig() {
    buildShadeTable(light);
    scene.ask = true;  // objects close without the name prompt
  }

  // Adds one face as an object of its own, with the corners exactly as given (addFace would
  // set its own texture coordinates); returns its index.
  int addFaceObject(const FaceCorner& a, const FaceCorner& b, const FaceCorner& c, Rgb colour,
                    int level = 0) {
    const int index = scene.FaceCount;
    scene.CurrentColour = colour;
    addFace(scene, host, a, b, c);
    closeObject(scene, host, false, false);
    Face& added = face(index);
    added.corners[0] = a;
    added.corners[1] = b;
    added.corners[2] = c;
    added.ReflectionLevel = static_cast<std::uint8_t>(level);
    return index;
  }
  Face& face(int index) { return scene.FaceTable[static_cast<std::size_t>(index)]; }
  FaceShading& shading(int index) {
    return scene.FaceShadingTable[static_cast<std::size_t>(index)];
  }

  void setShadow(int level) {
    light.ShadowLevel = level;
    buildShadeTable(light);
  }
  void draw(int index, int view, ShadingMode mode, bool bake = false) {
    const RasterContext context{light, textures, poly_lines};
    rasteriseFace(scene, index, view, mode, bake, context, frame);
  }
  Rgb pixel(int x, int y) const { return frame.ViewBitmap.pixel(x, y); }
  std::int32_t depth(int x, int y) { return frame.depth(y, x); }
  // Positions (x, y) whose pixel is not the white background.
  std::vector<std::pair<int, int>> drawnPixels() const {
    std::vector<std::pair<int, int>> drawn;
    for (int y = 0; y < kBitmapSize; ++y) {
      for (int x = 0; x < kBitmapSize; ++x) {
        if (!(pixel(x, y) == Rgb{255, 255, 255})) drawn.emplace_back(x, y);
      }
    }
    return drawn;
  }
};

}  // namespace facetry::testing
