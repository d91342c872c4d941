// edit/tool_pictures.h: the line pictures the toolbox shows for each tool ("Look at picture
// to see how the object is set up"), with the clicks marked in order, and the rotate dial.
#pragma once
#include "render/canvas.h"

namespace facetry {

enum class ToolPicture {
  Empty,
  Cube,
  Sphere,
  Triangle,
  Tube,
  Point,
  Polygon,
  MultiTube,
  Ring,
  Circle,
  MultiSurface,
  Array,
  LineArray,
  DragAlong,
  PunchIn,
  PunchOut,
  Glue
};

// The picture of `tool` on a white `width` x `height` canvas: the shape in dark grey, the
// clicks as red dots numbered by how many dots stand beside them.
Canvas toolPicture(ToolPicture tool, int width = 120, int height = 90);
// The picture of the ToolMode value `mode` (and the drag-along tool when `drag_along`).
ToolPicture pictureForMode(int mode, bool drag_along);

// The rotate dial, 43 x 41: a ring with six arrows in the regions of dialRegions.
Canvas dialPicture();

}  // namespace facetry
