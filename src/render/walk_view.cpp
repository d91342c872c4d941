// render/walk_view.cpp: the walk-through's camera, frame, steps and buttons.
#include "render/walk_view.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include "render/bmp_writer.h"
#include "render/walk_file.h"
#include "scene/geometry.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

constexpr float kCameraStart = 600;  // Dc and F on activation and "Restore"
constexpr int kLargest = 813;        // "Larger screen" stops at 813 x 813
constexpr int kForwardLimit = 60;    // forward motion per step; backwards has no limit

}  // namespace

int walkDivisor(WalkSpeed speed) {
  switch (speed) {
    case WalkSpeed::Quick:
      return 150;
    case WalkSpeed::Slow:
      return 600;
    case WalkSpeed::Normal:
      break;
  }
  return 300;
}

WalkPad padRegion(int x, int y) {
  if (x <= 40) return y < 30 ? WalkPad::Up : WalkPad::Down;
  if (x <= 80) return y < 30 ? WalkPad::Right : WalkPad::Left;
  return WalkPad::None;
}

WalkThrough::WalkThrough(WalkParts parts, WalkWindowState& window)
    : parts_(parts), window_(window) {
  placeCentre();
}

void WalkThrough::placeCentre() {
  camera_.width = window_.width;
  camera_.height = window_.height;
  camera_.sx = window_.width / 2.0;
  camera_.sy = window_.height / 2.0;
}

void WalkThrough::centreCorners() {
  // x := x + trunc(sx - cx) - sx: the centre point's whole-pixel offset from the picture's
  // centre, in camera-relative coordinates.
  const double dx = std::trunc(camera_.sx - parts_.centre.x) - camera_.sx;
  const double dy = std::trunc(camera_.sy - parts_.centre.y) - camera_.sy;
  Scene& scene = parts_.scene;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      c.x = static_cast<float>(c.x + dx);
      c.y = static_cast<float>(c.y + dy);
    }
  }
  camera_.distance = camera_.focal = kCameraStart;
}

void WalkThrough::FormActivate() {
  placeCentre();
  centreCorners();
  study_ = false;
  teken();
}

void WalkThrough::sortFaces() {
  Scene& scene = parts_.scene;
  const auto n = static_cast<std::size_t>(scene.FaceCount);
  order_.resize(n);
  for (std::size_t i = 0; i < n; ++i) {
    const float z = scene.FaceTable[i].corners[0].z;
    // A NaN would break the ordering; it sorts as the farthest.
    order_[i] = {std::isnan(z) ? -std::numeric_limits<float>::infinity() : z, static_cast<int>(i)};
  }
  // Largest z first; equal keys keep their table order, so the result is one order only.
  auto before = [](const std::pair<float, int>& a, const std::pair<float, int>& b) {
    return a.first > b.first || (a.first == b.first && a.second < b.second);
  };
  if (std::is_sorted(order_.begin(), order_.end(), before)) return;
  std::sort(order_.begin(), order_.end(), before);
  // Gathered into tables of the same size and capacity, with the slots past FaceCount
  // copied as they are, which then change places with the scene's.
  sorted_faces_.reserve(scene.FaceTable.capacity());
  sorted_shading_.reserve(scene.FaceShadingTable.capacity());
  sorted_faces_.resize(scene.FaceTable.size());
  sorted_shading_.resize(scene.FaceShadingTable.size());
  for (std::size_t i = 0; i < n; ++i) {
    const auto from = static_cast<std::size_t>(order_[i].second);
    sorted_faces_[i] = scene.FaceTable[from];
    sorted_shading_[i] = scene.FaceShadingTable[from];
  }
  std::copy(scene.FaceTable.begin() + static_cast<std::ptrdiff_t>(n), scene.FaceTable.end(),
            sorted_faces_.begin() + static_cast<std::ptrdiff_t>(n));
  std::copy(scene.FaceShadingTable.begin() + static_cast<std::ptrdiff_t>(n),
            scene.FaceShadingTable.end(), sorted_shading_.begin() + static_cast<std::ptrdiff_t>(n));
  scene.FaceTable.swap(sorted_faces_);
  scene.FaceShadingTable.swap(sorted_shading_);
}

void WalkThrough::teken() {
  FrameBuffers& frame = parts_.frame;
  const int last_row = std::min(camera_.height, kBitmapSize - 1);
  for (int y = 0; y <= last_row; ++y) {
    std::copy(frame.BackgroundRow.begin(), frame.BackgroundRow.end(), frame.ViewBitmap.row(y));
    std::copy(frame.DepthClearRow.begin(), frame.DepthClearRow.end(),
              frame.depthRow(y) + kDepthLow);
  }
  sortFaces();
  const WalkRasterContext context{parts_.light, parts_.textures, parts_.mode, camera_};
  for (int i = 0; i < parts_.scene.FaceCount; ++i)
    rasteriseWalkFace(parts_.scene, i, context, frame);
}

Point3 WalkThrough::pivot() const {
  return study_ ? pivot_ : Point3{0, 0, camera_.distance};
}

