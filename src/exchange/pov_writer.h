// exchange/pov_writer.h: the scene as a POV-Ray scene description.
#pragma once
#include <string>

#include "materials/texture_store.h"
#include "render/lighting.h"
#include "scene/host.h"
#include "scene/scene.h"
#include "scene/settings.h"

namespace facetry {

// The include list in the working directory, one include file name per line.
inline constexpr const char* kPovIncludeList = "povinc.fls";

// Writes faces 0..FaceCount-1 as a POV-Ray scene under `path` (CR LF line ends): the
// include lines of the include list, a camera, the background colour, one light at
// `light.LightPosition`, then one object { union { ... } } per run of faces of one colour
// and material, with a colour pigment, or a GIF image map when the material is a GIF
// picture that was decoded, and one finish. Corners are written turned by 180 degrees
// about the vertical line through (trunc(maxX / 2), trunc((maxY + minY) / 2)), with z
// moved by half the scene's depth, third corner first; a smooth face whose three corner
// normals are all non-zero is a smooth_triangle, every other face a triangle. Colour bytes
// are written divided by 50. The scene itself is not changed: the turn and the corner
// normals are worked out on a copy.
// When the include list is missing, asks "Povinc.fls bestaat niet. Niet bestand maken ?"
// (Yes/No, "Export pov"); Yes creates it with "shapes.inc", "colors.inc", "textures.inc".
// An empty scene gives the include lines, camera, background and light alone.
// Replaces the file only once it is complete; throws IoError.
void writePov(const Scene& scene, const Lighting& light, const Settings& settings,
              const TextureStore& textures, Host& host, const std::string& path);

}  // namespace facetry
