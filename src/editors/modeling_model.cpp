// editors/modeling_model.cpp: the Modeling window's lists and the operations on them:
// matrices, the depth line, faces, the files and the hand-over to the scene.
#include "editors/modeling_model.h"

#include <algorithm>

#include "files/model_commands.h"
#include "files/undo.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

ModelingModel::ModelingModel() {
  setImageSize(400, 400);
}

void ModelingModel::setMatrixWidth(int width) {
  half_width_ = std::max(1, width / 2);
}

void ModelingModel::setMode(ModelingMode mode) {
  mode_ = mode;
  matrix_first_.reset();
  column_x_.reset();
  depth_line_ended_ = false;
  carried_ = -1;
  face_corners_.clear();
  highlighted_ = -1;
  candidate_.reset();
}

void ModelingModel::Facesandpoints1Click() {
  setMode(ModelingMode::MatrixFacesAndPoints);
  auto_face = false;
}
void ModelingModel::Onlypoins1Click() {
  setMode(ModelingMode::MatrixOnlyPoints);
}
void ModelingModel::Setmatrixxyposition1Click() {
  setMode(ModelingMode::SetMatrixLine);
}
void ModelingModel::Replaceposition1Click() {
  setMode(ModelingMode::ReplacePosition);
  grid_ = 1;
  auto_face = false;
}
void ModelingModel::Puntenxy1Click() {
  setMode(ModelingMode::MatrixPointsXY);
}
void ModelingModel::Puntenz1Click() {
  setMode(ModelingMode::MatrixPointsZ);
}
void ModelingModel::facepoints1Click() {
  setMode(ModelingMode::FacePoints);
}
void ModelingModel::Pointsxyz1Click() {
  setMode(ModelingMode::PointsXYZ);
}
void ModelingModel::Autocalculate1Click() {
  setMode(ModelingMode::Faces);
  auto_face = true;
  grid_ = 1;
}
void ModelingModel::Usercalculate1Click() {
  setMode(ModelingMode::Faces);
  auto_face = false;
}
void ModelingModel::DelfacenClick() {
  setMode(ModelingMode::DeleteFaces);
}

void ModelingModel::appendPoint(const ModelPoint& p) {
  if (points.size() >= static_cast<std::size_t>(kModelSlots)) {
    throw RangeError("The model holds " + std::to_string(kModelSlots) + " points; no more fit");
  }
  points.push_back(p);
}

void ModelingModel::addModelFace(const ModelFace& face) {
  if (faces.size() >= static_cast<std::size_t>(kModelSlots)) {
    throw RangeError("The model holds " + std::to_string(kModelSlots) + " faces; no more fit");
  }
  for (const std::int32_t i : face) {
    if (i < 0 || static_cast<std::size_t>(i) >= points.size()) {
      throw RangeError("A face uses point " + std::to_string(i) + "; the model has " +
                       std::to_string(points.size()) + " points");
    }
  }
  faces.push_back(face);
}

void ModelingModel::makeMatrix(int x1, int y1, int x2, int y2, bool with_faces) {
  if (x2 < x1) std::swap(x1, x2);
  if (y2 < y1) std::swap(y1, y2);
  // The step grows until the grid (counted generously, twice over x) fits the lists.
  int s = gridStep();
  while ((2 * (x2 - x1) / s) * ((y2 - y1) / s) > kMatrixPointLimit) ++s;
  grid_ = s;
  half_width_ = s / 2;
  points.clear();
  faces.clear();
  const int column = (y2 - y1 + s - 1) / s;  // points in one column
  for (int x = x1; x < x2; x += s) {
    for (int y = y1; y < y2; y += s) {
      if (faces.size() > 29996 || points.size() >= 29999) return;
      points.push_back({x, y, 0});
      const auto n = static_cast<std::int32_t>(points.size()) - 1;
      if (with_faces && x > x1 && y > y1) {
        faces.push_back({n - column - 1, n - column, n});
        faces.push_back({n - column - 1, n, n - 1});
      }
    }
  }
}

