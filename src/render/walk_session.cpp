// render/walk_session.cpp: preparing and ending a walk-through.
#include "render/walk_session.h"

#include "render/view_passes.h"
#include "render/walk_file.h"
#include "scene/scratch_files.h"

namespace facetry {

namespace {

// Puts the untouched scene back and removes the walk files.
void endWalk(RedrawParts& parts, const ViewShadingEntry& front) {
  parts.views.ViewShading[0] = front;
  readWalkFile(parts.scene, kWalkPictureFile);
  removeWalkFiles();
}

}  // namespace

void walkThrough(RedrawParts& parts, const std::function<void(WalkParts&)>& show) {
  writeWalkFile(parts.scene, kWalkPictureFile);
  ViewShadingEntry& front = parts.views.ViewShading[0];
  const ViewShadingEntry saved = front;
  try {
    // note: a wired front view stays wired for the bake, so its redraw draws edges and
    // writes nothing into the faces; its walk is drawn flat in the faces' own colours.
    if (!front.flat && !front.gouraud && !front.phong) front.flat = true;
    teken(parts, true);
    writeWalkFile(parts.scene, kWalkFile);
    WalkParts walk{parts.scene, parts.light,   parts.textures,
                   parts.frame, modeOf(front), parts.views.CentrePoint};
    show(walk);
  } catch (...) {
    endWalk(parts, saved);
    throw;
  }
  endWalk(parts, saved);
}

}  // namespace facetry
