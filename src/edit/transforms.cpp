// edit/transforms.cpp: move, resize, rectangle, enlarge and reduce, copy, mirror, turning.
#include "edit/transforms.h"

#include <algorithm>
#include <cmath>

#include "scene/geometry.h"

namespace facetry {

namespace {

float& axis(FaceCorner& c, int a) {
  return a == 0 ? c.x : (a == 1 ? c.y : c.z);
}
// Bounds of the points a drag moved, for its outline.
struct MovedBounds {
  float min[3] = {10000, 10000, 10000};
  float max[3] = {-10000, -10000, -10000};
  void add(const FaceCorner& c) {
    const float p[3] = {c.x, c.y, c.z};
    for (int a = 0; a < 3; ++a) {
      min[a] = std::min(min[a], p[a]);
      max[a] = std::max(max[a], p[a]);
    }
  }
};

void drawOutline(Workspace& ws) {
  if (ws.tools.outline_view == 0) return;
  Canvas& image = ws.frame.images[static_cast<std::size_t>(ws.tools.outline_view - 1)];
  const Pen saved = image.pen;
  image.pen = {{0, 0, 0}, PenMode::NotXor};
  const auto& r = ws.tools.Outline;
  image.frameRect(r[0], r[1], r[2], r[3]);
  image.pen = saved;
}

void replaceOutline(Workspace& ws, View view, const MovedBounds& bounds) {
  drawOutline(ws);
  const int u = viewAxes(view).column;
  const int v = viewAxes(view).row;
  ws.tools.Outline = {truncToInt(bounds.min[u]), truncToInt(bounds.min[v]),
                      truncToInt(bounds.max[u]), truncToInt(bounds.max[v])};
  ws.tools.outline_view = static_cast<int>(view);
  drawOutline(ws);
}

// x := px - f (px - x) on the checked axes; u and v keep their scale unless "Texture".
bool scaleCorner(FaceCorner& c, const ToolState& t, double f) {
  const Point3 p = t.ResizePivot;
  const FaceCorner before = c;
  if (t.xres) {
    c.x = static_cast<float>(p.x - f * (p.x - c.x));
    if (!t.texres) c.u = static_cast<float>(f * c.u);
  }
  if (t.yres) {
    c.y = static_cast<float>(p.y - f * (p.y - c.y));
    if (!t.texres) c.v = static_cast<float>(f * c.v);
  }
  if (t.zres) c.z = static_cast<float>(p.z - f * (p.z - c.z));
  return c.x != before.x || c.y != before.y || c.z != before.z || c.u != before.u ||
         c.v != before.v;
}

template <typename Visit>
void forSelectedControlPoints(Scene& scene, Visit visit) {
  for (int s = 0; s < scene.NurbCount && s < kSurfaceSlots; ++s) {
    NurbSurface& surface = scene.NurbTable[static_cast<std::size_t>(s)];
    for (int j = 0; j < std::min(surface.count, kMaxSurfacePoints); ++j) {
      if (surface.points[j].selected) visit(surface.points[j]);
    }
  }
}

}  // namespace

Point3 viewDelta(View view, float dx, float dy) {
  return fromView(view, dx, dy, Point3{0, 0, 0});
}

void domove(Workspace& ws, View view, const Point3& delta) {
  Scene& scene = ws.scene;
  MovedBounds bounds;
  auto move = [&](FaceCorner& c) {
    c.x += delta.x;
    c.y += delta.y;
    c.z += delta.z;
    bounds.add(c);
  };
  forSelectedControlPoints(scene, move);
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    if (!o.selected) continue;
    for (int i = o.first; i <= o.last; ++i) {
      for (FaceCorner& c : scene.face(i).corners) {
        if (c.selected) move(c);
      }
    }
  }
  replaceOutline(ws, view, bounds);
}

