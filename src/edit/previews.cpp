// edit/previews.cpp: rubber-band shapes. A shape is a set of polylines in the clicked
// view's frame (view coordinates a, b and an offset along the view's depth axis from
// CentrePoint); each view image gets its projection.
#include "edit/previews.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "edit/view_mouse.h"
#include "scene/geometry.h"
#include "scene/view_axes.h"

namespace facetry {

namespace {

struct FramePoint {
  double a, b, depth_offset;
};
using Polyline = std::vector<FramePoint>;

// The model point of a frame point of `view`, placed as the new faces of that view are.
Point3 toModel(View view, const FramePoint& p, const Point3& c) {
  Point3 model = fromView(view, static_cast<float>(p.a), static_cast<float>(p.b), c);
  const int depth = viewAxes(view).depth;
  setAxis(model, depth, static_cast<float>(axisOf(c, depth) + p.depth_offset));
  return model;
}

std::pair<int, int> toPixel(View image_view, const Point3& p) {
  const ViewPosition q = toView(image_view, p);
  const auto clamp = [](double v) { return static_cast<int>(std::clamp(v, -1.0e6, 1.0e6)); };
  return {clamp(q.column), clamp(q.row)};
}

void rasterise(std::pair<int, int> from, std::pair<int, int> to,
               std::vector<std::pair<int, int>>& pixels) {
  auto [x0, y0] = from;
  const auto [x1, y1] = to;
  const int dx = std::abs(x1 - x0), dy = -std::abs(y1 - y0);
  const int sx = x0 < x1 ? 1 : -1, sy = y0 < y1 ? 1 : -1;
  int error = dx + dy;
  for (;;) {
    pixels.emplace_back(x0, y0);
    if (x0 == x1 && y0 == y1) return;
    const int twice = 2 * error;
    if (twice >= dy) {
      error += dy;
      x0 += sx;
    }
    if (twice <= dx) {
      error += dx;
      y0 += sy;
    }
  }
}

Polyline rectangle(double a0, double b0, double a1, double b1) {
  return {{a0, b0, 0}, {a1, b0, 0}, {a1, b1, 0}, {a0, b1, 0}, {a0, b0, 0}};
}

Polyline ellipse(double ca, double cb, double ra, double rb, double step) {
  Polyline line;
  if (step < 1) step = 1;
  for (double t = 0; t <= 360; t += step) {
    line.push_back(
        {ca + ra * std::sin(t * kDegreeRadians), cb + rb * std::cos(t * kDegreeRadians), 0});
  }
  line.push_back(line.front());
  return line;
}

// The shape the next click would produce, for the mouse at (a, b).
std::vector<Polyline> shapeFor(const ToolState& t, double a, double b) {
  const ClickPoint& f = t.FirstClick;
  const ClickPoint& s = t.SecondClick;
  std::vector<Polyline> shape;
  if (t.flags.userExtendOn || t.flags.dragAlongOn) shape.push_back({{f.a, f.b, 0}, {a, b, 0}});
  if (t.flags.resizeRectOn) shape.push_back(rectangle(f.a, f.b, a, b));
  if (t.flags.moveOn || t.flags.resizeOn || t.flags.copyOn) return shape;
  switch (t.ToolMode) {
    case ModeCube:
      if (t.ClickStage == 1) {
        shape.push_back(rectangle(f.a, f.b, a, b));
      } else if (t.ClickStage == 2) {
        const double depth = -std::hypot(a - s.a, b - s.b);
        Polyline front = rectangle(f.a, f.b, s.a, s.b), back = front;
        for (FramePoint& p : back) p.depth_offset = depth;
        shape.push_back(front);
        shape.push_back(back);
        for (std::size_t k = 0; k < 4; ++k) shape.push_back({front[k], back[k]});
      }
      break;
    case ModeSphere:
      shape.push_back(ellipse(f.a, f.b, f.a - a, f.b - b, t.DegreeStep));
      break;
    case ModeRing:
    case ModeCircle:
      if (t.ClickStage == 1) {
        shape.push_back(ellipse(f.a, f.b, f.a - a, f.b - b, t.DegreeStep));
      } else {
        shape.push_back(ellipse(f.a, f.b, f.a - s.a, f.b - s.b, t.DegreeStep));
        shape.push_back({{s.a, s.b, 0}, {a, b, 0}});
      }
      break;
    case ModeTube:
      shape.push_back(rectangle(f.a, f.b, a, b));
      break;
    case ModePoint:
      shape.push_back({{2.0 * f.a - a, b, 0}, {f.a, f.b, 0}, {a, b, 0}});
      break;
    case ModeTriangle:
      if (t.ClickStage == 1) shape.push_back({{f.a, f.b, 0}, {a, b, 0}});
      if (t.ClickStage == 2)
        shape.push_back({{f.a, f.b, 0}, {s.a, s.b, 0}, {a, b, 0}, {f.a, f.b, 0}});
      break;
    case ModeSelectArea:
    case ModeMultiSurface:
      shape.push_back(rectangle(f.a, f.b, a, b));
      break;
    case ModePolygon:
    case ModeMultiTube:
    case ModeArray:
    case ModeLineArray: {
      Polyline line;
      for (int i = 0; i < t.ClickList1.count; ++i) {
        const auto& p = t.ClickList1.points[static_cast<std::size_t>(i)];
        line.push_back({static_cast<double>(p[0]), static_cast<double>(p[1]), 0});
      }
      line.push_back({a, b, 0});
      shape.push_back(line);
      break;
    }
    default:
      break;
  }
  return shape;
}

// The copy tool's outline: the bounding rectangle of the selection and of each selected
// object in `view`, displaced by the offset from the first click to the mouse at (a, b).
std::vector<Polyline> copyOutline(const Scene& scene, View view, const ClickPoint& first, double a,
                                  double b) {
  std::vector<Polyline> shape;
  const double da = a - first.a, db = b - first.b;
  auto add = [&](const float(&min)[3], const float(&max)[3]) {
    const ViewAxes axes = viewAxes(view);
    shape.push_back(rectangle(min[axes.column] + da, min[axes.row] + db, max[axes.column] + da,
                              max[axes.row] + db));
  };
  const ModelObject all = selectionBounds(scene, false);
  if (all.min[0] > all.max[0]) return shape;  // nothing selected
  add(all.min, all.max);
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    if (o.selected) add(o.min, o.max);
  }
  return shape;
}

void plotShape(Workspace& ws, View view, View image_view, const std::vector<Polyline>& shape) {
  const auto v = static_cast<std::size_t>(viewIndex(image_view));
  std::vector<std::pair<int, int>>& pixels = ws.tools.preview.pixels[v];
  for (const Polyline& line : shape) {
    for (std::size_t k = 0; k + 1 < line.size(); ++k) {
      rasterise(toPixel(image_view, toModel(view, line[k], ws.views.CentrePoint)),
                toPixel(image_view, toModel(view, line[k + 1], ws.views.CentrePoint)), pixels);
    }
  }
}

}  // namespace