void WalkThrough::rotateAll(int axis, double degrees) {
  const double cos_angle = std::cos(degrees * kDegreeRadians);
  const double sin_angle = std::sin(degrees * kDegreeRadians);
  const Point3 centre = pivot();
  Scene& scene = parts_.scene;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      if (axis == 0) rotateX(c, true, centre, cos_angle, sin_angle, true);
      if (axis == 1) rotateY(c, true, centre, cos_angle, sin_angle, true);
      if (axis == 2) rotateZ(c, true, centre, cos_angle, sin_angle, true);
    }
  }
}

void WalkThrough::step() {
  window_.divisor = walkDivisor(window_.speed);
  const float s = static_cast<float>(600 / window_.divisor);
  if (motion_.vertical == WalkVertical::Forward && !study_) {
    const auto rate = static_cast<float>(motion_.vertical_rate);
    Scene& scene = parts_.scene;
    for (int i = 0; i < scene.FaceCount; ++i) {
      for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) c.z += rate;
    }
  }
  if (motion_.vertical == WalkVertical::Tilt) rotateAll(0, 4 * motion_.vertical_rate);
  if (motion_.turn == WalkTurn::Yaw) rotateAll(1, -4 * motion_.turn_rate);
  if (motion_.turn == WalkTurn::Roll) rotateAll(2, 4 * motion_.turn_rate);
  if (motion_.pad != WalkPad::None && !study_) {
    const float dx = motion_.pad == WalkPad::Right ? s : (motion_.pad == WalkPad::Left ? -s : 0);
    const float dy = motion_.pad == WalkPad::Down ? s : (motion_.pad == WalkPad::Up ? -s : 0);
    Scene& scene = parts_.scene;
    for (int i = 0; i < scene.FaceCount; ++i) {
      for (FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
        c.x += dx;
        c.y += dy;
      }
    }
  }
}

void WalkThrough::Image1MouseDown(int x, int y, WalkButton button) {
  motion_.x0 = x;
  motion_.y0 = y;
  motion_.mouse_mode = button == WalkButton::Left ? 1 : 2;
  timer_ = false;
}

void WalkThrough::Image1MouseMove(int x, int y) {
  if (motion_.mouse_mode == 0) return;
  const int v = window_.divisor;
  const bool left = motion_.mouse_mode == 1;
  if (y != motion_.y0) {
    if (left) {
      motion_.vertical = WalkVertical::Forward;
      motion_.vertical_rate = std::min((motion_.y0 - y) / (v / 30), kForwardLimit);
    } else {
      motion_.vertical = WalkVertical::Tilt;
      motion_.vertical_rate = static_cast<double>(y - motion_.y0) / v;
    }
  }
  if (x != motion_.x0) {
    motion_.turn = left ? WalkTurn::Yaw : WalkTurn::Roll;
    motion_.turn_rate = static_cast<double>(x - motion_.x0) / v;
  }
  timer_ = true;
}

void WalkThrough::mouseUp() {
  motion_ = WalkMotion{};
  timer_ = false;
}

void WalkThrough::Image2MouseDown(int x, int y) {
  motion_.pad = padRegion(x, y);
  timer_ = true;
  teken();
}

void WalkThrough::Timer1Timer() {
  step();
  teken();
}

void WalkThrough::FormKeyPress(char key) {
  if (key != 'a' && key != 'z') return;
  rotateAll(0, key == 'a' ? -1 : 1);
  if (!timer_) teken();
}

void WalkThrough::studeerClick(bool on) {
  study_ = on;
  if (!on) return;
  Scene& scene = parts_.scene;
  if (scene.FaceCount == 0) {
    pivot_ = {0, 0, camera_.distance};
    return;
  }
  float low[3], high[3];
  const FaceCorner& first = scene.FaceTable[0].corners[0];
  low[0] = high[0] = first.x;
  low[1] = high[1] = first.y;
  low[2] = high[2] = first.z;
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      const float p[3] = {c.x, c.y, c.z};
      for (int a = 0; a < 3; ++a) {
        low[a] = std::min(low[a], p[a]);
        high[a] = std::max(high[a], p[a]);
      }
    }
  }
  pivot_ = {(low[0] + high[0]) / 2, (low[1] + high[1]) / 2, (low[2] + high[2]) / 2};
}

void WalkThrough::LargerClick() {
  window_.width += window_.width * 20 / 100;
  window_.height += window_.height * 20 / 100;
  if (window_.width > kLargest || window_.height > kLargest)
    window_.width = window_.height = kLargest;
  placeCentre();
  teken();
}

void WalkThrough::SmallerClick() {
  window_.width = window_.width * 100 / 120;
  window_.height = window_.height * 100 / 120;
  placeCentre();
  teken();
}

void WalkThrough::RestoreClick() {
  readWalkFile(parts_.scene, kWalkFile);
  centreCorners();
  teken();
}

void WalkThrough::saveBitmap(const std::string& path) const {
  const bool has_ending = path.size() >= 4 && path.compare(path.size() - 4, 4, ".bmp") == 0;
  writeBmp(parts_.frame.ViewBitmap, has_ending ? path : path + ".bmp");
}

}  // namespace facetry
