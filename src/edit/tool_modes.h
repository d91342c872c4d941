// edit/tool_modes.h: switching tools. The toolbox buttons set ToolMode or a flag tool; the
// two reset routines cancel half-finished work and bring the toolbox in line with the state.
#pragma once
#include "scene/scene.h"
#include "scene/tool_state.h"

namespace facetry {

// Cancels every tool: all flags off, FirstClick.a, ClickStage and the click count 0, and
// the point count of the free curve being drawn 0. ToolMode stays.
void allesfout(ToolState& tools, Scene& scene);

// A construction tool button: ToolMode := mode, the reset, and for the click-list tools
// the list emptied; for the array button "lin" chooses the line array.
void chooseConstructionTool(ToolState& tools, Scene& scene, std::uint8_t mode);

// What the toolbox shows for a state: which buttons are down and which boxes are enabled.
struct ToolboxLook {
  bool select_down = false;  // SpeedButton6
  bool move_down = false, resize_down = false, copy_down = false, resize_rect_down = false,
       punch_down = false, drag_down = false;
  bool nurb_draw_down = false, nurb_edit_down = false, nurb_connect_down = false;
  bool nurb_array_z_down = false, nurb_array_x_down = false, nurb_array_y_down = false;
  bool selection_boxes_enabled = false;  // selectpoints, selectfaces, Selectmode, offmode
  bool drag_boxes_enabled = false;       // sterkdrag, relative
  bool detri_enabled = false;
  bool closedar_enabled = false;
  bool array_boxes_enabled = false;  // xdir, ydir, zdir, linar
  bool punch_boxes_enabled = false;  // indeuken, uitdeuken, glue, gluesel, remove, autoedge
};

// The toolbox look after `buts`; also clears userExtendOn, as the toolbox reset does.
ToolboxLook buts(ToolState& tools);

}  // namespace facetry
