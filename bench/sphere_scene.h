// bench/sphere_scene.h: the redraw benchmarks' scene, shared by bench_render and the
// OpenGL program that draws the same triangles: a UV sphere with its poles on the y axis,
// centre (400, 400, 400), radius 300. With S segments around y and T stacks it has
// S * (T - 2) * 2 + 2 * S triangles (a pole cap is one triangle per segment): 303 x 166
// gives 99 990, 100 x 51 gives 10 000. The scene is closed into objects of at most 21 000
// faces of about equal size. Each stack has its own colour.
#pragma once
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>
#include <vector>

#include "scene/host.h"
#include "scene/scene.h"

namespace facetry::bench {

struct SphereSize {
  int segments;
  int stacks;
  int triangles() const { return segments * (stacks - 2) * 2 + 2 * segments; }
};
inline constexpr SphereSize kSphere100k{303, 166};  // 99 990 triangles
inline constexpr SphereSize kSphere10k{100, 51};    // 10 000 triangles
inline constexpr int kMaxObjectFaces = 21000;
inline constexpr float kSphereCentre = 400;
inline constexpr float kSphereRadius = 300;

// The colour of the faces of stack `stack` (0 at the pole of smallest y).
inline Rgb stackColour(int stack, int stacks) {
  const int t = stacks > 1 ? stack * 255 / (stacks - 1) : 0;
  return {static_cast<std::uint8_t>(80 + t * 160 / 255), static_cast<std::uint8_t>(200 - t / 2),
          static_cast<std::uint8_t>(60 + (t * 7) % 120)};
}

// Calls emit(a, b, c, colour) for every triangle, stack by stack from the pole of smallest
// y. Corners wind so that (b - a) x (c - a) points away from the centre, and every shared
// corner is computed by the same expression, so neighbours meet in bit-equal points.
template <typename Emit>
void forEachSphereTriangle(SphereSize size, Emit&& emit) {
  const double pi = 3.14159265358979323846;
  auto point = [&](int stack, int segment) {
    const double polar = pi * stack / size.stacks;
    const double azimuth = 2 * pi * (segment % size.segments) / size.segments;
    Point3 p;
    p.x = static_cast<float>(kSphereCentre + kSphereRadius * std::sin(polar) * std::cos(azimuth));
    p.y = static_cast<float>(kSphereCentre - kSphereRadius * std::cos(polar));
    p.z = static_cast<float>(kSphereCentre + kSphereRadius * std::sin(polar) * std::sin(azimuth));
    return p;
  };
  for (int stack = 0; stack < size.stacks; ++stack) {
    const Rgb colour = stackColour(stack, size.stacks);
    for (int s = 0; s < size.segments; ++s) {
      const Point3 a = point(stack, s), b = point(stack, s + 1);
      const Point3 c = point(stack + 1, s), d = point(stack + 1, s + 1);
      if (stack > 0) emit(a, c, b, colour);
      if (stack < size.stacks - 1) emit(b, c, d, colour);
    }
  }
}

// Appends the sphere to `scene` through addFace and closeObject, in objects named
// "Sphere_1", "Sphere_2", ... of at most kMaxObjectFaces faces. Faces get the stack's
// colour and keep what addFace gives them otherwise (smooth, reflection level 0, no
// material), so the Gouraud and Phong views share corner normals across the whole sphere.
// Returns the number of faces added.
inline int addSphereScene(Scene& scene, Host& host, SphereSize size) {
  const int total = size.triangles();
  const int objects = (total + kMaxObjectFaces - 1) / kMaxObjectFaces;
  const int per_object = (total + objects - 1) / objects;
  const bool was_asked = scene.ask;
  scene.ask = true;  // the object names are given, not asked for
  const ShortString<20> old_name = scene.ObjectNameBuffer;
  const Rgb old_colour = scene.CurrentColour;
  int added = 0;
  int closed = 0;
  forEachSphereTriangle(size, [&](const Point3& a, const Point3& b, const Point3& c, Rgb colour) {
    FaceCorner ca, cb, cc;
    ca.setPoint(a);
    cb.setPoint(b);
    cc.setPoint(c);
    scene.CurrentColour = colour;
    if (addFace(scene, host, ca, cb, cc)) ++added;
    if (added % per_object == 0 || added == total) {
      scene.ObjectNameBuffer.assign("Sphere_" + std::to_string(++closed));
      closeObject(scene, host, false, true);
    }
  });
  scene.CurrentColour = old_colour;
  scene.ObjectNameBuffer = old_name;
  scene.ask = was_asked;
  return added;
}

// The same triangles as plain arrays: nine floats (three corners' x, y, z) and one colour
// per face, in the order addSphereScene adds them.
struct SphereArrays {
  std::vector<float> positions;
  std::vector<Rgb> colours;
};
inline SphereArrays sphereArrays(SphereSize size) {
  SphereArrays out;
  out.positions.reserve(static_cast<std::size_t>(size.triangles()) * 9);
  out.colours.reserve(static_cast<std::size_t>(size.triangles()));
  forEachSphereTriangle(size, [&](const Point3& a, const Point3& b, const Point3& c, Rgb colour) {
    for (const Point3* p : {&a, &b, &c})
      out.positions.insert(out.positions.end(), {p->x, p->y, p->z});
    out.colours.push_back(colour);
  });
  return out;
}

}  // namespace facetry::bench
