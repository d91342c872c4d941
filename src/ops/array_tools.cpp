// ops/array_tools.cpp: the array tool (surface of revolution) and the copy round a centre.
#include <cmath>

#include "files/undo.h"
#include "ops/array_tools.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

FaceCorner cornerAt(const Point3& p) {
  FaceCorner c;
  c.setPoint(p);
  return c;
}

struct Turn {
  double cos_angle, sin_angle;
  explicit Turn(double degrees)
      : cos_angle(std::cos(degrees * kDegreeRadians)),
        sin_angle(std::sin(degrees * kDegreeRadians)) {}
};

}  // namespace

void doarray(Scene& scene, Host& host, ToolState& tools, const Point3& centre, float a, float b) {
  const ClickList& list = tools.ClickList1;
  if (list.count > kMaxArrayProfile) {
    throw RangeError("The array profile holds " + std::to_string(list.count) +
                     " points; at most 101 can be turned");
  }
  const double step = tools.DegreeStep < 1 ? 1.0 : static_cast<double>(tools.DegreeStep);
  std::vector<FaceCorner> profile;
  for (int i = 0; i < list.count; ++i) {
    const auto& p = list.points[static_cast<std::size_t>(i)];
    profile.push_back(cornerAt({static_cast<float>(p[0]), static_cast<float>(p[1]), centre.z}));
  }
  // Every box turns about its own axis through the final click at the click depth.
  const Point3 pivot{a, b, centre.z};
  const Turn turn(360 - step);
  const int steps = static_cast<int>(360 / step);
  for (int s = 0; s <= steps; ++s) {
    const std::vector<FaceCorner> old = profile;
    for (FaceCorner& c : profile) {
      if (tools.ydir) rotateX(c, true, pivot, turn.cos_angle, turn.sin_angle, true);
      if (tools.zdir) rotateY(c, true, pivot, turn.cos_angle, turn.sin_angle, true);
      if (tools.xdir) rotateZ(c, true, pivot, turn.cos_angle, turn.sin_angle, true);
    }
    for (std::size_t j = 0; j + 1 < profile.size(); ++j) {
      addFace(scene, host, profile[j], old[j + 1], old[j]);
      addFace(scene, host, profile[j], profile[j + 1], old[j + 1]);
    }
  }
  closeObject(scene, host, true, true);
  tools.ClickList1.count = 0;
}

CopyAroundSettings copyAroundDefaults(const ToolState& tools, const Point3& centre) {
  CopyAroundSettings s;
  s.angle = tools.DegreeStep;
  s.x = tools.xdir;
  s.y = tools.ydir;
  s.z = tools.zdir;
  s.centre[0] = centre.x;
  s.centre[1] = centre.y;
  s.centre[2] = centre.z;
  return s;
}

int copyAroundCentre(Scene& scene, Host& host, const CopyAroundSettings& settings) {
  const double step = settings.angle;
  // A step of 0 would add copies until the face table is full.
  if (!(step > 0) || !std::isfinite(step)) {
    throw RangeError("The angle must be a positive number of degrees");
  }
  voorundo(scene);
  const Point3 centre{static_cast<float>(settings.centre[0]),
                      static_cast<float>(settings.centre[1]),
                      static_cast<float>(settings.centre[2])};
  const int originals = scene.FaceCount;
  int objects = 0;
  for (double t = step; t <= 360 - step && !scene.FacesFull; t += step) {
    const int from = scene.FaceCount;
    for (int i = 0; i < originals; ++i) {
      const Face f = scene.face(i);
      if (f.selected == 0) continue;
      if (!addFace(scene, host, f.corners[0], f.corners[1], f.corners[2])) break;
    }
    const Turn turn(t);
    for (int i = from; i < scene.FaceCount; ++i) {
      for (FaceCorner& c : scene.face(i).corners) {
        if (settings.x) rotateZ(c, true, centre, turn.cos_angle, turn.sin_angle, true);
        if (settings.y) rotateX(c, true, centre, turn.cos_angle, turn.sin_angle, true);
        if (settings.z) rotateY(c, true, centre, turn.cos_angle, turn.sin_angle, true);
      }
    }
    if (scene.FaceCount > from && closeObject(scene, host, true, true)) ++objects;
  }
  return objects;
}

}  // namespace facetry
