// workspace.h: everything one running modeller keeps, in one value. The front end, the
// command-line tool and each test build their own; nothing is shared between workspaces
// but immutable tables such as the angle table.
#pragma once
#include <functional>
#include <string>

#include "exchange/dxf_reader.h"
#include "files/undo_history.h"
#include "materials/texture_store.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "render/survey_view.h"
#include "render/view_render.h"
#include "scene/scene.h"
#include "scene/settings.h"
#include "scene/tool_state.h"
#include "scene/view_state.h"

namespace facetry {

// Click steps of the tools that live above the editing layer (free curves, user extension,
// punch and booleans, arrays). Each gets the clicked view and the click in the front-view
// frame, and returns true when it changed the scene or the selection. Empty ones are
// skipped.
struct ClickHooks {
  using Step = std::function<bool(View view, float a, float b, float c)>;
  Step nurbConnect;  // pick two free curves and connect them
  Step nurbDraw;     // the next control point of the curve being drawn
  Step userExtend;   // the user-defined extension's two clicks
  Step punchOrBooleanPick;
  Step arrayClick;      // the final click of the array and line array tools
  Step nurbArrayClick;  // the centre click of the free-curve arrays
};

struct Workspace {
  Workspace() = default;
  // The hooks point back into the workspace, so it stays where it was made.
  Workspace(const Workspace&) = delete;
  Workspace& operator=(const Workspace&) = delete;

  Scene scene;
  Settings settings;
  ViewState views;
  Lighting lighting;
  FrameBuffers frame;
  ToolState tools;
  TextureStore textures;
  SurveyView survey;
  std::string ModelName = "noname";  // shown in the caption "Facetry : " + name
  RedrawHooks hooks;                 // survey view and curves, set by their owners
  ClickHooks click_hooks;            // click steps of the modelling operations
  DxfReaderState dxf;                // the DXF reader's layer colours between imports
  UndoHistory undo_history;          // every snapshot of `scene`, once startWorkspace ran

  RedrawParts redrawParts() {
    return {scene, views, settings, tools, lighting, textures, frame, hooks};
  }
  SurveyParts surveyParts() { return {scene, views, settings, lighting, textures, frame, survey}; }
};

// The core part of the main window's first activation: StartCentre from CentrePoint, the
// shade table, the background row, the light position (trunc(CentrePoint.x), 0, 800), the
// colour of new faces (red, the colour grid's first foreground), the DXF palette filled
// with random components 1..254 from `seed`, the survey view hooked into the redraw and the
// scene tied to the workspace's undo history.
void startWorkspace(Workspace& ws, unsigned seed);

// Redraws every view of the workspace (not in bake mode).
void redraw(Workspace& ws);

}  // namespace facetry
