// render/view_render.cpp: the redraw of the three orthographic views.
#include "render/view_render.h"

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "render/rasteriser.h"
#include "render/view_passes.h"
#include "scene/errors.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

void drawSelectionBox(Canvas& image, std::int32_t min_column, std::int32_t min_row,
                      std::int32_t max_column, std::int32_t max_row, Rgb colour) {
  image.pen = {colour, PenMode::Copy};
  image.polyline({{min_column - 2, min_row - 2},
                  {max_column + 2, min_row - 2},
                  {max_column + 2, max_row + 2},
                  {min_column - 2, max_row + 2},
                  {min_column - 2, min_row - 2}});
  image.pen.colour = {0, 0, 0};
}

}  // namespace

void projectToView(int view, Point3& point) {
  const Point3 p = point;
  switch (view) {
    case kTopView:
      point = {p.x, p.z, -p.y};
      break;
    case kSideView:
      point = {p.z, p.y, p.x};
      break;
    default:
      break;
  }
}

void drawViewLine(Canvas& bitmap, int view, const Point3& from, const Point3& to, Rgb colour) {
  Point3 a = from, b = to;
  projectToView(view, a);
  projectToView(view, b);
  drawBitmapLine(bitmap, truncToInt(a.x), truncToInt(a.y), truncToInt(b.x), truncToInt(b.y),
                 colour);
}

void kruis(Canvas& image, bool cross_on, int row, int column) {
  if (!cross_on) return;
  const Pen saved = image.pen;
  image.pen = {{0, 0, 0}, PenMode::NotXor};
  image.line(0, row, image.width(), row);
  image.line(column, 0, column, image.height());
  image.pen = saved;
}

void teken(RedrawParts& parts, bool bake) {
  Scene& scene = parts.scene;
  ViewState& views = parts.views;
  FrameBuffers& frame = parts.frame;

  if (parts.hooks.survey_cross) parts.hooks.survey_cross(kFrontView, -1000, -1000);
  views.SceneCentroid = {};

  bool any_shaded = false;
  for (int v = 0; v < 3; ++v)
    any_shaded = any_shaded || views.ViewShading[static_cast<std::size_t>(v)].shaded;
  bool any_smooth = false;
  for (const ViewShadingEntry& entry : views.ViewShading) {
    any_smooth = any_smooth || entry.gouraud || entry.phong;
  }
  if (any_shaded && any_smooth) computeVertexNormals(scene, parts.light);

  frame.clearRows(views.ScrollY[0], true);
  for (int k = 0; k <= scene.ObjectCount; ++k) {
    ModelObject& o = scene.object(k);
    for (int a = 0; a < 3; ++a) {
      o.min[a] = 100000;
      o.max[a] = -100000;
    }
  }

  const bool others = !bake && views.ThreeWindows;
  // A face's flat light angle does not depend on the view: worked out once for all the
  // views of this redraw, the survey view included.
  std::vector<int>& flat_angles = frame.flat_angles;
  frame.flat_angles_current = false;
  bool any_flat = false;
  for (int v = 0; v < (others ? 3 : 1); ++v) {
    const ViewShadingEntry& entry = views.ViewShading[static_cast<std::size_t>(v)];
    any_flat = any_flat || (entry.shaded && modeOf(entry) == ShadingMode::Flat);
  }
  const ViewShadingEntry& survey = views.ViewShading[3];
  any_flat = any_flat || (!bake && views.SurveyVisible && !survey.gouraud && !survey.phong);
  if (any_flat) {
    computeFlatAngles(scene, parts.light.LightPosition, flat_angles);
    frame.flat_angles_current = true;
  }
  if (scene.FaceCount == 0) {
    for (Canvas& image : frame.images) image.copyFrom(frame.ViewBitmap);
  } else {
    drawPass(parts, kFrontView, bake, flat_angles);
    frame.images[0].copyFrom(frame.ViewBitmap);
    if (others) {
      for (int view : {kTopView, kSideView}) {
        const auto index = static_cast<std::size_t>(view - 1);
        frame.clearRows(views.ScrollY[index], views.ViewShading[index].shaded);
        drawPass(parts, view, bake, flat_angles);
        frame.images[index].copyFrom(frame.ViewBitmap);
      }
    }
  }

  const Point3 c = views.CentrePoint;
  const std::int32_t cx = truncToInt(c.x), cy = truncToInt(c.y), cz = truncToInt(c.z);
  frame.images[0].drawCentreMarker(cx - 10, cy - 10);
  frame.images[1].drawCentreMarker(cx - 10, cz - 10);
  frame.images[2].drawCentreMarker(cz - 10, cy - 10);

  if (!parts.tools.selectpoints && !parts.tools.selectfaces && !bake) {
    const Rgb colour = parts.settings.SelectionColour;
    for (int k = 0; k < scene.ObjectCount; ++k) {
      const ModelObject& o = scene.ObjectTable[static_cast<std::size_t>(k)];
      if (!o.selected) continue;
      const std::int32_t x0 = truncToInt(o.min[0]), y0 = truncToInt(o.min[1]),
                         z0 = truncToInt(o.min[2]);
      const std::int32_t x1 = truncToInt(o.max[0]), y1 = truncToInt(o.max[1]),
                         z1 = truncToInt(o.max[2]);
      drawSelectionBox(frame.images[0], x0, y0, x1, y1, colour);
      if (views.ThreeWindows) {
        drawSelectionBox(frame.images[1], x0, z0, x1, z1, colour);
        drawSelectionBox(frame.images[2], z0, y0, z1, y1, colour);
      }
    }
  }

  for (int v = 0; v < 3; ++v) {
    const auto& mouse = views.MousePosition[static_cast<std::size_t>(v)];
    kruis(frame.images[static_cast<std::size_t>(v)], views.CrossOn, static_cast<int>(mouse[1]),
          static_cast<int>(mouse[0]));
  }

  SceneCentroidSums& centroid = views.SceneCentroid;
  if (centroid.count > 0) {
    for (int a = 0; a < 3; ++a) {
      centroid.centre[a] = centroid.sum[a] / static_cast<double>(centroid.count);
    }
  }
  if (!bake && parts.hooks.survey) parts.hooks.survey();
  frame.flat_angles_current = false;
  if (!bake && parts.hooks.curves) parts.hooks.curves();

  scene.ObjectNameBuffer.assign("Object_01");
  scene.ask = false;
}

}  // namespace facetry
