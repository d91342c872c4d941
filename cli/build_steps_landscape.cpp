// cli/build_steps_landscape.cpp: the build steps of the landscape, its random seed and the
// elastic cage.
#include "edit/view_mouse.h"
#include "edit_steps.h"
#include "ops/elastic.h"
#include "ops/landscape.h"

namespace facetry {

namespace {

// "W,H,R,SEA": four whole numbers, SEA 1 or 0.
LandscapeSettings landscapeSettings(const std::string& text) {
  const std::string option = "--landscape";
  std::vector<int> values;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    values.push_back(parseInt(text.substr(start, comma - start), option));
    if (comma == std::string::npos) break;
    start = comma + 1;
  }
  if (values.size() != 4) throw UsageError("--landscape wants W,H,R,SEA, not " + text);
  if (values[2] < 1 || values[2] > 8) throw UsageError("--landscape wants a resolution of 1..8");
  if (values[3] != 0 && values[3] != 1) throw UsageError("--landscape wants SEA 1 or 0");
  return {values[0], values[1], values[2], values[3] == 1};
}

std::uint32_t seedValue(StepArgs& args) {
  const double seed = args.nextNumber("--seed", "a seed");
  if (!(seed >= 0 && seed <= 4294967295.0) ||
      seed != static_cast<double>(static_cast<long long>(seed))) {
    throw UsageError("--seed wants a whole number 0..4294967295");
  }
  return static_cast<std::uint32_t>(seed);
}

// The elastic cage through the mouse: each X,Y is a press there (picking the nearest cage
// point, or letting the dragged one go after the move there); "right" applies the view.
void elasticMouse(BuildContext& c, StepArgs& args) {
  const View view = c.view;
  for (;;) {
    if (args.nextIsClick()) {
      const auto [x, y] = args.nextClick("--elastic");
      moveInView(c.ws, c.host, view, x, y);
      pressInView(c.ws, c.host, view, x, y, MouseButton::Left);
      releaseInView(c.ws, c.host, view);
      clickInView(c.ws, c.host, view);
    } else if (args.take("right")) {
      rightClick(c);
    } else {
      return;
    }
  }
}

}  // namespace

void addLandscapeBuildSteps(BuildSteps& steps) {
  steps.push_back(
      {"--landscape", "--landscape W,H,R,SEA [--seed N]", [](BuildContext& c, StepArgs& a) {
         const LandscapeSettings s = landscapeSettings(a.next("--landscape", "W,H,R,SEA"));
         if (a.take("--seed")) c.ws.random.seed(seedValue(a));
         c.ws.landscape = s;
         createLandscape(c.ws, c.host, s);
         redraw(c.ws);
       }});
  steps.push_back(
      {"--seed", "--seed N", [](BuildContext& c, StepArgs& a) { c.ws.random.seed(seedValue(a)); }});
  steps.push_back(
      {"--elastic", "--elastic [X,Y X,Y ...] [right]", [](BuildContext& c, StepArgs& a) {
         Elastic1Click(c.ws, c.host);
         elasticMouse(c, a);
       }});
}

}  // namespace facetry
