// exchange/writer_shift.h: the shift the exchange writers subtract from model x and y, so
// that exported scenes start near the origin.
#pragma once
#include "scene/scene.h"

namespace facetry {

struct WriterShift {
  float min_x = 10000;
  float min_y = 10000;
};

// The smallest corner x and y over faces 0..FaceCount-1 (open object included), each
// starting from 10000: a scene lying wholly beyond 10000 is shifted by 10000, not by its
// true minimum.
WriterShift writerShift(const Scene& scene);

}  // namespace facetry
