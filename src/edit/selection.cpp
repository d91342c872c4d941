// edit/selection.cpp: selection by click, rectangle, menu and name.
#include "edit/selection.h"

#include <algorithm>
#include <cmath>

#include "edit/tool_modes.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

// The two view coordinates of a point: front (x, y), top (x, z), side (z, y).
std::pair<float, float> viewCoordinates(View view, const FaceCorner& c) {
  const ViewPosition p = toView(view, c);
  return {p.column, p.row};
}

// Distance of a point from CentrePoint along the view's depth axis.
double depthDistance(View view, float x, float y, float z, const Point3& centre) {
  const int axis = viewAxes(view).depth;
  return std::fabs(static_cast<double>(axisOf(Point3{x, y, z}, axis)) - axisOf(centre, axis));
}

// The first face in index order, among those the click at (a, b) hits, whose `depth` is
// strictly smallest, starting from `best`; -1 when none comes below it.
template <typename Depth>
int nearestHitFace(const Scene& scene, View view, float a, float b, double best, Depth depth) {
  int winner = -1;
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (!faceHitInView(view, f, b, a)) continue;
    const double d = depth(f);
    if (d < best) {
      best = d;
      winner = i;
    }
  }
  return winner;
}

struct Rectangle {
  float a0, a1, b0, b1;
  Rectangle(float a_first, float b_first, float a, float b)
      : a0(std::min(a_first, a)),
        a1(std::max(a_first, a)),
        b0(std::min(b_first, b)),
        b1(std::max(b_first, b)) {}
  bool holds(View view, const FaceCorner& c) const {
    const auto [u, v] = viewCoordinates(view, c);
    return u >= a0 && u <= a1 && v >= b0 && v <= b1;
  }
};

void setFace(Face& f, std::uint8_t value) {
  f.selected = value;
  for (FaceCorner& c : f.corners) c.selected = value;
}

void selectControlPoints(Scene& scene, View view, const Rectangle& r, std::uint8_t value) {
  for (int s = 0; s < scene.NurbCount && s < kSurfaceSlots; ++s) {
    NurbSurface& surface = scene.NurbTable[static_cast<std::size_t>(s)];
    for (int j = 0; j < std::min(surface.count, kMaxSurfacePoints); ++j) {
      if (r.holds(view, surface.points[j])) surface.points[j].selected = value;
    }
  }
}

// Clears the flag tools that a selection tool replaces; `keep_faces` keeps face selection.
void clearOtherFlags(ToolFlags& f, bool keep_faces) {
  const bool faces = f.selectFacesOn;
  f.nurbDrawOn = f.nurbEditOn = f.nurbConnectOn = false;
  f.elasticOn = f.moveOn = f.resizeOn = f.copyOn = f.punchOn = false;
  f.booleanPickOn = f.resizeRectOn = f.dragAlongOn = false;
  if (keep_faces) f.selectFacesOn = faces;
}

}  // namespace

std::uint8_t selectionValue(const ToolState& tools) {
  return tools.offmode ? 0 : 1;
}

bool SpeedButton6Click(ToolState& tools, Scene& scene) {
  (void)scene;
  ToolFlags& f = tools.flags;
  bool now_on = false;
  if (tools.selectfaces) {
    now_on = f.selectFacesOn = !f.selectFacesOn;
    tools.ToolMode = now_on ? ModeSelectFace : ModeNone;
    clearOtherFlags(f, true);
    f.selectObjectsOn = f.selectPointsOn = false;
  } else if (tools.selectpoints) {
    now_on = f.selectPointsOn = !f.selectPointsOn;
    if (now_on) {
      tools.ToolMode = ModeSelectArea;
      tools.FirstClick.a = 0;
    }
    clearOtherFlags(f, true);
    f.selectObjectsOn = false;
  } else {
    now_on = f.selectObjectsOn = !f.selectObjectsOn;
    if (now_on) tools.ToolMode = ModeNone;
    clearOtherFlags(f, true);
    f.selectPointsOn = false;
  }
  buts(tools);
  return !now_on;
}

bool selectpointsClick(ToolState& tools, Scene& scene, bool checked) {
  (void)scene;
  ToolFlags& f = tools.flags;
  tools.selectpoints = checked;
  if (checked) {
    tools.selectfaces = false;
    if (f.selectObjectsOn) {
      f.selectObjectsOn = f.selectFacesOn = false;
      f.selectPointsOn = true;
      tools.ToolMode = ModeSelectArea;
      tools.FirstClick.a = 0;
    }
  } else if (f.selectPointsOn) {
    f.selectPointsOn = false;
    f.selectObjectsOn = true;
    tools.ToolMode = ModeNone;
  }
  return true;
}

