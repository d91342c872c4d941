// render/canvas.h: a picture the core draws on: 24-bit pixels stored blue, green, red, rows
// padded to a multiple of 4 bytes (so a window can show the buffer without copying), and a
// pen that draws in Copy or NotXor mode. NotXor makes every stroke its own eraser: drawing
// the same stroke twice restores the picture, which is how previews follow the mouse.
#pragma once
#include <cstdint>
#include <utility>
#include <vector>

#include "scene/records.h"

namespace facetry {

enum class PenMode { Copy, NotXor };

struct Pen {
  Rgb colour{0, 0, 0};
  PenMode mode = PenMode::Copy;
};

class Canvas {
 public:
  Canvas() = default;
  Canvas(int width, int height, Rgb fill = {255, 255, 255});

  int width() const { return width_; }
  int height() const { return height_; }
  int stride() const { return stride_; }  // bytes per row
  std::uint8_t* data() { return pixels_.data(); }
  const std::uint8_t* data() const { return pixels_.data(); }
  std::uint8_t* row(int y) { return pixels_.data() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* row(int y) const {
    return pixels_.data() + static_cast<std::size_t>(y) * stride_;
  }

  // Pixel access; outside the picture get returns black and set does nothing.
  Rgb pixel(int x, int y) const;
  void setPixel(int x, int y, Rgb colour);
  void fill(Rgb colour);
  // Copies the overlapping part of `source` to the top left.
  void copyFrom(const Canvas& source);

  Pen pen;
  // Plots one pixel with the pen (colour in Copy mode, not-xor with it in NotXor mode).
  void plot(int x, int y);
  // The pen's strokes. A line covers its start pixel but not its end pixel, so polylines
  // and closed outlines plot every corner once. Pixels outside the picture are clipped.
  void moveTo(int x, int y);
  void lineTo(int x, int y);
  void line(int x0, int y0, int x1, int y1);
  void polyline(const std::vector<std::pair<int, int>>& points);
  // Outline of the rectangle with corners (x0, y0) and (x1, y1), both included.
  void frameRect(int x0, int y0, int x1, int y1);
  // Outline of the ellipse inscribed in the box (x0, y0)-(x1, y1), each pixel once.
  void ellipse(int x0, int y0, int x1, int y1);
  // The centre marker: a 20 x 21 picture with a transparent background, top left at (x, y).
  void drawCentreMarker(int x, int y);

 private:
  int width_ = 0;
  int height_ = 0;
  int stride_ = 0;
  std::vector<std::uint8_t> pixels_;
  int pen_x_ = 0;
  int pen_y_ = 0;
};

}  // namespace facetry
