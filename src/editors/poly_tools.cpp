// editors/poly_tools.cpp: the Poly creator's drawing tools on its three polylines.
#include <algorithm>
#include <cmath>
#include <numbers>

#include "editors/poly_creator.h"

namespace facetry {

namespace {

using XY = std::pair<int, int>;

void append(PolyLine2D& line, int x, int y) {
  if (static_cast<int>(line.size()) < kPolyPointSlots) line.push_back({x, y, 0, 0});
}

bool fartherThan2(const PolyLine2D& line, double x, double y) {
  if (line.empty()) return true;
  return std::hypot(x - line.back().x, y - line.back().y) > 2;
}

// The rubber previews, drawn over a fresh picture of the image with the not-xor pen.
void rubberLine(Canvas& canvas, XY from, XY to) {
  canvas.pen = {{0, 0, 0}, PenMode::NotXor};
  canvas.line(from.first, from.second, to.first, to.second);
  canvas.pen.mode = PenMode::Copy;
}

void rubberPolyline(Canvas& canvas, const PolyLine2D& line) {
  std::vector<std::pair<int, int>> points;
  for (const PolyPoint& p : line) points.emplace_back(p.x, p.y);
  canvas.pen = {{0, 0, 0}, PenMode::NotXor};
  canvas.polyline(points);
  canvas.pen.mode = PenMode::Copy;
}

}  // namespace

PolyLine2D& polyLine(PolyCreator& pc, PolyImage image) {
  return pc.lines[static_cast<std::size_t>(image)];
}

void clearPolyToolState(PolyCreator& pc) {
  pc.button_down = {};
  pc.anchor.reset();
  pc.bezier_clicks = 0;
}

void choosePolyTool(PolyCreator& pc, PolyTool tool) {
  pc.tool = tool;
  clearPolyToolState(pc);
}

void appendBezier(PolyLine2D& line, int resolution, XY start, XY end, XY control1, XY control2) {
  const int steps = std::max(resolution - 1, 1);
  append(line, start.first, start.second);
  auto bezier = [](double t, double p0, double p1, double p2, double p3) {
    const double u = 1 - t;
    return u * u * u * p0 + 3 * t * u * u * p1 + 3 * t * t * u * p2 + t * t * t * p3;
  };
  for (int i = 0; i < steps; ++i) {
    const double t = static_cast<double>(i) / steps;
    // Halves round to even, as the default rounding mode does.
    const double x =
        std::nearbyint(bezier(t, start.first, control1.first, control2.first, end.first));
    const double y =
        std::nearbyint(bezier(t, start.second, control1.second, control2.second, end.second));
    if (fartherThan2(line, x, y)) append(line, static_cast<int>(x), static_cast<int>(y));
  }
  if (fartherThan2(line, end.first, end.second)) append(line, end.first, end.second);
}

void appendEllipse(PolyLine2D& line, int resolution, XY centre, int dx, int dy) {
  append(line, centre.first, centre.second + dy);
  const double s = 360.0 / std::max(resolution, 1);
  for (int k = 0; k <= resolution; ++k) {
    const double a = (360 - k * s) * std::numbers::pi / 180;
    append(line, static_cast<int>(std::trunc(centre.first + std::sin(a) * dx)),
           static_cast<int>(std::trunc(centre.second + std::cos(a) * dy)));
  }
  if (!line.empty()) {
    const PolyPoint first = line.front();
    line.back() = first;  // closes the outline
  }
}

bool polyMouseDown(PolyCreator& pc, PolyImage image, int x, int y, PolyButton button) {
  const auto index = static_cast<std::size_t>(image);
  if (button == PolyButton::Right) {
    clearPolyToolState(pc);
    return true;
  }
  pc.button_down[index] = true;
  pc.last_mouse = {x, y};
  PolyLine2D& line = polyLine(pc, image);
  switch (pc.tool) {
    case PolyTool::Line:
      append(line, x, y);
      return true;
    case PolyTool::Select:
      if (!pc.anchor) {
        pc.anchor = XY{x, y};
        return false;
      }
      for (PolyPoint& p : line) {
        if (pc.anchor->first <= p.x && p.x <= x && pc.anchor->second <= p.y && p.y <= y) {
          p.selected = 1;
        }
      }
      pc.anchor.reset();
      return true;
    case PolyTool::Bezier:
      pc.bezier[static_cast<std::size_t>(pc.bezier_clicks++)] = {x, y};
      if (pc.bezier_clicks < 4) return false;
      appendBezier(line, pc.resolution, pc.bezier[0], pc.bezier[1], pc.bezier[2], pc.bezier[3]);
      pc.bezier_clicks = 0;
      return true;
    case PolyTool::Circle:
      if (!pc.anchor) {
        pc.anchor = XY{x, y};
        return false;
      }
      appendEllipse(line, pc.resolution, *pc.anchor, x - pc.anchor->first, y - pc.anchor->second);
      pc.anchor.reset();
      return true;
    case PolyTool::Move:
    case PolyTool::MoveSelection:
      return false;
  }
  return false;
}

bool polyMouseMove(PolyCreator& pc, PolyImage image, int x, int y) {
  const auto index = static_cast<std::size_t>(image);
  PolyLine2D& line = polyLine(pc, image);
  Canvas& canvas = pc.images[index];
  const bool held = pc.button_down[index];
  const bool rubber = pc.tool != PolyTool::Move && pc.tool != PolyTool::MoveSelection;
  if (rubber) drawPolyImage(pc, image);  // the last rubber preview goes
  switch (pc.tool) {
    case PolyTool::Move: {
      if (!held || line.empty()) return false;
      PolyPoint* nearest = nullptr;
      double best = 1000000;
      for (PolyPoint& p : line) {
        const double d = std::hypot(p.x - x, p.y - y);
        if (d < best) best = d, nearest = &p;
      }
      if (!nearest) return false;
      nearest->x = x, nearest->y = y;
      return true;
    }
    case PolyTool::MoveSelection: {
      if (!held) return false;
      const int dx = x - pc.last_mouse.first, dy = y - pc.last_mouse.second;
      pc.last_mouse = {x, y};
      for (PolyPoint& p : line) {
        if (p.selected) p.x += dx, p.y += dy;
      }
      return dx != 0 || dy != 0;
    }
    case PolyTool::Line:
      if (!line.empty()) rubberLine(canvas, {line.back().x, line.back().y}, {x, y});
      return false;
    case PolyTool::Select:
      if (pc.anchor) {
        canvas.pen = {{0, 0, 0}, PenMode::NotXor};
        canvas.frameRect(pc.anchor->first, pc.anchor->second, x, y);
        canvas.pen.mode = PenMode::Copy;
      }
      return false;
    case PolyTool::Bezier: {
      if (pc.bezier_clicks == 0) return false;
      // The curve so far, the mouse standing in for the next click; a control point not
      // yet given lies on its end of the curve.
      const XY mouse{x, y};
      const auto& b = pc.bezier;
      const int n = pc.bezier_clicks;
      const XY start = b[0];
      const XY end = n >= 2 ? b[1] : mouse;
      const XY control1 = n >= 3 ? b[2] : n == 2 ? mouse : start;
      const XY control2 = n == 3 ? mouse : end;
      PolyLine2D curve;
      appendBezier(curve, pc.resolution, start, end, control1, control2);
      rubberPolyline(canvas, curve);
      return false;
    }
    case PolyTool::Circle: {
      if (!pc.anchor) return false;
      PolyLine2D outline;
      appendEllipse(outline, pc.resolution, *pc.anchor, x - pc.anchor->first,
                    y - pc.anchor->second);
      rubberPolyline(canvas, outline);
      return false;
    }
  }
  return false;
}

void polyMouseUp(PolyCreator& pc, PolyImage image) {
  pc.button_down[static_cast<std::size_t>(image)] = false;
}

void deleteSelectedPolyPoints(PolyCreator& pc) {
  for (PolyLine2D& line : pc.lines) {
    std::erase_if(line, [](const PolyPoint& p) { return p.selected != 0; });
  }
}

void deselectPolyPoints(PolyCreator& pc) {
  for (PolyLine2D& line : pc.lines) {
    for (PolyPoint& p : line) p.selected = 0;
  }
}

void newPolyLines(PolyCreator& pc) {
  for (PolyLine2D& line : pc.lines) line.clear();
}

bool setPolyResolution(PolyCreator& pc, Host& host, const std::string& text) {
  const std::string cut = text.substr(0, 6);
  std::size_t used = 0;
  int value = 0;
  bool number = false;
  try {
    value = std::stoi(cut, &used);
    number = used == cut.size();
  } catch (const std::exception&) {
    number = false;
  }
  if (!number || value < 2) {
    host.message("The resolution must be a whole number of at least 2.", "Poly creator",
                 MessageIcon::Warning, MessageButtons::Ok);
    return false;
  }
  pc.resolution = value;
  return true;
}

}  // namespace facetry
