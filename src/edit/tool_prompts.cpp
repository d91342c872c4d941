// edit/tool_prompts.cpp: the status line's texts.
#include "edit/tool_prompts.h"

#include <cmath>
#include <sstream>

namespace facetry {

namespace {

struct FixedPrompt {
  std::uint8_t mode;
  const char* name;
  const char* steps[3];  // one text per click, the last click builds
};

constexpr FixedPrompt kFixedPrompts[] = {
    {ModeCube, "Cube", {"the first corner", "the opposite corner", "the depth"}},
    {ModeSphere, "Sphere", {"the centre", "the radius", nullptr}},
    {ModeTriangle, "Triangle", {"the first corner", "the second corner", "the third corner"}},
    {ModeTube, "Tube", {"the centre of one end", "the other end", nullptr}},
    {ModePoint, "Point", {"the centre of the base", "the tip", nullptr}},
    {ModeRing, "Ring", {"the centre", "the outer radius", "the inner radius"}},
    {ModeCircle, "Circle", {"the centre", "the outer radius", "the inner radius"}},
    {ModeMultiSurface, "Multi surface", {"the first corner", "the opposite corner", nullptr}},
};

const char* listToolName(std::uint8_t mode) {
  switch (mode) {
    case ModePolygon:
      return "Polygon";
    case ModeMultiTube:
      return "Multi tube";
    case ModeArray:
      return "Array";
    case ModeLineArray:
      return "Line array";
    default:
      return nullptr;
  }
}

std::string flagPrompt(const ToolFlags& f) {
  if (f.moveOn) return "Move: drag the selection";
  if (f.resizeOn) return "Resize: drag up or down to resize the selection";
  if (f.resizeRectOn) return "Resize rectangle: drag the new bounds of the selection";
  if (f.copyOn) return "Copy: drag to where the copy goes";
  if (f.dragAlongOn) return "Drag along: drag a point, its neighbours follow";
  if (f.punchOn) return "Punch: click the object to punch, then the tool object";
  if (f.booleanPickOn) return "Boolean: click the first object, then the second";
  if (f.nurbDrawOn) return "Curve: click the next control point (right click ends the curve)";
  if (f.nurbEditOn) return "Curve points: drag a control point";
  if (f.nurbConnectOn) return "Connect: click the two curves to connect";
  if (f.elasticOn) return "Elastic: drag a cage point (right click applies the cage)";
  if (f.userExtendOn) return "User extension: click the two points of the cut";
  return {};
}

std::string selectPrompt(const ToolState& t) {
  if (t.selectpoints) return "Select: click a point, or drag a rectangle round points";
  if (t.selectfaces) return "Select: click a face (Shift adds, Ctrl toggles)";
  return "Select: click an object (Shift adds, Ctrl toggles)";
}

std::string plural(long count, const char* one) {
  std::ostringstream s;
  s << count << ' ' << one << (count == 1 ? "" : "s");
  return s.str();
}

}  // namespace

std::string toolPrompt(const ToolState& t) {
  for (const FixedPrompt& p : kFixedPrompts) {
    if (p.mode != t.ToolMode) continue;
    const int stage = t.ClickStage < 3 ? t.ClickStage : 2;
    const char* step = p.steps[stage] ? p.steps[stage] : p.steps[1];
    return std::string(p.name) + ": click " + step;
  }
  if (const char* name = listToolName(t.ToolMode)) {
    if (t.ClickStage >= 2) return std::string(name) + ": click to finish";
    return std::string(name) + ": click the next point (right click ends the list)";
  }
  switch (t.ToolMode) {
    case ModePlaceObject:
      return "Place: click where the object goes";
    case ModeSelectArea:
      return "Select area: drag a rectangle";
    case ModeSelectFace:
      return "Select face: click a face";
    case ModeNurbArrayZ:
    case ModeNurbArrayX:
    case ModeNurbArrayY:
      return "Curve array: click the centre";
    default:
      break;
  }
  std::string flag = flagPrompt(t.flags);
  return flag.empty() ? selectPrompt(t) : flag;
}

bool toolIsIdle(const ToolState& t) {
  const ToolFlags& f = t.flags;
  const bool flag = f.moveOn || f.resizeOn || f.resizeRectOn || f.copyOn || f.punchOn ||
                    f.booleanPickOn || f.dragAlongOn || f.nurbDrawOn || f.nurbEditOn ||
                    f.nurbConnectOn || f.elasticOn || f.userExtendOn;
  return !flag && t.ClickStage == 0 && t.FirstClick.a == 0 && t.ClickList1.count == 0;
}

std::string mousePosition(const Settings& settings, View view, int x, int y) {
  static constexpr const char* kAxes = "xyz";
  const ViewAxes axes = viewAxes(view);
  const double scale = settings.ScaleFactor == 0 ? 1.0 : settings.ScaleFactor;
  std::ostringstream s;
  s << kAxes[axes.column] << ": " << static_cast<long long>(x / scale) << "  " << kAxes[axes.row]
    << ": " << static_cast<long long>(y / scale);
  return s.str();
}

std::string sceneSummary(const Scene& scene, const ViewState& views, const ToolState& tools) {
  long selected = 0;
  const char* what = "object";
  if (tools.selectpoints) {
    what = "point";
    for (int i = 0; i < scene.FaceCount; ++i) {
      for (const FaceCorner& c : scene.face(i).corners) selected += c.selected != 0;
    }
  } else if (tools.selectfaces) {
    what = "face";
    for (int i = 0; i < scene.FaceCount; ++i) selected += scene.face(i).selected != 0;
  } else {
    for (int i = 0; i < scene.ObjectCount; ++i) selected += scene.object(i).selected != 0;
  }
  std::ostringstream s;
  s << "Zoom: " << std::lround(views.ZoomPercent) << " %   Faces: " << scene.FaceCount
    << "   Objects: " << scene.ObjectCount << "   Selected: " << plural(selected, what);
  return s.str();
}

}  // namespace facetry
