// ops/punch.cpp: the punch (dodeuk) and "Glue selected points".
#include "ops/punch.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "files/undo.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

// Half-length of the z line each corner looks along.
constexpr float kReach = 10000;

// The auto edge turn: first in the (x, y) plane, then in the (y, z) plane, both about the
// modified object's centre, chosen so that the line from that centre to the tool's centre
// ends up along +z. The kernel's rotateZ and rotateX turn by minus the angle whose cosine and
// sine they get, so the forward turn passes minus the sines and the way back plus them.
struct EdgeTurn {
  Point3 centre;
  double cos_xy = 1, sin_xy = 0, cos_yz = 1, sin_yz = 0;

  EdgeTurn(const Point3& from, const Point3& to) : centre(from) {
    const double dx = double{to.x} - from.x, dy = double{to.y} - from.y;
    const double dz = double{to.z} - from.z;
    // Turning (dx, dy) by 90 degrees minus its direction lays it on +y, leaving (0, r, dz);
    // turning that in the (y, z) plane by 90 degrees minus its direction lays it on +z.
    const double turn_xy = std::atan2(1.0, 0.0) - std::atan2(dy, dx);
    const double turn_yz = std::atan2(1.0, 0.0) - std::atan2(dz, std::hypot(dx, dy));
    cos_xy = std::cos(turn_xy);
    sin_xy = std::sin(turn_xy);
    cos_yz = std::cos(turn_yz);
    sin_yz = std::sin(turn_yz);
  }
  void forward(FaceCorner& c) const {
    rotateZ(c, true, centre, cos_xy, -sin_xy, true);
    rotateX(c, true, centre, cos_yz, -sin_yz, true);
  }
  void back(FaceCorner& c) const {
    rotateX(c, true, centre, cos_yz, sin_yz, true);
    rotateZ(c, true, centre, cos_xy, sin_xy, true);
  }
};

// A tool face with the x-y box outside which its z line test cannot succeed: the meeting
// point of a z line keeps the line's x and y exactly, and the triangle test allows half a
// unit along x (one unit here, for the rounding of its edge interpolation).
struct ToolFace {
  Point3 c0, c1, c2;
  float min_x, max_x, min_y, max_y;
};

std::vector<ToolFace> toolFaces(const Scene& scene, const ModelObject& tool) {
  std::vector<ToolFace> faces;
  for (int i = tool.first; i <= tool.last; ++i) {
    const Face& f = scene.face(i);
    ToolFace t{f.corners[0].point(), f.corners[1].point(), f.corners[2].point(), 0, 0, 0, 0};
    t.min_x = std::min({t.c0.x, t.c1.x, t.c2.x}) - 1;
    t.max_x = std::max({t.c0.x, t.c1.x, t.c2.x}) + 1;
    t.min_y = std::min({t.c0.y, t.c1.y, t.c2.y});
    t.max_y = std::max({t.c0.y, t.c1.y, t.c2.y});
    faces.push_back(t);
  }
  return faces;
}

// The lowest and highest z at which P's z line meets the tool (10000 and -10000 when it
// meets nothing).
struct ZRange {
  float low = kReach, high = -kReach;
  bool met() const { return low != kReach && high != -kReach; }
};

ZRange meetTool(const std::vector<ToolFace>& tool, const FaceCorner& p) {
  ZRange range;
  const Point3 start{p.x, p.y, p.z - kReach}, end{p.x, p.y, p.z + kReach};
  for (const ToolFace& t : tool) {
    if (p.x < t.min_x || p.x > t.max_x || p.y < t.min_y || p.y > t.max_y) continue;
    Point3 meeting;
    if (!segmentHitsFace(start, end, t.c0, t.c1, t.c2, meeting)) continue;
    if (std::fabs(meeting.x - p.x) >= 1 || std::fabs(meeting.y - p.y) >= 1) continue;
    range.high = std::max(range.high, meeting.z);
    range.low = std::min(range.low, meeting.z);
  }
  return range;
}

// Where corner P goes, or its own z when it stays.
float punchedZ(const ZRange& range, float z, PunchMode mode) {
  if (mode == PunchMode::Glue) {
    if (!range.met()) return z;
    return std::fabs(range.high - z) >= std::fabs(range.low - z) ? range.low : range.high;
  }
  if (!(range.low < z && z < range.high)) return z;
  return mode == PunchMode::In ? range.low : range.high;
}

