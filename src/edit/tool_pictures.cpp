// edit/tool_pictures.cpp: line drawings of the tools. Coordinates are given on a 120 x 90
// grid and scaled to the canvas.
#include "edit/tool_pictures.h"

#include <cmath>
#include <vector>

#include "edit/sketch.h"
#include "scene/tool_state.h"

namespace facetry {

namespace {

constexpr Rgb kClick = Sketch::kClick;

void drawTool(Sketch& s, ToolPicture tool) {
  switch (tool) {
    case ToolPicture::Empty:
      break;
    case ToolPicture::Cube:
      s.path({{20, 30}, {70, 30}, {70, 75}, {20, 75}}, true);
      s.path({{20, 30}, {45, 12}, {95, 12}, {70, 30}});
      s.path({{95, 12}, {95, 57}, {70, 75}});
      s.click(20, 30, 1);
      s.click(70, 75, 2);
      s.click(95, 57, 3);
      break;
    case ToolPicture::Sphere:
      s.ellipse(60, 45, 32, 32);
      s.ellipse(60, 45, 32, 10);
      s.click(60, 45, 1);
      s.click(92, 45, 2);
      break;
    case ToolPicture::Triangle:
      s.path({{20, 75}, {60, 15}, {100, 70}}, true);
      s.click(20, 75, 1);
      s.click(60, 15, 2);
      s.click(100, 70, 3);
      break;
    case ToolPicture::Tube:
      s.ellipse(60, 18, 25, 7);
      s.ellipse(60, 72, 25, 7);
      s.line(35, 18, 35, 72);
      s.line(85, 18, 85, 72);
      s.click(35, 18, 1);
      s.click(85, 72, 2);
      break;
    case ToolPicture::Point:
      s.ellipse(60, 72, 30, 8);
      s.path({{30, 72}, {60, 12}, {90, 72}});
      s.click(60, 12, 1);
      s.click(90, 72, 2);
      break;
    case ToolPicture::Polygon:
      s.path({{20, 70}, {35, 20}, {80, 15}, {100, 55}, {60, 75}}, true);
      s.click(20, 70, 1);
      s.click(35, 20, 1);
      s.click(80, 15, 1);
      s.click(100, 55, 2);
      break;
    case ToolPicture::MultiTube:
      s.path({{15, 65}, {45, 30}, {75, 55}, {105, 20}});
      s.path({{15, 75}, {45, 40}, {75, 65}, {105, 30}});
      s.click(15, 70, 1);
      s.click(45, 35, 1);
      s.click(105, 25, 2);
      break;
    case ToolPicture::Ring:
      s.ellipse(60, 45, 38, 28);
      s.ellipse(60, 45, 30, 20);
      s.click(60, 45, 1);
      s.click(98, 45, 2);
      s.click(90, 45, 3);
      break;
    case ToolPicture::Circle:
      s.ellipse(60, 45, 35, 28);
      s.click(60, 45, 1);
      s.click(95, 45, 2);
      s.click(95, 60, 3);
      break;
    case ToolPicture::MultiSurface:
      for (int i = 0; i <= 4; ++i) {
        s.line(20 + 20 * i, 15, 20 + 20 * i, 75);
        s.line(20, 15 + 15 * i, 100, 15 + 15 * i);
      }
      s.click(20, 15, 1);
      s.click(100, 75, 2);
      break;
    case ToolPicture::Array:
      s.path({{60, 10}, {75, 30}, {70, 55}, {80, 80}});
      s.path({{60, 10}, {45, 30}, {50, 55}, {40, 80}});
      s.line(60, 5, 60, 85, {150, 150, 150});
      s.click(75, 30, 1);
      s.click(80, 80, 2);
      break;
    case ToolPicture::LineArray:
      s.ellipse(25, 45, 10, 18);
      s.path({{25, 27}, {60, 20}, {100, 35}});
      s.path({{25, 63}, {60, 56}, {100, 71}});
      s.click(25, 45, 1);
      s.click(100, 53, 2);
      break;
    case ToolPicture::DragAlong:
      s.path({{10, 70}, {40, 60}, {60, 25}, {80, 60}, {110, 70}});
      s.line(60, 55, 60, 25, kClick);
      s.click(60, 55, 1);
      s.click(60, 25, 2);
      break;
    case ToolPicture::PunchIn:
      s.path({{10, 40}, {45, 40}, {45, 65}, {75, 65}, {75, 40}, {110, 40}});
      s.ellipse(60, 30, 15, 10);
      s.click(60, 30, 1);
      break;
    case ToolPicture::PunchOut:
      s.path({{10, 55}, {45, 55}, {45, 30}, {75, 30}, {75, 55}, {110, 55}});
      s.ellipse(60, 65, 15, 10);
      s.click(60, 65, 1);
      break;
    case ToolPicture::Glue:
      s.path({{10, 60}, {110, 60}});
      s.path({{40, 20}, {60, 10}, {80, 20}, {80, 40}, {40, 40}}, true);
      s.line(40, 40, 40, 60, kClick);
      s.line(80, 40, 80, 60, kClick);
      s.click(60, 25, 1);
      break;
  }
}

}  // namespace

Canvas toolPicture(ToolPicture tool, int width, int height) {
  Sketch sketch(width, height);
  drawTool(sketch, tool);
  return sketch.take();
}

ToolPicture pictureForMode(int mode, bool drag_along) {
  if (drag_along) return ToolPicture::DragAlong;
  switch (mode) {
    case ModeCube:
      return ToolPicture::Cube;
    case ModeSphere:
      return ToolPicture::Sphere;
    case ModeTriangle:
      return ToolPicture::Triangle;
    case ModeTube:
      return ToolPicture::Tube;
    case ModePoint:
      return ToolPicture::Point;
    case ModePolygon:
      return ToolPicture::Polygon;
    case ModeMultiTube:
      return ToolPicture::MultiTube;
    case ModeArray:
      return ToolPicture::Array;
    case ModeRing:
      return ToolPicture::Ring;
    case ModeCircle:
      return ToolPicture::Circle;
    case ModeMultiSurface:
      return ToolPicture::MultiSurface;
    case ModeLineArray:
      return ToolPicture::LineArray;
    default:
      return ToolPicture::Empty;
  }
}

Canvas dialPicture() {
  Canvas dial(43, 41, {225, 225, 225});
  dial.pen = {{90, 90, 90}, PenMode::Copy};
  dial.ellipse(6, 5, 36, 35);
  dial.pen = {{30, 30, 150}, PenMode::Copy};
  // Six arrows: up and down (y), left and right (z), and the two corners pairs (x).
  auto arrow = [&](int x0, int y0, int x1, int y1) {
    dial.line(x0, y0, x1, y1);
    dial.plot(x1, y1);
    const double angle = std::atan2(y1 - y0, x1 - x0);
    for (double side : {2.5, -2.5}) {
      const int hx = x1 - static_cast<int>(std::lround(4 * std::cos(angle + side / 4 * 3.14159)));
      const int hy = y1 - static_cast<int>(std::lround(4 * std::sin(angle + side / 4 * 3.14159)));
      dial.line(x1, y1, hx, hy);
    }
  };
  arrow(21, 14, 21, 2);   // y+
  arrow(21, 26, 21, 38);  // y-
  arrow(15, 20, 2, 20);   // z-
  arrow(27, 20, 40, 20);  // z+
  arrow(14, 13, 4, 4);    // x-
  arrow(28, 13, 38, 4);   // x+
  return dial;
}

}  // namespace facetry
