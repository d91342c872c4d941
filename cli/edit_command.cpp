// cli/edit_command.cpp: facetry-cli edit.
#include "edit_command.h"

#include <algorithm>

#include "edit_steps.h"
#include "files/model_commands.h"
#include "ops/modelling_tools.h"
#include "silent_host.h"

namespace facetry {

int editCommand(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
  if (args.size() < 4 || args[2] != "-o") throw UsageError("edit wants IN.fcy -o OUT.fcy STEP...");
  const std::string& in = args[1];
  const std::string& out_path = args[3];
  Workspace ws;
  startWorkspace(ws, 1);
  connectModellingTools(ws);
  SilentHost host(err);
  ws.host = &host;
  ws.undo_history.setHost(&host);
  loadOrFail(ws, in);
  // Object bounds and centres come from a redraw, as they do in the window after loading.
  redraw(ws);

  const EditSteps& steps = editSteps();
  StepArgs words(args, 4);
  while (!words.done()) {
    const std::string& name = words.next("edit", "a step");
    const auto step =
        std::find_if(steps.begin(), steps.end(), [&](const EditStep& s) { return s.name == name; });
    if (step == steps.end()) throw UsageError("unknown edit step " + name);
    step->run(ws, host, words);
    redraw(ws);
  }
  saveNativeModel(ws.scene, ws.views, out_path);
  out << "wrote " << out_path << ": " << ws.scene.FaceCount << " faces in " << ws.scene.ObjectCount
      << " objects\n";
  return 0;
}

}  // namespace facetry
