// render/side_by_side.h: two pieces of work at once, one on a second thread, for the parts
// of a redraw that split in two (faces, objects, corners, rows).
#pragma once
#include <exception>
#include <functional>

namespace facetry {

// Below this many faces a second thread costs more than it saves.
inline constexpr int kSplitFaces = 2000;

// Whether `faces` faces are worth splitting between two threads on this machine.
bool worthSplitting(int faces);

// What each side of runSideBySide threw, if anything.
struct SideFailures {
  std::exception_ptr here, there;
  bool any() const { return here || there; }
};

// Runs `there` on a second thread while `here` runs on this one, and returns when both are
// done; neither's exception escapes, both are returned.
SideFailures runSideBySide(const std::function<void()>& here, const std::function<void()>& there);

}  // namespace facetry