void erasePreview(Workspace& ws) {
  PreviewTrace& trace = ws.tools.preview;
  for (std::size_t v = 0; v < 3; ++v) {
    Canvas& image = ws.frame.images[v];
    const Pen saved = image.pen;
    image.pen = {{0, 0, 0}, PenMode::NotXor};
    for (const auto& [x, y] : trace.pixels[v]) image.plot(x, y);
    image.pen = saved;
    trace.pixels[v].clear();
  }
}

void drawPreview(Workspace& ws, View view, float column, float row) {
  erasePreview(ws);
  const ToolState& t = ws.tools;
  if (t.flags.punchOn || t.flags.booleanPickOn || t.FirstClick.a == 0) return;
  const std::vector<Polyline> shape = shapeFor(t, column, row);
  for (View image_view : kViews) {
    const auto v = static_cast<std::size_t>(viewIndex(image_view));
    std::vector<std::pair<int, int>>& pixels = ws.tools.preview.pixels[v];
    plotShape(ws, view, image_view, shape);
    // The copy outline is drawn in the clicked view only.
    if (t.flags.copyOn && image_view == view) {
      plotShape(ws, view, image_view, copyOutline(ws.scene, view, t.FirstClick, column, row));
    }
    const Canvas& image = ws.frame.images[v];
    std::erase_if(pixels, [&](const std::pair<int, int>& p) {
      return p.first < 0 || p.second < 0 || p.first >= image.width() || p.second >= image.height();
    });
    std::sort(pixels.begin(), pixels.end());
    pixels.erase(std::unique(pixels.begin(), pixels.end()), pixels.end());
    Canvas& target = ws.frame.images[v];
    const Pen saved = target.pen;
    target.pen = {{0, 0, 0}, PenMode::NotXor};
    for (const auto& [x, y] : pixels) target.plot(x, y);
    target.pen = saved;
  }
}

void redrawViews(Workspace& ws) {
  for (auto& pixels : ws.tools.preview.pixels) pixels.clear();  // the redraw replaces them
  redraw(ws);
  const View view = ws.tools.ActiveView;
  const auto& mouse = ws.views.MousePosition[static_cast<std::size_t>(viewIndex(view))];
  drawPreview(ws, view, mouse[0], mouse[1]);
}

}  // namespace facetry
