// cli/build_command.cpp: scripted clicks through the view mouse path.
#include "build_command.h"

#include <algorithm>

#include "edit_steps.h"
#include "files/model_commands.h"
#include "ops/modelling_tools.h"
#include "silent_host.h"

namespace facetry {

int buildCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 2) throw UsageError("build wants an output file");
  Workspace ws;
  startWorkspace(ws, 1);
  connectModellingTools(ws);
  SilentHost host(err);
  ws.host = &host;
  BuildContext context{ws, host, View::Front, {}};
  const BuildSteps& steps = buildSteps();
  StepArgs words(args, 2);
  while (!words.done()) {
    if (words.nextIsClick() || words.peek() == "right") {
      takeClicks(context, words);
      continue;
    }
    const std::string& name = words.next("build", "a step");
    if (name == "drag") {
      const auto from = words.nextClick("drag");
      const auto to = words.nextClick("drag");
      dragBetween(context, from, to);
      continue;
    }
    const auto step = std::find_if(steps.begin(), steps.end(),
                                   [&](const BuildStep& s) { return s.name == name; });
    if (step == steps.end()) throw UsageError("unknown option " + name);
    step->run(context, words);
  }
  saveNativeModel(ws.scene, ws.views, args[1]);
  out << "wrote " << args[1] << ": " << ws.scene.FaceCount << " faces in " << ws.scene.ObjectCount
      << " objects\n";
  return 0;
}

}  // namespace facetry
