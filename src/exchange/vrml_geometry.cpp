// exchange/vrml_geometry.cpp: what the VRML reader makes of the nodes it reads: the faces
// of indexed face sets and primitives, turned into the model's axes (y turned over),
// closed into objects, and at the end scaled and centred as one.
#include <algorithm>
#include <cmath>

#include "edit/primitives.h"
#include "exchange/import_support.h"
#include "exchange/vrml_import.h"
#include "scene/tool_state.h"

namespace facetry {

namespace {

constexpr double kPrimitiveStepDegrees = 20;

bool usable(const VrmlPoint& p) {
  return !std::isnan(p.x);
}

}  // namespace

void VrmlImport::buildFaceSet(const VrmlFrame& frame) {
  const std::vector<VrmlPoint>& points = *frame.points;
  const auto count = static_cast<std::int64_t>(points.size());
  VrmlShape shape;
  shape.name = frame.name;
  std::vector<std::int32_t> polygon;
  auto fan = [&] {
    const bool whole =
        polygon.size() >= 3 && std::all_of(polygon.begin(), polygon.end(), [&](int i) {
          return i < count && usable(points[static_cast<std::size_t>(i)]);
        });
    if (whole) {
      auto at = [&](std::size_t k) {
        const VrmlPoint& p = points[static_cast<std::size_t>(polygon[k])];
        return frame.matrix.apply({p.x, p.y, p.z});
      };
      // The fan runs against the file's order: the model's y is turned over. Faces beyond
      // what the face table holds are not made.
      for (std::size_t k = 0; k + 2 < polygon.size() && shape.triangles.size() < kMaxFaces; ++k) {
        shape.triangles.push_back({{at(k + 2), at(k + 1), at(0)}, frame.colour, 1});
      }
    }
    polygon.clear();
  };
  for (const std::int32_t index : frame.indices) {
    if (index < 0) {
      fan();
    } else {
      polygon.push_back(index);
    }
  }
  fan();  // the end of the list closes the last polygon
  emit(std::move(shape));
}

// Each primitive is built by the construction tools' builder around the origin in a
// scratch scene, with the model's y downwards, then taken over under the transform in
// scope like the points of a face set.
void VrmlImport::buildPrimitive(const VrmlFrame& frame) {
  if (!scratch_) {
    scratch_ = std::make_unique<Scene>();
    scratch_->ask = true;
  }
  Scene& scratch = *scratch_;
  clearFacesAndObjects(scratch);
  ViewState origin;
  origin.CentrePoint = {0, 0, 0};
  ToolState tools;
  BuildContext ctx{scratch, host_, origin, tools};
  auto given = [](double value, double fallback) { return value >= 0 ? value : fallback; };
  const auto step = static_cast<float>(kPrimitiveStepDegrees);
  switch (frame.kind) {
    case VrmlKind::Sphere: {
      const auto r = static_cast<float>(given(frame.radius, 1));
      buildSphere(ctx, step, 0, 0, r, r);
      break;
    }
    case VrmlKind::Cube:
    case VrmlKind::Box: {
      const bool box = frame.kind == VrmlKind::Box;
      const double w = box ? given(frame.size.x, 2) : given(frame.width, 2);
      const double h = box ? given(frame.size.y, 2) : given(frame.height, 2);
      const double d = box ? given(frame.size.z, 2) : given(frame.depth, 2);
      const auto hw = static_cast<float>(w / 2), hh = static_cast<float>(h / 2);
      // The front face at z = d/2, the depth the distance to the third click.
      buildCube(ctx, {-hw, -hh, static_cast<float>(d / 2)}, {hw, hh, 0}, static_cast<float>(hw + d),
                hh);
      break;
    }
    case VrmlKind::Cone: {
      const auto r = static_cast<float>(given(frame.bottom_radius, 2));
      const auto hh = static_cast<float>(given(frame.height, 2) / 2);
      buildPointCone(ctx, true, step, {0, -hh, 0}, r, hh);  // apex up: model y runs down
      break;
    }
    case VrmlKind::Cylinder: {
      const auto r = static_cast<float>(given(frame.radius, 2));
      const auto hh = static_cast<float>(given(frame.height, 2) / 2);
      buildTube(ctx, true, step, {-r, -hh, 0}, r, hh);
      break;
    }
    default:
      return;
  }
  VrmlShape shape;
  shape.name = frame.name;
  for (int i = 0; i < scratch.FaceCount; ++i) {
    const Face& f = scratch.FaceTable[static_cast<std::size_t>(i)];
    VrmlTriangle t;
    for (int k = 0; k < 3; ++k) {
      const FaceCorner& c = f.corners[k];
      t.p[k] = frame.matrix.apply({c.x, -static_cast<double>(c.y), c.z});
    }
    t.colour = frame.colour;
    t.smooth = f.smooth;
    shape.triangles.push_back(t);
  }
  emit(std::move(shape));
}

void VrmlImport::emit(VrmlShape&& shape) {
  if (shape.triangles.empty()) return;
  if (recorded_triangles_ < kMaxRecordedTriangles) {
    for (const int def : open_defs_) {
      defs_[static_cast<std::size_t>(def)].shapes.push_back(shape);
      recorded_triangles_ += shape.triangles.size();
    }
  }
  for (const VrmlTriangle& t : shape.triangles) {
    if (scene_.FacesFull) break;
    FaceCorner c[3];
    bool fine = true;
    for (int k = 0; k < 3; ++k) {
      const VrmlVec& p = t.p[k];
      c[k].x = static_cast<float>(p.x);
      c[k].y = static_cast<float>(-p.y);
      c[k].z = static_cast<float>(p.z);
      fine = fine && finiteCorner(c[k]) && std::abs(p.x) < 1e30 && std::abs(p.y) < 1e30 &&
             std::abs(p.z) < 1e30;
    }
    if (!fine) {
      bad_numbers_ = true;
      continue;
    }
    if (!addFace(scene_, host_, c[0], c[1], c[2])) break;
    Face& face = scene_.FaceTable[static_cast<std::size_t>(scene_.FaceCount - 1)];
    face.red = t.colour.red, face.green = t.colour.green, face.blue = t.colour.blue;
    face.smooth = t.smooth;
    host_.readingCount(scene_.FaceCount);
  }
  scene_.ObjectNameBuffer.assign(shape.name.empty() ? first_name_ : shape.name);
  closeShape(false);
}

// Closes the open object. The last object slot is kept for the end, so that once the
// table is nearly full every further face lands in one last object.
void VrmlImport::closeShape(bool final) {
  if (scene_.FaceCount <= scene_.openObject().first) return;
  if (!final && scene_.ObjectCount >= kMaxObjects - 1) {
    if (!objects_full_) {
      host_.message("No more objects available", "Error", MessageIcon::Error, MessageButtons::Ok);
    }
    objects_full_ = true;
    return;
  }
  closeObject(scene_, host_, false, true);
}

// Everything read is scaled so that its x-y diagonal (or, when that is flat, its largest
// extent) measures 150 sqrt(2), about the centre of its extent, which lands on CentrePoint.
void VrmlImport::normalise() {
  if (scene_.FaceCount <= first_face_) {
    scene_.ObjectNameBuffer.assign(first_name_);
    return;
  }
  double low[3], high[3];
  const FaceCorner& first = scene_.FaceTable[static_cast<std::size_t>(first_face_)].corners[0];
  low[0] = high[0] = first.x, low[1] = high[1] = first.y, low[2] = high[2] = first.z;
  for (int i = first_face_; i < scene_.FaceCount; ++i) {
    for (const FaceCorner& c : scene_.FaceTable[static_cast<std::size_t>(i)].corners) {
      const double p[3] = {c.x, c.y, c.z};
      for (int a = 0; a < 3; ++a)
        low[a] = std::min(low[a], p[a]), high[a] = std::max(high[a], p[a]);
    }
  }
  const double ex = high[0] - low[0], ey = high[1] - low[1], ez = high[2] - low[2];
  // The x-y extent counts as flat when it is negligible beside the largest one; scaling it
  // up would throw the rest out of any range a float holds.
  const double largest = std::max({ex, ey, ez});
  double extent = std::sqrt(ex * ex + ey * ey);
  if (!(extent > largest * 1e-6)) extent = largest;
  const double s = extent > 0 ? 150 * std::sqrt(2.0) / extent : 1.0;
  const double mid[3] = {(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2};
  const Point3 r = views_.CentrePoint;
  for (int i = first_face_; i < scene_.FaceCount; ++i) {
    for (FaceCorner& c : scene_.FaceTable[static_cast<std::size_t>(i)].corners) {
      c.x = static_cast<float>((c.x - mid[0]) * s + r.x);
      c.y = static_cast<float>((c.y - mid[1]) * s + r.y);
      c.z = static_cast<float>((c.z - mid[2]) * s + r.z);
    }
  }
  for (int k = first_object_; k < scene_.ObjectCount; ++k) updateObjectBounds(scene_, k);
  scene_.ObjectNameBuffer.assign(first_name_);
}

void VrmlImport::tellOnce() {
  auto tell = [&](bool happened, const std::string& what) {
    if (happened) {
      host_.message(file_ + ": " + what, "VRML import", MessageIcon::Warning, MessageButtons::Ok);
    }
  };
  tell(bad_numbers_,
       "numbers that are not finite or far too large were skipped, with the "
       "points and faces they belong to.");
  tell(too_deep_,
       "nodes nested deeper than " + std::to_string(kMaxDepth) + " levels were skipped.");
  tell(too_long_,
       "a list longer than " + std::to_string(kMaxListEntries) + " entries was cut there.");
}

}  // namespace facetry
