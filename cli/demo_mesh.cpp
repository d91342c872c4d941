// cli/demo_mesh.cpp: a latitude-longitude sphere. Pole caps are triangle fans, the bands
// between them pairs of triangles; all faces wind outwards.
#include "demo_mesh.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace facetry {

namespace {

FaceCorner spherePoint(const Point3& centre, float radius, int ring, int rings, int sector,
                       int sectors) {
  const double pi = 3.14159265358979323846;
  const double polar = pi * ring / rings;
  const double azimuth = 2 * pi * (sector % sectors) / sectors;
  FaceCorner c;
  c.x = static_cast<float>(centre.x + radius * std::sin(polar) * std::cos(azimuth));
  c.y = static_cast<float>(centre.y - radius * std::cos(polar));
  c.z = static_cast<float>(centre.z + radius * std::sin(polar) * std::sin(azimuth));
  return c;
}

}  // namespace

int addDemoMesh(Scene& scene, Host& host, int faces, const Point3& centre, float radius,
                int objects) {
  faces = std::clamp(faces, 8, std::max(8, kMaxFaces - scene.FaceCount));
  const int rings = std::max(2, static_cast<int>(std::lround(std::sqrt(faces / 4.0))));
  const int sectors = std::max(3, faces / (2 * (rings - 1)));
  const int total = 2 * sectors * (rings - 1);
  objects = std::clamp(objects, 1, total);
  const int per_object = (total + objects - 1) / objects;

  const bool was_asked = scene.ask;
  scene.ask = true;
  const ShortString<20> old_name = scene.ObjectNameBuffer;
  int added = 0;
  int closed = 0;
  auto add = [&](const FaceCorner& a, const FaceCorner& b, const FaceCorner& c) {
    if (addFace(scene, host, a, b, c)) ++added;
    if (added % per_object == 0 || added == total) {
      scene.ObjectNameBuffer.assign("Demo_" + std::to_string(++closed));
      closeObject(scene, host, false, true);
    }
  };
  for (int ring = 0; ring < rings; ++ring) {
    for (int s = 0; s < sectors; ++s) {
      const FaceCorner a = spherePoint(centre, radius, ring, rings, s, sectors);
      const FaceCorner b = spherePoint(centre, radius, ring, rings, s + 1, sectors);
      const FaceCorner c = spherePoint(centre, radius, ring + 1, rings, s, sectors);
      const FaceCorner d = spherePoint(centre, radius, ring + 1, rings, s + 1, sectors);
      // Corners in the order that makes (c1 - c0) x (c2 - c0) point away from the centre.
      if (ring > 0) add(a, c, b);
      if (ring < rings - 1) add(b, c, d);
    }
  }
  scene.ObjectNameBuffer = old_name;
  scene.ask = was_asked;
  return added;
}

}  // namespace facetry
