// editors/modeling_draw.cpp: drawing the Modeling window's images and coverage images, the
// not-xor marks over them, and the automatic face search that reads the coverage.
#include <algorithm>
#include <cmath>

#include "editors/modeling_model.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

constexpr Rgb kYellow{255, 255, 0};
constexpr Rgb kRed{255, 0, 0};
constexpr Rgb kGreen{0, 255, 0};
constexpr Rgb kWhite{255, 255, 255};
constexpr int kReflectionNormal = 1;
constexpr double kLightDepth = 350;  // the light sits this far in front of the images' middle

using Corners = std::array<std::pair<double, double>, 3>;

// Calls span(row, left, right) for every whole row from `from` to `to` that the triangle
// meets, with the exact left and right ends of the triangle on that row.
template <typename Span>
void triangleRows(const Corners& c, int from, int to, Span span) {
  for (int row = from; row <= to; ++row) {
    double left = 1e300, right = -1e300;
    for (int j = 0; j < 3; ++j) {
      const auto [ax, ay] = c[static_cast<std::size_t>(j)];
      const auto [bx, by] = c[static_cast<std::size_t>((j + 1) % 3)];
      if (row < std::min(ay, by) || row > std::max(ay, by)) continue;
      if (ay == by) {
        left = std::min({left, ax, bx});
        right = std::max({right, ax, bx});
      } else {
        const double x = ax + (bx - ax) * (row - ay) / (by - ay);
        left = std::min(left, x);
        right = std::max(right, x);
      }
    }
    if (left <= right) span(row, left, right);
  }
}

double top(const Corners& c) {
  return std::min({c[0].second, c[1].second, c[2].second});
}
double bottom(const Corners& c) {
  return std::max({c[0].second, c[1].second, c[2].second});
}

// Fills every pixel whose centre lies on the triangle, edges included.
void fillTriangle(Canvas& canvas, const Corners& c, Rgb colour) {
  const int from = std::max(0, static_cast<int>(std::ceil(top(c))));
  const int to = std::min(canvas.height() - 1, static_cast<int>(std::floor(bottom(c))));
  triangleRows(c, from, to, [&](int row, double left, double right) {
    const int x0 = std::max(0, static_cast<int>(std::ceil(left)));
    const int x1 = std::min(canvas.width() - 1, static_cast<int>(std::floor(right)));
    for (int x = x0; x <= x1; ++x) canvas.setPixel(x, row, colour);
  });
}

void blit(Canvas& target, const Canvas& picture, int top_row) {
  for (int y = 0; y < picture.height(); ++y) {
    const int row = y + top_row;
    if (row < 0 || row >= target.height()) continue;
    const int bytes = 3 * std::min(picture.width(), target.width());
    std::copy(picture.row(y), picture.row(y) + bytes, target.row(row));
  }
}

}  // namespace

void ModelingModel::setImageSize(int width, int height) {
  for (std::size_t i = 0; i < 2; ++i) {
    images_[i] = Canvas(width, height, kWhite);
    coverage_[i] = Canvas(width, height, kWhite);
  }
  overlays_drawn_ = false;
}

void ModelingModel::setPicture(ModelImage image, Canvas picture) {
  pictures_[index(image)] = std::move(picture);
}

void ModelingModel::drawFaceOutline(Canvas& canvas, ModelImage image, const ModelFace& face) {
  std::vector<std::pair<int, int>> corners;
  for (const std::int32_t i : face)
    corners.push_back(at(points[static_cast<std::size_t>(i)], image));
  corners.push_back(corners.front());
  canvas.polyline(corners);
}

