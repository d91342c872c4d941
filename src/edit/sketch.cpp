// edit/sketch.cpp: the line drawings of the tool and operation pictures.
#include "edit/sketch.h"

#include <cmath>

namespace facetry {

Sketch::Sketch(int width, int height)
    : canvas_(width, height), sx_(width / 120.0), sy_(height / 90.0) {}

int Sketch::px(double x) const {
  return static_cast<int>(std::lround(x * sx_));
}
int Sketch::py(double y) const {
  return static_cast<int>(std::lround(y * sy_));
}

void Sketch::setInside(int x, int y, Rgb colour) {
  if (x >= 0 && y >= 0 && x < canvas_.width() && y < canvas_.height()) {
    canvas_.setPixel(x, y, colour);
  }
}

void Sketch::line(double x0, double y0, double x1, double y1, Rgb colour) {
  canvas_.pen = {colour, PenMode::Copy};
  canvas_.line(px(x0), py(y0), px(x1), py(y1));
  canvas_.plot(px(x1), py(y1));
}

void Sketch::path(const std::vector<std::pair<double, double>>& points, bool closed) {
  for (std::size_t i = 0; i + 1 < points.size(); ++i) {
    line(points[i].first, points[i].second, points[i + 1].first, points[i + 1].second);
  }
  if (closed && points.size() > 2) {
    line(points.back().first, points.back().second, points[0].first, points[0].second);
  }
}

void Sketch::rect(double x0, double y0, double x1, double y1) {
  line(x0, y0, x1, y0);
  line(x1, y0, x1, y1);
  line(x1, y1, x0, y1);
  line(x0, y1, x0, y0);
}

void Sketch::fill(double x0, double y0, double x1, double y1, Rgb colour) {
  for (int y = py(y0); y <= py(y1); ++y) {
    for (int x = px(x0); x <= px(x1); ++x) setInside(x, y, colour);
  }
}

void Sketch::ellipse(double cx, double cy, double rx, double ry) {
  canvas_.pen = {kInk, PenMode::Copy};
  canvas_.ellipse(px(cx - rx), py(cy - ry), px(cx + rx), py(cy + ry));
}

void Sketch::click(double x, double y, int n) {
  canvas_.pen = {kClick, PenMode::Copy};
  const int cx = px(x), cy = py(y);
  for (int dy = -2; dy <= 2; ++dy) {
    for (int dx = -2; dx <= 2; ++dx) {
      if (dx * dx + dy * dy <= 5) canvas_.plot(cx + dx, cy + dy);
    }
  }
  for (int k = 0; k < n; ++k) canvas_.line(cx - 4 + 4 * k, cy + 5, cx - 4 + 4 * k, cy + 8);
}

void Sketch::dot(double x, double y) {
  const int cx = px(x), cy = py(y);
  for (int dy = -1; dy <= 1; ++dy) {
    for (int dx = -1; dx <= 1; ++dx) setInside(cx + dx, cy + dy, kClick);
  }
}

}  // namespace facetry
