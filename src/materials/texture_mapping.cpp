// materials/texture_mapping.cpp: flat and wrap-around texture coordinates.
#include "materials/texture_mapping.h"

#include <cmath>

#include "scene/geometry.h"

namespace facetry {

namespace {

struct Rel {
  double x, y, z;
};

double length(const Rel& r) {
  return std::sqrt(r.x * r.x + r.y * r.y + r.z * r.z);
}

void store(Face& face, const double (&u)[3], const double (&v)[3]) {
  for (int k = 0; k < 3; ++k) {
    face.corners[k].u = storedCoordinate(std::trunc(u[k]));
    face.corners[k].v = storedCoordinate(std::trunc(v[k]));
  }
}

}  // namespace

void mapFace(Face& face, const ModelObject& object, const MaterialMapping& mapping,
             float last_cube_depth) {
  const double min_x = object.min[0], min_y = object.min[1], min_z = object.min[2];
  Rel q[3];
  for (int k = 0; k < 3; ++k) {
    const FaceCorner& p = face.corners[k];
    q[k] = {p.x - min_x, p.y - min_y, p.z - min_z};
  }
  double u[3], v[3];
  if (mapping.kind == MappingKind::Flat) {
    for (int k = 0; k < 3; ++k) u[k] = q[k].x, v[k] = q[k].y;
    return store(face, u, v);
  }

  const Rel c{object.centre[0] - min_x, object.centre[1] - min_y, object.centre[2] - min_z};
  const double girth = 2.0 * (object.max[0] - min_x) + 2.0 * (object.max[2] - min_z);
  const bool height_wrap = mapping.variant == WrapVariant::Height;
  // The corner's two coordinates in the wrap plane, relative to the centre's.
  auto plane = [&](const Rel& r) -> std::pair<double, double> {
    return height_wrap ? std::pair{r.y - c.y, r.z - c.z} : std::pair{r.x - c.x, r.z - c.z};
  };
  double theta[3];
  for (int k = 0; k < 3; ++k) {
    const auto [d1, d2] = plane(q[k]);
    theta[k] = polarAngle(d1, d2);
  }
  const bool seam = std::fabs(theta[0] - theta[1]) > 180 || std::fabs(theta[0] - theta[2]) > 180 ||
                    std::fabs(theta[1] - theta[2]) > 180;
  if (seam) {
    for (double& t : theta) {
      if (t < 180) t += 360;
    }
  }
  double wrapped[3];
  for (int k = 0; k < 3; ++k) wrapped[k] = girth * theta[k] / 360;
  // Near the axis the direction means nothing: the mean of the other two, in corner order.
  for (int k = 0; k < 3; ++k) {
    const auto [d1, d2] = plane(q[k]);
    if (std::sqrt(d1 * d1 + d2 * d2) < 1) {
      wrapped[k] = (wrapped[(k + 1) % 3] + wrapped[(k + 2) % 3]) / 2;
    }
  }

  switch (mapping.variant) {
    case WrapVariant::Width:
      for (int k = 0; k < 3; ++k) u[k] = wrapped[k], v[k] = q[k].y;
      break;
    case WrapVariant::Height:
      for (int k = 0; k < 3; ++k) u[k] = q[k].x, v[k] = wrapped[k];
      break;
    case WrapVariant::WidthAndHeight: {
      const double centre_length = length(c);
      for (int k = 0; k < 3; ++k) {
        u[k] = wrapped[k];
        const double from_centre = length({c.x - q[k].x, c.y - q[k].y, c.z - q[k].z});
        // note: a corner on the centre has y = c.y, where the scaled height is c.y for any
        // scale; it keeps that instead of dividing by zero.
        v[k] = from_centre == 0 ? q[k].y : (q[k].y - c.y) * centre_length / from_centre + c.y;
      }
      const Point3 a{storedCoordinate(q[0].x), storedCoordinate(q[0].y), storedCoordinate(q[0].z)};
      const Point3 b{storedCoordinate(q[1].x), storedCoordinate(q[1].y), storedCoordinate(q[1].z)};
      const Point3 d{storedCoordinate(q[2].x), storedCoordinate(q[2].y), storedCoordinate(q[2].z)};
      const Point3 n = faceNormal(a, b, d, 20);
      if (n.x == 0 && n.z == 0) {
        // A horizontal face is seen from above, as the cube tool lays it out.
        for (int k = 0; k < 3; ++k) u[k] = q[k].x, v[k] = last_cube_depth - q[k].z;
      }
      if (v[0] == v[1] && v[1] == v[2]) {
        for (int k = 0; k < 3; ++k) u[k] = q[k].x, v[k] = q[k].z;
      }
      break;
    }
  }
  store(face, u, v);
}

int applyMaterialToSelection(Scene& scene, int material, const MaterialMapping& mapping) {
  updateAllObjectBounds(scene);
  int changed = 0;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
    for (int j = o.first; j <= o.last; ++j) {
      Face& f = scene.face(j);
      if (!f.selected) continue;
      f.material = material;
      mapFace(f, o, mapping, scene.LastCubeDepth);
      ++changed;
    }
  }
  return changed;
}

}  // namespace facetry