// The progress window stays up only while the punch runs, also when it fails.
struct ProgressWindow {
  Host& host;
  explicit ProgressWindow(Host& h) : host(h) {
    host.progressStage("Calculate space");
    host.showProgress(true);
  }
  ~ProgressWindow() { host.showProgress(false); }
};

std::vector<Point3> cornersOf(const Scene& scene, const ModelObject& o) {
  std::vector<Point3> points;
  for (int i = o.first; i <= o.last; ++i) {
    for (const FaceCorner& c : scene.face(i).corners) points.push_back(c.point());
  }
  return points;
}

}  // namespace

PunchOptions punchOptions(const ToolState& tools) {
  return {tools.punch_mode, tools.gluesel, tools.autoedge, tools.remove};
}

void dodeuk(Scene& scene, Host& host, int modified, int tool, const PunchOptions& options) {
  if (modified < 0 || tool < 0 || modified >= scene.ObjectCount || tool >= scene.ObjectCount ||
      modified == tool) {
    return;
  }
  updateAllObjectBounds(scene);
  const ModelObject a = scene.object(modified), b = scene.object(tool);
  const Point3 centre_a{a.centre[0], a.centre[1], a.centre[2]};
  const Point3 centre_b{b.centre[0], b.centre[1], b.centre[2]};
  const EdgeTurn turn(centre_a, centre_b);
  const std::vector<Point3> saved_a = cornersOf(scene, a), saved_b = cornersOf(scene, b);
  if (options.auto_edge) {
    for (const ModelObject* o : {&a, &b}) {
      for (int i = o->first; i <= o->last; ++i) {
        for (FaceCorner& c : scene.face(i).corners) turn.forward(c);
      }
    }
  }

  ProgressWindow progress(host);
  const std::vector<ToolFace> tool_faces = toolFaces(scene, b);
  std::vector<bool> moved(saved_a.size(), false);
  const int span = std::max(1, a.last - a.first);
  for (int i = a.first; i <= a.last; ++i) {
    host.progress((i - a.first) * 100 / span);
    Face& f = scene.face(i);
    for (int j = 0; j < 3; ++j) {
      FaceCorner& p = f.corners[j];
      if (options.glue_selected && !p.selected) continue;
      const float z = punchedZ(meetTool(tool_faces, p), p.z, options.mode);
      if (z != p.z) moved[static_cast<std::size_t>((i - a.first) * 3 + j)] = true;
      p.z = z;
    }
  }

  if (options.auto_edge) {
    // Corners that stayed take their saved place back exactly; moved ones are turned back.
    std::size_t n = 0;
    for (int i = a.first; i <= a.last; ++i) {
      for (FaceCorner& c : scene.face(i).corners) {
        if (moved[n]) {
          turn.back(c);
        } else {
          c.setPoint(saved_a[n]);
        }
        ++n;
      }
    }
  }
  if (options.remove) {
    deleteObject(scene, host, tool);
  } else if (options.auto_edge) {
    std::size_t n = 0;
    for (int i = b.first; i <= b.last; ++i) {
      for (FaceCorner& c : scene.face(i).corners) c.setPoint(saved_b[n++]);
    }
  }
  updateAllObjectBounds(scene);
}

bool punchObjects(Workspace& ws, Host& host, int modified, int tool, const PunchOptions& options) {
  const int count = ws.scene.ObjectCount;
  if (modified < 0 || tool < 0 || modified >= count || tool >= count || modified == tool) {
    return false;
  }
  voorundo(ws.scene);
  dodeuk(ws.scene, host, modified, tool, options);
  return true;
}

bool glueSelectedPoints(Scene& scene) {
  bool changed = false;
  for (int k = 0; k + 1 < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    const ModelObject& next = scene.object(k + 1);
    // The selected corners of the next object, gathered once for all corners of this one.
    std::vector<Point3> targets;
    for (int i = next.first; i <= next.last; ++i) {
      for (const FaceCorner& c : scene.face(i).corners) {
        if (c.selected) targets.push_back(c.point());
      }
    }
    if (targets.empty()) continue;
    for (int i = o.first; i <= o.last; ++i) {
      for (FaceCorner& c : scene.face(i).corners) {
        if (!c.selected) continue;
        double best = 1000000;
        const Point3* nearest = nullptr;
        for (const Point3& t : targets) {
          const double d = distance(c.point(), t);
          if (d < best) {
            best = d;
            nearest = &t;
          }
        }
        if (nearest != nullptr) {
          c.setPoint(*nearest);
          changed = true;
        }
      }
    }
  }
  return changed;
}

}  // namespace facetry
