// ops/line_array_preview.cpp: the line array preview's drawing and turning.
#include "ops/line_array_preview.h"

#include <cmath>
#include <cstdio>
#include <thread>

#include "ops/array_tools.h"
#include "ops/nurb_drawing.h"
#include "scene/errors.h"
#include "scene/geometry.h"
#include "scene/scratch_files.h"
#include "scene/view_axes.h"

namespace facetry {

namespace {

constexpr Rgb kOutline{0, 0, 0};
constexpr Rgb kCurrentRed{255, 0, 0};

}  // namespace

LineArrayPreview::LineArrayPreview(int profile_count, int angle_degrees, bool rotate_all)
    : profile_count_(profile_count), angle_(angle_degrees), rotate_all_(rotate_all) {
  read();
}

void LineArrayPreview::read() {
  copies_ = readLineArrayCopies(profile_count_);
  centroid_ = {};
  long count = 0;
  for (const auto& copy : copies_) {
    for (const Point3& p : copy) {
      centroid_[0] += p.x;
      centroid_[1] += p.y;
      centroid_[2] += p.z;
      ++count;
    }
  }
  if (count > 0) {
    for (double& c : centroid_) c /= static_cast<double>(count);
  }
  if (current_ >= copyCount()) current_ = copyCount() > 0 ? copyCount() - 1 : 0;
}

void LineArrayPreview::nextCopy() {
  if (current_ + 1 < copyCount()) ++current_;
}

void LineArrayPreview::previousCopy() {
  if (current_ > 0) --current_;
}

void LineArrayPreview::roteer(int plane, int degrees) {
  if (copies_.empty()) return;
  std::vector<Point3>& copy = copies_[static_cast<std::size_t>(current_)];
  Point3 centre{};
  for (const Point3& p : copy) {
    centre.x += p.x / static_cast<float>(copy.size());
    centre.y += p.y / static_cast<float>(copy.size());
    centre.z += p.z / static_cast<float>(copy.size());
  }
  const double radians = degrees * kDegreeRadians;
  const double cos_a = std::cos(radians), sin_a = std::sin(radians);
  for (Point3& p : copy) {
    FaceCorner c;
    c.setPoint(p);
    // The points carry no selection: only "All" lets them turn.
    if (plane == 1) rotateZ(c, false, centre, cos_a, sin_a, rotate_all_);
    if (plane == 2) rotateX(c, false, centre, cos_a, sin_a, rotate_all_);
    if (plane == 3) rotateY(c, false, centre, cos_a, sin_a, rotate_all_);
    p = c.point();
  }
  {
    std::FILE* f = std::fopen(kLineArrayFile2, "wb");
    if (!f) throw IoError(std::string("Cannot create \"") + kLineArrayFile2 + "\"");
    bool ok = true;
    for (const auto& each : copies_) {
      for (const Point3& p : each) {
        FaceCorner record;
        record.setPoint(p);
        ok = ok && std::fwrite(&record, sizeof record, 1, f) == 1;
      }
    }
    ok = std::fclose(f) == 0 && ok;
    if (!ok) throw IoError(std::string("Cannot write \"") + kLineArrayFile2 + "\"");
  }
  // The old file goes first; a deletion refused for a moment (another reader) is retried.
  for (int attempt = 0; std::remove(kLineArrayFile) != 0 && attempt < 50; ++attempt) {
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  if (std::rename(kLineArrayFile2, kLineArrayFile) != 0) {
    throw IoError(std::string("Cannot rename \"") + kLineArrayFile2 + "\" to \"" + kLineArrayFile +
                  "\"");
  }
  read();
}

void LineArrayPreview::draw(std::array<Canvas, 3>& images) const {
  for (View view : kViews) {
    Canvas& image = images[static_cast<std::size_t>(viewIndex(view))];
    image.fill({255, 255, 255});
    const ViewAxes axes = viewAxes(view);
    const double half_w = image.width() / 2.0, half_h = image.height() / 2.0;
    // Each axis is centred on the image centre; z, the depth of the front view, on the
    // mean of the two half sizes.
    auto place = [&](int axis, double along_half) {
      return axis == 2 ? (half_w + half_h) / 2 : along_half;
    };
    auto pixel = [&](const Point3& p) {
      const auto col_axis = static_cast<std::size_t>(axes.column);
      const auto row_axis = static_cast<std::size_t>(axes.row);
      return std::pair<double, double>{
          (axisOf(p, axes.column) - centroid_[col_axis]) * 0.5 + place(axes.column, half_w),
          (axisOf(p, axes.row) - centroid_[row_axis]) * 0.5 + place(axes.row, half_h)};
    };
    image.pen = {kOutline, PenMode::Copy};
    for (std::size_t i = 1; i < copies_.size(); ++i) {
      const auto& o = copies_[i - 1];
      const auto& c = copies_[i];
      for (std::size_t j = 0; j + 1 < c.size(); ++j) {
        drawClippedPolyline(
            image, {pixel(o[j]), pixel(o[j + 1]), pixel(c[j + 1]), pixel(c[j]), pixel(o[j])});
      }
    }
    if (!copies_.empty()) {
      image.pen = {kCurrentRed, PenMode::Copy};
      std::vector<std::pair<double, double>> line;
      for (const Point3& p : copies_[static_cast<std::size_t>(current_)]) line.push_back(pixel(p));
      drawClippedPolyline(image, line);
    }
    image.pen = {};
  }
}

}  // namespace facetry