void doresize(Workspace& ws, View view, int mouse_y) {
  ToolState& t = ws.tools;
  const int d = mouse_y - t.ResizePreviousY;
  const double p = t.ResizePercent / 100.0;
  const double f = d >= 3 ? 1 + p : (d <= -3 ? 1 - p : 1);
  MovedBounds bounds;
  Scene& scene = ws.scene;
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& face = scene.FaceTable[static_cast<std::size_t>(i)];
    if (!face.selected) continue;
    for (FaceCorner& c : face.corners) {
      if (!c.selected) continue;
      scaleCorner(c, t, f);
      bounds.add(c);
    }
  }
  replaceOutline(ws, view, bounds);
  t.ResizePreviousY = mouse_y;
}

void clearDragOutline(Workspace& ws) {
  drawOutline(ws);
  ws.tools.outline_view = 0;
  ws.tools.Outline = {};
}

void takeResizePivot(Workspace& ws) {
  const ModelObject b = selectionBounds(ws.scene, false);
  ws.tools.ResizePivot = {b.centre[0], b.centre[1], b.centre[2]};
}

bool enlargeOrReduce(Workspace& ws, bool enlarge) {
  takeResizePivot(ws);
  const double p = ws.tools.ResizePercent / 100.0;
  const double f = enlarge ? 1 + p : 1 - p;
  bool changed = false;
  Scene& scene = ws.scene;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (c.selected) changed = scaleCorner(c, ws.tools, f) || changed;
    }
  }
  return changed;
}

void doresvierkant(Workspace& ws, View view, ClickPoint anchor_click, float a, float b) {
  Scene& scene = ws.scene;
  // The anchor and target on the view's two axes; the third axis is not touched.
  float anchor[3] = {0, 0, 0}, target[3] = {0, 0, 0};
  bool touched[3] = {false, false, false};
  const int u = viewAxes(view).column;
  const int v = viewAxes(view).row;
  anchor[u] = anchor_click.a;
  anchor[v] = anchor_click.b;
  target[u] = a;
  target[v] = b;
  touched[u] = target[u] != 0;
  touched[v] = target[v] != 0;
  const ModelObject bounds = selectionBounds(scene, false);
  double factor[3];
  for (int k = 0; k < 3; ++k) {
    double size = static_cast<double>(bounds.max[k]) - bounds.min[k];
    if (size == 0) size = 1;
    factor[k] = std::fabs(static_cast<double>(anchor[k]) - target[k]) / size;
  }
  float running_min[3] = {1000, 1000, 1000};
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    if (!o.selected) continue;
    for (int i = o.first; i <= o.last; ++i) {
      for (FaceCorner& c : scene.face(i).corners) {
        if (!c.selected) continue;
        for (int ax = 0; ax < 3; ++ax) {
          if (touched[ax]) {
            axis(c, ax) = static_cast<float>(bounds.centre[ax] -
                                             (bounds.centre[ax] - axis(c, ax)) * factor[ax]);
          }
          running_min[ax] = std::min(running_min[ax], axis(c, ax));
        }
      }
    }
    for (int i = o.first; i <= o.last; ++i) {
      for (FaceCorner& c : scene.face(i).corners) {
        for (int ax = 0; ax < 3; ++ax) {
          if (touched[ax]) axis(c, ax) += anchor[ax] - running_min[ax];
        }
      }
    }
  }
}

