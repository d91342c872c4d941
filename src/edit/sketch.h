// edit/sketch.h: line drawings on a 120 x 90 grid scaled to a canvas, which the pictures
// of the tools and of the operations are drawn with.
#pragma once
#include <utility>
#include <vector>

#include "render/canvas.h"

namespace facetry {

class Sketch {
 public:
  static constexpr Rgb kInk{60, 60, 60};
  static constexpr Rgb kClick{220, 30, 30};

  Sketch(int width, int height);

  void line(double x0, double y0, double x1, double y1, Rgb colour = kInk);
  // The lines between successive points, and back to the first when `closed`.
  void path(const std::vector<std::pair<double, double>>& points, bool closed = false);
  void rect(double x0, double y0, double x1, double y1);
  // Every pixel from (x0, y0) to (x1, y1) in `colour`.
  void fill(double x0, double y0, double x1, double y1, Rgb colour);
  void ellipse(double cx, double cy, double rx, double ry);
  // Click number n: a red dot with n small ticks under it.
  void click(double x, double y, int n);
  // A click without a number: a red square of 3 x 3 pixels.
  void dot(double x, double y);
  Canvas take() { return std::move(canvas_); }

 private:
  int px(double x) const;
  int py(double y) const;
  void setInside(int x, int y, Rgb colour);
  Canvas canvas_;
  double sx_, sy_;
};

}  // namespace facetry
