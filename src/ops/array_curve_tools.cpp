// ops/array_curve_tools.cpp: the array and curve tools' steps in the view mouse.
#include "ops/array_curve_tools.h"

#include "edit/tool_modes.h"
#include "files/undo.h"
#include "ops/array_tools.h"
#include "ops/nurb_curves.h"
#include "ops/nurb_drawing.h"
#include "scene/geometry.h"
#include "scene/null_host.h"

namespace facetry {

namespace {

Host& hostOf(Workspace& ws) {
  static NullHost quiet;
  return ws.host ? *ws.host : quiet;
}

void clearClicks(ToolState& t) {
  t.ClickStage = 0;
  t.FirstClick = {};
  t.SecondClick = {};
}

// The other tools off, but the curve being drawn keeps its points.
void toolsOffKeepingCurve(Workspace& ws) {
  Scene& scene = ws.scene;
  const int last = scene.NurbCount > 0 ? scene.NurbCount - 1 : 0;
  const int kept = scene.surface(last).count;
  allesfout(ws.tools, scene);
  scene.surface(last).count = kept;
  ws.tools.ToolMode = ModeNone;
}

bool arrayClick(Workspace& ws, View view, float a, float b) {
  ToolState& t = ws.tools;
  ArrayCurveState& state = ws.array_curves;
  if (t.ClickStage < 2) {
    t.ClickStage = 1;
    t.FirstClick.a = 1.0f;
    t.ClickList1.add(truncToInt(a), truncToInt(b));
    state.profile_view = view;
    return false;
  }
  if (t.ToolMode == ModeLineArray) {
    t.ClickList2.add(truncToInt(a), truncToInt(b));
    state.path_view = view;
    return false;
  }
  voorundo(ws.scene);
  doarray(ws.scene, hostOf(ws), t, ws.views.CentrePoint, a, b);
  clearClicks(t);
  return true;
}

// The profile, once ended, is drawn solid in the view it was clicked in.
void drawProfile(Workspace& ws) {
  const ToolState& t = ws.tools;
  Canvas& image =
      ws.frame.images[static_cast<std::size_t>(viewIndex(ws.array_curves.profile_view))];
  std::vector<std::pair<int, int>> line;
  for (int i = 0; i < t.ClickList1.count; ++i) {
    const auto& p = t.ClickList1.points[static_cast<std::size_t>(i)];
    line.emplace_back(p[0], p[1]);
  }
  image.pen = {{0, 0, 0}, PenMode::Copy};
  image.polyline(line);
  image.pen = {};
}

bool rightPress(Workspace& ws) {
  ToolState& t = ws.tools;
  bool redraw = false;
  if (t.flags.nurbDrawOn) redraw |= endCurve(ws.scene);
  if (t.ToolMode == ModeLineArray && t.ClickList1.count >= 2) {
    if (t.ClickStage == 2) {
      ArrayCurveState& state = ws.array_curves;
      voorundo(ws.scene);
      lijnarray(ws.scene, hostOf(ws), t, state, state.profile_view, state.path_view,
                ws.views.CentrePoint);
      clearClicks(t);
      return true;
    }
    if (t.ClickStage == 1) drawProfile(ws);
  }
  return redraw;
}

bool leftPress(Workspace& ws, View view, int x, int y) {
  CurveSettings& c = ws.array_curves.curves;
  if (!ws.tools.flags.nurbEditOn) return false;
  if (!nearestControlPoint(ws.scene, view, static_cast<float>(x), static_cast<float>(y), true,
                           c.grabbed_curve, c.grabbed_point)) {
    ws.array_curves.status = "Select the nurbs whose control points you want to move";
  }
  return false;
}

void mouseMove(Workspace& ws, View view, int x, int y) {
  CurveSettings& c = ws.array_curves.curves;
  Scene& scene = ws.scene;
  if (ws.tools.flags.nurbEditOn && ws.tools.ButtonDown && c.grabbed_curve >= 0) {
    // The old curve is drawn again not-xor, which takes it away, then the moved one.
    drawCurve(scene, c.grabbed_curve, c, ws.frame.images, PenMode::NotXor, false);
    FaceCorner& p = scene.surface(c.grabbed_curve).points[c.grabbed_point];
    const ViewAxes axes = viewAxes(view);
    setAxis(p, axes.column, static_cast<float>(x));
    setAxis(p, axes.row, static_cast<float>(y));
    drawCurve(scene, c.grabbed_curve, c, ws.frame.images, PenMode::NotXor, false);
  }
  if (ws.tools.flags.nurbConnectOn) {
    int curve = -1, point = -1;
    nearestControlPoint(scene, view, static_cast<float>(x), static_cast<float>(y), false, curve,
                        point);
    if (curve != c.highlighted) {
      const int old = c.highlighted;
      c.highlighted = curve;
      if (old >= 0 && old < scene.NurbCount) {
        drawCurve(scene, old, c, ws.frame.images, PenMode::Copy, false);
      }
      if (curve >= 0) drawCurve(scene, curve, c, ws.frame.images, PenMode::Copy, true);
    }
  }
}

bool nurbConnectClick(Workspace& ws, View view, float a, float b) {
  CurveSettings& c = ws.array_curves.curves;
  int curve = -1, point = -1;
  if (!nearestControlPoint(ws.scene, view, a, b, false, curve, point)) return false;
  if (c.first_pick < 0 || c.first_pick == curve) {
    c.first_pick = curve;
    return false;
  }
  const int first = c.first_pick;
  c.first_pick = -1;
  return connectPickedCurves(ws.scene, hostOf(ws), ws.array_curves, first, curve);
}

bool nurbArrayClick(Workspace& ws, View view, float a, float b) {
  CurveArrayPlane plane = CurveArrayPlane::Z;
  if (ws.tools.ToolMode == ModeNurbArrayX) plane = CurveArrayPlane::X;
  if (ws.tools.ToolMode == ModeNurbArrayY) plane = CurveArrayPlane::Y;
  const Point3 centre = fromView(view, a, b, ws.views.CentrePoint);
  const bool had_curves = ws.scene.NurbCount > 0;
  arrayCurves(ws.scene, plane, centre, ws.tools.DegreeStep);
  return had_curves;
}

}  // namespace

void installArrayAndCurveTools(Workspace& ws) {
  ClickHooks& h = ws.click_hooks;
  h.arrayClick = [&ws](View view, float a, float b, float) { return arrayClick(ws, view, a, b); };
  h.nurbDraw = [&ws](View view, float a, float b, float) {
    if (!addCurvePoint(ws.scene, view, a, b, ws.views.CentrePoint)) {
      ws.array_curves.status = "A nurb holds at most 41 control points";
    }
    return true;
  };
  h.nurbConnect = [&ws](View view, float a, float b, float) {
    return nurbConnectClick(ws, view, a, b);
  };
  h.nurbArrayClick = [&ws](View view, float a, float b, float) {
    return nurbArrayClick(ws, view, a, b);
  };
  h.rightPress = [&ws](View, int, int) { return rightPress(ws); };
  h.leftPress = [&ws](View view, int x, int y) { return leftPress(ws, view, x, y); };
  h.mouseMove = [&ws](View view, int x, int y) {
    mouseMove(ws, view, x, y);
    return false;
  };
  h.release = [&ws](View, int, int) {
    CurveSettings& c = ws.array_curves.curves;
    const bool held = c.grabbed_curve >= 0;
    c.grabbed_curve = c.grabbed_point = -1;
    return held;
  };
  ws.hooks.curves = [&ws] {
    CurveSettings& c = ws.array_curves.curves;
    if (!ws.tools.flags.nurbConnectOn) c.highlighted = -1;  // only the connect tool highlights
    drawCurves(ws.scene, c, ws.frame.images);
  };
}

void setArrayBox(ToolState& tools, ArrayBox box, bool checked) {
  switch (box) {
    case ArrayBox::X:
      tools.xdir = checked;
      break;
    case ArrayBox::Y:
      tools.ydir = checked;
      break;
    case ArrayBox::Z:
      tools.zdir = checked;
      break;
    case ArrayBox::Lin:
      tools.linar = checked;
      if (checked) tools.xdir = tools.ydir = tools.zdir = false;
      tools.ToolMode = checked ? ModeLineArray : ModeArray;
      return;
  }
  if (checked) tools.linar = false;
}

void drawNurb(Workspace& ws) {
  toolsOffKeepingCurve(ws);
  ws.tools.flags.nurbDrawOn = true;
  startCurve(ws.scene);
}

void editNurbPoints(Workspace& ws) {
  toolsOffKeepingCurve(ws);
  ws.tools.flags.nurbEditOn = true;
}

bool connectAllNurbs(Workspace& ws, Host& host) {
  toolsOffKeepingCurve(ws);
  return connectAllCurves(ws.scene, host, ws.array_curves);
}

void connectIndividualNurbs(Workspace& ws) {
  toolsOffKeepingCurve(ws);
  ws.tools.flags.nurbConnectOn = true;
  ws.array_curves.curves.first_pick = -1;
}

void chooseNurbArray(Workspace& ws, std::uint8_t mode) {
  // The centre click must not also land in a curve being drawn.
  toolsOffKeepingCurve(ws);
  ws.tools.ToolMode = mode;
}

void deleteAllNurbs(Workspace& ws) {
  deleteAllCurves(ws.scene);
  ws.array_curves.curves.first_pick = ws.array_curves.curves.highlighted = -1;
}

void selectAllNurbs(Workspace& ws, bool selected) {
  selectAllCurves(ws.scene, selected);
}

}  // namespace facetry
