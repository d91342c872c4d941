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
#include "scene/array_curve_state.h"
#include "scene/elastic_cage.h"
#include "scene/landscape_state.h"
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

  // Mouse steps of the tools that follow the pointer, at the view's snapped mouse position:
  // the hover highlight of the punch and boolean pick, and the elastic cage's move and press
  // (a left press picks or lets go of a cage point, a right press applies the view's cage).
  std::function<void(View view, float x, float y)> pickHover;
  std::function<void(View view, float x, float y)> elasticMove;
  std::function<void(Host& host, View view, float x, float y, bool right)> elasticPress;
  // Presses and moves of the curve and array tools, at (x, y) of the view's image; each
  // returns true when the views must be redrawn.
  using Press = std::function<bool(View view, int x, int y)>;
  Press rightPress;  // ends the line array's path, starts the next free curve
  Press leftPress;   // grabs a curve control point
  Press mouseMove;   // drags the grabbed control point, highlights the curve to connect
  Press release;     // lets the control point go
  // The punch tool's pick: punchOrBooleanPick hands it the clicks while punchOn is set.
  Step punchPick;
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
  LandscapeSettings landscape;       // the "Create landscape" dialog's values
  RandomSource random;               // the generator of the landscape, seeded at start
  ElasticCage elastic;               // the elastic cage while its mode is on
  ArrayCurveState array_curves;      // the array tools' and free curves' settings
  // The Host of the program driving the workspace (set by the window and the command-line
  // tool), for the click steps of the modelling tools; none means nothing is shown.
  Host* host = nullptr;
  UndoHistory undo_history;  // every snapshot of `scene`, once startWorkspace ran

  RedrawParts redrawParts() {
    return {scene, views, settings, tools, lighting, textures, frame, hooks};
  }
  SurveyParts surveyParts() { return {scene, views, settings, lighting, textures, frame, survey}; }
};

// The core part of the main window's first activation: StartCentre from CentrePoint, the
// shade table, the background row, the light position (trunc(CentrePoint.x), 0, 800), the
// colour of new faces (red, the colour grid's first foreground), the DXF palette filled
// with random components 1..254 from `seed`, the survey view hooked into the redraw, the
// workspace's random generator seeded with `seed` and the scene tied to the workspace's
// undo history.
void startWorkspace(Workspace& ws, unsigned seed);

// Redraws every view of the workspace (not in bake mode).
void redraw(Workspace& ws);

}  // namespace facetry
