// editors/poly_window.cpp: the Poly creator's window commands: opening and closing with
// the survey view's shading, the drawing of its three images, the preview in the survey
// view, "Ok" and "Cancel".
#include "editors/poly_creator.h"
#include "render/survey_view.h"
#include "scene/null_host.h"
#include "scene/view_axes.h"

namespace facetry {

namespace {

const Rgb kBlack{0, 0, 0};
const Rgb kGrey{201, 201, 201};
const Rgb kRed{255, 0, 0};
const Rgb kWhite{255, 255, 255};

ShadingMode surveyShading(const ViewState& views) {
  const ViewShadingEntry& e = views.ViewShading[static_cast<std::size_t>(kSurveyIndex)];
  if (e.gouraud) return ShadingMode::Gouraud;
  if (e.phong) return ShadingMode::Phong;
  return ShadingMode::Flat;
}

// A polyline through its points with a small square (2 pixels each way) at each point,
// red where the point is selected.
void drawPolyline(Canvas& canvas, const PolyLine2D& line, Rgb colour) {
  canvas.pen = {colour, PenMode::Copy};
  std::vector<std::pair<int, int>> points;
  for (const PolyPoint& p : line) points.emplace_back(p.x, p.y);
  canvas.polyline(points);
  if (!line.empty()) canvas.plot(line.back().x, line.back().y);
  for (const PolyPoint& p : line) {
    canvas.pen.colour = p.selected ? kRed : colour;
    canvas.frameRect(p.x - 2, p.y - 2, p.x + 2, p.y + 2);
  }
  canvas.pen.colour = kBlack;
}

}  // namespace

void drawPolyImage(PolyCreator& pc, PolyImage image) {
  Canvas& canvas = pc.images[static_cast<std::size_t>(image)];
  canvas.fill(kWhite);
  switch (image) {
    case PolyImage::Front:
      drawPolyline(canvas, pc.lines[1], kGrey);
      drawPolyline(canvas, pc.lines[0], kBlack);
      break;
    case PolyImage::Back:
      drawPolyline(canvas, pc.lines[0], kGrey);
      drawPolyline(canvas, pc.lines[1], kBlack);
      break;
    case PolyImage::Connection:
      drawPolyline(canvas, pc.lines[2], kBlack);
      break;
  }
}

void drawPolyImages(PolyCreator& pc) {
  for (PolyImage image : {PolyImage::Front, PolyImage::Back, PolyImage::Connection}) {
    drawPolyImage(pc, image);
  }
}

// The solid is built behind the scene's faces, the survey view centred on it and drawn,
// and the faces are dropped again; the scene itself never changes.
void polyPreview(const PolyCreator& pc, Workspace& ws) {
  const PolyLine2D& front = pc.lines[0];
  const PolyLine2D& back = pc.lines[1];
  const PolyLine2D& connection = pc.lines[2];
  if (!(front.size() > 1 || (back.size() > 1 && connection.size() > 1))) return;
  Scene& scene = ws.scene;
  const int start = scene.FaceCount;
  const bool faces_full = scene.FacesFull;
  const bool angles_current = ws.frame.flat_angles_current;
  const bool corners_compared = ws.frame.corners_compared;
  NullHost quiet;
  buildPolySolid(pc, scene, quiet);
  // The cached angles and corners belong to the scene's faces.
  ws.frame.flat_angles_current = false;
  ws.frame.corners_compared = false;
  SurveyParts parts = ws.surveyParts();
  bercenter(scene, ws.views, start, scene.FaceCount - 1);
  surveyTeken(parts, false, start, scene.FaceCount - 1);
  scene.FaceCount = start;
  scene.FacesFull = faces_full;
  ws.frame.flat_angles_current = angles_current;
  ws.frame.corners_compared = corners_compared;
}

void tekenen(PolyCreator& pc, Workspace& ws) {
  drawPolyImages(pc);
  polyPreview(pc, ws);
}

void openPolyCreator(PolyCreator& pc, Workspace& ws) {
  newPolyLines(pc);
  clearPolyToolState(pc);
  if (!pc.open) {
    pc.saved_survey_mode = surveyShading(ws.views);
    pc.open = true;
  }
  SurveyParts parts = ws.surveyParts();
  setSurveyMode(parts, ShadingMode::Flat);
  ws.survey.poly_creator_open = true;
  tekenen(pc, ws);
}

void closePolyCreator(PolyCreator& pc, Workspace& ws) {
  if (!pc.open) return;
  pc.open = false;
  clearPolyToolState(pc);
  ws.survey.poly_creator_open = false;
  SurveyParts parts = ws.surveyParts();
  setSurveyMode(parts, pc.saved_survey_mode);
}

int polyOk(PolyCreator& pc, Workspace& ws, Host& host) {
  Scene& scene = ws.scene;
  int made = -1;
  const int first = scene.FaceCount;
  const int k = scene.ObjectCount;
  if (pc.lines[2].size() >= 2 && buildPolySolid(pc, scene, host) > 0 &&
      closeObject(scene, host, false, true)) {
    recentreFaces(scene, first, ws.views.CentrePoint);
    updateObjectBounds(scene, k);  // the bounds were taken where the solid was built
    setObjectSelected(scene, k, 1);
    scene.ModifiedFlag = true;
    made = k;
  }
  newPolyLines(pc);
  closePolyCreator(pc, ws);
  return made;
}

void polyCancel(PolyCreator& pc, Workspace& ws) {
  closePolyCreator(pc, ws);
}

}  // namespace facetry