void copySelection(Workspace& ws, Host& host, const Point3& offset) {
  Scene& scene = ws.scene;
  const int surfaces = scene.NurbCount;
  for (int s = 0; s < surfaces && scene.NurbCount < 99; ++s) {
    const NurbSurface& source = scene.NurbTable[static_cast<std::size_t>(s)];
    const int count = std::min(source.count, kMaxSurfacePoints);
    if (std::none_of(source.points, source.points + count,
                     [](const FaceCorner& c) { return c.selected != 0; })) {
      continue;
    }
    NurbSurface copy = source;
    for (int j = 0; j < count; ++j) {
      copy.points[j].x += offset.x;
      copy.points[j].y += offset.y;
      copy.points[j].z += offset.z;
      copy.points[j].selected = 0;
    }
    scene.NurbTable[static_cast<std::size_t>(scene.NurbCount++)] = copy;
  }
  const int objects = scene.ObjectCount;
  for (int k = 0; k < objects; ++k) {
    const ModelObject o = scene.object(k);
    if (!o.selected) continue;
    int copied = 0;
    for (int i = o.first; i <= o.last; ++i) {
      const Face source = scene.face(i);
      if (!source.selected) continue;
      FaceCorner moved[3];
      for (int c = 0; c < 3; ++c) {
        moved[c] = source.corners[c];
        moved[c].x += offset.x;
        moved[c].y += offset.y;
        moved[c].z += offset.z;
      }
      if (!addFace(scene, host, moved[0], moved[1], moved[2])) continue;
      Face& copy = scene.face(scene.FaceCount - 1);
      for (int c = 0; c < 3; ++c) copy.corners[c] = moved[c];
      copy.red = source.red;
      copy.green = source.green;
      copy.blue = source.blue;
      copy.spare75 = source.spare75;
      copy.material = source.material;
      ++copied;
    }
    if (copied > 0) closeObject(scene, host, true, true);
  }
}

void Mirror(Scene& scene, const ViewState& views, int axis_number) {
  const int a = std::clamp(axis_number, 1, 3) - 1;
  const float centre = axisOf(views.CentrePoint, a);
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (c.selected) axis(c, a) = 2 * centre - axis(c, a);
    }
  }
}

void turnSelectedFaces(Scene& scene) {
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (f.selected) swapCorners(f.corners[0], f.corners[2]);
  }
}

void turnSelectedFacesToCentre(Scene& scene) {
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    if (!o.selected) continue;
    const Point3 centre{o.centre[0], o.centre[1], o.centre[2]};
    for (int i = o.first; i <= o.last; ++i) {
      Face& f = scene.face(i);
      if (facesPoint(f.corners[0].point(), f.corners[1].point(), f.corners[2].point(), centre)) {
        swapCorners(f.corners[0], f.corners[2]);
      }
    }
  }
}

void meegetrokken(Workspace& ws, View view, ClickPoint s_click, float a, float b) {
  const Point3 c = ws.views.CentrePoint;
  const Point3 source = fromView(view, s_click.a, s_click.b, c);
  const Point3 target = fromView(view, a, b, c);
  const int depth_axis = viewAxes(view).depth;
  auto planar = [&](const FaceCorner& corner) {
    Point3 p = corner.point();
    if (depth_axis == 0) p.x = source.x;
    if (depth_axis == 1) p.y = source.y;
    if (depth_axis == 2) p.z = source.z;
    return distance(p, source);
  };
  Scene& scene = ws.scene;
  double dmin = 100000, dmax = -100000;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& corner : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (!corner.selected) continue;
      const double d = planar(corner);
      dmin = std::min(dmin, d);
      dmax = std::max(dmax, d);
    }
  }
  if (dmin == 0) dmin = 1;
  if (dmax == 0) dmax = 1;
  const double r = dmax - dmin;
  const int level = ws.tools.sterkdrag;
  const Point3 shift{target.x - source.x, target.y - source.y, target.z - source.z};
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& corner : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (!corner.selected) continue;
      double d = ws.tools.relative ? distance(corner.point(), source) : planar(corner);
      if (d == 0) d = 1;
      double g = r != 0 ? (r - d) / r : 1;
      if (level > 0) g = ((dmin / d) * level + (10 - level) * g) / 10;
      if (g < 0) continue;
      corner.x = static_cast<float>(corner.x + g * shift.x);
      corner.y = static_cast<float>(corner.y + g * shift.y);
      corner.z = static_cast<float>(corner.z + g * shift.z);
    }
  }
}

}  // namespace facetry
