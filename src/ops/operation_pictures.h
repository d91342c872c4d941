// ops/operation_pictures.h: the pictures that explain "Extend faces" and "Boolean" in the
// main window's picture box: the triangle and each pattern's pieces, the user cut with its
// two clicks, and two overlapping squares with what each boolean operation keeps.
#pragma once
#include "render/canvas.h"

namespace facetry {

enum class OperationPicture {
  ExtendFaces,  // the triangle to be refined
  Simple,
  Normal,
  Complex,
  Complex2,
  User,
  Boolean,  // the two objects, first and second
  Subtract,
  Add,
  Intersect,
  Remove
};

// The picture on a white `width` x `height` canvas: outlines in dark grey, the pieces' new
// edges in blue, kept regions of a boolean filled light blue, clicks as red dots.
Canvas operationPicture(OperationPicture picture, int width = 80, int height = 60);

}  // namespace facetry
