// render/survey_view.h: the survey view, a small picture of the whole scene shaded from an
// oblique direction (see survey_projection.h), redrawn at the end of every main redraw.
#pragma once
#include "materials/texture_store.h"
#include "render/canvas.h"
#include "render/frame_buffers.h"
#include "render/lighting.h"
#include "render/rasteriser.h"
#include "render/survey_projection.h"
#include "scene/scene.h"
#include "scene/settings.h"
#include "scene/view_state.h"

namespace facetry {

// The survey window's own state.
struct SurveyView {
  Canvas Image4{kSurveyWidth, kSurveyHeight};
  int first_face = 0;  // the face range last drawn
  int last_face = -1;
  int cross_column = 0;  // where its cross stands
  int cross_row = 0;
  bool suppressed = false;         // set while a view picture is saved
  bool poly_creator_open = false;  // "g" and "p" are refused while it is open
};

struct SurveyParts {
  Scene& scene;
  ViewState& views;
  const Settings& settings;
  const Lighting& light;
  const TextureStore& textures;
  FrameBuffers& frame;
  SurveyView& survey;
};

// The survey window's redraw: remembers the range when `first` >= 0, draws the faces of the
// range (unless suppressed, and only while the window is visible) into the shared bitmap and
// shows its top-left 188 x 148 pixels, then toggles the cross at its stored position.
void surveyTeken(SurveyParts& parts, bool suppress, int first, int last);
// Recomputes SceneCentroid over the corners of faces first..last.
void bercenter(const Scene& scene, ViewState& views, int first, int last);
// The survey cross: erases the one drawn and, with `move`, draws it at the survey position
// of the main-view position (column, row) of `view`.
void kruisen(SurveyParts& parts, bool move, View view, float column, float row);
// The survey mode radio buttons: false (refused) for Gouraud and Phong while the Poly
// creator is open; Gouraud and Phong compute the corner normals.
bool setSurveyMode(SurveyParts& parts, ShadingMode mode);

}  // namespace facetry
