// exchange/writer_shift.cpp: the minimums the DXF and 3DS writers shift by.
#include "exchange/writer_shift.h"

namespace facetry {

WriterShift writerShift(const Scene& scene) {
  WriterShift shift;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (c.x < shift.min_x) shift.min_x = c.x;
      if (c.y < shift.min_y) shift.min_y = c.y;
    }
  }
  return shift;
}

}  // namespace facetry
