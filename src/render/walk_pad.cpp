// render/walk_pad.cpp: the arrow pad's picture.
#include "render/walk_pad.h"

#include <algorithm>
#include <cstdlib>

namespace facetry {

namespace {

constexpr Rgb kPlate{200, 200, 200};
constexpr Rgb kLight{250, 250, 250};
constexpr Rgb kShadow{110, 110, 110};

// A field with a raised edge: light along the top and left, dark along the bottom and right.
void drawField(Canvas& pad, int x0, int y0, int x1, int y1) {
  pad.pen = {kLight, PenMode::Copy};
  pad.line(x0, y1, x0, y0);
  pad.line(x0, y0, x1, y0);
  pad.pen.colour = kShadow;
  pad.line(x1, y0, x1, y1);
  pad.line(x1, y1, x0 - 1, y1);
}

// A filled arrow head of half-width 7 and length 8 with its tip at (x, y), pointing
// (dx, dy), one of the four axis directions, and a short shaft behind it.
void drawArrow(Canvas& pad, int x, int y, int dx, int dy) {
  pad.pen = {{0, 0, 0}, PenMode::Copy};
  for (int k = 0; k <= 8; ++k) {
    const int half = k * 7 / 8;
    const int cx = x - dx * k, cy = y - dy * k;  // the head's row k behind the tip
    pad.line(cx - std::abs(dy) * half, cy - std::abs(dx) * half,
             cx + std::abs(dy) * half + std::abs(dy), cy + std::abs(dx) * half + std::abs(dx));
  }
  for (int k = 9; k <= 14; ++k) {
    const int cx = x - dx * k, cy = y - dy * k;
    pad.line(cx - std::abs(dy) * 2, cy - std::abs(dx) * 2, cx + std::abs(dy) * 3,
             cy + std::abs(dx) * 3);
  }
}

}  // namespace

Canvas arrowPadPicture() {
  Canvas pad(kPadWidth, kPadHeight, kPlate);
  // Left half: columns 0..40, right half: 41..80; upper fields rows 0..29, lower 30..60.
  drawField(pad, 0, 0, 40, 29);
  drawField(pad, 0, 30, 40, 60);
  drawField(pad, 41, 0, 80, 29);
  drawField(pad, 41, 30, 80, 60);
  drawArrow(pad, 20, 7, 0, -1);   // up
  drawArrow(pad, 20, 53, 0, 1);   // down
  drawArrow(pad, 68, 15, 1, 0);   // right
  drawArrow(pad, 53, 45, -1, 0);  // left
  return pad;
}

}  // namespace facetry
