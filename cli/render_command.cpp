// cli/render_command.cpp: one view drawn by the redraw the window uses, written as a BMP or
// JPEG picture: an orthographic view 815 x 815 with its marker, boxes and cross, the
// survey view 188 x 148.
#include "render_command.h"

#include "cli_args.h"
#include "ops/modelling_tools.h"
#include "render/bmp_writer.h"
#include "render/jpeg_writer.h"
#include "render/shading_commands.h"

namespace facetry {

namespace {
constexpr int kSurveyViewNumber = 4;  // --view survey, after front, top and side
}  // namespace

namespace {

bool endsWith(const std::string& text, const char* ending) {
  const std::string e(ending);
  return text.size() >= e.size() && text.compare(text.size() - e.size(), e.size(), e) == 0;
}

}  // namespace

int renderCommand(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() < 2) throw UsageError("render wants a model file");
  Workspace ws;
  startWorkspace(ws, 1);
  connectModellingTools(ws);
  loadOrFail(ws, args[1]);
  int view = 0;
  int shading = -1;
  std::string output;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) throw UsageError(option + " wants a value");
    const std::string& value = args[++i];
    if (option == "--view") {
      view = parseChoice(value, option, {"front", "top", "side", "survey"}) + 1;
    } else if (option == "--shading") {
      shading = parseChoice(value, option, {"wire", "flat", "gouraud", "phong"});
    } else if (option == "--zoom") {
      setZoom(ws.scene, ws.views, parseNumber(value, option));
    } else if (option == "--light") {
      ws.lighting.LightPosition = parseTriple(value, option);
    } else if (option == "--shadow") {
      static constexpr int kLevels[] = {kShadowMax, kShadowNormal, kShadowNone};
      setShadowLevel(ws.lighting, kLevels[parseChoice(value, option, {"max", "normal", "none"})]);
    } else if (option == "--layout") {
      ws.views.ThreeWindows = parseChoice(value, option, {"three", "front"}) == 0;
    } else if (option == "--angles") {
      const Point3 angles = parseTriple(value, option);
      ws.settings.SurveyAngleX = angles.x;
      ws.settings.SurveyAngleY = angles.y;
      ws.settings.SurveyAngleZ = angles.z;
    } else if (option == "--scale") {
      ws.settings.SurveyScale = static_cast<float>(parseNumber(value, option));
    } else if (option == "-o") {
      output = value;
    } else {
      throw UsageError("unknown option " + option);
    }
  }
  if (view == 0) throw UsageError("render wants --view");
  if (shading < 0) throw UsageError("render wants --shading");
  const bool jpeg = endsWith(output, ".jpg");
  if (!jpeg && !endsWith(output, ".bmp")) {
    throw UsageError("render writes .bmp or .jpg pictures; give -o OUT.bmp or -o OUT.jpg");
  }
  ViewShadingEntry& entry = ws.views.ViewShading[static_cast<std::size_t>(view - 1)];
  if (view == kSurveyViewNumber) {
    if (shading == 0) throw UsageError("the survey view is always shaded");
    entry = {false, shading == 1, shading == 2, shading == 3};
  } else {
    entry = {shading > 0, shading == 1, shading == 2, shading == 3};
  }
  redraw(ws);
  const Canvas& picture = view == kSurveyViewNumber
                              ? ws.survey.Image4
                              : ws.frame.images[static_cast<std::size_t>(view - 1)];
  if (jpeg) {
    writeJpeg(picture, output);
  } else {
    writeBmp(picture, output);
  }
  out << "wrote " << output << '\n';
  return 0;
}

}  // namespace facetry
