// cli/edit_steps_punch.cpp: the edit steps of the punch and of "Glue selected points".
#include "edit_steps.h"
#include "ops/punch.h"

namespace facetry {

namespace {

// --punch in|out|glue TOOL TARGET [--auto-edge] [--remove]: TOOL punches TARGET.
void punchStep(Workspace& ws, Host& host, StepArgs& args) {
  PunchOptions options;
  const int mode =
      parseChoice(args.next("--punch", "in, out or glue"), "--punch", {"in", "out", "glue"});
  options.mode = mode == 0 ? PunchMode::In : mode == 1 ? PunchMode::Out : PunchMode::Glue;
  const int tool = objectReference(ws.scene, args.next("--punch", "the tool object"), "--punch");
  const int target =
      objectReference(ws.scene, args.next("--punch", "the object to punch"), "--punch");
  if (tool == target) throw UsageError("--punch wants two different objects");
  options.auto_edge = false;
  options.remove = false;
  for (;;) {
    if (args.take("--auto-edge")) {
      options.auto_edge = true;
    } else if (args.take("--remove")) {
      options.remove = true;
    } else {
      break;
    }
  }
  punchObjects(ws, host, target, tool, options);
}

}  // namespace

void addPunchEditSteps(EditSteps& steps) {
  steps.push_back(
      {"--punch", "--punch in|out|glue TOOL TARGET [--auto-edge] [--remove]", punchStep});
  steps.push_back({"--glue-selected", "--glue-selected",
                   [](Workspace& ws, Host&, StepArgs&) { glueSelectedPoints(ws.scene); }});
}

}  // namespace facetry
