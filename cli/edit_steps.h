// cli/edit_steps.h: the steps of `facetry-cli edit` and `facetry-cli build`. Each family of
// commands adds its steps to one table in a file of its own (edit_steps_*.cpp,
// build_steps_*.cpp); every step calls the same core function as the window's menu entry
// or drives the same mouse path as the window's views.
#pragma once
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "scene/host.h"
#include "scene/view_axes.h"
#include "step_args.h"
#include "workspace.h"

namespace facetry {

// ---- edit: menu commands in order on a loaded model ----

struct EditStep {
  std::string name;   // "--select"
  std::string usage;  // "--select all|none|object:NAME", for the usage text and the README
  std::function<void(Workspace&, Host&, StepArgs&)> run;
};
using EditSteps = std::vector<EditStep>;

// The families of edit steps, one file each.
void addSelectionEditSteps(EditSteps& steps);  // --select and the menu transforms
void addExtendEditSteps(EditSteps& steps);     // --extend, --cut and --boolean
// The object and modeler file commands.
void addObjectFileEditSteps(EditSteps& steps);
void addPunchEditSteps(EditSteps& steps);     // --punch and --glue-selected
void addArrayEditSteps(EditSteps& steps);     // --copy-around
void addMaterialEditSteps(EditSteps& steps);  // --material and --texture
void addHistoryEditSteps(EditSteps& steps);   // --undo and --redo

// Every edit step, made once.
const EditSteps& editSteps();

// ---- build: toolbox tools through the views' mouse path ----

struct PolyCreator;

struct BuildContext {
  Workspace& ws;
  Host& host;
  View view = View::Front;  // the view the following clicks go to (--view)
  // The run's Poly creator, made at the first --poly.
  std::shared_ptr<PolyCreator> poly_creator;
};

struct BuildStep {
  std::string name;
  std::string usage;
  std::function<void(BuildContext&, StepArgs&)> run;
};
using BuildSteps = std::vector<BuildStep>;

void addToolBuildSteps(BuildSteps& steps);  // construction tools, settings, select, transforms
void addObjectFileBuildSteps(BuildSteps& steps);  // --import-object with its placing click
void addLandscapeBuildSteps(BuildSteps& steps);   // --landscape, --seed and --elastic
void addCurveBuildSteps(BuildSteps& steps);       // the array tools and the free curves
void addPolyBuildSteps(BuildSteps& steps);        // --poly: the Poly creator

const BuildSteps& buildSteps();

// The clicks a build step list holds, through the view's mouse path: a left click at view
// position (x, y) (a move there, then the click), a right press where the mouse is, and a
// drag (press at the first position, move to the second, release).
void clickAt(BuildContext& context, int x, int y);
void rightClick(BuildContext& context);
void dragBetween(BuildContext& context, std::pair<int, int> from, std::pair<int, int> to);
// Takes the clicks ("X,Y" and "right") that follow a tool step.
void takeClicks(BuildContext& context, StepArgs& args);

// An object named on the command line: "#N" for object N (from 0) or an object's name (the
// first of that name). Throws UsageError naming `step` when there is no such object.
int objectReference(const Scene& scene, const std::string& word, const std::string& step);

}  // namespace facetry
