// cli/build_steps_poly.cpp: the Poly creator as a build step. "--poly" opens it as the menu
// entry does; every following word up to "ok" or "cancel" is one step of its window:
//   --poly front 100,100 200,100 200,200 back ... connection 0,0 100,0 ok
#include <memory>

#include "edit_steps.h"
#include "editors/poly_creator.h"

namespace facetry {

namespace {

void runPoly(BuildContext& c, StepArgs& args) {
  if (!c.poly_creator) c.poly_creator = std::make_shared<PolyCreator>();
  PolyCreator& pc = *c.poly_creator;
  openPolyCreator(pc, c.ws);
  std::optional<PolyImage> image;
  for (;;) {
    if (args.done()) throw UsageError("--poly wants ok or cancel at the end of its steps");
    if (args.nextIsClick()) {
      const auto [x, y] = args.nextClick("--poly");
      if (!image) throw UsageError("--poly: a click before front, back or connection");
      polyMouseDown(pc, *image, x, y, PolyButton::Left);
      polyMouseUp(pc, *image);
      continue;
    }
    const std::string word = args.next("--poly", "a step");
    if (word == "front") {
      image = PolyImage::Front;
    } else if (word == "back") {
      image = PolyImage::Back;
    } else if (word == "connection") {
      image = PolyImage::Connection;
    } else if (word == "line") {
      choosePolyTool(pc, PolyTool::Line);
    } else if (word == "bezier") {
      choosePolyTool(pc, PolyTool::Bezier);
    } else if (word == "circle") {
      choosePolyTool(pc, PolyTool::Circle);
    } else if (word == "resolution") {
      setPolyResolution(pc, c.host, args.next("--poly resolution", "a number"));
    } else if (word == "closed-front") {
      pc.closed_front = true;
    } else if (word == "closed-rear") {
      pc.closed_rear = true;
    } else if (word == "no-follow-edge") {
      pc.follow_edge = false;
    } else if (word == "outside" || word == "inside") {
      pc.outside = word == "outside";
    } else if (word == "ok") {
      polyOk(pc, c.ws, c.host);
      return;
    } else if (word == "cancel") {
      polyCancel(pc, c.ws);
      return;
    } else {
      throw UsageError("--poly: unknown step " + word);
    }
  }
}

}  // namespace

void addPolyBuildSteps(BuildSteps& steps) {
  steps.push_back({"--poly",
                   "--poly [front|back|connection|line|bezier|circle|resolution N|closed-front|"
                   "closed-rear|no-follow-edge|outside|inside|X,Y]... ok|cancel",
                   runPoly});
}

}  // namespace facetry
