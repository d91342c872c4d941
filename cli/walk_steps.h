// cli/walk_steps.h: facetry-cli render --view walk: the walk-through opened as the menu
// opens it, the user's steps performed in order, and the picture saved as "Save as bitmap"
// saves it. The model file and the scene are left as they were.
#pragma once
#include <ostream>
#include <string>
#include <vector>

#include "render/walk_view.h"
#include "workspace.h"

namespace facetry {

// One thing a user does in the window, done `count` times (timer steps while a press is
// held, presses of a key or a button).
struct WalkStep {
  enum class Kind { Key, Pad, Drag, Study, Restore, Larger, Smaller };
  Kind kind = Kind::Key;
  char key = 'a';                        // Key: 'a' or 'z'
  WalkPad pad = WalkPad::None;           // Pad: the region pressed
  WalkButton button = WalkButton::Left;  // Drag: the button held
  int dx = 0, dy = 0;                    // Drag: the mouse move from the centre
  int count = 1;
};

// Steps separated by commas: a, z, up, down, left, right, forward:D, yaw:D, tilt:D, roll:D,
// study, restore, larger, smaller, each optionally followed by *N (N >= 1). Throws Error
// naming the first step that is none of these.
std::vector<WalkStep> parseWalkSteps(const std::string& list);
// "quick", "normal" or "slow"; throws UsageError otherwise.
WalkSpeed parseWalkSpeed(const std::string& text);

// The step as the window's events: a press on the picture's centre or the pad's region,
// the move, the timer steps and the release; a key; a click on the box or a button.
void performWalkStep(WalkThrough& walk, const WalkStep& step);

// The whole walk-through with the front view in `shading` (0 wire, 1 flat, 2 Gouraud,
// 3 Phong), written to `output` (".bmp" appended when it does not end in it).
void renderWalk(Workspace& ws, int shading, WalkSpeed speed, const std::vector<WalkStep>& steps,
                const std::string& output, std::ostream& out);

}  // namespace facetry
