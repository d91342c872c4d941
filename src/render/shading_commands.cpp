// render/shading_commands.cpp: reflection, smoothing, shadow and light commands.
#include "render/shading_commands.h"

#include <string>

#include "scene/errors.h"

namespace facetry {

void setShadowLevel(Lighting& light, int level) {
  if (level != kShadowMax && level != kShadowNormal && level != kShadowNone) {
    throw RangeError("shadow level " + std::to_string(level) + " is not 0, 50 or 100");
  }
  light.ShadowLevel = level;
  buildShadeTable(light);
}

void setLightPosition(Lighting& light, int x, int y, int z) {
  light.LightPosition = {static_cast<float>(x), static_cast<float>(y), static_cast<float>(z)};
}

}  // namespace facetry