void ModelingModel::teken(const Lighting& lighting) {
  for (std::size_t i = 0; i < 2; ++i) {
    images_[i].fill(kWhite);
    coverage_[i].fill(kWhite);
    images_[i].pen = {line_colour, PenMode::Copy};
  }
  blit(images_[0], pictures_[0], 0);
  blit(images_[1], pictures_[1], picture_offset_);

  for (const ModelPoint& p : points) {
    images_[0].frameRect(p.x - 1, p.y - 1, p.x + 1, p.y + 1);
    images_[1].frameRect(p.z - 1, p.y - 1, p.z + 1, p.y + 1);
  }
  const Point3 light{static_cast<float>(images_[0].width() / 2),
                     static_cast<float>(images_[0].height() / 2), static_cast<float>(kLightDepth)};
  for (const ModelFace& f : faces) {
    for (const ModelImage image : {ModelImage::Left, ModelImage::Right}) {
      Canvas& canvas = images_[index(image)];
      const bool filled = image == ModelImage::Left ? fill : fill2;
      if (!filled) {
        drawFaceOutline(canvas, image, f);
        continue;
      }
      Corners c;
      for (std::size_t j = 0; j < 3; ++j) {
        const auto [a, b] = at(points[static_cast<std::size_t>(f[j])], image);
        c[j] = {a, b};
      }
      Rgb colour = kYellow;
      // note: before the program's first activation there is no shade table; plain red.
      if (image == ModelImage::Left && lighting.ShadeTable.empty()) {
        colour = kRed;
      } else if (image == ModelImage::Left) {
        Point3 p[3];
        for (std::size_t j = 0; j < 3; ++j) {
          const ModelPoint& q = points[static_cast<std::size_t>(f[j])];
          p[j] = {static_cast<float>(q.x), static_cast<float>(q.y), static_cast<float>(q.z)};
        }
        const int t = std::clamp(static_cast<int>(faceLightAngle(light, p[0], p[1], p[2])), 0, 180);
        colour = {lighting.shade(kReflectionNormal, t, 255),
                  lighting.shade(kReflectionNormal, t, 0), lighting.shade(kReflectionNormal, t, 0)};
      }
      fillTriangle(canvas, c, colour);
      fillTriangle(coverage_[index(image)], c, kYellow);
    }
  }
  std::vector<std::pair<int, int>> line;
  for (const auto& [z, y] : depth_line) line.emplace_back(z, y);
  if (line.size() > 1) images_[1].polyline(line);
  if (line.size() == 1) images_[1].plot(line[0].first, line[0].second);
  if (matrix_line) {
    Canvas& left = images_[0];
    const int h = left.height() - 1;
    left.pen.colour = kRed;
    left.line(*matrix_line, 0, *matrix_line, h + 1);
    left.pen.colour = kGreen;
    left.line(*matrix_line - half_width_, 0, *matrix_line - half_width_, h + 1);
    left.line(*matrix_line + half_width_, 0, *matrix_line + half_width_, h + 1);
  }
  shown_ = wanted();
  toggleOverlays();
  overlays_drawn_ = true;
}

ModelingModel::Overlays ModelingModel::wanted() const {
  Overlays o;
  if (mouse_x_ < 0) return o;
  const bool waiting = !points.empty() && (!points.back().hasX() || !points.back().hasZ());
  if (cross && !waiting) o.cross = {mouse_image_, {mouse_x_, mouse_y_}};
  const bool left = mouse_image_ == ModelImage::Left;
  if ((mode_ == ModelingMode::MatrixFacesAndPoints || mode_ == ModelingMode::MatrixOnlyPoints) &&
      matrix_first_ && left) {
    o.rectangle = std::array{matrix_first_->first, matrix_first_->second, mouse_x_, mouse_y_};
  }
  if (mode_ == ModelingMode::MatrixPointsZ && !depth_line.empty() && !depth_line_ended_ && !left) {
    o.line = std::array{depth_line.back().first, depth_line.back().second, mouse_x_, mouse_y_};
  }
  if (mode_ == ModelingMode::Faces && auto_face && candidate_) {
    o.outline = {mouse_image_, *candidate_};
  }
  const bool marking = (mode_ == ModelingMode::Faces && !auto_face) ||
                       (mode_ == ModelingMode::ReplacePosition && carried_ < 0);
  if (marking && highlighted_ >= 0 && static_cast<std::size_t>(highlighted_) < points.size()) {
    o.mark = {mouse_image_, at(points[static_cast<std::size_t>(highlighted_)], mouse_image_)};
  }
  return o;
}

