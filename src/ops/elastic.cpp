// ops/elastic.cpp: fitting, drawing, dragging and applying the elastic cage.
#include "ops/elastic.h"

#include <algorithm>
#include <cmath>

#include "edit/previews.h"
#include "files/undo.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

std::int32_t cageAxis(const CagePoint& p, int axis) {
  return axis == 0 ? p.X : axis == 1 ? p.Y : p.Z;
}
void setCageAxis(CagePoint& p, int axis, std::int32_t value) {
  (axis == 0 ? p.X : axis == 1 ? p.Y : p.Z) = value;
}

// The first cage index (0, 4 or 8) of a view's four points.
std::size_t firstOf(View view) {
  return static_cast<std::size_t>(viewIndex(view) * 4);
}

// Distance in the view's plane between a corner and a cage point.
double planeDistance(View view, const FaceCorner& c, const CagePoint& p) {
  const ViewAxes axes = viewAxes(view);
  const double dc = double{axisOf(c, axes.column)} - cageAxis(p, axes.column);
  const double dr = double{axisOf(c, axes.row)} - cageAxis(p, axes.row);
  return std::sqrt(dc * dc + dr * dr);
}

void drawCage(Workspace& ws, PenMode mode) {
  for (View view : kViews) {
    Canvas& image = ws.frame.images[static_cast<std::size_t>(viewIndex(view))];
    const Pen kept = image.pen;
    image.pen = {{0, 0, 0}, mode};
    const ViewAxes axes = viewAxes(view);
    std::vector<std::pair<int, int>> outline;
    for (std::size_t i = firstOf(view); i < firstOf(view) + 4; ++i) {
      const CagePoint& p = ws.elastic.current[i];
      outline.emplace_back(cageAxis(p, axes.column), cageAxis(p, axes.row));
    }
    outline.push_back(outline.front());
    image.polyline(outline);
    image.pen = kept;
  }
}

}  // namespace

bool Elastic1Click(Workspace& ws, Host& host) {
  ToolState& t = ws.tools;
  t.flags = {};
  t.ToolMode = ModeNone;
  t.FirstClick = {};
  t.ClickStage = 0;
  t.flags.elasticOn = true;

  std::int32_t lo[3] = {10000, 10000, 10000}, hi[3] = {-10000, -10000, -10000};
  bool any = false;
  const Scene& scene = ws.scene;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.face(i).corners) {
      if (!c.selected) continue;
      any = true;
      for (int axis = 0; axis < 3; ++axis) {
        const std::int32_t v = truncToInt(axisOf(c, axis));
        lo[axis] = std::min(lo[axis], v);
        hi[axis] = std::max(hi[axis], v);
      }
    }
  }
  if (!any) {
    t.flags.elasticOn = false;
    host.message("No objects selected", "Error", MessageIcon::Error, MessageButtons::Ok);
    return false;
  }
  auto& cage = ws.elastic.current;
  cage[0] = {lo[0], lo[1], lo[2]};
  cage[1] = {hi[0], lo[1], lo[2]};
  cage[2] = {hi[0], hi[1], hi[2]};
  cage[3] = {lo[0], hi[1], hi[2]};
  for (std::size_t i = 0; i < 4; ++i) cage[i + 4] = cage[i];
  cage[8] = {lo[0], lo[1], lo[2]};
  cage[9] = {lo[0], lo[1], hi[2]};
  cage[10] = {lo[0], hi[1], hi[2]};
  cage[11] = {lo[0], hi[1], lo[2]};
  ws.elastic.reference = cage;
  redrawViews(ws);
  drawCage(ws, PenMode::Copy);
  ws.elastic.picked = ElasticCage::kNonePicked;
  return true;
}

void doelastic(Workspace& ws, int mode, View view, float a, float b) {
  if (mode == 0) {
    drawCage(ws, PenMode::Copy);
    return;
  }
  drawCage(ws, PenMode::NotXor);
  const std::uint8_t picked = ws.elastic.picked;
  // A point follows the pointer only over the view it belongs to.
  if (picked >= 1 && picked <= 12 && (picked - 1) / 4 == viewIndex(view)) {
    const ViewAxes axes = viewAxes(view);
    CagePoint& p = ws.elastic.current[static_cast<std::size_t>(picked - 1)];
    setCageAxis(p, axes.column, truncToInt(a));
    setCageAxis(p, axes.row, truncToInt(b));
  }
  drawCage(ws, PenMode::NotXor);
}

int nearestCagePoint(const ElasticCage& cage, View view, float a, float b) {
  const ViewAxes axes = viewAxes(view);
  double best = 100000;
  int nearest = 0;
  for (std::size_t i = firstOf(view); i < firstOf(view) + 4; ++i) {
    const double dc = double{a} - cageAxis(cage.current[i], axes.column);
    const double dr = double{b} - cageAxis(cage.current[i], axes.row);
    const double d = std::sqrt(dc * dc + dr * dr);
    if (d < best) {
      best = d;
      nearest = static_cast<int>(i) + 1;
    }
  }
  return nearest;
}

void berekenelastic(Workspace& ws, View view) {
  voorundo(ws.scene);
  Scene& scene = ws.scene;
  ElasticCage& cage = ws.elastic;
  const ViewAxes axes = viewAxes(view);
  const std::size_t first = firstOf(view);
  for (std::size_t q = first; q < first + 4; ++q) {
    const double d_column = static_cast<double>(cageAxis(cage.current[q], axes.column)) -
                            cageAxis(cage.reference[q], axes.column);
    const double d_row = static_cast<double>(cageAxis(cage.current[q], axes.row)) -
                         cageAxis(cage.reference[q], axes.row);
    if (d_column != 0 || d_row != 0) {
      for (int i = 0; i < scene.FaceCount; ++i) {
        for (FaceCorner& c : scene.face(i).corners) {
          if (!c.selected) continue;
          double a = 100000;
          for (std::size_t other = first; other < first + 4; ++other) {
            if (other != q) a = std::min(a, planeDistance(view, c, cage.reference[other]));
          }
          const double b = planeDistance(view, c, cage.reference[q]);
          const double w = a + b == 0 ? 1.0 : a / (a + b);
          setAxis(c, axes.column, static_cast<float>(axisOf(c, axes.column) + w * d_column));
          setAxis(c, axes.row, static_cast<float>(axisOf(c, axes.row) + w * d_row));
        }
      }
    }
    cage.reference[q] = cage.current[q];
  }
}

void elasticPress(Workspace& ws, Host& host, View view, float x, float y, bool right) {
  ElasticCage& cage = ws.elastic;
  if (right) {
    berekenelastic(ws, view);
    cage.picked = ElasticCage::kNonePicked;
    cage.reference = cage.current;
    Elastic1Click(ws, host);
    return;
  }
  if (cage.picked != ElasticCage::kNonePicked) {
    cage.picked = ElasticCage::kNonePicked;
  } else {
    const int nearest = nearestCagePoint(cage, view, x, y);
    if (nearest > 0) cage.picked = static_cast<std::uint8_t>(nearest);
  }
}

void installElasticTool(Workspace& ws) {
  ws.click_hooks.elasticMove = [&ws](View view, float x, float y) {
    doelastic(ws, ws.elastic.picked == ElasticCage::kNonePicked ? 0 : 1, view, x, y);
  };
  ws.click_hooks.elasticPress = [&ws](Host& host, View view, float x, float y, bool right) {
    elasticPress(ws, host, view, x, y, right);
  };
}

}  // namespace facetry
