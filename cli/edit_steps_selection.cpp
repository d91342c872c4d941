// cli/edit_steps_selection.cpp: the edit steps of selection and of the menu transforms.
#include "edit/selection.h"
#include "edit/tool_buttons.h"
#include "edit_steps.h"

namespace facetry {

namespace {

void selectStep(Workspace& ws, Host&, StepArgs& args) {
  const std::string& what = args.next("--select", "all, none or object:NAME");
  Scene& scene = ws.scene;
  if (what == "all") {
    selectAll(scene);
  } else if (what == "none") {
    for (int k = 0; k < scene.ObjectCount; ++k) selectObjectsByIndex(scene, {k}, 0);
  } else if (what.rfind("object:", 0) == 0) {
    selectObjectsByIndex(scene, {objectReference(scene, what.substr(7), "--select")}, 1);
  } else {
    throw UsageError("--select wants all, none or object:NAME, not " + what);
  }
}

std::uint8_t colourComponent(double value) {
  if (!(value >= 0 && value <= 255)) throw UsageError("--colour wants R,G,B of 0..255");
  return static_cast<std::uint8_t>(value);
}

}  // namespace

void addSelectionEditSteps(EditSteps& steps) {
  steps.push_back({"--select", "--select all|none|object:NAME", selectStep});
  steps.push_back({"--inverse-selection", "--inverse-selection",
                   [](Workspace& ws, Host&, StepArgs&) { inverseSelection(ws.scene); }});
  steps.push_back(
      {"--mirror", "--mirror x|y|z", [](Workspace& ws, Host&, StepArgs& a) {
         const int axis = parseChoice(a.next("--mirror", "x, y or z"), "--mirror", {"x", "y", "z"});
         mirrorSelection(ws, axis);
       }});
  steps.push_back(
      {"--turn-faces", "--turn-faces", [](Workspace& ws, Host&, StepArgs&) { turnFaces(ws); }});
  steps.push_back({"--turn-to-centre", "--turn-to-centre",
                   [](Workspace& ws, Host&, StepArgs&) { turnFacesToCentre(ws); }});
  steps.push_back({"--enlarge", "--enlarge [--percent P]", [](Workspace& ws, Host&, StepArgs& a) {
                     if (a.take("--percent")) {
                       ws.tools.ResizePercent =
                           static_cast<float>(a.nextNumber("--percent", "a percentage"));
                     }
                     enlargeSelection(ws);
                   }});
  steps.push_back({"--reduce", "--reduce [--percent P]", [](Workspace& ws, Host&, StepArgs& a) {
                     if (a.take("--percent")) {
                       ws.tools.ResizePercent =
                           static_cast<float>(a.nextNumber("--percent", "a percentage"));
                     }
                     reduceSelection(ws);
                   }});
  steps.push_back(
      {"--centre", "--centre", [](Workspace& ws, Host&, StepArgs&) { centreScene(ws); }});
  steps.push_back({"--delete", "--delete",
                   [](Workspace& ws, Host& host, StepArgs&) { deleteSelection(ws, host); }});
  steps.push_back({"--collect", "--collect",
                   [](Workspace& ws, Host& host, StepArgs&) { collectSelection(ws, host); }});
  steps.push_back(
      {"--colour", "--colour R,G,B", [](Workspace& ws, Host&, StepArgs& a) {
         const Point3 c = parseTriple(a.next("--colour", "R,G,B"), "--colour");
         recolourSelection(ws, {colourComponent(c.x), colourComponent(c.y), colourComponent(c.z)});
       }});
  steps.push_back({"--step", "--step S", [](Workspace& ws, Host&, StepArgs& a) {
                     ws.tools.DegreeStep =
                         static_cast<float>(a.nextNumber("--step", "a number of degrees"));
                   }});
}

}  // namespace facetry
