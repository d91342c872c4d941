// ops/punch_pick.cpp: the punch button, the hover highlight and the picking clicks.
#include "ops/punch_pick.h"

#include <cmath>

#include "ops/punch.h"
#include "scene/geometry.h"
#include "scene/null_host.h"

namespace facetry {

namespace {

// The object's bounds one unit outside on the view's axes, truncated.
void frameObject(Canvas& image, View view, const ModelObject& o, Rgb colour) {
  const ViewAxes axes = viewAxes(view);
  const auto at = [](const float* v, int axis, float offset) {
    return truncToInt(static_cast<double>(v[axis]) + offset);
  };
  image.pen = {colour, PenMode::Copy};
  image.frameRect(at(o.min, axes.column, -1), at(o.min, axes.row, -1), at(o.max, axes.column, 1),
                  at(o.max, axes.row, 1));
  image.pen.mode = PenMode::NotXor;
}

}  // namespace

bool togglePunchTool(Workspace& ws) {
  ToolState& t = ws.tools;
  const bool on = !t.flags.punchOn;
  const bool user_extend = t.flags.userExtendOn;
  t.flags = {};
  t.flags.userExtendOn = user_extend;
  t.flags.punchOn = on;
  if (on) t.ToolMode = ModeNone;
  t.FirstClick = {};
  t.ClickStage = 0;
  t.PickHighlight = -1;
  t.PickFirst = -1;
  updateAllObjectBounds(ws.scene);
  return on;
}

bool dofig(Workspace& ws, View view, float x, float y) {
  Scene& scene = ws.scene;
  if (scene.ObjectCount < 2) return false;
  int winner = -1;
  double best = 100000;
  for (int k = 0; k < scene.ObjectCount; ++k) {
    const ModelObject& o = scene.object(k);
    if (o.last < o.first) continue;
    const ViewPosition p = toView(view, scene.face(o.first).corners[0]);
    const double dc = double{p.column} - x, dr = double{p.row} - y;
    const double d = std::sqrt(dc * dc + dr * dr);
    if (d < best) {
      best = d;
      winner = k;
    }
  }
  int& highlighted = ws.tools.PickHighlight;
  if (winner < 0 || winner == highlighted) return false;
  Canvas& image = ws.frame.images[static_cast<std::size_t>(viewIndex(view))];
  if (highlighted >= 0 && highlighted < scene.ObjectCount) {
    frameObject(image, view, scene.object(highlighted), {255, 255, 255});
  }
  frameObject(image, view, scene.object(winner), {0, 0, 0});
  highlighted = winner;
  return true;
}

bool punchClick(Workspace& ws, Host& host, View view, ClickPoint click) {
  (void)view;
  (void)click;
  ToolState& t = ws.tools;
  const int picked = t.PickHighlight;
  if (picked < 0 || picked >= ws.scene.ObjectCount) return false;
  if (t.ClickStage == 0 || t.PickFirst < 0) {
    t.PickFirst = picked;
    t.ClickStage = 1;
    return false;
  }
  if (picked == t.PickFirst) return false;
  const int modified = t.PickFirst;
  t.ClickStage = 0;
  punchObjects(ws, host, modified, picked, punchOptions(t));
  t.flags.punchOn = false;
  t.FirstClick = {};
  t.SecondClick = {};
  t.PickFirst = -1;
  t.PickHighlight = -1;
  return true;
}

void installPunchTool(Workspace& ws) {
  ws.click_hooks.pickHover = [&ws](View view, float x, float y) { dofig(ws, view, x, y); };
  ws.click_hooks.punchPick = [&ws](View view, float a, float b, float c) {
    if (!ws.tools.flags.punchOn) return false;
    NullHost quiet;
    Host& host = ws.host != nullptr ? *ws.host : quiet;
    return punchClick(ws, host, view, {a, b, c});
  };
}

}  // namespace facetry