void ModelingModel::toggleOverlays() {
  for (Canvas& c : images_) c.pen = {{0, 0, 0}, PenMode::NotXor};
  if (shown_.cross) {
    const auto [image, xy] = *shown_.cross;
    for (Canvas& c : images_) c.line(0, xy.second, c.width(), xy.second);
    Canvas& c = images_[index(image)];
    // The vertical stroke leaves out the row the horizontal one already inverted.
    c.line(xy.first, 0, xy.first, xy.second);
    c.line(xy.first, xy.second + 1, xy.first, c.height());
  }
  if (shown_.rectangle) {
    const auto& r = *shown_.rectangle;
    images_[0].frameRect(r[0], r[1], r[2], r[3]);
  }
  if (shown_.line) {
    const auto& l = *shown_.line;
    images_[1].line(l[0], l[1], l[2], l[3]);
  }
  if (shown_.mark) {
    const auto [image, xy] = *shown_.mark;
    images_[index(image)].frameRect(xy.first - 3, xy.second - 3, xy.first + 3, xy.second + 3);
  }
  if (shown_.outline &&
      std::all_of(shown_.outline->second.begin(), shown_.outline->second.end(),
                  [&](std::int32_t i) { return static_cast<std::size_t>(i) < points.size(); })) {
    const auto& [image, face] = *shown_.outline;
    Canvas& c = images_[index(image)];
    c.pen.colour = kRed;
    drawFaceOutline(c, image, face);
  }
}

bool ModelingModel::faceExists(const ModelFace& face) const {
  ModelFace wanted_face = face;
  std::sort(wanted_face.begin(), wanted_face.end());
  return std::any_of(faces.begin(), faces.end(), [&](ModelFace f) {
    std::sort(f.begin(), f.end());
    return f == wanted_face;
  });
}

// Whether the triangle, on the rows strictly between its top and bottom corner and inside
// its edges, meets a pixel already painted in the coverage image. Edge pixels are left out
// so that a face may border the faces painted before it.
bool ModelingModel::coversPainted(ModelImage image, const ModelFace& face) const {
  const Canvas& cover = coverage_[index(image)];
  Corners c;
  for (std::size_t j = 0; j < 3; ++j) {
    const auto [a, b] = at(points[static_cast<std::size_t>(face[j])], image);
    c[j] = {a, b};
  }
  const int from = static_cast<int>(std::floor(top(c))) + 1;
  const int to = static_cast<int>(std::ceil(bottom(c))) - 1;
  bool painted = false;
  triangleRows(c, from, to, [&](int row, double left, double right) {
    for (int x = static_cast<int>(std::floor(left)) + 1;
         !painted && x <= static_cast<int>(std::ceil(right)) - 1; ++x) {
      painted = cover.pixel(x, row) == kYellow;
    }
  });
  return painted;
}

std::optional<ModelFace> ModelingModel::findAutoFace(ModelImage image, int x, int y) const {
  auto distance = [&](std::size_t i) {
    const auto [a, b] = at(points[i], image);
    const double dx = a - x, dy = b - y;
    return std::sqrt(dx * dx + dy * dy);
  };
  auto usable = [&](std::size_t i) { return points[i].hasX() && points[i].hasZ(); };
  // A and B: the two points nearest to the mouse, both within the search radius.
  int nearest[2] = {-1, -1};
  for (int k = 0; k < 2; ++k) {
    double best = kAutoFaceRadius;
    for (std::size_t i = 0; i < points.size(); ++i) {
      if (!usable(i) || static_cast<int>(i) == nearest[0]) continue;
      const double d = distance(i);
      if (d < best) {
        best = d;
        nearest[k] = static_cast<int>(i);
      }
    }
    if (nearest[k] < 0) return std::nullopt;
  }
  const auto corner = [&](int i) {
    const auto [a, b] = at(points[static_cast<std::size_t>(i)], image);
    return Point3{static_cast<float>(a), static_cast<float>(b), 0};
  };
  const Point3 pa = corner(nearest[0]), pb = corner(nearest[1]);
  std::optional<ModelFace> found;
  double best = 10000;
  for (std::size_t i = 0; i < points.size(); ++i) {
    const int c = static_cast<int>(i);
    if (!usable(i) || c == nearest[0] || c == nearest[1]) continue;
    const double d = distance(i);
    if (!(d < best) || !pointInTriangleXY(pa, pb, corner(c), x, y)) continue;
    const ModelFace face{nearest[0], nearest[1], c};
    if (faceExists(face) || coversPainted(image, face)) continue;
    best = d;
    found = face;
  }
  return found;
}

}  // namespace facetry