bool selectfacesClick(ToolState& tools, Scene& scene, bool checked) {
  tools.selectfaces = checked;
  if (checked) {
    Face1Click(tools, scene);
  } else if (tools.flags.selectFacesOn) {
    tools.flags.selectFacesOn = false;
    tools.flags.selectObjectsOn = true;
    tools.ToolMode = ModeNone;
  }
  return true;
}

void Selectarea1Click(ToolState& tools, Scene& scene) {
  tools.selectpoints = tools.selectfaces = false;
  tools.ToolMode = ModeSelectArea;
  allesfout(tools, scene);
  buts(tools);
  tools.FirstClick.a = 0;
}

void Points1Click(ToolState& tools, Scene& scene) {
  tools.selectpoints = true;
  tools.ToolMode = ModeSelectArea;
  allesfout(tools, scene);
  buts(tools);
  tools.FirstClick.a = 0;
}

void Face1Click(ToolState& tools, Scene& scene) {
  allesfout(tools, scene);
  tools.ToolMode = ModeSelectFace;
  tools.flags.selectPointsOn = false;
  tools.selectpoints = false;
  tools.selectfaces = true;
  tools.flags.selectFacesOn = true;
  buts(tools);
}

void selectAll(Scene& scene) {
  for (int k = 0; k < scene.ObjectCount; ++k) setObjectSelected(scene, k, 1);
}

void inverseSelection(Scene& scene) {
  for (int k = 0; k < scene.ObjectCount; ++k) toggleObjectSelected(scene, k);
}

void selectObjectsByIndex(Scene& scene, const std::vector<int>& objects, std::uint8_t value) {
  for (int k : objects) setObjectSelected(scene, k, value);
}

void renameObjects(Scene& scene, const std::vector<int>& objects, const std::string& name) {
  for (int k : objects) scene.object(k).name.assign(name);
}

void colourSelected(Scene& scene, Rgb colour) {
  scene.CurrentColour = colour;
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (!f.selected) continue;
    f.red = colour.red;
    f.green = colour.green;
    f.blue = colour.blue;
    f.material = 0;
  }
}

bool pickObject(Scene& scene, const ViewState& views, View view, float a, float b,
                std::uint8_t value) {
  const int hit = nearestHitFace(scene, view, a, b, 1000000, [&](const Face& f) {
    const ModelObject& o = scene.object(f.object);
    return depthDistance(view, o.centre[0], o.centre[1], o.centre[2], views.CentrePoint);
  });
  if (hit < 0) return false;
  ModelObject& o = scene.object(scene.face(hit).object);
  o.selected = value;
  for (int i = o.first; i <= o.last; ++i) setFace(scene.face(i), value);
  return true;
}

bool pickFace(Scene& scene, const ViewState& views, View view, float a, float b,
              std::uint8_t value) {
  const int winner = nearestHitFace(scene, view, a, b, 100000, [&](const Face& f) {
    const FaceCorner& c = f.corners[0];
    return depthDistance(view, c.x, c.y, c.z, views.CentrePoint);
  });
  if (winner < 0) return false;
  Face& face = scene.face(winner);
  setFace(face, value);
  ModelObject& o = scene.object(face.object);
  bool any = false;
  for (int i = o.first; i <= o.last; ++i) any = any || scene.face(i).selected;
  o.selected = any ? 1 : 0;
  return true;
}

void doselectvierkant(Scene& scene, View view, float a1, float b1, float a, float b,
                      std::uint8_t value) {
  const Rectangle r(a1, b1, a, b);
  selectControlPoints(scene, view, r, value);
  for (int k = 0; k < scene.ObjectCount; ++k) {
    ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    bool inside = false;
    for (int i = o.first; i <= o.last && !inside; ++i) {
      for (const FaceCorner& c : scene.face(i).corners) inside = inside || r.holds(view, c);
    }
    if (inside) o.selected = value;
  }
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    setFace(f, scene.object(f.object).selected);
  }
}

void doselectvierkantpoints(Scene& scene, View view, float a1, float b1, float a, float b,
                            std::uint8_t value) {
  const Rectangle r(a1, b1, a, b);
  selectControlPoints(scene, view, r, value);
  for (int i = 0; i < scene.FaceCount; ++i) {
    Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    bool any = false;
    for (FaceCorner& c : f.corners) {
      if (r.holds(view, c)) c.selected = value;
      any = any || c.selected;
    }
    f.selected = any ? 1 : 0;
  }
  for (int k = 0; k <= scene.ObjectCount && k < static_cast<int>(scene.ObjectTable.size()); ++k) {
    scene.ObjectTable[static_cast<std::size_t>(k)].selected = 0;
  }
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& f = scene.FaceTable[static_cast<std::size_t>(i)];
    if (f.selected) scene.object(f.object).selected = 1;
  }
}

}  // namespace facetry
