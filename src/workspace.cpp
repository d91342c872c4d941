// workspace.cpp: first-activation set-up of a workspace and the redraw shortcut.
#include "workspace.h"

#include <random>

#include "scene/geometry.h"

namespace facetry {

void startWorkspace(Workspace& ws, unsigned seed) {
  ws.views.StartCentre = {ws.views.CentrePoint.x, ws.views.CentrePoint.y, ws.views.CentrePoint.z};
  AngleTable::instance();
  buildShadeTable(ws.lighting);
  ws.frame.setBackground(ws.settings.BackgroundColour);
  ws.lighting.LightPosition = {static_cast<float>(truncToInt(ws.views.CentrePoint.x)), 0, 800};
  ws.scene.CurrentColour = {255, 0, 0};
  ws.hooks.survey = [&ws] {
    SurveyParts parts = ws.surveyParts();
    surveyTeken(parts, ws.survey.suppressed, 0, ws.scene.FaceCount - 1);
  };
  ws.hooks.survey_cross = [&ws](View view, float column, float row) {
    if (!ws.views.SurveyVisible || !ws.views.CrossOn) return;
    SurveyParts parts = ws.surveyParts();
    kruisen(parts, true, view, column, row);
  };
  ws.random.seed(seed);
  ws.undo_history.connect(ws.scene, ws.settings);
  std::mt19937 random(seed);
  std::uniform_int_distribution<int> component(1, 254);
  for (Rgb& colour : ws.scene.DxfPalette) {
    colour.red = static_cast<std::uint8_t>(component(random));
    colour.green = static_cast<std::uint8_t>(component(random));
    colour.blue = static_cast<std::uint8_t>(component(random));
  }
}

void redraw(Workspace& ws) {
  RedrawParts parts = ws.redrawParts();
  teken(parts, false);
}

}  // namespace facetry
