// render/canvas.cpp: pixels, the pen and its strokes.
#include "render/canvas.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>

namespace facetry {

Canvas::Canvas(int width, int height, Rgb fill_colour)
    : width_(width),
      height_(height),
      stride_((width * 3 + 3) & ~3),
      pixels_(static_cast<std::size_t>(stride_) * static_cast<std::size_t>(height)) {
  fill(fill_colour);
}

Rgb Canvas::pixel(int x, int y) const {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return {0, 0, 0};
  const std::uint8_t* p = row(y) + 3 * x;
  return {p[2], p[1], p[0]};
}

void Canvas::setPixel(int x, int y, Rgb colour) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* p = row(y) + 3 * x;
  p[0] = colour.blue;
  p[1] = colour.green;
  p[2] = colour.red;
}

void Canvas::fill(Rgb colour) {
  for (int y = 0; y < height_; ++y) {
    std::uint8_t* p = row(y);
    for (int x = 0; x < width_; ++x, p += 3) {
      p[0] = colour.blue;
      p[1] = colour.green;
      p[2] = colour.red;
    }
  }
}

void Canvas::copyFrom(const Canvas& source) {
  const int w = std::min(width_, source.width_);
  const int h = std::min(height_, source.height_);
  for (int y = 0; y < h; ++y) std::copy_n(source.row(y), 3 * w, row(y));
}

void Canvas::plot(int x, int y) {
  if (x < 0 || y < 0 || x >= width_ || y >= height_) return;
  std::uint8_t* p = row(y) + 3 * x;
  if (pen.mode == PenMode::Copy) {
    p[0] = pen.colour.blue;
    p[1] = pen.colour.green;
    p[2] = pen.colour.red;
  } else {
    p[0] = static_cast<std::uint8_t>(~(p[0] ^ pen.colour.blue));
    p[1] = static_cast<std::uint8_t>(~(p[1] ^ pen.colour.green));
    p[2] = static_cast<std::uint8_t>(~(p[2] ^ pen.colour.red));
  }
}

void Canvas::moveTo(int x, int y) {
  pen_x_ = x;
  pen_y_ = y;
}

void Canvas::lineTo(int x, int y) {
  // Bresenham from the pen position; the end pixel is left for the next stroke.
  long x0 = pen_x_, y0 = pen_y_;
  const long dx = std::labs(x - x0), dy = -std::labs(y - y0);
  const long sx = x0 < x ? 1 : -1, sy = y0 < y ? 1 : -1;
  long error = dx + dy;
  while (x0 != x || y0 != y) {
    plot(static_cast<int>(x0), static_cast<int>(y0));
    const long twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
  moveTo(x, y);
}

void Canvas::line(int x0, int y0, int x1, int y1) {
  moveTo(x0, y0);
  lineTo(x1, y1);
}

void Canvas::polyline(const std::vector<std::pair<int, int>>& points) {
  if (points.empty()) return;
  moveTo(points[0].first, points[0].second);
  for (std::size_t i = 1; i < points.size(); ++i) lineTo(points[i].first, points[i].second);
}

void Canvas::frameRect(int x0, int y0, int x1, int y1) {
  if (x0 == x1 || y0 == y1) {  // a degenerate box is one line, each pixel once
    line(x0, y0, x1, y1);
    plot(x1, y1);
    return;
  }
  polyline({{x0, y0}, {x1, y0}, {x1, y1}, {x0, y1}, {x0, y0}});
}

void Canvas::ellipse(int x0, int y0, int x1, int y1) {
  if (x0 > x1) std::swap(x0, x1);
  if (y0 > y1) std::swap(y0, y1);
  // Midpoint ellipse with the centre and radii in half pixels, collecting the outline
  // first so that symmetric points that coincide are plotted once (not-xor safe).
  const double cx = (x0 + x1) / 2.0, cy = (y0 + y1) / 2.0;
  const double rx = (x1 - x0) / 2.0, ry = (y1 - y0) / 2.0;
  std::vector<std::pair<int, int>> points;
  if (rx < 0.5 || ry < 0.5) {
    for (int y = y0; y <= y1; ++y) {
      for (int x = x0; x <= x1; ++x) points.emplace_back(x, y);
    }
  } else {
    // Sample by angle densely enough to touch every outline pixel, then deduplicate.
    const int steps = static_cast<int>(8 * (rx + ry)) + 16;
    for (int i = 0; i < steps; ++i) {
      const double a = 2 * 3.14159265358979323846 * i / steps;
      points.emplace_back(static_cast<int>(std::lround(cx + rx * std::cos(a))),
                          static_cast<int>(std::lround(cy + ry * std::sin(a))));
    }
  }
  std::sort(points.begin(), points.end());
  points.erase(std::unique(points.begin(), points.end()), points.end());
  for (const auto& [x, y] : points) plot(x, y);
}

void Canvas::drawCentreMarker(int x, int y) {
  // A ring of radius 6 around (10, 10) with four ticks toward the centre; black, the
  // rest transparent. 20 columns by 21 rows.
  static constexpr const char* kMarker[21] = {
      "..........#.........", "..........#.........",  "..........#.........",
      ".......#######......", ".....##...#...##....",  "....#.....#.....#...",
      "....#...........#...", "...#.............#..",  "...#.............#..",
      "...#.............#..", "#######...#...#######", "...#.............#..",
      "...#.............#..", "....#...........#...",  "....#.....#.....#...",
      ".....##...#...##....", ".......#######......",  "..........#.........",
      "..........#.........", "..........#.........",  "....................",
  };
  const Pen saved = pen;
  pen = {{0, 0, 0}, PenMode::Copy};
  for (int r = 0; r < 21; ++r) {
    for (int c = 0; c < 20; ++c) {
      if (kMarker[r][c] == '#') plot(x + c, y + r);
    }
  }
  pen = saved;
}

}  // namespace facetry
