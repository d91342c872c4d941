// cli/edit_steps_extend.cpp: the edit steps of "Extend faces" and "Boolean".
#include "edit_steps.h"
#include "ops/boolean_ops.h"
#include "ops/extend_faces.h"
#include "ops/user_cut.h"

namespace facetry {

namespace {

void extendStep(Workspace& ws, Host& host, StepArgs& args) {
  const int pattern = parseChoice(args.next("--extend", "simple, normal, complex or complex2"),
                                  "--extend", {"simple", "normal", "complex", "complex2"});
  extendFaces(ws.scene, host, static_cast<ExtendPattern>(pattern));
}

// The user extension's two clicks in the front view, at model x, y.
void cutStep(Workspace& ws, Host& host, StepArgs& args) {
  const auto from = args.nextPair("--cut");
  const auto to = args.nextPair("--cut");
  chooseUserExtend(ws.tools, ws.scene);
  const float depth = ws.views.CentrePoint.z;
  userExtendClick(ws, host, View::Front, static_cast<float>(from.first),
                  static_cast<float>(from.second), depth);
  userExtendClick(ws, host, View::Front, static_cast<float>(to.first),
                  static_cast<float>(to.second), depth);
  ws.tools.flags.userExtendOn = false;
}

void booleanStep(Workspace& ws, Host& host, StepArgs& args) {
  const int operation = parseChoice(args.next("--boolean", "subtract, add, intersect or remove"),
                                    "--boolean", {"subtract", "add", "intersect", "remove"}) +
                        1;
  const int first =
      objectReference(ws.scene, args.next("--boolean", "the first object"), "--boolean");
  const int second =
      objectReference(ws.scene, args.next("--boolean", "the second object"), "--boolean");
  if (first == second) throw UsageError("--boolean wants two different objects");
  booleanOperation(ws.scene, host, first, second, static_cast<BooleanOperation>(operation));
}

}  // namespace

void addExtendEditSteps(EditSteps& steps) {
  steps.push_back({"--extend", "--extend simple|normal|complex|complex2", extendStep});
  steps.push_back({"--cut", "--cut X1,Y1 X2,Y2", cutStep});
  steps.push_back({"--boolean", "--boolean subtract|add|intersect|remove A B", booleanStep});
}

}  // namespace facetry
