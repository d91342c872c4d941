// cli/cli_commands.cpp: argument parsing and the commands of facetry-cli.
#include "cli_commands.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <cmath>
#include <initializer_list>
#include <exception>
#include <filesystem>
#include <iomanip>
#include <sstream>

#include "demo_mesh.h"
#include "files/model_commands.h"
#include "edit/tool_modes.h"
#include "edit/view_mouse.h"
#include "files/native_file.h"
#include "render/bmp_writer.h"
#include "scene/errors.h"
#include "silent_host.h"
#include "workspace.h"

namespace facetry {

namespace {

constexpr const char* kUsage =
    "usage: facetry-cli info MODEL.fcy\n"
    "       facetry-cli demo OUT.fcy [--faces N] [--objects K]\n"
    "       facetry-cli render MODEL.fcy --view front|top|side\n"
    "                   --shading wire|flat|gouraud|phong [--zoom P] [--light X,Y,Z]\n"
    "                   [--shadow max|normal|none] [--layout three|front] -o OUT.bmp\n"
    "       facetry-cli build OUT.fcy [--in MODEL.fcy] [--view front|top|side] [--step S]\n"
    "                   [--open] [--snap] [--name NAME] --TOOL CLICK... [--TOOL CLICK...]\n"
    "                   TOOL: cube sphere triangle tube point polygon multitube ring circle\n"
    "                   multisurface; CLICK: X,Y (a left click at view position X,Y) or\n"
    "                   right (a right click where the mouse is)\n";

class UsageError : public Error {
 public:
  using Error::Error;
};

double parseNumber(const std::string& text, const std::string& option) {
  double value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || !std::isfinite(value)) {
    throw UsageError(option + " wants a number, not \"" + text + "\"");
  }
  return value;
}

int parseInt(const std::string& text, const std::string& option) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size()) {
    throw UsageError(option + " wants a whole number, not \"" + text + "\"");
  }
  return value;
}

std::string formatTriple(const float (&p)[3]) {
  std::ostringstream s;
  s << std::setprecision(7) << '(' << p[0] << ", " << p[1] << ", " << p[2] << ')';
  return s.str();
}

// Loads a native model or throws with the reason on one line.
void loadOrFail(Workspace& ws, const std::string& path) {
  std::error_code ec;
  if (!std::filesystem::is_regular_file(path, ec)) {
    throw IoError(path + ": no such model file");
  }
  std::ostringstream messages;  // the reader's message box becomes the error text
  SilentHost host(messages);
  ws.ModelName = loadNativeModel(ws.scene, ws.views, host, ws.textures, path);
  if (ws.ModelName.empty()) {
    std::string reason = messages.str();
    while (!reason.empty() && reason.back() == '\n') reason.pop_back();
    throw FormatError(path + ": " + (reason.empty() ? "not a model file" : reason));
  }
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
  const int added = addDemoMesh(ws.scene, host, faces, {400, 400, 400}, 380, objects);
  saveNativeModel(ws.scene, ws.views, args[1]);
  out << "wrote " << args[1] << ": " << added << " faces in " << ws.scene.ObjectCount
      << " objects\n";
  return 0;
}

// Picks one of `names` (index from 0) or throws naming the choices.
int parseChoice(const std::string& text, const std::string& option,
                std::initializer_list<const char*> names) {
  int index = 0;
  std::string choices;
  for (const char* name : names) {
    if (text == name) return index;
    choices += (index++ ? "|" : "") + std::string(name);
  }
  throw UsageError(option + " wants " + choices + ", not \"" + text + "\"");
}

int render(const std::vector<std::string>& args, std::ostream& out) {
  if (args.size() < 2) throw UsageError("render wants a model file");
  Workspace ws;
  startWorkspace(ws, 1);
  loadOrFail(ws, args[1]);
  int view = 0;
  int shading = -1;
  std::string output;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& option = args[i];
    if (i + 1 >= args.size()) throw UsageError(option + " wants a value");
    const std::string& value = args[++i];
    if (option == "--view") {
      view = parseChoice(value, option, {"front", "top", "side"}) + 1;
    } else if (option == "--shading") {
      shading = parseChoice(value, option, {"wire", "flat", "gouraud", "phong"});
    } else if (option == "--zoom") {
      setZoom(ws.scene, ws.views, parseNumber(value, option));
    } else if (option == "--light") {
      std::istringstream parts(value);
      std::string x, y, z;
      if (!std::getline(parts, x, ',') || !std::getline(parts, y, ',') ||
          !std::getline(parts, z)) {
        throw UsageError("--light wants X,Y,Z");
      }
      ws.lighting.LightPosition = {static_cast<float>(parseNumber(x, option)),
                                   static_cast<float>(parseNumber(y, option)),
                                   static_cast<float>(parseNumber(z, option))};
    } else if (option == "--shadow") {
      static constexpr int kLevels[] = {kShadowMax, kShadowNormal, kShadowNone};
      ws.lighting.ShadowLevel = kLevels[parseChoice(value, option, {"max", "normal", "none"})];
      buildShadeTable(ws.lighting);
    } else if (option == "--layout") {
      ws.views.ThreeWindows = parseChoice(value, option, {"three", "front"}) == 0;
    } else if (option == "-o") {
      output = value;
    } else {
      throw UsageError("unknown option " + option);
    }
  }
  if (view == 0) throw UsageError("render wants --view");
  if (shading < 0) throw UsageError("render wants --shading");
  if (output.size() < 4 || output.compare(output.size() - 4, 4, ".bmp") != 0) {
    throw UsageError("render writes .bmp pictures; give -o OUT.bmp");
  }
  ViewShadingEntry& entry = ws.views.ViewShading[static_cast<std::size_t>(view - 1)];
  entry = {shading > 0, shading == 1, shading == 2, shading == 3};
  if (shading == 0) entry.flat = false;
  redraw(ws);
  writeBmp(ws.frame.images[static_cast<std::size_t>(view - 1)], output);
  out << "wrote " << output << '\n';
  return 0;
}

