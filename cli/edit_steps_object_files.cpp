// cli/edit_steps_object_files.cpp: the steps of the object and modeler file commands.
#include "edit_steps.h"
#include "editors/object_commands.h"
#include "files/modeler_file.h"
#include "files/object_file.h"
#include "scene/errors.h"

namespace facetry {

namespace {

void saveObjectStep(Workspace& ws, Host& host, StepArgs& args) {
  const std::string& path = args.next("--save-object", "an object file");
  if (!checkSelectionToSave(ws.scene, host)) throw Error("--save-object: no face is selected");
  saveSelectionAsObject(ws.scene, path);
}

void exportModelerStep(Workspace& ws, Host&, StepArgs& args) {
  const std::string& path = args.next("--export-modeler", "a modeler file");
  if (!exportSelectedFaces(ws.scene, path)) throw Error("--export-modeler: no face is selected");
}

}  // namespace

void addObjectFileEditSteps(EditSteps& steps) {
  steps.push_back({"--save-object", "--save-object FILE.obq", saveObjectStep});
  steps.push_back(
      {"--import-object", "--import-object FILE.obq", [](Workspace& ws, Host& host, StepArgs& a) {
         importObject(ws, host, a.next("--import-object", "an object file"));
       }});
  steps.push_back({"--export-modeler", "--export-modeler FILE.mdd", exportModelerStep});
  steps.push_back(
      {"--import-modeler", "--import-modeler FILE.mdd", [](Workspace& ws, Host& host, StepArgs& a) {
         importModeler(ws, host, a.next("--import-modeler", "a modeler file"));
       }});
}

void addObjectFileBuildSteps(BuildSteps& steps) {
  // The place-object tool's click follows the file name.
  steps.push_back(
      {"--import-object", "--import-object FILE.obq CLICK", [](BuildContext& c, StepArgs& a) {
         importObject(c.ws, c.host, a.next("--import-object", "an object file"));
       }});
}

}  // namespace facetry
