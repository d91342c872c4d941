// edit/tool_modes.cpp: tool switching and the toolbox look.
#include "edit/tool_modes.h"

namespace facetry {

namespace {

// The free curve being drawn is the last slot in use (or slot 0 in an empty table).
NurbSurface& currentCurve(Scene& scene) {
  const int index = scene.NurbCount > 0 ? scene.NurbCount - 1 : 0;
  return scene.surface(index);
}

}  // namespace

void allesfout(ToolState& tools, Scene& scene) {
  tools.flags = {};
  tools.FirstClick.a = 0;
  tools.ClickStage = 0;
  tools.ClickList1.count = 0;
  currentCurve(scene).count = 0;
}

void chooseConstructionTool(ToolState& tools, Scene& scene, std::uint8_t mode) {
  tools.ToolMode = mode;
  allesfout(tools, scene);
  if (mode == ModePolygon || mode == ModeMultiTube || mode == ModeArray) {
    tools.ClickStage = 0;
    tools.ClickList1.count = 0;
  }
  if (mode == ModeArray) {
    tools.ClickList2.count = 0;
    if (tools.linar) tools.ToolMode = ModeLineArray;
  }
  if (mode == ModeMultiSurface) tools.FirstClick.a = 0;
}

ToolboxLook buts(ToolState& tools) {
  tools.flags.userExtendOn = false;
  const ToolFlags& f = tools.flags;
  ToolboxLook look;
  look.nurb_connect_down = f.nurbConnectOn;
  look.nurb_draw_down = f.nurbDrawOn;
  look.nurb_edit_down = f.nurbEditOn;
  look.nurb_array_z_down = tools.ToolMode == ModeNurbArrayZ;
  look.nurb_array_x_down = tools.ToolMode == ModeNurbArrayX;
  look.nurb_array_y_down = tools.ToolMode == ModeNurbArrayY;
  look.select_down = f.selectObjectsOn || f.selectPointsOn || f.selectFacesOn;
  look.move_down = f.moveOn;
  look.resize_down = f.resizeOn;
  look.copy_down = f.copyOn;
  look.resize_rect_down = f.resizeRectOn;
  look.punch_down = f.punchOn;
  look.drag_down = f.dragAlongOn;
  look.selection_boxes_enabled = look.select_down;
  look.drag_boxes_enabled = f.dragAlongOn;
  look.detri_enabled = tools.ToolMode == ModeTriangle;
  look.closedar_enabled = tools.ToolMode == ModeTube || tools.ToolMode == ModePoint ||
                          tools.ToolMode == ModePolygon || tools.ToolMode == ModeMultiTube;
  look.array_boxes_enabled = tools.ToolMode == ModeArray;
  look.punch_boxes_enabled = f.punchOn;
  return look;
}

}  // namespace facetry
