// edit/modifier_select.cpp: Shift and Ctrl clicks of the selection.
#include "edit/modifier_select.h"

#include <vector>

#include "edit/previews.h"
#include "edit/selection.h"
#include "edit/view_mouse.h"

namespace facetry {

namespace {

constexpr std::uint8_t kMarker = 2;  // what a trial pick writes, never a real selection value

// Picks at (a, b) with the marker, then gives the one object or face the marker landed on
// the value `toggled(old flag)` through the pick itself. Returns true when one was hit.
template <typename Pick>
bool toggleUnderClick(Scene& scene, bool faces, Pick pick) {
  const int count = faces ? scene.FaceCount : scene.ObjectCount;
  auto flag = [&](int i) -> std::uint8_t& {
    return faces ? scene.face(i).selected : scene.object(i).selected;
  };
  std::vector<std::uint8_t> before(static_cast<std::size_t>(count));
  for (int i = 0; i < count; ++i) before[static_cast<std::size_t>(i)] = flag(i);
  // The trial pick changes the flags of corners and faces too; the real pick below
  // overwrites the same ones.
  if (!pick(kMarker)) return false;
  for (int i = 0; i < count; ++i) {
    if (flag(i) == kMarker && before[static_cast<std::size_t>(i)] != kMarker) {
      pick(before[static_cast<std::size_t>(i)] ? 0 : 1);
      return true;
    }
  }
  return false;
}

}  // namespace

bool takesModifiedClick(const ToolState& tools) {
  return tools.flags.selectObjectsOn || tools.ToolMode == ModeSelectFace;
}

void modifiedClick(Workspace& ws, Host& host, View view, ClickModifier modifier) {
  ToolState& t = ws.tools;
  if (modifier == ClickModifier::None || !takesModifiedClick(t)) {
    clickInView(ws, host, view);
    return;
  }
  if (modifier == ClickModifier::Add) {
    const bool off = t.offmode;
    t.offmode = false;
    clickInView(ws, host, view);
    t.offmode = off;
    return;
  }
  const auto& mouse = ws.views.MousePosition[static_cast<std::size_t>(viewIndex(view))];
  t.LastClick[static_cast<std::size_t>(viewIndex(view))] = mouse;
  const bool faces = t.ToolMode == ModeSelectFace;
  const bool changed = toggleUnderClick(ws.scene, faces, [&](std::uint8_t value) {
    return faces ? pickFace(ws.scene, ws.views, view, mouse[0], mouse[1], value)
                 : pickObject(ws.scene, ws.views, view, mouse[0], mouse[1], value);
  });
  if (changed) redrawViews(ws);
}

}  // namespace facetry
