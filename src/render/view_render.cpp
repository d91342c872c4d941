// render/view_render.cpp: teken, the redraw of the three orthographic views, step by step.
#include "render/view_render.h"

#include <algorithm>
#include <cmath>
#include <exception>
#include <optional>
#include <vector>

#include "render/flat_angles.h"
#include "render/side_by_side.h"
#include "render/view_lines.h"
#include "render/view_passes.h"

namespace facetry {

namespace {

bool anyShaded(const ViewState& views) {
  for (View view : kViews) {
    if (views.ViewShading[static_cast<std::size_t>(viewIndex(view))].shaded) return true;
  }
  return false;
}

bool anySmooth(const ViewState& views) {
  for (const ViewShadingEntry& entry : views.ViewShading) {
    if (entry.gouraud || entry.phong) return true;
  }
  return false;
}

void resetObjectBounds(Scene& scene) {
  for (int k = 0; k <= scene.ObjectCount; ++k) {
    ModelObject& o = scene.object(k);
    for (int a = 0; a < 3; ++a) {
      o.min[a] = 100000;
      o.max[a] = -100000;
    }
  }
}

// The screen bounds of each object, and the bounds of all the corners in `frame`.
void growBounds(Scene& scene, FrameBuffers& frame) {
  float low[3] = {0, 0, 0}, high[3] = {-1, -1, -1};  // empty until a corner is seen
  bool any = false;
  for (int i = 0; i < scene.FaceCount; ++i) {
    const Face& face = scene.face(i);
    ModelObject& object = scene.object(face.object);
    for (const FaceCorner& c : face.corners) {
      const float p[3] = {c.x, c.y, c.z};
      for (int a = 0; a < 3; ++a) {
        if (p[a] > object.max[a]) object.max[a] = p[a];
        if (p[a] < object.min[a]) object.min[a] = p[a];
      }
      if (!any) {
        for (int a = 0; a < 3; ++a) low[a] = high[a] = p[a];
        any = !std::isnan(p[0]) && !std::isnan(p[1]) && !std::isnan(p[2]);
      }
      for (int a = 0; a < 3; ++a) {
        if (p[a] < low[a]) low[a] = p[a];
        if (p[a] > high[a]) high[a] = p[a];
      }
    }
  }
  if (!any) {
    std::fill(low, low + 3, 0.0f);
    std::fill(high, high + 3, -1.0f);
  }
  std::copy(low, low + 3, frame.corner_min);
  std::copy(high, high + 3, frame.corner_max);
  frame.corners_bounded = true;
}

// The sums of SceneCentroid over every corner, in face order.
void sumCentroid(const Scene& scene, SceneCentroidSums& centroid) {
  for (int i = 0; i < scene.FaceCount; ++i) {
    for (const FaceCorner& c : scene.FaceTable[static_cast<std::size_t>(i)].corners) {
      centroid.sum[0] += c.x;
      centroid.sum[1] += c.y;
      centroid.sum[2] += c.z;
    }
  }
  centroid.count += 3 * static_cast<long>(scene.FaceCount);
}

// Both, on two threads when `worker` is given and there are faces enough: each is a pass of
// its own over the faces, the sums in the order that decides their rounding.
void growBoundsAndCentroid(Scene& scene, SceneCentroidSums& centroid, FrameBuffers& frame,
                           SideWorker* worker) {
  if (worker == nullptr || !worthSplitting(scene.FaceCount)) {
    growBounds(scene, frame);
    sumCentroid(scene, centroid);
    return;
  }
  runSideBySide(
      worker, [&] { growBounds(scene, frame); }, [&] { sumCentroid(scene, centroid); })
      .rethrow();
}

// A face's flat light angle does not depend on the view: worked out once for all the views
// of this redraw that are shaded flat, the survey view included.
void prepareFlatAnglesAndBounds(RedrawParts& parts, bool bake, bool others) {
  const ViewState& views = parts.views;
  FrameBuffers& frame = parts.frame;
  frame.flat_angles_current = false;
  frame.corners_compared = false;
  bool any_flat = false;
  for (View view : kViews) {
    if (view != View::Front && !others) break;
    const ViewShadingEntry& entry = views.ViewShading[static_cast<std::size_t>(viewIndex(view))];
    any_flat = any_flat || (entry.shaded && modeOf(entry) == ShadingMode::Flat);
  }
  const ViewShadingEntry& survey = views.ViewShading[kSurveyIndex];
  any_flat = any_flat || (!bake && views.SurveyVisible && !survey.gouraud && !survey.phong);
  // The bounds are grown for the front pass, which is drawn whenever there are faces.
  // Alongside the angles, which keep both threads busy, the bounds are grown on one.
  const auto grow = [&](SideWorker* worker) {
    if (parts.scene.FaceCount > 0) {
      growBoundsAndCentroid(parts.scene, parts.views.SceneCentroid, frame, worker);
    }
  };
  // Any shaded picture compares the corners too, so that the scan corners it keeps can be
  // trusted; only the flat ones want the angles.
  const bool any_picture = anyShaded(views) || (!bake && views.SurveyVisible);
  try {
    if (!any_picture) {
      grow(&frame.worker());
      return;
    }
    computeFlatAngles(
        parts.scene, parts.light.LightPosition, frame.flat_angles, frame.flat_angle_sources,
        &frame.worker(), [&] { grow(nullptr); }, any_flat);
  } catch (...) {
    // A face that fails leaves the bounds and the centroid as they were reset, whichever
    // of the passes over the faces got further.
    resetObjectBounds(parts.scene);
    parts.views.SceneCentroid = {};
    frame.corners_bounded = false;
    throw;
  }
  frame.corners_compared = true;
  frame.flat_angles_current = any_flat;
}

// The flat angles and bounds, then the corner normals when a view is smooth: the angles'
// comparison of the corners spares the normals their own. The normals are still brought up
// to date when the angles fail, and their failure comes first, as it would if they were
// worked out before the angles.
void prepareAnglesAndNormals(RedrawParts& parts, bool bake, bool others) {
  FrameBuffers& frame = parts.frame;
  std::exception_ptr angles_failure;
  try {
    prepareFlatAnglesAndBounds(parts, bake, others);
  } catch (...) {
    angles_failure = std::current_exception();
  }
  if (anyShaded(parts.views) && anySmooth(parts.views)) {
    try {
      updateVertexNormals(parts.scene, parts.light, frame.normals, &frame.worker(),
                          frame.corners_compared ? &frame.flat_angle_sources.changes : nullptr);
    } catch (...) {
      frame.flat_angles_current = false;
      frame.corners_compared = false;
      frame.corners_bounded = false;
      parts.views.SceneCentroid = {};
      throw;
    }
  }
  if (angles_failure) std::rethrow_exception(angles_failure);
}

// How a view's rows are cleared before it is drawn: from its scroll row on, the depths too
// when it is shaded.
FrameBuffers::RowClear clearFor(const ViewState& views, View view) {
  const auto index = static_cast<std::size_t>(viewIndex(view));
  return {true, views.ScrollY[index], views.ViewShading[index].shaded};
}

// One view into ViewBitmap, whose rows the view before (or the redraw, for the front view)
// cleared, then copied onto its image while its rows are cleared for `next`.
void drawView(RedrawParts& parts, View view, bool bake, const FrameBuffers::RowClear& next) {
  const auto index = static_cast<std::size_t>(viewIndex(view));
  FrameBuffers& frame = parts.frame;
  std::optional<PixelRectangle> merge;
  if (parts.views.ViewShading[index].shaded) {
    merge = drawFacePass(parts, view, bake, frame.flat_angles);
  } else {
    drawWirePass(parts, view);
  }
  finishView(frame, &frame.images[index], merge, next);
}

void drawCrosses(FrameBuffers& frame, const ViewState& views) {
  for (View view : kViews) {
    const auto index = static_cast<std::size_t>(viewIndex(view));
    const auto& mouse = views.MousePosition[index];
    kruis(frame.images[index], views.CrossOn, static_cast<int>(mouse[1]),
          static_cast<int>(mouse[0]));
  }
}

void finishCentroid(SceneCentroidSums& centroid) {
  if (centroid.count <= 0) return;
  for (int a = 0; a < 3; ++a)
    centroid.centre[a] = centroid.sum[a] / static_cast<double>(centroid.count);
}

}  // namespace

void projectToView(View view, Point3& point) {
  const ViewPosition p = toView(view, point);
  point = {p.column, p.row, p.depth};
}

void teken(RedrawParts& parts, bool bake) {
  Scene& scene = parts.scene;
  ViewState& views = parts.views;
  FrameBuffers& frame = parts.frame;
  const bool others = !bake && views.ThreeWindows;

  if (parts.hooks.survey_cross) parts.hooks.survey_cross(View::Front, -1000, -1000);
  views.SceneCentroid = {};
  frame.corners_bounded = false;
  finishView(frame, nullptr, std::nullopt, {true, views.ScrollY[0], true});  // depths always
  resetObjectBounds(scene);
  prepareAnglesAndNormals(parts, bake, others);

  if (scene.FaceCount == 0) {
    for (Canvas& image : frame.images) image.copyFrom(frame.ViewBitmap);
  } else {
    drawView(parts, View::Front, bake,
             others ? clearFor(views, View::Top) : FrameBuffers::RowClear{});
    if (others) {
      drawView(parts, View::Top, bake, clearFor(views, View::Side));
      drawView(parts, View::Side, bake, {});
    }
  }

  drawCentreMarkers(frame, views.CentrePoint);
  if (!parts.tools.selectpoints && !parts.tools.selectfaces && !bake) {
    drawSelectionBoxes(frame, scene, views, parts.settings.SelectionColour);
  }
  drawCrosses(frame, views);
  finishCentroid(views.SceneCentroid);

  if (!bake && parts.hooks.survey) parts.hooks.survey();
  frame.flat_angles_current = false;
  frame.corners_compared = false;
  frame.corners_bounded = false;
  if (!bake && parts.hooks.curves) parts.hooks.curves();

  scene.ObjectNameBuffer.assign("Object_01");
  scene.ask = false;
}

}  // namespace facetry
