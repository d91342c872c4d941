// edit/view_navigation.h: moving about the views with the mouse and keys: zooming one step
// in or out about the point under the mouse, and the zoom and scroll positions that show
// every face. The zoom itself goes through setZoom, so the stored coordinates are rescaled
// exactly as the Zoom menu rescales them.
#pragma once
#include <array>

#include "scene/scene.h"
#include "scene/view_axes.h"
#include "scene/view_state.h"

namespace facetry {

// The Zoom menu's percentages, smallest first.
inline constexpr std::array<double, 10> kZoomSteps = {25,  50,  75,  100, 125,
                                                      150, 175, 200, 300, 400};
// The scroll bars' ranges: horizontal 0..440, vertical 0..540.
inline constexpr int kScrollRangeX = 440;
inline constexpr int kScrollRangeY = 540;

// The zoom one step in (`direction` > 0) or out (< 0) from `current`: the next Zoom menu
// percentage beyond it; past either end of the menu a factor of 1.25, down to 5 % and up to
// 1600 %, where it stays.
double nextZoomStep(double current, int direction);

// Zooms to `percent` keeping the point at (x, y) of `view`'s image under the mouse: the
// view's scroll position (views.ScrollX/ScrollY) moves by as far as that point moves, held
// within the scroll bars' ranges. The other views keep their scroll positions.
void zoomAboutPoint(Scene& scene, ViewState& views, View view, int x, int y, double percent);

// The visible part of one view's panel (its size less the scroll bars) and whether the
// view is shown in the present layout.
struct ViewWindow {
  int width = 0;
  int height = 0;
  bool shown = true;
};

// Picks the largest whole zoom percentage (5 % to 400 %) at which every face fits in the
// visible part of every shown view, zooms to it and scrolls each shown view so that the
// faces sit in its middle. Returns false and changes nothing when there are no faces.
bool fitAll(Scene& scene, ViewState& views, const std::array<ViewWindow, 3>& windows);

}  // namespace facetry
