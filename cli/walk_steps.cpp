// cli/walk_steps.cpp: the walk-through's steps for facetry-cli render --view walk.
#include "walk_steps.h"

#include <charconv>

#include "cli_args.h"
#include "render/walk_session.h"

namespace facetry {

namespace {

// A whole number that is all of `text` (an optional minus, then digits).
bool readWhole(const std::string& text, int& value) {
  if (text.empty()) return false;
  const char* end = text.data() + text.size();
  const auto [at, error] = std::from_chars(text.data(), end, value);
  return error == std::errc() && at == end;
}

WalkStep parseOne(const std::string& text) {
  const Error unknown("unknown walk step \"" + text +
                      "\" (a, z, up, down, left, right, forward:D, yaw:D, tilt:D, roll:D, "
                      "study, restore, larger, smaller, each with an optional *N)");
  WalkStep step;
  std::string name = text;
  const auto star = text.rfind('*');
  if (star != std::string::npos) {
    if (!readWhole(text.substr(star + 1), step.count) || step.count < 1) throw unknown;
    name = text.substr(0, star);
  }
  const auto colon = name.find(':');
  if (colon != std::string::npos) {
    int d = 0;
    if (!readWhole(name.substr(colon + 1), d)) throw unknown;
    const std::string action = name.substr(0, colon);
    step.kind = WalkStep::Kind::Drag;
    if (action == "forward") {
      step.dy = -d;
    } else if (action == "yaw") {
      step.dx = d;
    } else if (action == "tilt") {
      step.button = WalkButton::Right;
      step.dy = d;
    } else if (action == "roll") {
      step.button = WalkButton::Right;
      step.dx = d;
    } else {
      throw unknown;
    }
    return step;
  }
  if (name == "a" || name == "z") {
    step.key = name[0];
  } else if (name == "up" || name == "down" || name == "left" || name == "right") {
    step.kind = WalkStep::Kind::Pad;
    step.pad = name == "up"     ? WalkPad::Up
               : name == "down" ? WalkPad::Down
               : name == "left" ? WalkPad::Left
                                : WalkPad::Right;
  } else if (name == "study") {
    step.kind = WalkStep::Kind::Study;
  } else if (name == "restore") {
    step.kind = WalkStep::Kind::Restore;
  } else if (name == "larger") {
    step.kind = WalkStep::Kind::Larger;
  } else if (name == "smaller") {
    step.kind = WalkStep::Kind::Smaller;
  } else {
    throw unknown;
  }
  return step;
}

// A point of the pad's region: the left half holds up (upper) and down, the right half
// right (upper) and left.
std::pair<int, int> padPoint(WalkPad pad) {
  switch (pad) {
    case WalkPad::Up:
      return {20, 15};
    case WalkPad::Down:
      return {20, 45};
    case WalkPad::Right:
      return {60, 15};
    default:
      return {60, 45};
  }
}

}  // namespace

std::vector<WalkStep> parseWalkSteps(const std::string& list) {
  std::vector<WalkStep> steps;
  std::size_t from = 0;
  while (from <= list.size()) {
    const auto comma = list.find(',', from);
    const std::size_t to = comma == std::string::npos ? list.size() : comma;
    steps.push_back(parseOne(list.substr(from, to - from)));
    from = to + 1;
  }
  return steps;
}

WalkSpeed parseWalkSpeed(const std::string& text) {
  static constexpr WalkSpeed kSpeeds[] = {WalkSpeed::Quick, WalkSpeed::Normal, WalkSpeed::Slow};
  return kSpeeds[parseChoice(text, "--speed", {"quick", "normal", "slow"})];
}

void performWalkStep(WalkThrough& walk, const WalkStep& step) {
  for (int i = 0; i < step.count; ++i) {
    switch (step.kind) {
      case WalkStep::Kind::Key:
        walk.FormKeyPress(step.key);
        break;
      case WalkStep::Kind::Study:
        walk.studeerClick(!walk.study());
        break;
      case WalkStep::Kind::Restore:
        walk.RestoreClick();
        break;
      case WalkStep::Kind::Larger:
        walk.LargerClick();
        break;
      case WalkStep::Kind::Smaller:
        walk.SmallerClick();
        break;
      default:
        break;
    }
  }
  if (step.kind == WalkStep::Kind::Pad) {
    const auto [x, y] = padPoint(step.pad);
    walk.Image2MouseDown(x, y);
  } else if (step.kind == WalkStep::Kind::Drag) {
    const int cx = walk.window().width / 2, cy = walk.window().height / 2;
    walk.Image1MouseDown(cx, cy, step.button);
    walk.Image1MouseMove(cx + step.dx, cy + step.dy);
  } else {
    return;
  }
  for (int i = 0; i < step.count; ++i) walk.Timer1Timer();
  walk.mouseUp();
}

void renderWalk(Workspace& ws, int shading, WalkSpeed speed, const std::vector<WalkStep>& steps,
                const std::string& output, std::ostream& out) {
  ws.views.ViewShading[0] = {shading > 0, shading == 1, shading == 2, shading == 3};
  WalkWindowState window;
  window.speed = speed;
  RedrawParts parts = ws.redrawParts();
  walkThrough(parts, [&](WalkParts& walk_parts) {
    WalkThrough walk(walk_parts, window);
    walk.FormActivate();
    for (const WalkStep& step : steps) performWalkStep(walk, step);
    walk.saveBitmap(output);
  });
  const bool has_ending = output.size() >= 4 && output.compare(output.size() - 4, 4, ".bmp") == 0;
  out << "wrote " << (has_ending ? output : output + ".bmp") << '\n';
}

}  // namespace facetry
