// ops/line_array_preview.h: the model behind "Preview line array": the copies in "lijnar"
// drawn in three small views round their centroid, one current copy that can be turned
// about its own centroid, and the turning written back through "lijnar2".
#pragma once
#include <array>
#include <vector>

#include "render/canvas.h"
#include "scene/records.h"

namespace facetry {

class LineArrayPreview {
 public:
  // Reads "lijnar" as copies of `profile_count` points; the current copy is 0 and the
  // angle `angle_degrees`. Throws IoError.
  LineArrayPreview(int profile_count, int angle_degrees, bool rotate_all);

  int copyCount() const { return static_cast<int>(copies_.size()); }
  int current() const { return current_; }
  int angle() const { return angle_; }
  const std::array<double, 3>& centroid() const { return centroid_; }
  const std::vector<std::vector<Point3>>& copies() const { return copies_; }

  // SpeedButton5 and SpeedButton6: the next and the previous copy, kept in range.
  void nextCopy();
  void previousCopy();
  // A ListBox1 choice, 1..360.
  void setAngle(int degrees) { angle_ = degrees; }

  // `roteer`: the current copy turned about its own centroid in plane 1 (x, y), 2 (y, z) or
  // 3 (z, x) by `degrees`, written to "lijnar2", which then replaces "lijnar". Throws
  // IoError.
  void roteer(int plane, int degrees);
  // The six turn buttons: plane 1, 2, 3 by the angle (`back` false) or 360 - angle.
  void turn(int plane, bool back) { roteer(plane, back ? 360 - angle_ : angle_); }

  // The three images (front x, y; top x, z; side z, y) cleared and drawn: every pair of
  // consecutive copies as quadrilateral outlines, then the current copy in red.
  void draw(std::array<Canvas, 3>& images) const;

 private:
  void read();
  int profile_count_;
  int angle_;
  bool rotate_all_;
  int current_ = 0;
  std::vector<std::vector<Point3>> copies_;
  std::array<double, 3> centroid_{};
};

}  // namespace facetry
