// cli/build_steps_curves.cpp: the build steps of the array tools and the free curves. The
// clicks that follow each step go through the views' mouse path as the mouse's would.
#include <sstream>

#include "edit/tool_modes.h"
#include "edit_steps.h"
#include "ops/array_curve_tools.h"

namespace facetry {

namespace {

// The click steps of these tools ask their questions of the command's host.
void useHost(BuildContext& c) {
  c.ws.host = &c.host;
}

void arrayDirections(BuildContext& c, StepArgs& a) {
  const std::string list = a.next("--array-dirs", "x, y, z, comma-separated, or none");
  bool x = false, y = false, z = false;
  if (list != "none") {
    std::istringstream words(list);
    std::string box;
    while (std::getline(words, box, ',')) {
      const int axis = parseChoice(box, "--array-dirs", {"x", "y", "z"});
      (axis == 0 ? x : axis == 1 ? y : z) = true;
    }
  }
  ToolState& t = c.ws.tools;
  setArrayBox(t, ArrayBox::X, x);
  setArrayBox(t, ArrayBox::Y, y);
  setArrayBox(t, ArrayBox::Z, z);
}

void arrayTool(BuildContext& c, bool line) {
  useHost(c);
  c.ws.tools.linar = line;
  if (line) setArrayBox(c.ws.tools, ArrayBox::Lin, true);
  chooseConstructionTool(c.ws.tools, c.ws.scene, ModeArray);
}

}  // namespace

void addCurveBuildSteps(BuildSteps& steps) {
  steps.push_back({"--array-dirs", "--array-dirs x,y,z|none", arrayDirections});
  steps.push_back({"--array", "--array P1 P2 ... right C",
                   [](BuildContext& c, StepArgs&) { arrayTool(c, false); }});
  steps.push_back({"--line-array", "--line-array PROFILE... right PATH... right",
                   [](BuildContext& c, StepArgs&) { arrayTool(c, true); }});
  steps.push_back({"--curve", "--curve P1 P2 ... [right P1 ...]", [](BuildContext& c, StepArgs&) {
                     useHost(c);
                     drawNurb(c.ws);
                   }});
  steps.push_back(
      {"--connect-curves", "--connect-curves [--resolution N]", [](BuildContext& c, StepArgs& a) {
         useHost(c);
         if (a.take("--resolution")) {
           const double n = a.nextNumber("--resolution", "a whole number of strips");
           if (!(n >= 1 && n <= 10000)) {
             throw UsageError("--resolution wants a whole number of strips, 1..10000");
           }
           c.ws.array_curves.curves.connect_resolution = static_cast<int>(n);
         }
         connectAllNurbs(c.ws, c.host);
         if (!c.ws.array_curves.status.empty()) {
           c.host.message(c.ws.array_curves.status, "Connect", MessageIcon::Information,
                          MessageButtons::Ok);
         }
       }});
}

}  // namespace facetry
