// render/walk_raster.h: one face drawn in perspective for the walk-through window, into the
// shared ViewBitmap and DepthBuffer. The faces carry shading baked in before the window
// opened: a flat face shows its stored colour, a flat textured face is lit by byte 0 of
// its FaceShading, and Gouraud and Phong read the stored corner values and normals.
#pragma once
#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "render/rasteriser.h"
#include "scene/scene.h"

namespace facetry {

// The fixed camera looking along -z from distance Dc, with focal length F, onto a picture
// of width x height pixels whose centre is (sx, sy).
struct WalkCamera {
  float distance = 600;       // Dc
  float focal = 600;          // F
  double sx = 200, sy = 200;  // half the width and height
  int width = 400, height = 400;
};

// A corner in the picture: column x', row y', depth z' = z F / d with d = Dc - z (d = 1
// when it is below 1, so a corner at or behind the camera plane stays finite).
struct WalkPoint {
  double column, row, depth;
};
WalkPoint projectWalkCorner(const WalkCamera& camera, const FaceCorner& corner);

struct WalkRasterContext {
  const Lighting& light;
  const TextureStore& textures;
  ShadingMode mode;
  WalkCamera camera;
};

// Draws face `face` over rows 0..height and columns 0..width. A pixel is written when the
// stored depth is smaller than its own (7 fraction bits, larger is nearer) and its
// unprojected z lies in front of the camera (below Dc); only then is its depth stored.
// Throws RangeError for a coordinate whose truncation does not fit an int32, a light value
// outside 0..180, or a material or texel outside the texture store.
void rasteriseWalkFace(const Scene& scene, int face, const WalkRasterContext& context,
                       FrameBuffers& frame);

}  // namespace facetry
