// edit/view_mouse.cpp: the click dispatcher and the mouse and key handling of the views.
#include "edit/view_mouse.h"

#include <cmath>
#include <sstream>

#include "edit/previews.h"
#include "edit/primitives.h"
#include "edit/selection.h"
#include "edit/tool_modes.h"
#include "edit/transforms.h"
#include "files/undo.h"
#include "render/view_lines.h"
#include "scene/geometry.h"

namespace facetry {

namespace {

std::size_t index(View view) {
  return static_cast<std::size_t>(viewIndex(view));
}

std::string wholeNumber(double value) {
  std::ostringstream s;
  s << static_cast<long long>(value);
  return s.str();
}

void clearClicks(ToolState& tools) {
  tools.ClickStage = 0;
  tools.FirstClick = {};
  tools.SecondClick = {};
  tools.TriangleSnaps = {};
}

// A fixed-click construction: stores the clicks until the last one, then runs `build` after
// the undo snapshot. Returns true when it built.
template <typename Build>
bool fixedClicks(Workspace& ws, int clicks, ClickPoint click, Build build) {
  ToolState& t = ws.tools;
  if (t.ClickStage + 1 < clicks) {
    (t.ClickStage == 0 ? t.FirstClick : t.SecondClick) = click;
    ++t.ClickStage;
    return false;
  }
  voorundo(ws.scene);
  build();
  clearClicks(t);
  return true;
}

// The click-list tools collect points until a right click ends the list; the next left
// click completes them with `finish`.
template <typename Finish>
bool clickList(Workspace& ws, ClickPoint click, Finish finish) {
  ToolState& t = ws.tools;
  if (t.ClickStage < 2) {
    t.ClickStage = 1;
    t.FirstClick.a = 1.0f;
    t.ClickList1.add(truncToInt(click.a), truncToInt(click.b));
    return false;
  }
  voorundo(ws.scene);
  finish();
  clearClicks(t);
  return true;
}

bool runHook(const ClickHooks::Step& step, View view, ClickPoint click) {
  return step ? step(view, click.a, click.b, click.c) : false;
}

// The last object moves so that the centre of its bounds lands on (a, b).
bool placeObject(Workspace& ws, float a, float b) {
  Scene& scene = ws.scene;
  ws.tools.ToolMode = ModeNone;
  clearClicks(ws.tools);
  if (scene.ObjectCount == 0) return false;
  const ModelObject& o = scene.object(scene.ObjectCount - 1);
  const float dx = o.centre[0] - a, dy = o.centre[1] - b;
  for (int i = o.first; i <= o.last; ++i) {
    for (FaceCorner& c : scene.face(i).corners) {
      c.x -= dx;
      c.y -= dy;
    }
  }
  return true;
}

bool dispatchToolMode(Workspace& ws, Host& host, View view, ClickPoint click) {
  ToolState& t = ws.tools;
  BuildContext ctx{ws.scene, host, ws.views, t};
  const float a = click.a, b = click.b;
  switch (t.ToolMode) {
    case ModeCube:
      return fixedClicks(ws, 3, click, [&] { buildCube(ctx, t.FirstClick, t.SecondClick, a, b); });
    case ModeSphere:
      return fixedClicks(ws, 2, click, [&] {
        buildSphere(ctx, t.DegreeStep, t.FirstClick.a, t.FirstClick.b, t.FirstClick.a - a,
                    t.FirstClick.b - b);
      });
    case ModeTriangle:
      if (t.detri) {
        t.TriangleSnaps[t.ClickStage] = nearestCorner(ws.scene, ws.views, view, a, b);
      }
      return fixedClicks(ws, 3, click, [&] {
        driehoek(ctx, t.FirstClick, t.SecondClick, click, t.TriangleSnaps);
      });
    case ModeTube:
      return fixedClicks(ws, 2, click,
                         [&] { buildTube(ctx, t.closedar, t.DegreeStep, t.FirstClick, a, b); });
    case ModePoint:
      return fixedClicks(
          ws, 2, click, [&] { buildPointCone(ctx, t.closedar, t.DegreeStep, t.FirstClick, a, b); });
    case ModeMultiSurface:
      return fixedClicks(ws, 2, click, [&] { berglandschap(ctx, t.FirstClick, a, b); });
    case ModeRing:
    case ModeCircle: {
      const RingKind kind = t.ToolMode == ModeRing ? RingKind::Ring : RingKind::Circle;
      return fixedClicks(ws, 3, click,
                         [&] { doring(ctx, kind, t.FirstClick, t.SecondClick, a, b); });
    }
    case ModePolygon:
    case ModeMultiTube:
      return clickList(ws, click, [&] {
        const auto& last = t.ClickList1.points[static_cast<std::size_t>(t.ClickList1.count - 1)];
        if (t.ToolMode == ModePolygon) {
          const double da = last[0] - a, db = last[1] - b;
          dichtepoly(ctx, t.closedar, std::sqrt(da * da + db * db));
        } else {
          slang(ctx, false, last[1] - static_cast<double>(b), last[0] - static_cast<double>(a));
        }
      });
    case ModeArray:
    case ModeLineArray:
      // The array tools keep their own lists (and the views they were clicked in).
      if (ws.click_hooks.arrayClick) return runHook(ws.click_hooks.arrayClick, view, click);
      if (t.ClickStage < 2) return clickList(ws, click, [] {});
      return false;
    case ModePlaceObject:
      return placeObject(ws, a, b);
    case ModeNurbArrayZ:
    case ModeNurbArrayX:
    case ModeNurbArrayY: {
      const bool changed = runHook(ws.click_hooks.nurbArrayClick, view, click);
      t.ToolMode = ModeNone;
      return changed;
    }
    default:
      return false;
  }
}

// The top and side views show the front-view frame turned: their new faces are remapped
// (the top view maps the frame's depth to y, the side view to x) and turned round.
void remapIntoView(Scene& scene, const Point3& centre, View view, int from) {
  // The frame's rows stay rows and its columns columns; the frame's depth (z about the
  // centre) goes to the view's depth axis.
  const ViewAxes axes = viewAxes(view);
  for (int i = from; i < scene.FaceCount; ++i) {
    Face& f = scene.face(i);
    for (FaceCorner& c : f.corners) {
      const float column = c.x, row = c.y, depth = c.z;
      setAxis(c, axes.column, column);
      setAxis(c, axes.row, row);
      setAxis(
          c, axes.depth,
          static_cast<float>(static_cast<double>(axisOf(centre, axes.depth)) + depth - centre.z));
    }
    swapCorners(f.corners[0], f.corners[2]);
  }
}

}  // namespace

int snapToGrid(int value, int grid_step) {
  const int g = grid_step < 1 ? 1 : grid_step;
  return value / g * g;
}

Point3 viewToModel(View view, float x, float y, const Point3& centre) {
  return fromView(view, x, y, centre);
}

Readouts readouts(const Workspace& ws, View view, int x, int y) {
  static constexpr const char* kLabels[3][2] = {{"x:", "y:"}, {"x:", "z:"}, {"z:", "y:"}};
  const double scale = ws.settings.ScaleFactor == 0 ? 1.0 : ws.settings.ScaleFactor;
  Readouts r;
  r.xlab = wholeNumber(x / scale);
  r.ylab = wholeNumber(y / scale);
  r.label7 = kLabels[index(view)][0];
  r.label8 = kLabels[index(view)][1];
  if (ws.tools.FirstClick.a != 0) {
    const auto& last = ws.tools.LastClick[index(view)];
    const double dx = x - last[0], dy = y - last[1];
    r.diepst = wholeNumber(std::sqrt(dx * dx + dy * dy) / scale);
  }
  return r;
}

bool klik(Workspace& ws, Host& host, View view, float a, float b, float c) {
  // The steps above the editing layer reach the click's Host through the workspace.
  Host* const program_host = ws.host;
  ws.host = &host;
  struct HostBack {
    Workspace& ws;
    Host* host;
    ~HostBack() { ws.host = host; }
  } host_back{ws, program_host};
  ToolState& t = ws.tools;
  const ToolFlags& f = t.flags;
  const ClickPoint click{a, b, c};
  bool changed = false;
  if (f.nurbConnectOn) changed |= runHook(ws.click_hooks.nurbConnect, view, click);
  if (f.nurbDrawOn) changed |= runHook(ws.click_hooks.nurbDraw, view, click);
  if (f.userExtendOn) changed |= runHook(ws.click_hooks.userExtend, view, click);
  if (f.dragAlongOn) {
    if (t.FirstClick.a != 0) {
      voorundo(ws.scene);
      meegetrokken(ws, view, t.FirstClick, a, b);
      clearClicks(t);
      changed = true;
    } else {
      t.FirstClick = click;
    }
  }
  if (f.punchOn || f.booleanPickOn) {
    changed |= runHook(ws.click_hooks.punchOrBooleanPick, view, click);
  }
  if (f.moveOn || f.resizeOn) return changed;
  if (f.copyOn) {
    if (t.ClickStage == 0) {
      t.FirstClick = click;
      t.ClickStage = 1;
    } else {
      const ClickPoint first = t.FirstClick;
      Point3 offset = viewDelta(view, a - first.a, b - first.b);
      if (view == View::Front) offset.z = c - first.c;
      voorundo(ws.scene);
      copySelection(ws, host, offset);
      clearClicks(t);
      changed = true;
    }
  }
  if (f.resizeRectOn) {
    if (t.ClickStage == 0) {
      t.FirstClick = click;
      t.ClickStage = 1;
    } else {
      voorundo(ws.scene);
      doresvierkant(ws, view, t.FirstClick, a, b);
      clearClicks(t);
      changed = true;
    }
  }
  if (f.selectObjectsOn) {
    changed |= pickObject(ws.scene, ws.views, view, a, b, selectionValue(t));
  }
  if (t.ToolMode == ModeSelectArea) {
    if (t.FirstClick.a == 0) {  // a first click at column 0 does not count as started
      t.FirstClick = click;
    } else {
      const ClickPoint first = t.FirstClick;
      if (t.selectpoints) {
        doselectvierkantpoints(ws.scene, view, first.a, first.b, a, b, selectionValue(t));
      } else {
        doselectvierkant(ws.scene, view, first.a, first.b, a, b, selectionValue(t));
      }
      clearClicks(t);
      changed = true;
    }
    return changed;
  }
  if (t.ToolMode == ModeSelectFace) {
    return pickFace(ws.scene, ws.views, view, a, b, selectionValue(t)) || changed;
  }
  changed |= dispatchToolMode(ws, host, view, click);
  return changed;
}

void clickInView(Workspace& ws, Host& host, View view) {
  ToolState& t = ws.tools;
  Scene& scene = ws.scene;
  const auto& mouse = ws.views.MousePosition[index(view)];
  t.LastClick[index(view)] = mouse;
  int from = scene.FaceCount;
  if (t.ToolMode == ModePlaceObject && scene.ObjectCount > 0) {
    from = scene.object(scene.ObjectCount - 1).first;
  }
  erasePreview(ws);
  // The two-object pick and the user cut work on faces already in place, and a pick
  // switches itself off in klik: what they leave at the end of the table is not new.
  const bool in_place = t.flags.punchOn || t.flags.booleanPickOn || t.flags.userExtendOn;
  const bool changed = klik(ws, host, view, mouse[0], mouse[1], ws.views.CentrePoint.z);
  const ToolFlags& f = t.flags;
  const bool keep_frame = in_place || f.copyOn || f.dragAlongOn || f.nurbConnectOn ||
                          (t.ToolMode == ModeTriangle && t.detri);
  if (view != View::Front && !keep_frame) remapIntoView(scene, ws.views.CentrePoint, view, from);
  if (changed) {
    redrawViews(ws);
  } else {
    drawPreview(ws, view, mouse[0], mouse[1]);
  }
}

void pressInView(Workspace& ws, Host& host, View view, int x, int y, MouseButton button) {
  ToolState& t = ws.tools;
  if (t.flags.elasticOn && ws.click_hooks.elasticPress) {
    const int grid = ws.settings.GridStep;
    ws.click_hooks.elasticPress(host, view, static_cast<float>(snapToGrid(x, grid)),
                                static_cast<float>(snapToGrid(y, grid)),
                                button == MouseButton::Right);
  }
  if (button == MouseButton::Left) {
    t.ButtonDown = true;
    if (t.flags.moveOn || t.flags.resizeOn) voorundo(ws.scene);
    if (t.flags.resizeOn) t.ResizePreviousY = snapToGrid(y, ws.settings.GridStep);
    if (t.DragStart == std::array<int, 2>{0, 0}) t.DragStart = {x, y};
    if (ws.click_hooks.leftPress && ws.click_hooks.leftPress(view, x, y)) redrawViews(ws);
    return;
  }
  const int curve = ws.scene.NurbCount > 0 ? ws.scene.NurbCount - 1 : 0;
  if (t.ClickList1.count == 0 && ws.scene.surface(curve).count == 0 && !t.flags.elasticOn) {
    Point3& centre = ws.views.CentrePoint;
    centre = fromView(view, static_cast<float>(x), static_cast<float>(y), centre);
    redrawViews(ws);
  }
  if (ws.click_hooks.rightPress && ws.click_hooks.rightPress(view, x, y)) redrawViews(ws);
  const int needed = t.ToolMode == ModePolygon ? 3 : 2;
  const bool list_tool = t.ToolMode == ModePolygon || t.ToolMode == ModeMultiTube ||
                         t.ToolMode == ModeArray || t.ToolMode == ModeLineArray;
  if (list_tool && t.ClickStage == 1 && t.ClickList1.count >= needed) t.ClickStage = 2;
}

void moveInView(Workspace& ws, Host& host, View view, int x, int y) {
  (void)host;
  const int grid = ws.settings.GridStep;
  const auto sx = static_cast<float>(snapToGrid(x, grid));
  const auto sy = static_cast<float>(snapToGrid(y, grid));
  auto& mouse = ws.views.MousePosition[index(view)];
  Canvas& image = ws.frame.images[index(view)];
  erasePreview(ws);
  const ToolState& t = ws.tools;
  if (t.ButtonDown && t.flags.moveOn)
    domove(ws, view, viewDelta(view, sx - mouse[0], sy - mouse[1]));
  if (t.ButtonDown && t.flags.resizeOn) doresize(ws, view, static_cast<int>(sy));
  if ((t.flags.punchOn || t.flags.booleanPickOn) && ws.click_hooks.pickHover) {
    ws.click_hooks.pickHover(view, sx, sy);
  }
  if (t.flags.elasticOn && ws.click_hooks.elasticMove) ws.click_hooks.elasticMove(view, sx, sy);
  kruis(image, ws.views.CrossOn, static_cast<int>(mouse[1]), static_cast<int>(mouse[0]));
  mouse = {sx, sy};
  kruis(image, ws.views.CrossOn, static_cast<int>(sy), static_cast<int>(sx));
  ws.tools.ActiveView = view;
  if (ws.hooks.survey_cross && ws.views.SurveyVisible && ws.views.CrossOn) {
    ws.hooks.survey_cross(view, sx, sy);
  }
  if (ws.click_hooks.mouseMove) {
    ws.click_hooks.mouseMove(view, static_cast<int>(sx), static_cast<int>(sy));
  }
  drawPreview(ws, view, sx, sy);
}

void releaseInView(Workspace& ws, Host& host, View view) {
  (void)host;
  ToolState& t = ws.tools;
  t.ButtonDown = false;
  t.DragStart = {0, 0};
  const bool let_go = ws.click_hooks.release && ws.click_hooks.release(view, 0, 0);
  if (t.flags.moveOn || t.flags.resizeOn || let_go) {
    t.outline_view = 0;  // the redraw replaces the outline
    redrawViews(ws);
  }
}

void enterKey(Workspace& ws, Host& host) {
  clickInView(ws, host, ws.tools.ActiveView);
}

void escapeKey(Workspace& ws) {
  allesfout(ws.tools, ws.scene);
  redrawViews(ws);
}

}  // namespace facetry
