// ops/face_grid.cpp: the face boxes and their grid.
#include "ops/face_grid.h"

#include <algorithm>
#include <cmath>

namespace facetry {

namespace {

void fold(Box& box, const Point3& p) {
  const float c[3] = {p.x, p.y, p.z};
  for (int a = 0; a < 3; ++a) {
    box.min[a] = std::min(box.min[a], c[a]);
    box.max[a] = std::max(box.max[a], c[a]);
  }
}

Box pointBox(const Point3& p) {
  return {{p.x, p.y, p.z}, {p.x, p.y, p.z}};
}

bool finiteBox(const Box& b) {
  for (int a = 0; a < 3; ++a) {
    if (!std::isfinite(b.min[a]) || !std::isfinite(b.max[a])) return false;
  }
  return true;
}

}  // namespace

Box faceBox(const Face& f) {
  Box box = pointBox(f.corners[0].point());
  fold(box, f.corners[1].point());
  fold(box, f.corners[2].point());
  return box;
}

Box segmentBox(const Point3& a, const Point3& b) {
  Box box = pointBox(a);
  fold(box, b);
  return box;
}

Box objectBox(const ModelObject& o) {
  return {{o.min[0], o.min[1], o.min[2]}, {o.max[0], o.max[1], o.max[2]}};
}

bool boxesMeet(const Box& a, const Box& b) {
  for (int axis = 0; axis < 3; ++axis) {
    if (!(a.min[axis] <= b.max[axis] && b.min[axis] <= a.max[axis])) return false;
  }
  return true;
}

FaceGrid::FaceGrid(const std::vector<Face>& faces) {
  boxes_.reserve(faces.size());
  for (const Face& f : faces) boxes_.push_back(faceBox(f));
  Box all{{0, 0, 0}, {0, 0, 0}};
  bool any = false;
  for (const Box& b : boxes_) {
    if (!finiteBox(b)) continue;
    if (!any) all = b;
    fold(all, {b.min[0], b.min[1], b.min[2]});
    fold(all, {b.max[0], b.max[1], b.max[2]});
    any = true;
  }
  // About one face per cell for a closed surface: a cube root per axis, a little finer.
  const int per_axis = std::clamp(
      static_cast<int>(std::ceil(std::cbrt(static_cast<double>(faces.size())) * 1.5)), 1, 96);
  for (int a = 0; a < 3; ++a) {
    origin_[a] = all.min[a];
    const double extent = static_cast<double>(all.max[a]) - all.min[a];
    cells_[a] = extent > 0 ? per_axis : 1;
    cell_size_[a] = extent > 0 ? extent / cells_[a] : 1;
  }
  cell_faces_.resize(static_cast<std::size_t>(cells_[0]) * cells_[1] * cells_[2]);
  for (int i = 0; i < static_cast<int>(boxes_.size()); ++i) {
    const Box& b = boxes_[static_cast<std::size_t>(i)];
    if (!finiteBox(b)) {
      everywhere_.push_back(i);
      continue;
    }
    for (int x = cellOf(0, b.min[0]); x <= cellOf(0, b.max[0]); ++x) {
      for (int y = cellOf(1, b.min[1]); y <= cellOf(1, b.max[1]); ++y) {
        for (int z = cellOf(2, b.min[2]); z <= cellOf(2, b.max[2]); ++z) {
          cell_faces_[(static_cast<std::size_t>(x) * cells_[1] + y) * cells_[2] + z].push_back(i);
        }
      }
    }
  }
  seen_.assign(boxes_.size(), 0);
}

int FaceGrid::cellOf(int axis, float value) const {
  const double t = (value - origin_[axis]) / cell_size_[axis];
  // Written so that NaN lands in cell 0; values outside the grid land in its edge cells.
  if (!(t >= 0)) return 0;
  if (!(t < cells_[axis])) return cells_[axis] - 1;
  return static_cast<int>(t);
}

const std::vector<int>& FaceGrid::candidates(const Box& query) {
  result_.clear();
  if (++stamp_ == 0) {  // the stamps wrapped: start them afresh
    std::fill(seen_.begin(), seen_.end(), 0);
    stamp_ = 1;
  }
  auto take = [this](int i) {
    if (seen_[static_cast<std::size_t>(i)] == stamp_) return;
    seen_[static_cast<std::size_t>(i)] = stamp_;
    result_.push_back(i);
  };
  for (int i : everywhere_) take(i);
  // note: a query with a NaN looks in cell 0 only; such a box meets nothing anyway.
  for (int x = cellOf(0, query.min[0]); x <= cellOf(0, query.max[0]); ++x) {
    for (int y = cellOf(1, query.min[1]); y <= cellOf(1, query.max[1]); ++y) {
      for (int z = cellOf(2, query.min[2]); z <= cellOf(2, query.max[2]); ++z) {
        for (int i : cell_faces_[(static_cast<std::size_t>(x) * cells_[1] + y) * cells_[2] + z]) {
          take(i);
        }
      }
    }
  }
  std::sort(result_.begin(), result_.end());
  return result_;
}

}  // namespace facetry
