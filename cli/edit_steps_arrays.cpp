// cli/edit_steps_arrays.cpp: "&Copy selected items around center position" as an edit step.
#include "edit_steps.h"
#include "ops/array_tools.h"

namespace facetry {

void addArrayEditSteps(EditSteps& steps) {
  // The dialog as it opens, with its X- and Y-position set, then "Ok".
  steps.push_back(
      {"--copy-around", "--copy-around CX,CY", [](Workspace& ws, Host& host, StepArgs& a) {
         const auto [x, y] = a.nextPair("--copy-around");
         CopyAroundSettings s = copyAroundDefaults(ws.tools, ws.views.CentrePoint);
         s.centre[0] = x;
         s.centre[1] = y;
         copyAroundCentre(ws.scene, host, s);
       }});
}

}  // namespace facetry