void ModelingModel::applyMatrixLine() {
  for (ModelPoint& p : points) {
    if (matrix_line && (p.x < *matrix_line - half_width_ || p.x > *matrix_line + half_width_)) {
      continue;
    }
    for (std::size_t j = 0; j + 1 < depth_line.size(); ++j) {
      const auto [z0, y0] = depth_line[j];
      const auto [z1, y1] = depth_line[j + 1];
      if (y0 <= p.y && p.y <= y1) {
        // A level segment has no slope; its start depth holds.
        const std::int64_t dy = y1 - y0;
        p.z = dy == 0 ? z0
                      : static_cast<std::int32_t>(z0 + static_cast<std::int64_t>(z1 - z0) *
                                                           (p.y - y0) / dy);
      }
    }
  }
  depth_line.clear();
}

int ModelingModel::deleteFacesAt(ModelImage image, int x, int y) {
  const auto before = faces.size();
  std::erase_if(faces, [&](const ModelFace& f) {
    Point3 c[3];
    for (int j = 0; j < 3; ++j) {
      const auto [a, b] = at(points[static_cast<std::size_t>(f[j])], image);
      c[j] = {static_cast<float>(a), static_cast<float>(b), 0};
    }
    return pointInTriangleXY(c[0], c[1], c[2], x, y);
  });
  candidate_.reset();
  return static_cast<int>(before - faces.size());
}

void ModelingModel::clear() {
  points.clear();
  faces.clear();
  depth_line.clear();
  matrix_line.reset();
  pictures_ = {};
  setMode(mode_);
}

void ModelingModel::load(const std::string& path) {
  ModelerMesh mesh = readModelerMesh(path);
  if (mesh.points.size() > static_cast<std::size_t>(kModelSlots) ||
      mesh.faces.size() > static_cast<std::size_t>(kModelSlots)) {
    throw RangeError(path + ": the Modeling window holds at most " + std::to_string(kModelSlots) +
                     " points and faces");
  }
  points.clear();
  for (const auto& p : mesh.points) points.push_back({p[0], p[1], p[2]});
  faces = std::move(mesh.faces);
  setMode(mode_);
}

std::string ModelingModel::save(const std::string& path) {
  const std::string target = withExtension(path, ".mdd");
  ModelerMesh mesh;
  for (const ModelPoint& p : points) mesh.points.push_back({p.x, p.y, p.z});
  mesh.faces = faces;
  writeModelerFile(mesh, target);
  saved = true;
  return target;
}

void ModelingModel::askToSave(Host& host, const std::function<void()>& save_dialog) const {
  if (saved) return;
  if (host.message("Would you like to save first", "Model is changed", MessageIcon::Question,
                   MessageButtons::YesNo) == Answer::Yes) {
    save_dialog();
  }
}

int ModelingModel::transfer(Scene& scene, Host& host, const Point3& centre) const {
  if (faces.empty()) return 0;
  double max_x = -1000, min_x = 1000, max_y = -1000, min_y = 1000, max_z = -1000;
  for (const ModelPoint& p : points) {
    max_x = std::max(max_x, static_cast<double>(p.x));
    min_x = std::min(min_x, static_cast<double>(p.x));
    max_y = std::max(max_y, static_cast<double>(p.y));
    min_y = std::min(min_y, static_cast<double>(p.y));
    max_z = std::max(max_z, static_cast<double>(p.z));
  }
  const Point3 reference{static_cast<float>((max_x + min_x) / 2),
                         static_cast<float>((max_y + min_y) / 2), static_cast<float>(max_z + 200)};
  voorundo(scene);
  const int first_new = scene.FaceCount;
  int added = 0;
  for (const ModelFace& f : faces) {
    FaceCorner c[3];
    for (int j = 0; j < 3; ++j) {
      const ModelPoint& p = points[static_cast<std::size_t>(f[j])];
      c[j].x = static_cast<float>(p.x);
      c[j].y = static_cast<float>(p.y);
      c[j].z = static_cast<float>(p.z) + centre.z;
    }
    orderModelerCorners(reference, c[0], c[1], c[2]);
    if (addFace(scene, host, c[0], c[1], c[2])) ++added;
  }
  if (closeObject(scene, host, false, true)) {
    recentreFaces(scene, first_new, centre);
    updateObjectBounds(scene, scene.ObjectCount - 1);
  }
  return added;
}

}  // namespace facetry
