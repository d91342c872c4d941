// editors/modeling_mouse.cpp: presses and moves in the Modeling window's two images, by mode.
#include <cmath>

#include "editors/modeling_model.h"
#include "scene/errors.h"

namespace facetry {

namespace {

double pixelDistance(std::pair<int, int> a, int x, int y) {
  const double dx = a.first - x, dy = a.second - y;
  return std::sqrt(dx * dx + dy * dy);
}

}  // namespace

std::pair<int, int> ModelingModel::at(const ModelPoint& p, ModelImage image) {
  return image == ModelImage::Left ? std::pair{p.x, p.y} : std::pair{p.z, p.y};
}

int ModelingModel::nearestPoint(ModelImage image, int x, int y, bool needs_depth) const {
  int best = -1;
  double best_distance = 0;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const ModelPoint& p = points[i];
    if (needs_depth && (!p.hasZ() || !p.hasX())) continue;
    const double d = pixelDistance(at(p, image), x, y);
    if (best < 0 || d < best_distance) {
      best = static_cast<int>(i);
      best_distance = d;
    }
  }
  return best;
}

void ModelingModel::takeFaceCorner(int point) {
  face_corners_.push_back(point);
  if (face_corners_.size() < 3) return;
  addModelFace({face_corners_[0], face_corners_[1], face_corners_[2]});
  face_corners_.clear();
}

// "Points x,y,z" and "Facepoints": a click gives one coordinate pair of a new point, or the
// coordinate the last point still lacks.
bool ModelingModel::pointEntry(Host& host, ModelImage image, int x, int y) {
  const bool left = image == ModelImage::Left;
  const bool snapping = mode_ == ModelingMode::FacePoints;
  ModelPoint* last = points.empty() ? nullptr : &points.back();
  if (last && (left ? !last->hasX() : !last->hasZ())) {
    (left ? last->x : last->z) = x;
    status_ = "-";
  } else if (last && (left ? !last->hasZ() : !last->hasX())) {
    if (left) {
      host.message("Define z-position", "Z-position not defined", MessageIcon::Warning,
                   MessageButtons::Ok);
    } else {
      host.message("Define x-position", "X-position not defined", MessageIcon::Warning,
                   MessageButtons::Ok);
    }
    return false;
  } else {
    ModelPoint p = left ? ModelPoint{x, y, kNoCoordinate} : ModelPoint{kNoCoordinate, y, x};
    status_ = left ? "Define z-position" : "Define x-position";
    if (snapping) {
      // The first earlier point close enough lends the new point its whole position.
      for (const ModelPoint& q : points) {
        if (q.hasX() && q.hasZ() && pixelDistance(at(q, image), x, y) < kFacePointRadius) {
          p = q;
          status_ = left ? "Z-position defined" : "X-position defined";
          break;
        }
      }
    }
    appendPoint(p);
  }
  const ModelPoint& now = points.back();
  if (snapping && now.hasX() && now.hasZ()) {
    takeFaceCorner(static_cast<int>(points.size()) - 1);
  }
  return true;
}

bool ModelingModel::press(Host& host, ModelImage image, int x, int y, ModelButton button) {
  saved = false;
  const int g = gridStep();
  x = g * (x / g);
  y = g * (y / g);
  const bool left = image == ModelImage::Left;
  if (button == ModelButton::Right) {
    if (mode_ == ModelingMode::MatrixPointsZ && !depth_line.empty()) {
      depth_line_ended_ = true;
      move(image, x, y);
    }
    return false;
  }
  switch (mode_) {
    case ModelingMode::MatrixFacesAndPoints:
    case ModelingMode::MatrixOnlyPoints:
      if (!left) return false;
      if (!matrix_first_) {
        matrix_first_ = {x, y};
        move(image, x, y);
        return false;
      }
      makeMatrix(matrix_first_->first, matrix_first_->second, x, y,
                 mode_ == ModelingMode::MatrixFacesAndPoints);
      matrix_first_.reset();
      return true;
    case ModelingMode::SetMatrixLine:
      if (!left) return false;
      matrix_line = x - 1;
      return true;
    case ModelingMode::ReplacePosition:
      if (carried_ >= 0) {
        carried_ = -1;
      } else {
        carried_ = nearestPoint(image, x, y, false);
      }
      return true;
    case ModelingMode::MatrixPointsXY:
      if (!left) return false;
      if (!column_x_) {
        column_x_ = x;
        matrix_line = x;
      }
      appendPoint({*column_x_, y, 0});
      return true;
    case ModelingMode::MatrixPointsZ:
      if (left || depth_line_ended_) return false;
      if (depth_line.size() >= static_cast<std::size_t>(kDepthLineSlots)) {
        throw RangeError("The depth line holds " + std::to_string(kDepthLineSlots) +
                         " points; no more fit");
      }
      depth_line.emplace_back(x, y);
      return true;
    case ModelingMode::FacePoints:
    case ModelingMode::PointsXYZ:
      return pointEntry(host, image, x, y);
    case ModelingMode::Faces:
      if (auto_face) {
        if (!candidate_) return false;
        addModelFace(*candidate_);
        candidate_.reset();
        return true;
      }
      if (highlighted_ < 0) highlighted_ = nearestPoint(image, x, y, true);
      if (highlighted_ < 0) return false;
      takeFaceCorner(highlighted_);
      return true;
    case ModelingMode::DeleteFaces:
      return deleteFacesAt(image, x, y) > 0;
    case ModelingMode::None:
      return false;
  }
  return false;
}

bool ModelingModel::move(ModelImage image, int x, int y) {
  const int g = gridStep();
  x = g * (x / g);
  y = g * (y / g);
  if (overlays_drawn_) toggleOverlays();
  mouse_image_ = image;
  mouse_x_ = x;
  mouse_y_ = y;
  bool carried = false;
  if (mode_ == ModelingMode::ReplacePosition && carried_ >= 0) {
    ModelPoint& p = points[static_cast<std::size_t>(carried_)];
    (image == ModelImage::Left ? p.x : p.z) = x;
    p.y = y;
    carried = true;
  }
  if (mode_ == ModelingMode::Faces) {
    if (auto_face) {
      candidate_ = findAutoFace(image, x, y);
    } else {
      highlighted_ = nearestPoint(image, x, y, true);
    }
  } else if (mode_ == ModelingMode::ReplacePosition && carried_ < 0) {
    highlighted_ = nearestPoint(image, x, y, false);
  }
  shown_ = wanted();
  toggleOverlays();
  overlays_drawn_ = true;
  return carried;
}

}  // namespace facetry
