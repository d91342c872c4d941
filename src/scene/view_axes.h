// scene/view_axes.h: the one mapping between the three orthographic views and the model's
// axes. The front view shows x to the right and y down with z toward the viewer; the top
// view maps z to rows and looks down y (smaller y is nearer); the side view maps z to
// columns. Every place that turns a view position into model coordinates or back uses it.
#pragma once
#include <array>
#include <cassert>

#include "scene/records.h"

namespace facetry {

// The orthographic views, numbered as the menus and the model file number them.
enum class View : int { Front = 1, Top = 2, Side = 3 };

inline constexpr std::array<View, 3> kViews = {View::Front, View::Top, View::Side};
// Index of the survey view's entry in the per-view tables that have four (ViewShading).
inline constexpr int kSurveyIndex = 3;

// The index 0..2 of a view in the per-view arrays (images, scroll bars, mouse positions).
constexpr int viewIndex(View view) {
  return static_cast<int>(view) - 1;
}
// The view numbered 1..3.
constexpr View viewNumbered(int number) {
  assert(number >= 1 && number <= 3);
  return static_cast<View>(number);
}

// Model axes: 0 x, 1 y, 2 z.
struct ViewAxes {
  int column;      // the axis along the view's pixel columns
  int row;         // the axis along its rows (rows grow downwards)
  int depth;       // the axis toward the viewer
  int depth_sign;  // +1 when a larger coordinate is nearer, -1 when a smaller one is
};

constexpr ViewAxes viewAxes(View view) {
  switch (view) {
    case View::Top:
      return {0, 2, 1, -1};
    case View::Side:
      return {2, 1, 0, +1};
    case View::Front:
      break;
  }
  return {0, 1, 2, +1};
}

// Component `axis` (0 x, 1 y, 2 z) of a point or a corner.
constexpr float axisOf(const Point3& p, int axis) {
  return axis == 0 ? p.x : axis == 1 ? p.y : p.z;
}
constexpr float axisOf(const FaceCorner& c, int axis) {
  return axis == 0 ? c.x : axis == 1 ? c.y : c.z;
}
constexpr void setAxis(Point3& p, int axis, float value) {
  (axis == 0 ? p.x : axis == 1 ? p.y : p.z) = value;
}
constexpr void setAxis(FaceCorner& c, int axis, float value) {
  (axis == 0 ? c.x : axis == 1 ? c.y : c.z) = value;
}

// A model point's position in a view: (column, row) in view pixels, not yet truncated, and
// the depth along the view's depth axis (larger is nearer).
struct ViewPosition {
  float column, row, depth;
};
template <typename P>
constexpr ViewPosition toView(View view, const P& p) {
  const ViewAxes a = viewAxes(view);
  return {axisOf(p, a.column), axisOf(p, a.row), a.depth_sign * axisOf(p, a.depth)};
}

// The model point under view position (column, row), its depth coordinate taken from
// `centre`: front (col, row, cz), top (col, cy, row), side (cx, row, col).
constexpr Point3 fromView(View view, float column, float row, const Point3& centre) {
  const ViewAxes a = viewAxes(view);
  Point3 p = centre;
  setAxis(p, a.column, column);
  setAxis(p, a.row, row);
  return p;
}

}  // namespace facetry