std::pair<int, int> parseClick(const std::string& text) {
  const auto comma = text.find(',');
  if (comma == std::string::npos) throw UsageError("a click is X,Y, not \"" + text + "\"");
  return {parseInt(text.substr(0, comma), "a click"), parseInt(text.substr(comma + 1), "a click")};
}

int build(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError("build wants an output file");
  static const std::vector<std::pair<std::string, std::uint8_t>> kTools = {
      {"--cube", ModeCube},         {"--sphere", ModeSphere},       {"--triangle", ModeTriangle},
      {"--tube", ModeTube},         {"--point", ModePoint},         {"--polygon", ModePolygon},
      {"--multitube", ModeMultiTube}, {"--ring", ModeRing},         {"--circle", ModeCircle},
      {"--multisurface", ModeMultiSurface}};
  Workspace ws;
  startWorkspace(ws, 1);
  SilentHost host(err);
  int view = kFrontView;
  for (std::size_t i = 2; i < args.size(); ++i) {
    const std::string& arg = args[i];
    auto value = [&]() -> const std::string& {
      if (i + 1 >= args.size()) throw UsageError(arg + " wants a value");
      return args[++i];
    };
    const auto tool = std::find_if(kTools.begin(), kTools.end(),
                                   [&](const auto& t) { return t.first == arg; });
    if (tool != kTools.end()) {
      chooseConstructionTool(ws.tools, ws.scene, tool->second);
    } else if (arg == "--in") {
      loadOrFail(ws, value());
    } else if (arg == "--view") {
      view = parseChoice(value(), arg, {"front", "top", "side"}) + 1;
    } else if (arg == "--step") {
      ws.tools.DegreeStep = static_cast<float>(parseNumber(value(), arg));
    } else if (arg == "--open") {
      ws.tools.closedar = false;
    } else if (arg == "--snap") {
      ws.tools.detri = true;
    } else if (arg == "--name") {
      ws.scene.ObjectNameBuffer.assign(value());
    } else if (arg == "right") {
      const auto& mouse = ws.views.MousePosition[static_cast<std::size_t>(view - 1)];
      pressInView(ws, host, view, static_cast<int>(mouse[0]), static_cast<int>(mouse[1]),
                  MouseButton::Right);
    } else if (!arg.empty() && (std::isdigit(static_cast<unsigned char>(arg[0])) ||
                                (arg.size() > 1 && arg[0] == '-' &&
                                 std::isdigit(static_cast<unsigned char>(arg[1]))))) {
      const auto [x, y] = parseClick(arg);
      moveInView(ws, host, view, x, y);
      clickInView(ws, host, view);
    } else {
      throw UsageError("unknown option " + arg);
    }
  }
  saveNativeModel(ws.scene, ws.views, args[1]);
  out << "wrote " << args[1] << ": " << ws.scene.FaceCount << " faces in "
      << ws.scene.ObjectCount << " objects\n";
  return 0;
}

}  // namespace

int runCli(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  try {
    if (args.empty()) throw UsageError("no command given");
    if (args[0] == "info") return info(args, out);
    if (args[0] == "demo") return demo(args, out, err);
    if (args[0] == "render") return render(args, out);
    if (args[0] == "build") return build(args, out, err);
    if (args[0] == "--help" || args[0] == "help") {
      out << kUsage;
      return 0;
    }
    throw UsageError("unknown command " + args[0]);
  } catch (const UsageError& e) {
    err << "facetry-cli: " << e.what() << '\n' << kUsage;
  } catch (const std::exception& e) {
    err << "facetry-cli: " << e.what() << '\n';
  }
  return 1;
}

}  // namespace facetry
