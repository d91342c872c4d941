// render/shading_commands.h: the "&Options" shadow and light commands as core functions.
// Neither takes an undo snapshot; the caller redraws afterwards.
#pragma once
#include "render/lighting.h"

namespace facetry {

// ShadowLevel 100 (Max), 50 (Normal) or 0 (None), and the shade table rebuilt. Throws
// RangeError for any other level.
void setShadowLevel(Lighting& light, int level);
// The "Light position" dialog's Ok: whole numbers into LightPosition.
void setLightPosition(Lighting& light, int x, int y, int z);

}  // namespace facetry
