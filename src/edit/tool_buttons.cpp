// edit/tool_buttons.cpp: flag tools and transform commands.
#include "edit/tool_buttons.h"

#include "edit/selection.h"
#include "edit/tool_modes.h"
#include "edit/transforms.h"
#include "files/undo.h"

namespace facetry {

bool toggleFlagTool(Workspace& ws, FlagTool tool) {
  ToolState& t = ws.tools;
  ToolFlags& f = t.flags;
  bool* flag = &f.moveOn;
  if (tool == FlagTool::Resize) flag = &f.resizeOn;
  if (tool == FlagTool::Copy) flag = &f.copyOn;
  if (tool == FlagTool::ResizeRectangle) flag = &f.resizeRectOn;
  const bool now_on = !*flag;
  if (now_on) {
    t.ToolMode = ModeNone;
    if (tool == FlagTool::Resize) {
      voorundo(ws.scene);
      takeResizePivot(ws);
    }
  }
  const bool user_extend = f.userExtendOn;
  f = {};
  f.userExtendOn = user_extend;
  *flag = now_on;
  if (tool == FlagTool::Copy || tool == FlagTool::ResizeRectangle) {
    t.FirstClick = {};
    t.ClickStage = 0;
  }
  buts(t);
  return now_on;
}

void startDragAlong(Workspace& ws) {
  ws.tools.ToolMode = ModeNone;
  allesfout(ws.tools, ws.scene);
  ws.tools.flags.dragAlongOn = true;
  buts(ws.tools);
  ws.tools.FirstClick.a = 0;
}

bool enlargeSelection(Workspace& ws) {
  voorundo(ws.scene);
  return enlargeOrReduce(ws, true);
}

bool reduceSelection(Workspace& ws) {
  voorundo(ws.scene);
  return enlargeOrReduce(ws, false);
}

bool pressDial(Workspace& ws, int width, int height, int x, int y) {
  const std::vector<int> hits = dialRegionsAt(width, height, x, y);
  if (hits.empty()) return false;
  const std::vector<DialRegion> regions = dialRegions(width, height);
  for (int i : hits) {
    const DialRegion& r = regions[static_cast<std::size_t>(i)];
    voorundo(ws.scene);
    rotateSelection(ws, r.plane, r.positive);
  }
  return true;
}

bool centreScene(Workspace& ws) {
  voorundo(ws.scene);
  recentreFaces(ws.scene, 0, ws.views.CentrePoint);
  return true;
}

bool turnFaces(Workspace& ws) {
  voorundo(ws.scene);
  turnSelectedFaces(ws.scene);
  return true;
}

bool turnFacesToCentre(Workspace& ws) {
  voorundo(ws.scene);
  turnSelectedFacesToCentre(ws.scene);
  return true;
}

bool mirrorSelection(Workspace& ws, int axis) {
  Mirror(ws.scene, ws.views, axis);
  return true;
}

bool deleteSelection(Workspace& ws, Host& host) {
  voorundo(ws.scene);
  deleteSelectedFaces(ws.scene, host);
  return true;
}

bool collectSelection(Workspace& ws, Host& host) {
  voorundo(ws.scene);
  collectSelectedFaces(ws.scene, host);
  return true;
}

bool recolourSelection(Workspace& ws, Rgb colour) {
  voorundo(ws.scene);
  colourSelected(ws.scene, colour);
  return true;
}

}  // namespace facetry
