// cli/cli_commands.cpp: argument parsing and the commands of facetry-cli.
#include "cli_commands.h"

#include <exception>
#include <iomanip>
#include <sstream>

#include "build_command.h"
#include "cli_args.h"
#include "convert_command.h"
#include "demo_mesh.h"
#include "edit_command.h"
#include "edit_steps.h"
#include "files/model_commands.h"
#include "render_command.h"
#include "silent_host.h"
#include "workspace.h"

namespace facetry {

namespace {

constexpr const char* kUsage =
    "usage: facetry-cli info MODEL.fcy\n"
    "       facetry-cli demo OUT.fcy [--faces N] [--objects K]\n"
    "       facetry-cli convert IN OUT [--format FORMAT]   (by the extensions otherwise)\n"
    "       facetry-cli render MODEL.fcy --view front|top|side|survey\n"
    "                   --shading wire|flat|gouraud|phong [--zoom P] [--light X,Y,Z]\n"
    "                   [--shadow max|normal|none] [--layout three|front]\n"
    "                   [--angles X,Y,Z] [--scale K] -o OUT.bmp|OUT.jpg\n"
    "       facetry-cli render MODEL.fcy --view walk [--shading ...] [--speed quick|normal|slow]\n"
    "                   [--walk STEP,STEP,...] -o OUT.bmp\n"
    "       facetry-cli build OUT.fcy STEP...   toolbox tools through the mouse path; CLICK:\n"
    "                   X,Y (a left click at view position X,Y), right, drag X1,Y1 X2,Y2\n"
    "       facetry-cli edit IN.fcy -o OUT.fcy STEP...   menu commands in order\n";

// The usage text with every build and edit step the tables hold.
std::string usageText() {
  std::string text = kUsage;
  auto list = [&text](const char* title, const auto& steps) {
    text += title;
    std::size_t column = 0;
    for (const auto& step : steps) {
      if (column + step.usage.size() > 70) {
        text += "\n";
        column = 0;
      }
      text += (column == 0 ? "         " : "  ") + step.usage;
      column += step.usage.size() + 2;
    }
    text += "\n";
  };
  list("build steps:\n", buildSteps());
  list("edit steps:\n", editSteps());
  return text;
}

std::string formatTriple(const float (&p)[3]) {
  std::ostringstream s;
  s << std::setprecision(7) << '(' << p[0] << ", " << p[1] << ", " << p[2] << ')';
  return s.str();
}

int info(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() != 2) throw UsageError("info wants one model file");
  Workspace ws;
  loadOrFail(ws, args[1]);
  const Scene& s = ws.scene;
  out << "model " << ws.ModelName << '\n';
  out << "materials " << s.MaterialCount << '\n';
  out << "faces " << s.FaceCount << '\n';
  out << "objects " << s.ObjectCount << '\n';
  out << "surfaces " << s.NurbCount << '\n';
  for (int k = 0; k < s.ObjectCount; ++k) {
    const ModelObject& o = s.ObjectTable[static_cast<std::size_t>(k)];
    out << "object " << k << " \"" << o.name.str() << "\" faces " << o.first << ".." << o.last
        << " bounds " << formatTriple(o.min) << " " << formatTriple(o.max) << '\n';
  }
  const int open_faces = s.FaceCount - s.ObjectTable[static_cast<std::size_t>(s.ObjectCount)].first;
  if (open_faces > 0) out << "faces outside any object " << open_faces << '\n';
  return 0;
}

int demo(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError("demo wants an output file");
  int faces = 5000;
  int objects = 1;
  for (std::size_t i = 2; i < args.size(); ++i) {
    if (args[i] == "--faces" && i + 1 < args.size()) {
      faces = parseInt(args[++i], "--faces");
    } else if (args[i] == "--objects" && i + 1 < args.size()) {
      objects = parseInt(args[++i], "--objects");
    } else {
      throw UsageError("unknown option " + args[i]);
    }
  }
  Workspace ws;
  SilentHost host(err);
  ws.scene.CurrentColour = {200, 120, 60};
  const int added = addDemoMesh(ws.scene, host, faces, {400, 400, 400}, 380, objects);
  saveNativeModel(ws.scene, ws.views, args[1]);
  out << "wrote " << args[1] << ": " << added << " faces in " << ws.scene.ObjectCount
      << " objects\n";
  return 0;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError("no command given");
    if (args[0] == "info") return info(args, out);
    if (args[0] == "demo") return demo(args, out, err);
    if (args[0] == "render") return renderCommand(args, out);
    if (args[0] == "build") return buildCommand(args, out, err);
    if (args[0] == "convert") return convertCommand(args, out, err);
    if (args[0] == "edit") return editCommand(args, out, err);
    if (args[0] == "--help" || args[0] == "help") {
      out << usageText();
      return 0;
    }
    throw UsageError("unknown command " + args[0]);
  } catch (const UsageError& e) {
    err << "facetry-cli: " << e.what() << '\n' << usageText();
  } catch (const std::exception& e) {
    err << "facetry-cli: " << e.what() << '\n';
  }
  return 1;
}

}  // namespace facetry
