// cli/build_command.cpp: scripted clicks through the view mouse path.
#include "build_command.h"

#include <algorithm>
#include <cctype>

#include "cli_args.h"
#include "edit/tool_modes.h"
#include "edit/view_mouse.h"
#include "files/model_commands.h"
#include "silent_host.h"

namespace facetry {

int buildCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError("build wants an output file");
  static const std::vector<std::pair<std::string, std::uint8_t>> kTools = {
      {"--cube", ModeCube},           {"--sphere", ModeSphere},
      {"--triangle", ModeTriangle},   {"--tube", ModeTube},
      {"--point", ModePoint},         {"--polygon", ModePolygon},
      {"--multitube", ModeMultiTube}, {"--ring", ModeRing},
      {"--circle", ModeCircle},       {"--multisurface", ModeMultiSurface}};
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
    const auto tool =
        std::find_if(kTools.begin(), kTools.end(), [&](const auto& t) { return t.first == arg; });
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
  out << "wrote " << args[1] << ": " << ws.scene.FaceCount << " faces in " << ws.scene.ObjectCount
      << " objects\n";
  return 0;
}

}  // namespace facetry
