// render/walk_pad.h: the picture of the walk-through's arrow pad (Image2). Its regions are
// those of padRegion: up and down in the left half, right and left in the right half.
#pragma once
#include "render/canvas.h"

namespace facetry {

constexpr int kPadWidth = 84;
constexpr int kPadHeight = 61;

// The 84 x 61 pad: a grey plate split into four fields, each with a black arrow pointing
// the way its press moves the scene.
Canvas arrowPadPicture();

}  // namespace facetry
